#!/usr/bin/env bash
# End to end through the window: "Download and install Skorvane" repairs a sandbox laid out without installation
# (the stand-in site serves the stand-in installer), and ends a running product only after Yes; a report left in the
# outbox goes once the window is up.
# Usage: download_window.sh TEST_EXE BUILD_DIR
set -uo pipefail
test=$1
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
run() { # NAME CASE SANDBOX_OPTIONS...
    local name=$1 case=$2 && shift 2
    local folder=$work/$name
    "$here/../../standin/sandbox.sh" "$folder" "$@" >"$folder.env" || { echo "FAIL $name: sandbox"; failures=$((failures + 1)); return; }
    mkdir -p "$folder/out"
    if (. "$folder.env"; export SKV_DOWNLOAD_OUT=$folder/out SKV_CASE=$case QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0; "$test") >"$folder.log" 2>&1; then
        echo "PASS $name"
    else
        echo "FAIL $name:"; grep -E "FAIL|Loc:|Actual|Expected" "$folder.log"; failures=$((failures + 1))
    fi
    cp "$folder"/out/*.png "$SKV_BUILD/tests/app/" 2>/dev/null
    "$here/../../standin/end-products.sh" "$folder"
}
run repair repair --no-install --site
run running running --site
run failed failed --site=not-found
run outbox outbox --site
[[ $failures -eq 0 ]]
