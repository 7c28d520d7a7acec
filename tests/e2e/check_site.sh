#!/usr/bin/env bash
# End to end: `SkorvaneDiagnosticsCli --check-site` walks the route to the stand-in site directly and through the
# stand-in proxy in its modes, to a name that does not resolve and to a closed port; each failure names its hop. The
# JSON form is parsed strictly and must say the same as the exit code.
# Usage: check_site.sh CLI BUILD_DIR
set -uo pipefail
cli=$1
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"

# check NAME EXPECTED_EXIT FAILED_HOP TEXT [sandbox options] (+VAR=VALUE options set the runner's environment,
# @VALUE the user's <Network proxy="VALUE"/> setting)
check() {
    local name=$1 expected=$2 hop=$3 text=$4 && shift 4
    local folder=$work/$name options=() overrides=() setting=
    for option in "$@"; do
        case $option in +*) overrides+=("${option#+}") ;; @*) setting=${option#@} ;; *) options+=("$option") ;; esac
    done
    "$here/../../standin/sandbox.sh" "$folder" "${options[@]}" >"$folder.env" || { echo "FAIL $name: sandbox"; failures=$((failures + 1)); return; }
    if [[ -n $setting ]]; then
        mkdir -p "$folder/local/Brindlecote/SkorvaneDiagnostics"
        printf '<?xml version="1.0"?>\n<Config><Network proxy="%s"/></Config>\n' "$setting" \
            >"$folder/local/Brindlecote/SkorvaneDiagnostics/LocalConfig.xml"
    fi
    (. "$folder.env"; export ASAN_OPTIONS=detect_leaks=0 "${overrides[@]}"
        timeout 120 "$cli" --check-site --text >"$folder.txt" 2>"$folder.err"; echo $? >"$folder.rc"
        timeout 120 "$cli" --check-site >"$folder.json" 2>>"$folder.err")
    if [[ $(cat "$folder.rc") != "$expected" ]]; then
        echo "FAIL $name: exit $(cat "$folder.rc"), expected $expected"; cat "$folder.txt"; failures=$((failures + 1))
    elif [[ -n $hop ]] && ! grep -q "^$hop *FAILED .*$text" "$folder.txt"; then
        echo "FAIL $name: no failed hop $hop saying \"$text\""; cat "$folder.txt"; failures=$((failures + 1))
    elif [[ -z $hop ]] && ! grep -q "$text" "$folder.txt"; then
        echo "FAIL $name: \"$text\" not said"; cat "$folder.txt"; failures=$((failures + 1))
    elif ! python3 -c '
import json, sys
doc = json.load(open(sys.argv[1]), parse_constant=lambda c: sys.exit("not strict JSON: " + c))
assert doc["schema"] == "skorvane-site-check/1", doc
assert doc["reachable"] == (sys.argv[2] == "0"), doc
assert all(set(h) == {"hop", "ok", "ms", "verdict"} for h in doc["hops"]), doc' "$folder.json" "$expected"; then
        echo "FAIL $name: the JSON form"; failures=$((failures + 1))
    else
        echo "PASS $name"
    fi
    endProducts "$folder"
}

check direct 0 "" "tls        ok .*issued by \"Skorvane Test Root\"" --site
check proxy 0 "" "tunnel     ok .*opened the way to site.skorvane.test" --site --proxy
check proxy-refuse 1 tunnel "did not open the way" --site --proxy=refuse
check proxy-auth 1 tunnel "asked for a user name and password" --site --proxy=auth-basic
check proxy-ntlm 1 tunnel "asked for a user name and password" --site --proxy=auth-ntlm
check proxy-intercept 1 tls 'issued by "Example Corp Inspection CA", which this computer does not trust' --site --proxy=intercept
check proxy-intercept-trusted 0 "" 'issued by "Example Corp Inspection CA"' --site --proxy=intercept-trusted
# The setting over the environment: "none" goes direct (and the proxy-only name is not found); a bad value is said
# and the environment's proxy is used.
check setting-none 1 name "site.skorvane.test could not be found" --site --proxy @none
check setting-bad 0 "" "through the proxy 127.0.0.1:.*https_proxy" --site --proxy @ftp://nowhere
grep -q 'The proxy setting "ftp://nowhere" is not' "$work/setting-bad.err" || { echo "FAIL setting-bad: not said"; failures=$((failures + 1)); }
check no-name 1 name "could not be found" --site +SKV_SITE_URL=https://no-such-site.invalid
check closed-port 1 connection "refused the connection" --site +SKV_SITE_URL=https://127.0.0.1:9
check error404 1 http "HTTP 404 Not Found" --site=not-found
grep -q "proxy-secret" "$work"/*.txt "$work"/*.json "$work"/*.err && { echo "FAIL a proxy password was printed"; failures=$((failures + 1)); }
[[ $failures -eq 0 ]]
