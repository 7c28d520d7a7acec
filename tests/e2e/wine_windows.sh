#!/usr/bin/env bash
# The Windows program, from its .zip unpacked as a user has it, under Wine against a Windows installation of the
# stand-in product (standin/wine-install.sh) in a prefix of its own:
#   1. the console runner with the product launched by the pass; "Quit" ends that instance and starts one detached
#   2. the console runner with the product already running
#   3. "Fix and check again" with no start-up shortcut: the runner's table explains the missing shortcut and names
#      the button; the button's pass makes one, storing the plain path
#   4. the window on the healthy installation, saved as a PNG, with the firewall registration at start; closing it
#      ends the instance it launched and starts one detached
# With WINEARCH=win32 the prefix is a 32-bit Windows (and the build must be the 32-bit one): there the "64-bit
# Windows" row is false and the architecture text ends in " (32-bit Windows)"; every other row is as on 64-bit
# Windows, where the row is true and the text has no suffix.
# Usage: tests/e2e/wine_windows.sh BUILD   (a Windows build with Qt; the window needs DISPLAY)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
setup=$build/standin/skv_wine_setup.exe
if [[ ${WINEARCH:-} == win32 ]]; then
    work=$build/e2e-wine32
    windows64=labelWindows64BitsIcon=false
    suffix=' (32-bit Windows)'
else
    work=$build/e2e-wine
    windows64=labelWindows64BitsIcon=true
    suffix=
fi
rm -rf "$work"
mkdir -p "$work"
# What a user takes: the .zip of the deployed folder, unpacked.
zips=("$build"/deploy/SkorvaneDiagnostics-win*.zip)
[[ -f ${zips[0]} ]] || { echo "FAIL: no deployed .zip in $build/deploy"; exit 1; }
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "${zips[0]}" "$work/unzipped"
deploy=$work/unzipped/SkorvaneDiagnostics

export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[[ -n $suffix ]] && export WINEARCH
# The deployed folder must be enough: nothing of the build's own search paths.
unset WINEPATH QT_PLUGIN_PATH SKV_WINE_DLL_DIRS
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
mkdir -p "$WINEPREFIX"
wineserver -p 30 </dev/null >/dev/null 2>&1 || true # one server for the whole run
wine wineboot </dev/null >/dev/null 2>&1
product=$(bash "$root/standin/wine-install.sh" "$build")

winpath() { printf 'Z:%s' "${1//\//\\}"; }
pids=$work/product.pids
export SKV_STANDIN_PID_FILE
SKV_STANDIN_PID_FILE=$(winpath "$pids")
failures=0
checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); checks=$((checks + 1)); }
ok() { echo "ok: $*"; checks=$((checks + 1)); }
running() { wine "$setup" running "$1" </dev/null >/dev/null 2>&1; }
end_all() { [[ -f $pids ]] && while read -r pid; do wine "$setup" end "$pid" </dev/null >/dev/null 2>&1 || true; done <"$pids"; }

# report FILE [NAME=VALUE | NAME~TEXT ...]: the members in their order, every check "true" unless given, a text
# member equal to VALUE or holding TEXT. Prints the rows and what differs.
report() {
    python3 - "$@" <<'PY'
import json, sys
path, rules = sys.argv[1], sys.argv[2:]
order = ["labelWindows64BitsIcon", "Windows", "labelWindowsNameIcon", "labelInstallIntegrityExeIcon",
         "labelCheckExeSignedIcon", "labelCheckPluginSignedIcon", "labelCheckPluginSignedNameIcon",
         "labelCheckExeSignedNameIcon", "labelCheckInstallExplorerPluginIcon", "labelShortcutInstalledGlobal",
         "labelPointToInstalledDirCurrentAllUsers", "labelShortcutInstalledCurrentUser",
         "labelPointToInstalledDirCurrentUser", "labelShortcutAllowedToRunIcon", "labelIsRunning",
         "labelAutomaticCommandLineCopyIcon", "plainTextEdit", "labelDragAndDropActivated", "labelSimulatePluginIcon"]
try:
    rows = json.load(open(path, encoding="utf-8"))
except Exception as error:
    print(f"  not JSON: {error}")
    sys.exit(1)
bad = []
if list(rows) != order:
    bad.append(f"members {list(rows)}")
equal = dict(rule.split("=", 1) for rule in rules if "=" in rule)
holds = dict(rule.split("~", 1) for rule in rules if "~" in rule and "=" not in rule)
for name, value in rows.items():
    print(f"  {name}: {value!r}")
    if name in holds:
        if holds[name] not in value:
            bad.append(f"{name} does not hold {holds[name]!r}")
    elif name in equal:
        if value != equal[name]:
            bad.append(f"{name} is {value!r}, not {equal[name]!r}")
    elif name == "Windows":
        if not value.strip(" -"):
            bad.append("no Windows caption")
    elif value != "true":
        bad.append(f"{name} is {value!r}")
for problem in bad:
    print(f"  differs: {problem}")
sys.exit(1 if bad else 0)
PY
}

