#!/usr/bin/env bash
# End to end: `SkorvaneDiagnosticsCli --observe` only looks. Against sandbox breakages, with and without the stand-in
# product running: no product is started or ended (the sandbox records every start of it), nothing in the sandbox
# changes (the runner's own configuration aside), the copy tests are "skipped", the product's drag-and-drop row is
# checked only while it runs. Every `--details-json` is validated against the shipped schema, and its results are
# the report document's. Then the saved page and the run's log, a runner without a signed-in user, and the options
# that do not go together.
# (The stand-in records every start of itself, its "--copy" runs too, in the sandbox's product.starts.)
# Usage: observe_cli.sh CLI BUILD_DIR
set -uo pipefail
cli=$1
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
schema=$here/../../data/skorvane-diagnostics.schema.json
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
# The sandbox as files (name, size, time) and folders (name), the tool's own data folders aside.
snapshot() {
    (cd "$1" && find . \( -path ./local/Brindlecote -o -path ./config/Brindlecote -o -path ./config/SkorvaneDiagnostics \) \
        -prune -o \( -type d -printf '%p/\n' \) -o -printf '%p %s %T@\n' | sort)
}

# observe NAME PRODUCT(yes|no) [sandbox options]
observe() {
    local name=$1 product=$2 && shift 2
    local folder=$work/$name
    "$here/../../standin/sandbox.sh" "$folder" "$@" >"$folder.env" || { fail "$name: sandbox"; return; }
    [[ $product == yes ]] && startProduct "$folder" "$@"
    local pids starts before
    pids=$(cat "$folder/product.pids" 2>/dev/null)
    starts=$(cat "$folder/product.starts" 2>/dev/null)
    before=$(snapshot "$folder")
    (. "$folder.env"; export ASAN_OPTIONS=detect_leaks=0
        "$cli" --observe >"$folder.report" 2>"$folder.err"; echo $? >"$folder.rc"
        "$cli" --observe --details-json >"$folder.json" 2>>"$folder.err"; echo $? >>"$folder.rc")
    [[ $(cat "$folder/product.starts" 2>/dev/null) == "$starts" ]] || fail "$name: the product was started"
    for pid in $pids; do alive "$pid" || fail "$name: the running product $pid was ended"; done
    [[ $(snapshot "$folder") == "$before" ]] || { fail "$name: the sandbox changed"; diff <(echo "$before") <(snapshot "$folder") | head; }
    [[ $(sort -u "$folder.rc") == 1 ]] || fail "$name: exit codes $(cat "$folder.rc" | tr '\n' ' '), 1 expected (the executable is unsigned here)"
    python3 - "$folder.json" "$folder.report" "$schema" "$product" <<'PY' || fail "$name: the details"
import json, sys
import jsonschema
details, report = (json.load(open(p), parse_constant=lambda c: sys.exit("not strict JSON: " + c)) for p in sys.argv[1:3])
jsonschema.Draft7Validator(json.load(open(sys.argv[3]))).validate(details)
running = sys.argv[4] == "yes"
words = {"true": "passed", "false": "failed", "unknown": "unknown", "skipped": "skipped"}
rows = {row["key"]: row for row in details["rows"]}
for key, row in rows.items():
    assert words[report[key]] == row["result"], (key, report[key], row["result"])
assert details["mode"] == "observe" and details["passed"] is False, details
for key in ("labelAutomaticCommandLineCopyIcon", "labelSimulatePluginIcon"):
    assert rows[key]["result"] == "skipped" and rows[key]["cause"] == "not checked: --observe", rows[key]
dad = rows["labelDragAndDropActivated"]
assert (dad["result"] != "skipped") == running, dad
assert rows["labelIsRunning"]["result"] == ("passed" if running else "failed"), rows["labelIsRunning"]
PY
    endProducts "$folder"
}

observe healthy no
observe running yes
for mode in dad0 not-json copy-first-only no-pipe; do
    observe "$mode" yes --mode=$mode
done
for broken in --no-install --wrong-md5 --md5-newline --unsigned --tampered --other-signer --no-shortcut \
    --disabled-approval --wrong-threading --dll-case --startup-loop --local-config=garbage; do
    observe "${broken#--}" no "$broken"
done

# The default pass's details: every row checked, valid against the same schema; that pass does start the product
# (its "--copy" run and the launch), as the record of its starts shows.
folder=$work/healthy
(. "$folder.env"; ASAN_OPTIONS=detect_leaks=0 "$cli" --details-json >"$folder.check.json" 2>/dev/null)
grep -q -- "--copy" "$folder/product.starts" 2>/dev/null || fail "the record of the product's starts missed the default pass's"
python3 -c 'import json, sys, jsonschema
doc = json.load(open(sys.argv[1]))
jsonschema.Draft7Validator(json.load(open(sys.argv[2]))).validate(doc)
assert doc["mode"] == "check" and all(row["result"] != "skipped" for row in doc["rows"]), doc' "$folder.check.json" "$schema" ||
    fail "the default pass's details"
