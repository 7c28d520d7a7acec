#!/usr/bin/env bash
# End to end: the downloader, the download-and-install dialog and the installer gate against the stand-in web site
# in its modes, over TLS on loopback.
# Usage: download_site.sh TEST_EXE BUILD_DIR
set -uo pipefail
test=$1
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
run() { # NAME SITE_MODE FUNCTIONS...  (PROXY=MODE: through the stand-in proxy, which must record the tunnel)
    local name=$1 site=$2 && shift 2
    local folder=$work/$name
    "$here/../../standin/sandbox.sh" "$folder" --site="$site" ${PROXY:+--proxy=$PROXY} >"$folder.env" ||
        { echo "FAIL $name: sandbox"; failures=$((failures + 1)); return; }
    mkdir -p "$folder/out"
    if (. "$folder.env"; export SKV_DOWNLOAD_OUT=$folder/out SKV_SITE_DOWNLOADS=$folder/site/downloads \
        QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0; "$test" "$@") >"$folder.log" 2>&1; then
        if [[ -n ${PROXY:-} && $PROXY != refuse && $PROXY != silent ]] && ! grep -q "^CONNECT site.skorvane.test:" "$folder/proxy/connects"; then
            echo "FAIL $name: the proxy recorded no tunnel"; failures=$((failures + 1))
        else
            echo "PASS $name"
        fi
    else
        echo "FAIL $name:"; grep -E "FAIL|Loc:|Actual|Expected" "$folder.log"; failures=$((failures + 1))
    fi
    cp "$folder"/out/*.png "$SKV_BUILD/tests/download/" 2>/dev/null
}
run ok ok downloadReachesOneHundredAndSaves digestChecks jsonEscapedSlashes cancelFlagActsOnceAtTheNextProgress \
    dialogProgressAndInstall launchFailuresAreExplained downloadItemRow gateRunsOnlyTheMakersSignedInstaller \
    plainHttpIsRefused
run chunked chunked downloadReachesOneHundredAndSaves
run endless endless endlessBodyStreamsAndCancelRemovesIt
# Each failure, and what the dialog says of it.
fail() { # SITE_MODE EXPECTED_TEXT
    SKV_EXPECT=$2 run "fail-$1" "$1" failedDownloadIsToldAndLeavesNothing
}
fail not-found '"404 Not Found"'
fail error500 '"500 Internal Server Error"'
fail redirect "elsewhere (HTTP 302)"
fail short-body "closed the connection before the file was complete"
fail no-length "did not say how long the file is"
fail chunked-cut "closed the connection before the file was complete"
fail close "closed the connection before the file was complete"
fail endless "larger than the 4.0 MiB"
fail endless-404 '"404 Not Found"'
fail two-lengths "two different lengths"
fail header-flood "header fields pass 65536 bytes"
fail field-flood "more than 100 header fields"
fail bad-chunk "invalid chunk size"
fail trickle "too slow to ever finish"
fail never-answer "Nothing came from the site for 2 seconds"
fail untrusted 'issued by "Unknown Root", which this computer does not trust'
# Behind a company's proxy: the site's name resolves only there, so whatever succeeds went through it.
PROXY=ok run proxy-ok ok downloadReachesOneHundredAndSaves
PROXY=intercept-trusted run proxy-intercept-trusted ok downloadReachesOneHundredAndSaves
PROXY=auth-basic run proxy-auth ok proxyCredentialsAreAskedOnce slowPasswordAfterTheStallEndsCleanly
# The password typed for the proxy appears nowhere the run wrote (its log, the files it made).
grep -rqs "proxy-secret" "$work/proxy-auth.log" "$work/proxy-auth/out" && { echo "FAIL proxy-auth: the password was written"; failures=$((failures + 1)); }
# NTLM, as Windows-integrated proxies ask: the typed password is proved without being sent, a wrong one is tried
# once (one refusal recorded, where the proxy support of Qt tried again thousands of times a second).
PROXY=auth-ntlm run proxy-ntlm ok proxyCredentialsAreAskedOnce slowPasswordAfterTheStallEndsCleanly
[[ $(grep -c "^NTLM-REFUSED .*skv$" "$work/proxy-ntlm/proxy/connects") == 1 && $(grep -c "^NTLM SKORVANETEST.skv$" "$work/proxy-ntlm/proxy/connects") == 2 ]] ||
    { echo "FAIL proxy-ntlm: the proxy's record"; cat "$work/proxy-ntlm/proxy/connects"; failures=$((failures + 1)); }
grep -rqs "proxy-secret" "$work/proxy-ntlm.log" "$work/proxy-ntlm/out" && { echo "FAIL proxy-ntlm: the password was written"; failures=$((failures + 1)); }
PROXY=refuse SKV_EXPECT="The proxy 127.0.0.1:" run proxy-refuse ok failedDownloadIsToldAndLeavesNothing
PROXY=intercept SKV_EXPECT='issued by "Example Corp Inspection CA", which this computer does not trust' \
    run proxy-intercept ok failedDownloadIsToldAndLeavesNothing
PROXY=silent SKV_EXPECT="The proxy 127.0.0.1:" run proxy-silent ok failedDownloadIsToldAndLeavesNothing
grep -q "Request was redirected." "$work/fail-redirect.log" || { echo "FAIL redirect: no line on the error stream"; failures=$((failures + 1)); }
grep -q "SSL error: " "$work/fail-untrusted.log" || { echo "FAIL untrusted: no SSL error line"; failures=$((failures + 1)); }
[[ $failures -eq 0 ]]