# The two instances that ran (their ids in the pid file): the one the pass launched has ended, and the one "Quit"
# started detached runs.
check_quit() {
    local started=()
    mapfile -t started <"$pids" || true
    if [[ ${#started[@]} -eq 2 ]]; then
        running "${started[0]}" && fail "the launched instance ${started[0]} still runs" ||
            ok "quit ended the launched instance"
        running "${started[1]}" && ok "quit started the product again, detached" || fail "no detached instance runs"
    else
        fail "instances started: ${started[*]:-none} (expected the launched one and the detached one)"
    fi
}

cli() { # output-name arguments...
    local name=$1 code=0
    shift
    (cd "$deploy" && timeout 120 wine ./SkorvaneDiagnosticsCli.exe "$@" </dev/null >"$work/$name.json" 2>"$work/$name.err") ||
        code=$?
    echo "$code"
}

echo "== 1. the pass launches the product"
code=$(cli launched)
if report "$work/launched.json" $windows64 labelIsRunning=false plainTextEdit=; then ok "every row as Windows gives it"; else fail "rows"; fi
[[ $code == 1 ]] && ok "exit code 1 (the product was not running before the pass)" || fail "exit code $code"
architecture=$(tr -d '\r' <"$work/launched.err" | sed -n 's/^labelArchitecture: //p')
[[ $architecture == CPU:*"$suffix" && ( -n $suffix || $architecture != *"(32-bit Windows)" ) ]] &&
    ok "architecture text '$architecture'" || fail "architecture text '$architecture'"
tr -d '\r' <"$work/launched.err" | grep -q '^\[15/15\] Plugin simulation$' && ok "fifteen steps" ||
    fail "steps: $(cat "$work/launched.err")"
check_quit

echo "== 2. the product already runs"
code=$(cli running)
if report "$work/running.json" $windows64 "plainTextEdit~Is already running"; then ok "every row true"; else fail "rows"; fi
expected=0
[[ -n $suffix ]] && expected=1 # the "64-bit Windows" check fails there
[[ $code == "$expected" ]] && ok "exit code $expected" || fail "exit code $code"
# Only looking while it runs: nothing started or ended; its own rows checked, the copy tests skipped; the versioned
# result valid against the schema shipped beside the program; exit code 0 where every row passed.
before=$(cat "$pids" 2>/dev/null)
code=$(cli observed --observe --details-json)
if python3 - "$work/observed.json" "$deploy/data/skorvane-diagnostics.schema.json" <<'PY'; then ok "--observe --details-json"; else fail "--observe --details-json"$'\n'"$(cat "$work/observed.json")"; fi
import json, sys, jsonschema
doc = json.load(open(sys.argv[1], encoding="utf-8"))
jsonschema.Draft7Validator(json.load(open(sys.argv[2], encoding="utf-8"))).validate(doc)
rows = {row["key"]: row for row in doc["rows"]}
assert doc["mode"] == "observe" and doc["machine"]["architecture"], doc
assert rows["labelDragAndDropActivated"]["result"] == "passed", rows["labelDragAndDropActivated"]
assert rows["labelSimulatePluginIcon"]["result"] == "skipped", rows["labelSimulatePluginIcon"]
PY
[[ $code == "$expected" ]] && ok "--observe: exit code $expected" || fail "--observe: exit code $code"
[[ $(cat "$pids" 2>/dev/null) == "$before" ]] && ok "--observe started nothing" || fail "--observe started an instance"
end_all
rm -f "$pids"

echo "== 3. \"Fix and check again\" without a shortcut"
bash "$root/standin/wine-install.sh" "$build" --no-shortcut >/dev/null
# First the table: each row that fails says why, with the shortcut's Windows path, and names the button that fixes
# it (the pass below with --fix is that button's pass).
code=$(cli explained --text)
expectations=("Shortcut installed for all users|(?i)There is no shortcut \"C:.ProgramData.Microsoft.Windows.Start Menu.Programs.StartUp.Skorvane\.lnk\"\..*Press \"Fix and check again\""
    "Shortcut installed for current user|There is no shortcut \"C:.users.*Skorvane\.lnk\"")
[[ -n $suffix ]] && expectations+=("Window 64 bits (x64 Mandatory)|This is 32-bit Windows")
problems=$(python3 "$root/tests/e2e/explain_table.py" "${expectations[@]}" <"$work/explained.json")
[[ -z $problems ]] && ok "each failed row explained, naming the shortcut and the button" ||
    fail "explanations: $problems"$'\n'"$(cat "$work/explained.json")"
end_all
rm -f "$pids"
code=$(cli fixed --fix)
if report "$work/fixed.json" $windows64 labelIsRunning=false plainTextEdit= labelShortcutInstalledCurrentUser=false \
    labelPointToInstalledDirCurrentUser=false; then
    ok "the all-users shortcut was made and points at the product"
else
    fail "rows after the fix"
fi
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/StartUp/Skorvane.lnk"
if python3 - "$link" "$product" <<'PY'; then ok "the shortcut stores the plain path"; else fail "the shortcut's target"; fi
import sys
data = open(sys.argv[1], "rb").read()
target = sys.argv[2]
forms = lambda text: (text.encode("latin-1"), text.encode("utf-16-le"))
if any(form in data for form in forms("\\\\?\\")):
    print("  the shortcut holds an extended-length path")
    sys.exit(1)
if not any(form in data for form in forms(target)):
    print(f"  the shortcut does not name {target}")
    sys.exit(1)
PY
code=$(cli checked)
if report "$work/checked.json" $windows64 "plainTextEdit~Is already running" labelShortcutInstalledCurrentUser=false \
    labelPointToInstalledDirCurrentUser=false; then
    ok "a later pass finds the shortcut it made"
else
    fail "rows of the pass after the fix"
fi
end_all
rm -f "$pids"

echo "== 4. the window"
bash "$root/standin/wine-install.sh" "$build" >/dev/null # healthy again: both shortcuts
picture=$work/window.png
code=0
(cd "$deploy" && SKV_SCREENSHOT_AND_QUIT=$(winpath "$picture") timeout 120 wine ./SkorvaneDiagnostics.exe </dev/null \
    >"$work/window.out" 2>"$work/window.err") || code=$?
[[ $code == 0 ]] && ok "the window was shown, saved and closed (exit code 0)" || fail "exit code $code"
sed 's/^/  /' "$work/window.out"
grep -q -E '^Authorized application .* (is now enabled|is enabled) in the firewall\.' "$work/window.out" &&
    ok "registered with the firewall at start" || fail "no firewall registration line"
size=$(stat -c %s "$picture" 2>/dev/null || echo 0)
[[ $size -gt 10000 ]] && ok "window saved as $picture ($size bytes)" || fail "the window picture ($size bytes)"
check_quit
end_all

echo "== 5. in French, as Windows' UI language says"
french() { (cd "$deploy" && LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 LC_MESSAGES=fr_FR.UTF-8 "$@" </dev/null); }
french timeout 120 wine ./SkorvaneDiagnosticsCli.exe --observe --text >"$work/french.txt" 2>"$work/french.err" || true
sed -n '1,3p' "$work/french.txt" | sed 's/^/  /'
if grep -q '^Ligne  *Résultat' "$work/french.txt" && grep -q 'réussi' "$work/french.txt"; then
    ok "the runner's table is in French"
else
    fail "the runner's table is not in French"
fi
picture=$work/window-fr.png
code=0
french env SKV_SCREENSHOT_AND_QUIT="$(winpath "$picture")" timeout 120 wine ./SkorvaneDiagnostics.exe \
    >"$work/window-fr.out" 2>"$work/window-fr.err" || code=$?
size=$(stat -c %s "$picture" 2>/dev/null || echo 0)
[[ $code == 0 && $size -gt 10000 ]] && ok "the French window saved as $picture ($size bytes)" ||
    fail "the French window (exit code $code, picture $size bytes)"
end_all

echo "$((checks - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
