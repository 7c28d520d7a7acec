#!/usr/bin/env bash
# The longest time the window goes without answering (repainting, taking a click) during one check pass, measured
# by a 10 ms timer that records its own lateness (bench/gui_stall.cpp), natively and offscreen, in a
# healthy sandbox and with the stand-in product in the never-answer and silent-reply modes. Goal: 50 ms or less.
# Prints the median of RUNS passes per case (default 3).
# Usage: bench-gui-stall.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
bash scripts/install-deps.sh run >/dev/null
build=build/bench-gui
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKV_BUILD_TESTS=OFF -DSKV_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target skv_gui_stall Skorvane >/dev/null

work=$(mktemp -d)
trap 'standin/end-products.sh "$work/sandbox" 2>/dev/null || true; rm -rf "$work"' EXIT
SKV_BUILD="$PWD/$build" bash standin/sandbox.sh "$work/sandbox" >"$work/env"
. "$work/env"
product="$work/sandbox/install/Skorvane.exe"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# measure MODE: the product runs in MODE (empty: healthy) while the window's pass runs.
measure() {
    local mode=$1 stalls=() passes=()
    for _ in $(seq "$runs"); do
        standin/end-products.sh "$work/sandbox"
        : >"$work/sandbox/product.pids"
        rm -f "$SKV_PIPE_FOLDER/Skorvane"
        SKV_STANDIN_MODE=$mode "$product" >/dev/null 2>&1 &
        for _ in $(seq 100); do [[ -S $SKV_PIPE_FOLDER/Skorvane ]] && break; sleep 0.02; done
        local line
        line=$(QT_QPA_PLATFORM=offscreen "$build/bench/skv_gui_stall" 2>/dev/null | tail -n 1)
        passes+=("$(sed -n 's/^pass \([0-9]*\) ms.*/\1/p' <<<"$line")")
        stalls+=("$(sed -n 's/.*longest stall of the window \([0-9]*\) ms.*/\1/p' <<<"$line")")
    done
    standin/end-products.sh "$work/sandbox"
    printf '%-14s longest stalls (ms): %-16s median %3d ms; passes (ms): %s\n' "${mode:-healthy}" "${stalls[*]}" \
        "$(printf '%s\n' "${stalls[@]}" | median)" "${passes[*]}"
}

echo "$runs passes each, release build, offscreen, goal: no stall over 50 ms"
measure ""
measure never-answer
measure silent-reply
