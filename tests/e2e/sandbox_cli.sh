#!/usr/bin/env bash
# End to end: SkorvaneDiagnosticsCli against sandbox installations and the stand-in product, healthy and broken one
# piece at a time.
# Usage: sandbox_cli.sh CLI BUILD_DIR
set -uo pipefail
cli=$1
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
sandbox=$here/../../standin/sandbox.sh

# The rows of the installation (steps 1 to 10), and the rows of the product at work.
installRows=(labelWindows64BitsIcon labelWindowsNameIcon labelInstallIntegrityExeIcon labelCheckExeSignedIcon
    labelCheckPluginSignedIcon labelCheckPluginSignedNameIcon labelCheckExeSignedNameIcon
    labelCheckInstallExplorerPluginIcon labelShortcutInstalledGlobal labelPointToInstalledDirCurrentAllUsers
    labelShortcutInstalledCurrentUser labelPointToInstalledDirCurrentUser labelShortcutAllowedToRunIcon)
productRows=(labelIsRunning labelAutomaticCommandLineCopyIcon labelDragAndDropActivated labelSimulatePluginIcon)
# The product executable is an ELF program here and cannot carry an Authenticode signature: its two signature rows
# are false on Linux whatever the installation.
unsignedExe="labelCheckExeSignedIcon=false labelCheckExeSignedNameIcon=false"