endProducts "$folder"

# The page of "Save report..." without a display, and the run's log: there with --log, else in the data folder where
# the newest 10 runs stay. A page that cannot be written is exit code 3.
folder=$work/healthy
(. "$folder.env"; export ASAN_OPTIONS=detect_leaks=0
    "$cli" --observe --save-page "$folder.html" --log "$folder.log" >"$folder.page-report" 2>/dev/null
    for _ in $(seq 11); do "$cli" --observe >/dev/null 2>&1; done
    "$cli" --observe --save-page "$work/no-such-folder/page.html" >/dev/null 2>&1; echo $? >"$folder.page-rc")
python3 - "$folder.html" "$folder.page-report" <<'PY' || fail "the saved page does not hold the report"
import json, re, sys
page = open(sys.argv[1], encoding="utf-8").read()
block = re.search(r'<script type="application/json" id="report-json">(.*?)</script>', page, re.S).group(1)
assert json.loads(block.replace("<\\/", "</")) == json.load(open(sys.argv[2])), "the page's report is not the run's"
assert "not checked: --observe" in page, "the skipped rows' reason is not on the page"
PY
for line in "SkorvaneDiagnosticsCli .*, observe pass" "start 1/15 Architecture" "row labelSimulatePluginIcon skipped" \
    "end Plugin simulation" "exit code 1 after"; do
    grep -Eq "^[0-9-]{10}T[0-9:.]{12}Z $line" "$folder.log" || fail "the run's log has no \"$line\""
done
logs=$(ls "$folder"/local/Brindlecote/*/Logs/run-*.log 2>/dev/null | wc -l)
[[ $logs == 10 ]] || fail "$logs runs' logs kept in the data folder, 10 expected"
[[ $(cat "$folder.page-rc") == 3 ]] || fail "a page that cannot be written: exit code $(cat "$folder.page-rc"), 3 expected"
# No standard output to write the result to: the pass does not run, and the runner says why (exit code 3).
(. "$folder.env"; ASAN_OPTIONS=detect_leaks=0 "$cli" --observe >&- 2>"$folder.closed.err"; echo $? >"$folder.closed-rc")
[[ $(cat "$folder.closed-rc") == 3 ]] && grep -q "standard output cannot be kept" "$folder.closed.err" ||
    fail "without standard output: exit code $(cat "$folder.closed-rc"), 3 expected"

# Nobody signed in (an account without a home folder): the current user's shortcut rows are skipped with the reason,
# the all-users rows are checked, and --fix makes the shortcut for all users only.
folder=$work/no-home
"$here/../../standin/sandbox.sh" "$folder" --no-shortcut >"$folder.env"
(. "$folder.env"; HOME=$work/nobody-home ASAN_OPTIONS=detect_leaks=0 "$cli" --fix --details-json >"$folder.json" 2>"$folder.err")
python3 -c 'import json, sys, jsonschema
doc = json.load(open(sys.argv[1]))
jsonschema.Draft7Validator(json.load(open(sys.argv[2]))).validate(doc)
rows = {row["key"]: row for row in doc["rows"]}
for key in ("labelShortcutInstalledCurrentUser", "labelPointToInstalledDirCurrentUser"):
    assert rows[key]["result"] == "skipped", rows[key]
    assert rows[key]["cause"] == "not checked: no user is signed in (the account has no home folder)", rows[key]
for key in ("labelShortcutInstalledGlobal", "labelPointToInstalledDirCurrentAllUsers"):
    assert rows[key]["result"] == "passed", rows[key]' "$folder.json" "$schema" || { fail "no-home: the details"; cat "$folder.json"; }
[[ $(find "$folder/programdata" -name '*.lnk' | wc -l) == 1 && $(find "$folder/config" -name '*.lnk' | wc -l) == 0 ]] ||
    fail "no-home: the repair did not make one shortcut for all users only"
endProducts "$folder"

# Options that do not go together are a usage error (2), as an unknown one is.
for options in "--observe --fix" "--text --details-json" "--check-site --observe" "--send-waiting --details-json" "--bogus"; do
    "$cli" $options >/dev/null 2>&1
    [[ $? == 2 ]] || fail "\"$options\" is not a usage error"
done

[[ $failures == 0 ]] && echo "PASS observe: 18 sandboxes looked at, nothing started, ended or changed; page, logs, no signed-in user"
exit $((failures > 0))
