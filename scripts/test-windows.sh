#!/usr/bin/env bash
# Runs the tests of a Windows build under Wine (ctest; the programs go through the build's Wine emulator), with one
# Wine server for the whole run. Called by scripts/test.sh on an X server of its own.
# Usage: test-windows.sh BUILD JOBS [CTEST_OPTIONS...]  (for instance -R tst_ModernWindow)
set -euo pipefail
build=$1
jobs=$2
shift 2
export WINEPREFIX="${SKV_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skorvane/wine64}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A prefix that a failed start left without its drive (a Wine that could not run) is made again: Wine would
# otherwise take it as made, and every test would wait on a Windows that is not there.
[[ -d $WINEPREFIX/drive_c/windows/system32 ]] || rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# One Wine server for the whole run, detached from our output: otherwise each test waits for the server's idle
# time-out before its output pipe closes.
wineserver -p 600 </dev/null >/dev/null 2>&1 || true # already running is fine
timeout 300 wine wineboot </dev/null >/dev/null 2>&1 || true
status=0
(cd "$build" && ctest -j "$jobs" --output-on-failure --timeout 600 "$@") || status=1
wineserver -k </dev/null >/dev/null 2>&1 || true
exit $status
