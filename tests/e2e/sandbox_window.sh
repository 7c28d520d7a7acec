#!/usr/bin/env bash
# End to end through the window: runs a Qt test program offscreen inside a healthy sandbox installation.
# Usage: sandbox_window.sh TEST_PROGRAM BUILD_DIR
set -euo pipefail
program=$1
export SKV_BUILD=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# The products that ran in the sandbox end by the ids they recorded.
trap '"$(dirname "$0")/../../standin/end-products.sh" "$work/sandbox"; rm -rf "$work"' EXIT
"$here/../../standin/sandbox.sh" "$work/sandbox" >"$work/env"
. "$work/env"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$program"
