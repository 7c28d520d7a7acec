#!/usr/bin/env bash
# End to end under Wine: the Windows build downloads from the stand-in site (a program of the native build) over
# TLS with the OpenSSL it ships with, checks installers with WinVerifyTrust, starts the maker's signed installer
# (the mingw build of standin/Installer.cpp, signed like the stand-in product) with "/S" and refuses an unsigned one.
# Usage: download_site_wine.sh EMULATOR TEST_EXE WINDOWS_BUILD NATIVE_BUILD
set -uo pipefail
emulator=$1
test=$2
build=$3
export SKV_BUILD=$4
. "$(dirname "$0")/sandbox_work.sh"
[[ -x $SKV_BUILD/standin/SkorvaneSite ]] || { echo "download_site_wine.sh: no native build of the site in $SKV_BUILD"; exit 1; }
folder=$work/site
"$here/../../standin/sandbox.sh" "$folder" --site >"$folder.env" || { echo "FAIL: sandbox"; exit 1; }
. "$folder.env"
certs=$folder/signing/certs
installer=$build/standin/SkorvaneInstaller.exe
cp "$installer" "$folder/site/downloads/Unsigned.exe"
rm -f "$folder/site/downloads/Skorvane.exe"
osslsigncode sign -certs "$certs/signer.pem" -key "$certs/signer.key" -n "Skorvane setup" -in "$installer" \
    -out "$folder/site/downloads/Skorvane.exe" >/dev/null || { echo "FAIL: signing the installer"; exit 1; }
# The test root in the prefix's machine store, as a Windows machine of the maker's test lab would have it.
wine "$build/standin/skv_wine_setup.exe" trust-root "$(winpath "$certs/root.pem")" </dev/null >/dev/null 2>&1 ||
    { echo "FAIL: trusting the test root"; exit 1; }
mkdir -p "$folder/out"
export SKV_TRUSTED_ROOTS=$(winpath "$SKV_TRUSTED_ROOTS") SKV_DOWNLOAD_OUT=$(winpath "$folder/out")
export SKV_SITE_DOWNLOADS=$(winpath "$folder/site/downloads") SKV_INSTALLER_RECORD=$(winpath "$folder/out/installer-args.txt")
export QT_QPA_PLATFORM=windows
if "$emulator" --qtest "$test" downloadReachesOneHundredAndSaves digestChecks gateRunsOnlyTheMakersSignedInstaller plainHttpIsRefused \
    installsOnlyTheMakersInstaller launchFailuresAreExplained >"$folder.log" 2>&1; then
    echo "PASS download, gate and launch under Wine"
    cp "$folder"/out/*.png "$build/tests/download/" 2>/dev/null
else
    grep -E -A3 "FAIL" "$folder.log"
    failures=$((failures + 1))
fi
# Failures told by the dialog under Wine: a cut body, a site that never answers, a flood of header lines, a broken chunk.
for mode in chunked-cut never-answer header-flood bad-chunk; do
    other=$work/$mode
    "$here/../../standin/sandbox.sh" "$other" --site="$mode" >"$other.env" || { echo "FAIL $mode: sandbox"; exit 1; }
    mkdir -p "$other/out"
    expect="closed the connection before the file was complete"
    [[ $mode == never-answer ]] && expect="Nothing came from the site for 2 seconds"
    [[ $mode == header-flood ]] && expect="header fields pass 65536 bytes"
    [[ $mode == bad-chunk ]] && expect="invalid chunk size"
    if (. "$other.env"; export SKV_TRUSTED_ROOTS=$(winpath "$SKV_TRUSTED_ROOTS") SKV_DOWNLOAD_OUT=$(winpath "$other/out") \
        SKV_EXPECT=$expect QT_QPA_PLATFORM=windows
        "$emulator" --qtest "$test" failedDownloadIsToldAndLeavesNothing) >"$other.log" 2>&1; then
        echo "PASS $mode under Wine"
    else
        echo "FAIL $mode under Wine:"; grep -E -A3 "FAIL" "$other.log"; failures=$((failures + 1))
    fi
done
cp "$work"/never-answer/out/download-failed.png "$build/tests/download/download-failed-wine.png" 2>/dev/null
[[ $failures -eq 0 ]]
