#!/usr/bin/env bash
# End to end: the report panel against the stand-in web site in each of its modes, over TLS on loopback; what the
# site stored is then parsed by Python's email package (check_report_requests.py).
# Usage: report_site.sh TEST_EXE BUILD_DIR
set -uo pipefail
test=$1
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
sandbox=$here/../../standin/sandbox.sh

# run NAME SITE_MODE STORES FUNCTIONS...  (STORES: yes or no; each press sends once, so the counts are exact)
run() {
    local name=$1 site=$2 stores=$3 && shift 3
    local folder=$work/$name
    "$sandbox" "$folder" --site="$site" ${PROXY:+--proxy=$PROXY} >"$folder.env" ||
        { echo "FAIL $name: sandbox"; failures=$((failures + 1)); return; }
    mkdir -p "$folder/out"
    if ! (. "$folder.env"; export SKV_REPORT_OUT=$folder/out SKV_SITE_STORES=$stores QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0; "$test" "$@") >"$folder.log" 2>&1; then
        echo "FAIL $name:"; grep -E "FAIL|Loc:|Actual|Expected" "$folder.log"; failures=$((failures + 1))
    elif ! python3 "$here/check_report_requests.py" "$folder/site/requests" "$folder/out/expected.json" >"$folder.check" 2>&1; then
        echo "FAIL $name (stored requests):"; cat "$folder.check"; failures=$((failures + 1))
    elif [[ ${PROXY:-} == ok ]] && ! grep -q "^CONNECT site.skorvane.test:" "$folder/proxy/connects"; then
        echo "FAIL $name: the proxy recorded no tunnel"; failures=$((failures + 1))
    else
        echo "PASS $name: $(tail -1 "$folder.check")"
    fi
    cp "$folder"/out/*.png "$folder"/out/report.html "$SKV_BUILD/tests/report/" 2>/dev/null
}

run ok ok yes sendReportOpensTheDialog uploadWithAnEmailClosesTheDialog blanksCountAsAnAddress anonymousAfterYesAndNothingAfterNo \
    crashReportsCarryTheDumpAndDeleteIt detailsAndSavedPageShowWhatIsSent editingTitles unsavedScreenshotIsNoScreenshot \
    deletedScreenshotIsNoScreenshot
run redirect redirect yes answerWithoutErrorIsSuccess
run body-error body-error yes answerWithoutErrorIsSuccess
run error500 error500 yes failureKeepsTheDialogAndRetrySendsAgain
run close close yes failureKeepsTheDialogAndRetrySendsAgain
run header-flood header-flood yes failureKeepsTheDialogAndRetrySendsAgain
run too-large small no failureKeepsTheDialogAndRetrySendsAgain
run untrusted untrusted no sslErrorsAreShownAndNotIgnored
run delay delay yes spinnerWhileWaiting
run never-answer never-answer yes silentSiteFailsAfterTheStallTime closingDuringAnUploadRemovesThePicture
run long-answer long-answer yes longAnswerIsCutShort
run trickle trickle yes trickleIsGivenUpAsTooSlow
# Behind a company's proxy: the site's name resolves only there.
PROXY=ok run proxy-ok ok yes uploadWithAnEmailClosesTheDialog
# In French and German the site gets the same parts, with the same texts: what goes to the maker stays in English.
SKV_TEST_LANGUAGE=fr run language-fr ok yes uploadWithAnEmailClosesTheDialog
SKV_TEST_LANGUAGE=de run language-de ok yes uploadWithAnEmailClosesTheDialog
PROXY=refuse run proxy-refuse ok no proxyFailureNamesTheProxy

# The saved page in a real browser: headless Chromium renders it, and the JSON block reads back as what was sent.
page=$SKV_BUILD/tests/report/report.html
if [[ -f $page ]]; then
    python3 - "$page" <<'PY' || { echo "FAIL saved page: JSON block"; failures=$((failures + 1)); }
import html.parser, json, sys
class Find(html.parser.HTMLParser):
    block, inside = None, False
    def handle_starttag(self, tag, attrs):
        self.inside = tag == "script" and ("id", "report-json") in attrs
    def handle_data(self, data):
        if self.inside: self.block = data
    def handle_endtag(self, tag): self.inside = False
finder = Find(); finder.feed(open(sys.argv[1], encoding="utf-8").read())
report = json.loads(finder.block)
assert report["labelIsRunning"] == "false" and list(report)[0] == "labelWindows64BitsIcon", report
PY
    browser=$(command -v chromium || command -v chromium-browser || true)
    if [[ -n $browser ]]; then
        timeout 60 "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=900,1400 \
            --screenshot="$SKV_BUILD/tests/report/report-page.png" "file://$page" >/dev/null 2>&1
        [[ -s $SKV_BUILD/tests/report/report-page.png ]] && echo "PASS saved page rendered by $(basename "$browser")" ||
            { echo "FAIL saved page: Chromium rendered nothing"; failures=$((failures + 1)); }
    else
        echo "FAIL saved page: no Chromium (scripts/install-deps.sh test installs it)"; failures=$((failures + 1))
    fi
else
    echo "FAIL saved page: none written"; failures=$((failures + 1))
fi
[[ $failures -eq 0 ]]
