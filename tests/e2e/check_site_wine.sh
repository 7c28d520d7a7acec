#!/usr/bin/env bash
# End to end under Wine: the deployed runner's `--check-site` finds the proxy where a Windows machine keeps it, in
# the prefix's Internet Options (WinHTTP's DefaultConnectionSettings): a manual proxy, a PAC script served over HTTP,
# and no proxy (then the site's name, which only the stand-in proxy resolves, is not found). An inspecting proxy's
# root is trusted once it is in the Windows store, and named when it is not. The proxy must record each tunnel.
# Usage: check_site_wine.sh WINDOWS_BUILD NATIVE_BUILD
set -uo pipefail
build=$(cd "$1" && pwd)
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
cli=$build/deploy/SkorvaneDiagnostics/SkorvaneDiagnosticsCli.exe
[[ -f $cli ]] || { echo "check_site_wine.sh: no deployed runner in $build"; exit 1; }
export WINEPREFIX=$build/check-site-wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export SKV_WINEPREFIX=$WINEPREFIX # the prefix of the Qt tests run below too
rm -rf "$WINEPREFIX"
trap 'wineserver -k >/dev/null 2>&1; endProducts "$work"/*/; rm -rf "$work"' EXIT
wine wineboot </dev/null >/dev/null 2>&1
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Connections'

