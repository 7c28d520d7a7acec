#!/usr/bin/env bash
# The window under Wine at the settings laptops use: for each screen (an X server of that size) and each of Wine's
# LogPixels (96, 120, 144, 192: 100 to 200 %; 1280x720 at 100 % only; French and German on the small laptop screen
# at 125 and 150 %), tst_MainWindow's windowFitsTheScreen checks the window's frame (GetWindowRect) against the work
# area (SPI_GETWORKAREA), the buttons, the report window and the download dialog. Each run's pictures and log stay in
# BUILD/wine-scales/<screen>-<dpi>[-<language>]/.
# Usage: tests/e2e/wine_scales.sh BUILD TEST_PROGRAM
set -euo pipefail
build=$(cd "$1" && pwd)
program=$2
work=$build/wine-scales
rm -rf "$work"
mkdir -p "$work/prefix"
# A prefix of its own, whose DPI setting changes from run to run (wine-run.sh takes SKV_WINEPREFIX).
export SKV_WINEPREFIX=$work/prefix WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine wineboot </dev/null >/dev/null 2>&1 || true
failures=0
for run in 1366x768-96 1366x768-120 1366x768-144 1366x768-192 1920x1080-96 1920x1080-120 1920x1080-144 \
    1920x1080-192 1280x720-96 1366x768-120-fr 1366x768-144-fr 1366x768-120-de 1366x768-144-de; do
    IFS=- read -r screen dpi language <<<"$run"
    # Where Wine reads the system DPI; it is read when the prefix's processes start, so they all end first.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
        /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    out=$work/$run
    mkdir -p "$out"
    if (cd "$out" && SKV_TEST_LANGUAGE=$language xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp" \
        "$build/wine-run-qt.sh" --qtest "$program" windowFitsTheScreen) >"$out/log" 2>&1; then
        echo "ok: $screen at $dpi dpi ${language:-en}: $(grep -m1 'MainWindow: frame' "$out/log" | sed 's/.*MainWindow: //')"
    else
        echo "FAIL: $screen at $dpi dpi ${language:-en}"
        cat "$out/log"
        failures=$((failures + 1))
    fi
    wineserver -k >/dev/null 2>&1 || true
done
[[ $failures -eq 0 ]] || { echo "$failures of the runs failed"; exit 1; }
