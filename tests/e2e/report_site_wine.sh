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

# The outbox: a report the site did not take waits, and the deployed runner sends it once at the next try, under the
# same X-Report-Id (a site that took it already, its answer lost, counts it as a duplicate).
cli=$(dirname "$test")/../../deploy/SkorvaneDiagnostics/SkorvaneDiagnosticsCli.exe
folder=$work/outbox
"$here/../../standin/sandbox.sh" "$folder" --site=error500 >"$folder.env"
mkdir -p "$folder/out"
(. "$folder.env"; export SKV_TRUSTED_ROOTS=$(winpath "$SKV_TRUSTED_ROOTS") TEMP=$(winpath "$TEMP") TMP=$(winpath "$TEMP")
    export SKV_SITE_REQUESTS=$(winpath "$SKV_SITE_REQUESTS") SKV_REPORT_OUT=$(winpath "$folder/out")
    export QT_QPA_PLATFORM=windows SKV_SITE_STORES=yes SKV_OUTBOX_EXPECT=kept
    sendWaiting() { timeout 120 "$emulator" "$cli" --send-waiting </dev/null 2>/dev/null | tr -d '\r'; }
    export SKV_TEST_OUTBOX=$(sendWaiting | python3 -c 'import json, sys; print(json.load(sys.stdin)["outbox"])')
    "$emulator" --qtest "$test" failedReportIsKeptForLater >"$folder.log" 2>&1 || { echo "dialog failed"; exit 1; }
    echo take-and-close >"$folder/site/mode"
    sendWaiting >"$folder.lost.json" && { echo "sent although the answer was lost"; exit 1; }
    echo ok >"$folder/site/mode"
    sendWaiting >"$folder.sent.json" || { echo "not sent: $(cat "$folder.sent.json")"; exit 1; }
    python3 -c 'import json, sys; doc = json.load(open(sys.argv[1])); assert doc["sent"] == 1 and doc["waiting"] == 0, doc' "$folder.sent.json"
    [[ $(grep -c "^taken " "$folder/site/requests/report-ids") == 1 && $(grep -c "^duplicate " "$folder/site/requests/report-ids") == 1 ]]
) >"$folder.out" 2>&1 && echo "PASS outbox" || { echo "FAIL outbox:"; cat "$folder.out"; grep -E "FAIL|Loc:" "$folder.log"; failures=$((failures + 1)); }
[[ $failures -eq 0 ]]
