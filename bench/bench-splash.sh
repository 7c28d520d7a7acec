#!/usr/bin/env bash
# The time from starting SkorvaneDiagnostics (release build, offscreen, healthy sandbox) to the first paint of its
# start-up splash, over RUNS starts (default 5); prints each and the median.
# Usage: bench-splash.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
bash scripts/install-deps.sh run >/dev/null
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target SkorvaneDiagnostics Skorvane >/dev/null
work=$(mktemp -d)
trap 'standin/end-products.sh "$work/sandbox"; rm -rf "$work"' EXIT
SKV_BUILD="$PWD/$build" bash standin/sandbox.sh "$work/sandbox" >"$work/env"
. "$work/env"
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%3N)
    QT_QPA_PLATFORM=offscreen SKV_SPLASH_TIMING=1 SKV_SCREENSHOT_AND_QUIT="$work/window.png" \
        "$build/app/SkorvaneDiagnostics" >/dev/null 2>"$work/err" || true
    painted=$(sed -n 's/^Splash painted at \([0-9]*\)$/\1/p' "$work/err" | head -n 1)
    [[ -n $painted ]] || { echo "no splash was painted" >&2; cat "$work/err" >&2; exit 1; }
    times+=($((painted - start)))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "start to the splash's first paint (ms): ${times[*]}; median $median ms (goal: under 300 ms)"
