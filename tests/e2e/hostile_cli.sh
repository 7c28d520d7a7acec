#!/usr/bin/env bash
# End to end: the console runner in sandboxes that a hostile neighbour or a broken machine made. Every run must end
# within its bound (no hang), exit with 0 or 1 (no abort), print strict JSON and nothing else on standard output,
# and give no row "true" that the world does not make true.
# Usage: hostile_cli.sh CLI BUILD_DIR
set -uo pipefail
cli=$(realpath "$1")
export SKV_BUILD=$2
. "$(dirname "$0")/sandbox_work.sh"
sandbox=$here/../../standin/sandbox.sh
products() { cat "$work"/*/product.pids 2>/dev/null; }
passes=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
pass() { echo "PASS $*"; passes=$((passes + 1)); }

# run NAME [row=value ...]: one pass in the sandbox $work/NAME (laid out by the caller), bounded at 90 s, started in
# the folder $run_folder (default: this one) by $runner (default: the runner itself); the rows named must hold those
# values. Sets $report.
run() {
    local name=$1 folder=$work/$1 code problems=()
    shift
    report=$( (cd "${run_folder:-.}" && . "$folder.env" && ASAN_OPTIONS=detect_leaks=0 timeout 90 ${runner:-"$cli"}) \
        2>"$folder.err")
    code=$?
    [[ $code -eq 0 || $code -eq 1 ]] || problems+=("exit code $code")
    python3 -c 'import json, sys; json.loads(sys.stdin.read())' <<<"$report" 2>/dev/null ||
        problems+=("standard output is not the report alone in strict JSON")
    for rule in "$@"; do
        grep -q "^  \"${rule%%=*}\": \"${rule#*=}\"" <<<"$report" || problems+=("$rule")
    done
    if [[ ${#problems[@]} -eq 0 ]]; then pass "$name"; else fail "$name: ${problems[*]}"; cat "$folder.err"; fi
    # The product that the runner restarted as it ended would be the next sandbox's "already running" product
    # (processes are known by their file name): it is ended, by its recorded id.
    "$here/../../standin/end-products.sh" "$folder"
}
layout() { "$sandbox" "$work/$1" "${@:2}" >"$work/$1.env"; }

# 1, 2: a FIFO, or a folder, where the world names a file.
layout fifo-files
for file in install/Skorvane.exe.md5 install/SkorvaneShellDLL.dll install/data/Versions.html; do
    rm -f "$work/fifo-files/$file" && mkfifo "$work/fifo-files/$file"
done
mkfifo "$work/fifo-files/os-release" "$work/fifo-files/roots.pem"
echo "export SKV_OS_RELEASE='$work/fifo-files/os-release' SKV_TRUSTED_ROOTS='$work/fifo-files/roots.pem'" \
    >>"$work/fifo-files.env"
run fifo-files labelInstallIntegrityExeIcon=false labelCheckPluginSignedIcon=false \
    labelCheckPluginSignedNameIcon=false
layout fifo-registry
rm -f "$work/fifo-registry/registry.reg" && mkfifo "$work/fifo-registry/registry.reg"
run fifo-registry labelCheckInstallExplorerPluginIcon=false
layout folder-registry
rm -f "$work/folder-registry/registry.reg" && mkdir "$work/folder-registry/registry.reg"
run folder-registry labelCheckInstallExplorerPluginIcon=false

# 3: the tool's own configuration broken, a shortcut that links to itself.
for kind in truncated garbage folder; do
    layout "config-$kind" --local-config=$kind
    run "config-$kind" labelCheckInstallExplorerPluginIcon=true
done
layout startup-loop --startup-loop
run startup-loop labelPointToInstalledDirCurrentUser=false

# 4: a registry file of 20 MB of junk and many deleted keys still gives its answers, in time.
layout big-registry
python3 - "$work/big-registry/registry.reg" <<'PY'
import sys
path = sys.argv[1]
text = open(path, encoding="utf-8", errors="replace").read()
with open(path, "w") as out:
    out.write(text)
    for i in range(20000):
        out.write(f"[HKEY_CLASSES_ROOT\\junk{i}]\r\n[-HKEY_CLASSES_ROOT\\junk{i}]\r\n")
    out.write("junk that is neither a key nor a value\r\n" * 500000)
PY
run big-registry labelCheckInstallExplorerPluginIcon=true labelShortcutAllowedToRunIcon=true

# 5: a pipe folder others can write to is refused: no answer from anyone there counts.
layout shared-pipes
chmod 0777 "$work/shared-pipes/pipes"
run shared-pipes labelDragAndDropActivated=unknown labelSimulatePluginIcon=false
grep -q "is not used" "$work/shared-pipes.err" || fail "shared-pipes: no message says why the folder is refused"

# 6, 7, 8: the settings survive: an old roaming LocalConfig.xml does not replace the current one, a UTF-16 one is
# written back readable.
layout settings
config=$work/settings/local/Brindlecote/SkorvaneDiagnostics
mkdir -p "$config" "$work/settings/config/Brindlecote/SkorvaneDiagnostics"
printf '<Config><Skin current="light"/><Mine kept="yes"/></Config>' >"$config/LocalConfig.xml"
printf '<Config><Skin current="old"/></Config>' >"$work/settings/config/Brindlecote/SkorvaneDiagnostics/LocalConfig.xml"
run settings
grep -q 'kept="yes"' "$config/LocalConfig.xml" && pass "settings kept" || fail "settings: the current LocalConfig.xml was replaced"
layout wide-settings
config=$work/wide-settings/local/Brindlecote/SkorvaneDiagnostics
mkdir -p "$config"
python3 -c 'import sys; open(sys.argv[1], "wb").write("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<Config><Skin current=\"light\"/></Config>\n".encode("utf-16"))' \
    "$config/LocalConfig.xml"
run wide-settings
python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' "$config/LocalConfig.xml" 2>/dev/null &&
    pass "wide settings readable" || fail "wide-settings: LocalConfig.xml cannot be read back"

# 15: an answer longer than 64 KiB.
layout long-answer --mode=long-answer
run long-answer labelDragAndDropActivated=true

# 16, 17: the main command run twice (the sandbox laid out again between), then a pass with the product running:
# each finds a healthy product, and afterwards one stand-in runs from the sandbox, not one more per run.
layout twice
cp "$work/twice.env" "$work/twice-1.env"
run twice-1
layout twice
for round in 2 3; do
    cp "$work/twice.env" "$work/twice-$round.env"
    run "twice-$round" labelDragAndDropActivated=true labelSimulatePluginIcon=true
done
sleep 1 # the restarted instance needs a moment to find the pipe served and end
running=0
for pid in $(cat "$work/twice/product.pids" 2>/dev/null); do alive "$pid" && running=$((running + 1)); done
[[ $running -eq 1 ]] && pass "one product runs after the passes" || fail "twice: $running stand-in products run"

# 18: the data folders cannot be made (a file where the home folders should be): the pass runs all the same, and
# says so once for each kind of folder (it used to crash before its main routine).
layout no-data-folders
echo "export XDG_CONFIG_HOME=/dev/null XDG_DATA_HOME=/dev/null" >>"$work/no-data-folders.env"
run no-data-folders labelInstallIntegrityExeIcon=true labelShortcutInstalledCurrentUser=false
said=$(grep -c "^Couldn't create ApplicationData folder" "$work/no-data-folders.err")
[[ $said -eq 1 ]] && pass "data folders reported once" || fail "no-data-folders: reported $said times"

# 19: a digest file and a versions page of 4 GB (sparse): the wrong content, not 4 GB of memory.
layout huge-files
truncate -s 4G "$work/huge-files/install/Skorvane.exe.md5" "$work/huge-files/install/data/Versions.html"
run huge-files labelInstallIntegrityExeIcon=false labelCheckInstallExplorerPluginIcon=true

# 20: the temporary folder is shared (mode 1777) and a neighbour planted links where the copy test used to work:
# "SKV" to a folder of ours, whose Source/tmp1.txt links to a file of ours. Nothing of ours is written or removed,
# the copy tests still pass in a folder of their own, and that folder goes with the pass.
layout shared-temp
shared=$work/shared-temp/temp
victim=$work/shared-temp-victim
chmod 1777 "$shared"
mkdir -p "$victim/Source" "$victim/Target"
printf mine >"$victim/precious.txt"
printf kept >"$victim/Target/kept.txt"
ln -s "$victim/precious.txt" "$victim/Source/tmp1.txt"
ln -s "$victim" "$shared/SKV"
run shared-temp labelAutomaticCommandLineCopyIcon=true labelSimulatePluginIcon=true
[[ $(cat "$victim/precious.txt") == mine && -f $victim/Target/kept.txt ]] && pass "links in a shared temp not followed" ||
    fail "shared-temp: a file or folder behind a neighbour's link was changed"
left=$(find "$shared" -maxdepth 1 -name 'SKV-*' | wc -l)
[[ $left -eq 0 ]] && pass "copy-test folder removed" || fail "shared-temp: $left copy-test folders left behind"

# 21: no installation, and a program planted under the working folder's "C:/Program Files (x86)/Skorvane/": the
# Windows default folder is no path on POSIX, and nothing there is run.
layout planted --no-install
planted="$work/planted-cwd/C:/Program Files (x86)/Skorvane"
mkdir -p "$planted"
printf '#!/bin/sh\ntouch "%s"\n' "$work/planted-ran" >"$planted/Skorvane.exe"
chmod +x "$planted/Skorvane.exe"
run_folder=$work/planted-cwd run planted labelInstallIntegrityExeIcon=false labelAutomaticCommandLineCopyIcon=false
[[ ! -e $work/planted-ran ]] && pass "planted program not run" || fail "planted: a program of the working folder ran"

# 22: another program that only bears the product's file name runs: it is not the product, and it is not ended.
layout namesake
mkdir -p "$work/namesake-other"
cp "$(command -v sleep)" "$work/namesake-other/Skorvane.exe"
"$work/namesake-other/Skorvane.exe" 120 &
namesake=$!
run namesake labelIsRunning=false labelDragAndDropActivated=true
kill -0 "$namesake" 2>/dev/null && pass "namesake left running" || fail "namesake: the unrelated program was ended"
kill "$namesake" 2>/dev/null
wait "$namesake" 2>/dev/null

# 23: the temporary folder is full (a small file system of its own, in a mount namespace of the pass's own): the
# sources are written empty, and copies of nothing do not pass.
if unshare --mount true 2>/dev/null; then
    layout full-temp
    printf '#!/bin/sh\nmount -t tmpfs -o size=64k tmpfs "$TEMP" && dd if=/dev/zero of="$TEMP/fill" bs=4k 2>/dev/null\nexec "%s"\n' \
        "$cli" >"$work/full-temp-runner"
    chmod +x "$work/full-temp-runner"
    runner="unshare --mount $work/full-temp-runner" run full-temp labelAutomaticCommandLineCopyIcon=false \
        labelSimulatePluginIcon=false labelDragAndDropActivated=true
else
    echo "SKIP full-temp: no mount namespace here"
fi

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
