#!/usr/bin/env bash
# End to end: the console runner's --text table against sandbox installations broken one piece at a time and the
# stand-in product misbehaving one way at a time. Every row that did not pass has a cause and a fix, no row that
# passed has either, the cause names the fact of this breakage (the file, key, value or pipe), and where the fix is
# the tool's own "Fix and check again", a pass with --fix makes the row pass.
# (tests/e2e/explain_table.py reads the tables.)
# Usage: sandbox_explain.sh CLI BUILD_DIR
set -uo pipefail
cli=$1
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
sandbox=$here/../../standin/sandbox.sh

# explain NAME KIND "Title|regex"... [-- sandbox options] [--- cli options]
#   KIND install: the installation alone; product: the stand-in product is started first in the sandbox.
#   A cli option +NAME=VALUE sets that variable for the runner alone.
explain() {
    local name=$1 kind=$2 && shift 2
    local expectations=() options=() cliOptions=(--text) cliEnvironment=()
    while [[ $# -gt 0 && $1 != -- ]]; do expectations+=("$1"); shift; done
    [[ $# -gt 0 ]] && shift
    while [[ $# -gt 0 && $1 != --- ]]; do options+=("$1"); shift; done
    [[ $# -gt 0 ]] && shift
    for option in "$@"; do
        if [[ $option == +* ]]; then cliEnvironment+=("${option#+}"); else cliOptions+=("$option"); fi
    done
    local folder=$work/$name result=$work/$name.result
    "$sandbox" "$folder" "${options[@]}" >"$folder.env" || { echo "FAIL $name: sandbox" >"$result"; return; }
    [[ $kind == product ]] && startProduct "$folder" "${options[@]}"
    local table problems
    table=$( (. "$folder.env"; ASAN_OPTIONS=detect_leaks=0 env "${cliEnvironment[@]}" "$cli" "${cliOptions[@]}") \
        2>"$folder.err")
    endProducts "$folder"
    problems=$(python3 "$here/explain_table.py" "${expectations[@]}" <<<"$table" 2>&1)
    if [[ -z $problems ]]; then
        echo "PASS $name" >"$result"
    else
        { echo "FAIL $name:"; echo "$problems"; echo "$table"; } >"$result"
    fi
}

running=0
inBackground() {
    if [[ $running -ge 8 ]]; then wait -n; running=$((running - 1)); fi
    explain "$@" &
    running=$((running + 1))
}

exe='/install/Skorvane\.exe'
dll='/install/SkorvaneShellDLL\.dll'
download='Press "Download and install Skorvane"'
# The executable here is an ELF program: its signature rows fail in every sandbox, and say which file.
unsigned=("Check exe is signed|\"[^\"]*$exe\" has no digital signature.*$download"
    "Check exe is signed with good certificate name|$exe.*no signer; \"QUELLANOR\" is expected")

# Alone first: nothing runs, the pass launches the product after the running row was checked.
explain launch install "is Skorvane is running|No process runs \"[^\"]*$exe\".*this pass started Skorvane" \
    "${unsigned[@]}"
inBackground no-install install \
    "Integrity of software exe|not installed: HKEY_LOCAL_MACHINE\\\\.*Uninstall\\\\Skorvane.*DisplayIcon.*$download" \
    "Check install Explorer plugin registered|not installed.*$download" \
    "Shortcut installed for all users|not installed.*$download" \
    "Command line copy|not installed.*$download" -- --no-install
inBackground wrong-md5 install "Integrity of software exe|MD5 digest of \"[^\"]*$exe\" is [0-9a-f]{32}, but \"[^\"]*$exe\.md5\" holds \"0{32}\".*$download" \
    "${unsigned[@]}" -- --wrong-md5
inBackground md5-newline install "Integrity of software exe|holds \"[0-9a-f]{32}\\\\n\"" "${unsigned[@]}" -- --md5-newline
inBackground unsigned install "Check plugin is signed|\"[^\"]*$dll\" has no digital signature.*$download" \
    "Check plugin is signed with good certificate name|$dll\" has no digital signature, so no signer" -- --unsigned
inBackground tampered install "Check plugin is signed|The signature of \"[^\"]*$dll\" \(signer \"QUELLANOR\"\) does not verify" \
    -- --tampered
inBackground other-signer install \
    "Check plugin is signed with good certificate name|$dll\" is signed by \"OTHERSIGNER\", not by \"QUELLANOR\"" \
    -- --other-signer
inBackground wrong-threading install \
    "Check install Explorer plugin registered|HKEY_CLASSES_ROOT\\\\CLSID\\\\\{2137939A-0EF6-4D12-B01A-8A77ABC74D96\}\\\\InprocServer32.*threading model is \"Both\", not \"Apartment\".*$download" \
    -- --wrong-threading
inBackground dll-case install \
    "Check install Explorer plugin registered|names \"[^\"]*/install/skorvaneshelldll\.dll\", not \"[^\"]*$dll\"" -- --dll-case
shortcutFix='Press "Fix and check again": it creates the start-up shortcut'
inBackground no-shortcut install \
    "Shortcut installed for all users|There is no shortcut \"[^\"]*/programdata/.*/Startup/Skorvane\.lnk\".*$shortcutFix" \
    "Shortcut point to the uninstall dir ? (all users)|There is no shortcut.*$shortcutFix" \
    "Shortcut installed for current user|There is no shortcut \"[^\"]*/config/.*/Startup/Skorvane\.lnk\"" -- --no-shortcut
inBackground disabled-approval install \
    "Shortcut allowed to run|HKEY_CURRENT_USER\\\\Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\StartupApproved\\\\StartupFolder holds 03 00 00 00.*Task Manager" \
    -- --disabled-approval
inBackground startup-loop install \
    "Shortcut point to the uninstall dir ? (current user)|The shortcut \"([^\"]*Skorvane\.lnk)\" starts \"\1\", not \"[^\"]*$exe\".*Delete the shortcut" \
    -- --startup-loop
# The fix is the tool's button: with it, the rows it names pass (one shortcut, for all users; the current user's
# rows then say that one is enough).
inBackground fix install "+Shortcut installed for all users" "+Shortcut point to the uninstall dir ? (all users)" \
    "Shortcut installed for current user|Nothing to do while the shortcut \"[^\"]*/programdata/[^\"]*\" starts Skorvane" \
    -- --no-shortcut --- --fix
pipe='"\\\\\.\\pipe\\Skorvane"'
inBackground dad0 product "Explorer Drag and Drop activated|on the pipe $pipe that drag and drop is off.*Press \"Activate\"" \
    -- --mode=dad0
inBackground copy-first-only product \
    "Command line copy|--copy ended with exit code 0\. Not copied: [^ ]*/Target/tmp2\.txt\." \
    "Simulate communication from plugin|answered \(after [0-9]+ ms\) but did not make every copy\. Not copied: [^ ]*/Target/tmp2\.txt\." \
    -- --mode=copy-first-only
inBackground no-pipe product \
    "Explorer Drag and Drop activated|Nothing took the request on the pipe $pipe \(given up after [0-9]+ ms\)" \
    "Simulate communication from plugin|Nothing took the request on the pipe $pipe" -- --mode=no-pipe
inBackground hang-copy product "Command line copy|--copy did not end within 10 s and was stopped\. Not copied: .*tmp1\.txt" \
    -- --mode=hang-copy
inBackground never-answer product \
    "Explorer Drag and Drop activated|took the request on the pipe $pipe but did not finish its answer \(given up after [0-9]{4,5} ms\)" \
    -- --mode=never-answer
inBackground silent-reply product \
    "Explorer Drag and Drop activated|pipe $pipe.*given up after [0-9]{4,5} ms" -- --mode=silent-reply
# No folder for the copy tests: the cause is the temporary folder (named), never Skorvane or a full drive, and the
# product is sent no copy request (the simulation names no pipe exchange).
inBackground temp-relative product \
    "Command line copy|temporary folder \"relative/tmp\" \(TEMP\) is not a full path.*Set the environment variable TEMP" \
    "Simulate communication from plugin|\"relative/tmp\" \(TEMP\) is not a full path" -- --- +TEMP=relative/tmp
inBackground temp-missing product \
    "Command line copy|temporary folder \"/nonexistent-skv/tmp\" \(TEMP\) does not exist" \
    "Simulate communication from plugin|\"/nonexistent-skv/tmp\" \(TEMP\) does not exist" -- --- +TEMP=/nonexistent-skv/tmp
wait

passes=0
for result in "$work"/*.result; do
    cat "$result"
    if grep -q '^PASS' "$result"; then passes=$((passes + 1)); else failures=$((failures + 1)); fi
done
echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