# connections FLAGS PROXY PAC_URL: Internet Options as the control panel writes them (1 direct, 2 proxy, 4 script).
connections() {
    local blob
    blob=$(python3 -c 'import struct, sys
field = lambda text: struct.pack("<I", len(text)) + text.encode()
print((struct.pack("<III", 0x46, 1, int(sys.argv[1])) + field(sys.argv[2]) + field("") + field(sys.argv[3])
       + bytes(28)).hex())' "$@")
    wine reg add "$key" /v DefaultConnectionSettings /t REG_BINARY /d "$blob" /f </dev/null >/dev/null 2>&1
}

# qtest NAME FOLDER PROGRAM FUNCTIONS...: a Qt test of this build in the sandbox's world, with the proxy of the
# Internet Options.
qtest() {
    local name=$1 folder=$2 program=$3 && shift 3
    mkdir -p "$folder/out" "$folder/temp"
    if (. "$folder.env"; unset https_proxy
        export SKV_TRUSTED_ROOTS=$(winpath "$SKV_TRUSTED_ROOTS") SKV_DOWNLOAD_OUT=$(winpath "$folder/out") \
            SKV_SITE_DOWNLOADS=$(winpath "$folder/site/downloads") SKV_SITE_REQUESTS=$(winpath "$SKV_SITE_REQUESTS") \
            SKV_REPORT_OUT=$(winpath "$folder/out") TEMP=$(winpath "$folder/temp") TMP=$(winpath "$folder/temp") \
            SKV_SITE_STORES=no QT_QPA_PLATFORM=windows
        timeout 300 "$build/wine-run-qt.sh" --qtest "$program" "$@") >"$work/$name.log" 2>&1; then
        echo "PASS $name"
    else
        echo "FAIL $name:"; grep -E "FAIL|Loc:" "$work/$name.log"; failures=$((failures + 1))
    fi
}

# check NAME EXPECTED_EXIT TEXT FOLDER: runs the runner with the sandbox's roots and without https_proxy.
check() {
    local name=$1 expected=$2 text=$3 folder=$4 rc
    (. "$folder.env"; unset https_proxy; export SKV_TRUSTED_ROOTS=$(winpath "$SKV_TRUSTED_ROOTS")
        timeout 120 wine "$cli" --check-site --text </dev/null >"$work/$name.txt" 2>"$work/$name.err")
    rc=$?
    if [[ $rc != "$expected" ]] || ! grep -q "$text" "$work/$name.txt"; then
        echo "FAIL $name: exit $rc, expected $expected and \"$text\""; cat "$work/$name.txt"; failures=$((failures + 1))
    else
        echo "PASS $name"
    fi
}

proxied() { "$here/../../standin/sandbox.sh" "$work/$1" --site --proxy="$2" >"$work/$1.env"; }
proxyPort() { (. "$work/$1.env"; echo "${https_proxy##*:}"); }

proxied manual ok
connections 3 "127.0.0.1:$(proxyPort manual)" ""
check manual 0 "through the proxy 127.0.0.1:.*Internet Options" "$work/manual"
grep -q "^CONNECT site.skorvane.test:" "$work/manual/proxy/connects" || { echo "FAIL manual: no tunnel recorded"; failures=$((failures + 1)); }

# The download through it, and a proxy that asks for a user name and password (declined, wrong, right once).
qtest download-through-proxy "$work/manual" "$build/tests/download/tst_Download.exe" downloadReachesOneHundredAndSaves
proxied auth auth-basic
connections 3 "127.0.0.1:$(proxyPort auth)" ""
qtest download-proxy-credentials "$work/auth" "$build/tests/download/tst_Download.exe" proxyCredentialsAreAskedOnce
grep -rqs "proxy-secret" "$work/download-proxy-credentials.log" "$work/auth/out" && { echo "FAIL: the proxy password was written"; failures=$((failures + 1)); }
# An NTLM proxy: the session's own sign-in is tried first (Wine has no domain session to give), then the typed
# password over NTLMv2; a wrong one is tried once.
proxied ntlm auth-ntlm
connections 3 "127.0.0.1:$(proxyPort ntlm)" ""
qtest download-proxy-ntlm "$work/ntlm" "$build/tests/download/tst_Download.exe" proxyCredentialsAreAskedOnce
[[ $(grep -c "^NTLM SKORVANETEST.skv$" "$work/ntlm/proxy/connects") == 2 ]] ||
    { echo "FAIL ntlm: the proxy's record"; cat "$work/ntlm/proxy/connects"; failures=$((failures + 1)); }
# A report through a proxy that refuses the way: the failure names the proxy.
proxied refusing refuse
connections 3 "127.0.0.1:$(proxyPort refusing)" ""
qtest report-proxy-refused "$work/refusing" "$build/tests/report/tst_ReportUpload.exe" proxyFailureNamesTheProxy

connections 1 "" ""
check direct 1 "site.skorvane.test could not be found" "$work/manual"

proxied pac ok
mkdir -p "$work/pac-files"
printf 'function FindProxyForURL(url, host) {\n    return shExpMatch(host, "*.skorvane.test") ? "PROXY 127.0.0.1:%s" : "DIRECT";\n}\n' \
    "$(proxyPort pac)" >"$work/pac-files/proxy.pac"
python3 - "$work/pac-files" >"$work/pac.port" 2>/dev/null <<'PY' &
import functools, http.server, socketserver, sys
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
with socketserver.TCPServer(("127.0.0.1", 0), handler) as server:
    print(server.server_address[1], flush=True)
    server.timeout = 120
    for _ in range(10):
        server.handle_request()
PY
for _ in $(seq 50); do [[ -s $work/pac.port ]] && break; sleep 0.1; done
connections 5 "" "http://127.0.0.1:$(cat "$work/pac.port")/proxy.pac"
check pac 0 "HTTP 200 OK" "$work/pac"
grep -q "^CONNECT site.skorvane.test:" "$work/pac/proxy/connects" || { echo "FAIL pac: no tunnel recorded"; failures=$((failures + 1)); }

proxied inspected intercept
connections 3 "127.0.0.1:$(proxyPort inspected)" ""
check inspected-untrusted 1 'issued by "Example Corp Inspection CA", which this computer does not trust' "$work/inspected"
wine "$build/standin/skv_wine_setup.exe" trust-root "$(winpath "$work/inspected/proxy/inspection-root.pem")" \
    </dev/null >/dev/null 2>&1 || { echo "FAIL: the inspection root could not be put in the store"; failures=$((failures + 1)); }
check inspected-trusted 0 'trusted, certificate issued by "Example Corp Inspection CA"' "$work/inspected"
[[ $failures -eq 0 ]]
