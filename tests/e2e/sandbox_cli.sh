#!/usr/bin/env bash
# End to end: SkorvaneDiagnosticsCli against sandbox installations, healthy and broken one piece at a time.
# Usage: sandbox_cli.sh CLI BUILD_DIR
set -uo pipefail
cli=$1
export SKV_BUILD=$2
here=$(cd "$(dirname "$0")" && pwd)
sandbox=$here/../../standin/sandbox.sh
work=$(mktemp -d)
failures=0
passes=0
trap 'pkill -f "$work/" 2>/dev/null; rm -rf "$work"' EXIT

# The rows of steps 1 to 11. The product executable is an ELF program here and cannot carry an Authenticode
# signature, so its two signature rows are always false on Linux.
rows=(labelWindows64BitsIcon labelWindowsNameIcon labelInstallIntegrityExeIcon labelCheckExeSignedIcon
      labelCheckPluginSignedIcon labelCheckPluginSignedNameIcon labelCheckExeSignedNameIcon
      labelCheckInstallExplorerPluginIcon labelShortcutInstalledGlobal labelPointToInstalledDirCurrentAllUsers
      labelShortcutInstalledCurrentUser labelPointToInstalledDirCurrentUser labelShortcutAllowedToRunIcon)
unsignedExe="labelCheckExeSignedIcon labelCheckExeSignedNameIcon"

# run NAME "expected false rows" [sandbox options] [-- cli options]
run() {
    local name=$1 falses=" $(echo $2) " && shift 2
    local options=() cliOptions=()
    while [[ $# -gt 0 && $1 != -- ]]; do options+=("$1"); shift; done
    [[ $# -gt 0 ]] && shift && cliOptions=("$@")
    local folder=$work/$name
    "$sandbox" "$folder" "${options[@]}" >"$folder.env" || { echo "FAIL $name: sandbox"; failures=$((failures + 1)); return; }
    local report product=
    if [[ ${RUNNING:-} == 1 ]]; then
        "$folder/install/Skorvane.exe" >/dev/null 2>&1 &
        product=$!
        sleep 0.3
    fi
    report=$( (. "$folder.env"; ASAN_OPTIONS=detect_leaks=0 "$cli" "${cliOptions[@]}") 2>"$folder.err")
    local code=$?
    [[ -n $product ]] && kill "$product" 2>/dev/null
    # The runner restarts the product detached as it ends, as "Quit" does; it must not count as running later.
    pkill -f "$folder/install/Skorvane.exe" 2>/dev/null
    sleep 0.2
    local ok=1
    for row in "${rows[@]}"; do
        local want=true
        [[ $falses == *" $row "* ]] && want=false
        if ! grep -q "^  \"$row\": \"$want\"" <<<"$report"; then
            echo "FAIL $name: $row should be $want"
            ok=0
        fi
    done
    local running=false
    [[ ${RUNNING:-} == 1 ]] && running=true
    grep -q "^  \"labelIsRunning\": \"$running\"" <<<"$report" || { echo "FAIL $name: labelIsRunning should be $running"; ok=0; }
    # Some row is false in every scenario here (the executable's signature rows at least): exit code 1.
    [[ $code -eq 1 ]] || { echo "FAIL $name: exit code $code, 1 expected"; ok=0; }
    if [[ $ok -eq 1 ]]; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "$report"; fi
    last=$folder
}

run healthy "$unsignedExe"
RUNNING=1 run running "$unsignedExe"
run no-install "$unsignedExe labelInstallIntegrityExeIcon labelCheckInstallExplorerPluginIcon
    labelCheckPluginSignedIcon labelCheckPluginSignedNameIcon labelShortcutInstalledGlobal
    labelPointToInstalledDirCurrentAllUsers labelShortcutInstalledCurrentUser labelPointToInstalledDirCurrentUser" \
    --no-install
run wrong-md5 "$unsignedExe labelInstallIntegrityExeIcon" --wrong-md5
run md5-newline "$unsignedExe labelInstallIntegrityExeIcon" --md5-newline
run unsigned "$unsignedExe labelCheckPluginSignedIcon labelCheckPluginSignedNameIcon" --unsigned
run tampered "$unsignedExe labelCheckPluginSignedIcon" --tampered
run other-signer "$unsignedExe labelCheckPluginSignedNameIcon" --other-signer
run wrong-threading "$unsignedExe labelCheckInstallExplorerPluginIcon" --wrong-threading
run dll-case "$unsignedExe labelCheckInstallExplorerPluginIcon" --dll-case
run disabled-approval "$unsignedExe labelShortcutAllowedToRunIcon" --disabled-approval
run no-shortcut "$unsignedExe labelShortcutInstalledGlobal labelPointToInstalledDirCurrentAllUsers
    labelShortcutInstalledCurrentUser labelPointToInstalledDirCurrentUser" --no-shortcut
# Without fix nothing is written.
shortcuts=$(find "$last" -name '*.lnk' | wc -l)
[[ $shortcuts -eq 0 ]] && passes=$((passes + 1)) || { echo "FAIL no-shortcut: $shortcuts shortcuts written without fix"; failures=$((failures + 1)); }
# With fix exactly one is created, for all users.
run fix "$unsignedExe labelShortcutInstalledCurrentUser labelPointToInstalledDirCurrentUser" --no-shortcut -- --fix
shortcuts=$(find "$last" -name '*.lnk' | wc -l)
[[ $shortcuts -eq 1 ]] && passes=$((passes + 1)) || { echo "FAIL fix: $shortcuts shortcuts after a fix pass"; failures=$((failures + 1)); }
# A usage error.
"$cli" --bogus >/dev/null 2>&1
[[ $? -eq 2 ]] && passes=$((passes + 1)) || { echo "FAIL usage: exit code is not 2"; failures=$((failures + 1)); }

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