# scenario NAME KIND "row=value..." [sandbox options] [-- cli options]
#   KIND install: the installation rows and the command-line copy are checked (scenarios run side by side, so
#                 another scenario's product may be running meanwhile); every row not named must be "true".
#   KIND product: the stand-in product is started first in the sandbox, and every row is checked.
#   KIND launch:  no product runs anywhere; the pass must launch it. Every row is checked.
# MAX_MS, when set, bounds the time of the pass.
scenario() {
    local name=$1 kind=$2 expectations=" $(echo $3) " && shift 3
    local options=() cliOptions=()
    while [[ $# -gt 0 && $1 != -- ]]; do options+=("$1"); shift; done
    [[ $# -gt 0 ]] && shift && cliOptions=("$@")
    local folder=$work/$name result=$work/$name.result
    "$sandbox" "$folder" "${options[@]}" >"$folder.env" || { echo "FAIL $name: sandbox" >"$result"; return; }
    [[ $kind == product ]] && startProduct "$folder" "${options[@]}"
    local report
    report=$( (. "$folder.env"; ASAN_OPTIONS=detect_leaks=0 "$cli" "${cliOptions[@]}") 2>"$folder.err")
    local code=$?
    # The runner restarts the product detached as it ends, as "Quit" does.
    endProducts "$folder"
    local failures=()
    local rows=("${installRows[@]}" labelAutomaticCommandLineCopyIcon)
    [[ $kind != install ]] && rows=("${installRows[@]}" "${productRows[@]}")
    for row in "${rows[@]}"; do
        local want=true
        [[ $expectations =~ \ $row=([a-z]+)\  ]] && want=${BASH_REMATCH[1]}
        grep -q "^  \"$row\": \"$want\"" <<<"$report" || failures+=("$row should be $want")
    done
    if [[ $expectations =~ \ log=([^ ]+)\  ]]; then
        local log=${BASH_REMATCH[1]//_/ }
        [[ $log == empty ]] && log=
        grep -q "^  \"plainTextEdit\": \"$log\"" <<<"$report" || failures+=("the log area should hold '$log'")
    fi
    # Standard output is the report alone, strict JSON, whatever the library had to say.
    python3 -c 'import json, sys; json.loads(sys.stdin.read())' <<<"$report" 2>/dev/null ||
        failures+=("standard output is not the report alone in strict JSON")
    # The executable's signature rows at least are false here: the exit code is 1.
    [[ $code -eq 1 ]] || failures+=("exit code $code, 1 expected")
    local took
    took=$(sed -n 's/^Pass took \([0-9]*\) ms$/\1/p' "$folder.err")
    if [[ -n ${MAX_MS:-} && ${took:-999999} -gt $MAX_MS ]]; then
        failures+=("the pass took ${took:-?} ms, more than $MAX_MS")
    fi
    if [[ ${#failures[@]} -eq 0 ]]; then
        echo "PASS $name (${took:-?} ms)" >"$result"
    else
        { printf 'FAIL %s: %s\n' "$name" "${failures[@]}"; echo "$report"; cat "$folder.err"; } >"$result"
    fi
}

# Runs a scenario in the background, a few at a time: most of a pass is spent waiting.
running=0
inBackground() {
    if [[ $running -ge 8 ]]; then wait -n; running=$((running - 1)); fi
    scenario "$@" &
    running=$((running + 1))
}

# First, alone: with no product running anywhere, the pass launches it (the first pass's log is still empty: the
# child's output is read once the pass is over). Fixed waits: 2000 + 2000 + 1000 ms.
MAX_MS=8000 scenario launch launch "$unsignedExe labelIsRunning=false log=empty"

inBackground healthy install "$unsignedExe"
inBackground no-install install "$unsignedExe labelInstallIntegrityExeIcon=false
    labelCheckInstallExplorerPluginIcon=false labelCheckPluginSignedIcon=false labelCheckPluginSignedNameIcon=false
    labelShortcutInstalledGlobal=false labelPointToInstalledDirCurrentAllUsers=false
    labelShortcutInstalledCurrentUser=false labelPointToInstalledDirCurrentUser=false
    labelAutomaticCommandLineCopyIcon=false" --no-install
inBackground wrong-md5 install "$unsignedExe labelInstallIntegrityExeIcon=false" --wrong-md5
inBackground md5-newline install "$unsignedExe labelInstallIntegrityExeIcon=false" --md5-newline
inBackground unsigned install "$unsignedExe labelCheckPluginSignedIcon=false labelCheckPluginSignedNameIcon=false" \
    --unsigned
inBackground tampered install "$unsignedExe labelCheckPluginSignedIcon=false" --tampered
inBackground other-signer install "$unsignedExe labelCheckPluginSignedNameIcon=false" --other-signer
inBackground wrong-threading install "$unsignedExe labelCheckInstallExplorerPluginIcon=false" --wrong-threading
inBackground dll-case install "$unsignedExe labelCheckInstallExplorerPluginIcon=false" --dll-case
inBackground disabled-approval install "$unsignedExe labelShortcutAllowedToRunIcon=false" --disabled-approval
inBackground no-shortcut install "$unsignedExe labelShortcutInstalledGlobal=false
    labelPointToInstalledDirCurrentAllUsers=false labelShortcutInstalledCurrentUser=false
    labelPointToInstalledDirCurrentUser=false" --no-shortcut
# The tool's own configuration broken, or a shortcut that is a link to itself: the same rows, the report alone on
# standard output.
for kind in truncated garbage folder; do
    inBackground "local-config-$kind" install "$unsignedExe" --local-config=$kind
done
inBackground startup-loop install "$unsignedExe labelPointToInstalledDirCurrentUser=false" --startup-loop
inBackground fix install "$unsignedExe labelShortcutInstalledCurrentUser=false
    labelPointToInstalledDirCurrentUser=false" --no-shortcut -- --fix
# Nothing installed: --fix makes no shortcut to a program that is not there.
inBackground fix-no-install install "$unsignedExe labelInstallIntegrityExeIcon=false
    labelCheckInstallExplorerPluginIcon=false labelCheckPluginSignedIcon=false labelCheckPluginSignedNameIcon=false
    labelShortcutInstalledGlobal=false labelPointToInstalledDirCurrentAllUsers=false
    labelShortcutInstalledCurrentUser=false labelPointToInstalledDirCurrentUser=false
    labelAutomaticCommandLineCopyIcon=false" --no-install -- --fix

# The product already runs: nothing is launched. Fixed waits: 2000 + 1000 ms. The bound leaves room for the work of
# a sanitized build on a loaded machine (scenarios run side by side) and still catches a pass that waits on one of
# its time-outs (10 s) instead of the answer.
MAX_MS=7000 inBackground running product "$unsignedExe log=Is_already_running"
MAX_MS=7000 inBackground dad0 product "$unsignedExe labelDragAndDropActivated=false" --mode=dad0
MAX_MS=7000 inBackground not-json product "$unsignedExe labelDragAndDropActivated=false" --mode=not-json
MAX_MS=7000 inBackground copy-first-only product "$unsignedExe labelAutomaticCommandLineCopyIcon=false
    labelSimulatePluginIcon=false" --mode=copy-first-only
MAX_MS=7000 inBackground no-pipe product "$unsignedExe labelDragAndDropActivated=unknown
    labelSimulatePluginIcon=false" --mode=no-pipe
# The bounds: 10 s for the "--copy" run, 10 s for each wait on a reply pipe, 10 s for a write the product never
# reads, and 2 to 4 s of margin (these passes run side by side, with sanitizers). A product that copies and then
# never answers still passes the plugin simulation: only the copies count.
MAX_MS=18000 inBackground hang-copy product "$unsignedExe labelAutomaticCommandLineCopyIcon=false" --mode=hang-copy
MAX_MS=27000 inBackground never-answer product "$unsignedExe labelDragAndDropActivated=unknown" --mode=never-answer
MAX_MS=38000 inBackground silent-reply product "$unsignedExe labelDragAndDropActivated=unknown" --mode=silent-reply
wait

failures=0
passes=0
for result in "$work"/*.result; do
    cat "$result"
    if grep -q '^PASS' "$result"; then passes=$((passes + 1)); else failures=$((failures + 1)); fi
done
# Without fix nothing is written; with fix exactly one shortcut is created.
shortcuts=$(find "$work/no-shortcut" -name '*.lnk' | wc -l)
[[ $shortcuts -eq 0 ]] && passes=$((passes + 1)) || { echo "FAIL no-shortcut: $shortcuts shortcuts written without fix"; failures=$((failures + 1)); }
shortcuts=$(find "$work/fix" -name '*.lnk' | wc -l)
[[ $shortcuts -eq 1 ]] && passes=$((passes + 1)) || { echo "FAIL fix: $shortcuts shortcuts after a fix pass"; failures=$((failures + 1)); }
# Laid out again, a sandbox ends the product that ran from it before (the runner restarted it on ending), and the
# next pass finds a healthy installation with its pipe.
folder=$work/again
"$sandbox" "$folder" >"$folder.env"
(. "$folder.env"; ASAN_OPTIONS=detect_leaks=0 "$cli" >/dev/null 2>&1)
# The launched product and the one restarted detached as the runner ended (which may take a moment to record).
for _ in $(seq 50); do [[ $(wc -l <"$folder/product.pids") -ge 2 ]] && break; sleep 0.1; done
before=$(cat "$folder/product.pids" 2>/dev/null)
"$sandbox" "$folder" >"$folder.env"
report=$( (. "$folder.env"; ASAN_OPTIONS=detect_leaks=0 "$cli" 2>/dev/null) )
lingering=
for pid in $before; do alive "$pid" && lingering+=" $pid"; done
if [[ -z $lingering && -n $before ]] && grep -q '"labelDragAndDropActivated": "true"' <<<"$report"; then
    passes=$((passes + 1))
else
    echo "FAIL again: products from before:${lingering:- none recorded}"; echo "$report"
    failures=$((failures + 1))
fi
endProducts "$folder"
# A usage error.
"$cli" --bogus >/dev/null 2>&1
[[ $? -eq 2 ]] && passes=$((passes + 1)) || { echo "FAIL usage: exit code is not 2"; failures=$((failures + 1)); }

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
