#!/usr/bin/env bash
# End to end (as root, in a mount namespace with a /tmp of its own): another user owns the shared session folder's
# name (/tmp/skorvane-pipes-<uid>) and listens where Qt would put a bare socket name (/tmp). The tool neither
# takes that user's listener for a running instance nor gives up its own: it runs, with a session folder of its
# own in its home. Exit 77 (skipped) where it cannot be set up.
# Usage: foreign_session_folder.sh EXE
set -uo pipefail
exe=$1
if [[ $(id -u) -ne 0 ]] || ! unshare -m true 2>/dev/null; then
    echo "SKIP: needs root and a mount namespace"
    exit 77
fi
# The program's folder stays in reach under a name outside /tmp (the build may itself lie under /tmp).
keep=$(mktemp -d /var/tmp/skv-app-XXXXXX)
trap 'rmdir "$keep" 2>/dev/null' EXIT
unshare -m bash -s "$exe" "$keep" <<'INNER'
set -uo pipefail
mount --bind "$(dirname "$1")" "$2" || { echo "SKIP: no bind mount"; exit 77; }
exe=$2/$(basename "$1")
cd /
mount -t tmpfs -o mode=1777 none /tmp || { echo "SKIP: no tmpfs"; exit 77; }
nobody=$(id -u nobody)
install -d -m 0700 -o "$nobody" "/tmp/skorvane-pipes-$(id -u)"
home=$(mktemp -d)
chmod 0700 "$home"
# The other user listens under the bare name, and answers anything.
python3 - "$nobody" <<'PY' &
import os, socket, sys
os.setuid(int(sys.argv[1]))
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind("/tmp/SkorvaneDiagnostics")
server.listen(8)
server.settimeout(60)
try:
    while True:
        client, _ = server.accept()
        client.sendall(b"ok\n")
        client.close()
except Exception:
    pass
PY
listener=$!
for _ in $(seq 50); do [[ -S /tmp/SkorvaneDiagnostics ]] && break; sleep 0.1; done
unset XDG_RUNTIME_DIR SKV_PIPE_FOLDER
HOME=$home QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 SKV_SCREENSHOT_AND_QUIT=$home/window.png \
    timeout 60 "$exe" >"$home/out" 2>"$home/err"
code=$?
kill "$listener" 2>/dev/null
failures=()
[[ $code -eq 0 ]] || failures+=("the tool ended with $code")
grep -q "runs already" "$home/err" && failures+=("the other user's listener was taken for a running instance")
[[ -f $home/window.png ]] || failures+=("no window was shown")
[[ -d $home/.skorvane-pipes && $(stat -c %a "$home/.skorvane-pipes") == 700 ]] ||
    failures+=("no private session folder in the home folder")
if [[ ${#failures[@]} -gt 0 ]]; then
    printf 'FAIL: %s\n' "${failures[@]}"
    cat "$home/err"
    exit 1
fi
echo "PASS: the tool ran with its own session folder $home/.skorvane-pipes"
INNER
