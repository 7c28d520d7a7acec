#!/usr/bin/env bash
# The network's figures, Release build: for each hop that can fail (a name that does not resolve, a refused port, a
# proxy that refuses the tunnel, a certificate this computer does not trust) the time from the start of
# `SkorvaneDiagnosticsCli --check-site` to its verdict; and a 16 MiB download (the downloader, through its Qt test)
# direct and through the stand-in proxy in ok mode. Prints medians of RUNS runs (default 5).
# Usage: bench-network.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
bash scripts/install-deps.sh test >/dev/null
build=build/bench-network
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target SkorvaneDiagnosticsCli SkorvaneSite SkorvaneProxy SkorvaneInstaller Skorvane tst_Download >/dev/null
export SKV_BUILD=$PWD/$build
work=$(mktemp -d)
trap 'standin/end-products.sh "$work"/*/; rm -rf "$work"' EXIT
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
now() { date +%s%N; }

# failure LABEL SANDBOX_OPTIONS [VAR=VALUE]: the time to the runner's verdict.
failure() {
    local label=$1 options=$2 override=${3:-} times=()
    standin/sandbox.sh "$work/$label" $options >"$work/$label.env"
    for _ in $(seq "$runs"); do
        local start
        start=$(now)
        (. "$work/$label.env"; [[ -n $override ]] && export "$override"; "$build/app/SkorvaneDiagnosticsCli" --check-site >/dev/null 2>&1) || true
        times+=($((($(now) - start) / 1000000)))
    done
    printf '%-28s %6s ms to the verdict\n' "$label" "$(printf '%s\n' "${times[@]}" | median)"
}
failure "name not found" "--site" "SKV_SITE_URL=https://no-such-site.invalid"
failure "port refused" "--site" "SKV_SITE_URL=https://127.0.0.1:9"
failure "proxy refuses" "--site --proxy=refuse"
failure "certificate not trusted" "--site --proxy=intercept"

# download LABEL SANDBOX_OPTIONS: a 16 MiB file through the downloader.
download() {
    local label=$1 options=$2 times=()
    standin/sandbox.sh "$work/$label" $options >"$work/$label.env"
    head -c $((16 << 20)) /dev/urandom >"$work/$label/site/downloads/Skorvane.exe"
    mkdir -p "$work/$label/out"
    for _ in $(seq "$runs"); do
        local start
        start=$(now)
        (. "$work/$label.env"; export SKV_DOWNLOAD_OUT=$work/$label/out SKV_SITE_DOWNLOADS=$work/$label/site/downloads \
            QT_QPA_PLATFORM=offscreen; "$build/tests/download/tst_Download" downloadReachesOneHundredAndSaves >/dev/null 2>&1)
        times+=($((($(now) - start) / 1000000)))
    done
    printf '%-28s %6s ms for 16 MiB (the test process included)\n' "$label" "$(printf '%s\n' "${times[@]}" | median)"
}
download "download direct" "--site"
download "download through the proxy" "--site --proxy"
