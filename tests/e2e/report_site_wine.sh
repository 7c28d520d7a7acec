#!/usr/bin/env bash
# End to end under Wine: the report panel of the Windows build uploads to the stand-in web site (a program of the
# native build, on the same loopback) over TLS with the OpenSSL that ships with the program; an untrusted
# certificate gives "Can't connect to website". What the site stored is parsed by Python's email package.
# Usage: report_site_wine.sh EMULATOR TEST_EXE NATIVE_BUILD   (run by ctest in the Windows build)
set -uo pipefail
emulator=$1
test=$2
export SKV_BUILD=$3
. "$(dirname "$0")/sandbox_work.sh"
[[ -x $SKV_BUILD/standin/SkorvaneSite ]] || { echo "report_site_wine.sh: no native build of the site in $SKV_BUILD"; exit 1; }

run() { # NAME SITE_MODE FUNCTIONS...
    local name=$1 site=$2 && shift 2
    local folder=$work/$name
    "$here/../../standin/sandbox.sh" "$folder" --site="$site" >"$folder.env" || { echo "FAIL $name: sandbox"; failures=$((failures + 1)); return; }
    mkdir -p "$folder/out"
    if ! (. "$folder.env"
        export SKV_TRUSTED_ROOTS=$(winpath "$SKV_TRUSTED_ROOTS") TEMP=$(winpath "$TEMP") TMP=$(winpath "$TEMP")
        export SKV_SITE_REQUESTS=$(winpath "$SKV_SITE_REQUESTS") SKV_REPORT_OUT=$(winpath "$folder/out")
        export QT_QPA_PLATFORM=windows SKV_SITE_STORES=yes
        "$emulator" --qtest "$test" "$@") >"$folder.log" 2>&1; then
        echo "FAIL $name:"; grep -E "FAIL|Loc:|Actual|Expected" "$folder.log"; failures=$((failures + 1))
    elif ! python3 "$here/check_report_requests.py" "$folder/site/requests" "$folder/out/expected.json" \
        >"$folder.check" 2>&1; then
        echo "FAIL $name (stored requests):"; cat "$folder.check"; failures=$((failures + 1))
    else
        echo "PASS $name: $(tail -1 "$folder.check")"
    fi
}

run ok ok sendReportOpensTheDialog uploadWithAnEmailClosesTheDialog anonymousAfterYesAndNothingAfterNo \
    unsavedScreenshotIsNoScreenshot deletedScreenshotIsNoScreenshot
run untrusted untrusted sslErrorsAreShownAndNotIgnored
run never-answer never-answer silentSiteFailsAfterTheStallTime closingDuringAnUploadRemovesThePicture
run long-answer long-answer longAnswerIsCutShort
run close close failureKeepsTheDialogAndRetrySendsAgain
run header-flood header-flood failureKeepsTheDialogAndRetrySendsAgain
[[ $failures -eq 0 ]]
