#!/usr/bin/env bash
# End to end: one window per user session. A second start finds the first, asks it to come to the front and ends at
# once (exit 0); the first hears it. Each run has a session folder of its own.
# Usage: second_instance.sh EXE
set -uo pipefail
exe=$1
work=$(mktemp -d)
first=
trap '[[ -n $first ]] && kill "$first" 2>/dev/null; rm -rf "$work"' EXIT
export SKV_PIPE_FOLDER=$work/session QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
"$exe" >"$work/first.out" 2>"$work/first.err" &
first=$!
for _ in $(seq 300); do [[ -S $work/session/SkorvaneDiagnostics.socket ]] && break; sleep 0.1; done
[[ -S $work/session/SkorvaneDiagnostics.socket ]] || { echo "FAIL: the first start does not listen"; cat "$work/first.err"; exit 1; }
start=$SECONDS
timeout 30 "$exe" >"$work/second.out" 2>"$work/second.err"
code=$?
[[ $code -eq 0 ]] || { echo "FAIL: the second start ended with $code"; cat "$work/second.err"; exit 1; }
grep -q "runs already" "$work/second.err" || { echo "FAIL: the second start did not find the first"; cat "$work/second.err"; exit 1; }
(( SECONDS - start <= 10 )) || { echo "FAIL: the second start took $((SECONDS - start)) s"; exit 1; }
for _ in $(seq 300); do grep -q "brought to the front" "$work/first.err" && break; sleep 0.1; done
grep -q "brought to the front" "$work/first.err" || { echo "FAIL: the first start was not asked"; cat "$work/first.err"; exit 1; }
kill -0 "$first" 2>/dev/null || { echo "FAIL: the first start ended"; exit 1; }
echo "PASS: the second start ended after $((SECONDS - start)) s and the first came to the front"
kill "$first" 2>/dev/null
wait "$first" 2>/dev/null
first=

# Two starts at the same moment, in a session of their own: exactly one runs, the other finds it (the one that took
# the lock listens a few milliseconds later; the other keeps asking meanwhile).
for round in 1 2 3; do
    export SKV_PIPE_FOLDER=$work/together$round
    "$exe" >"$work/a$round.out" 2>"$work/a$round.err" &
    a=$!
    "$exe" >"$work/b$round.out" 2>"$work/b$round.err" &
    b=$!
    sleep 6
    alive=0
    kill -0 "$a" 2>/dev/null && alive=$((alive + 1))
    kill -0 "$b" 2>/dev/null && alive=$((alive + 1))
    kill "$a" "$b" 2>/dev/null
    wait "$a" "$b" 2>/dev/null
    found=$(cat "$work/a$round.err" "$work/b$round.err" | grep -c "runs already")
    [[ $alive -eq 1 && $found -eq 1 ]] ||
        { echo "FAIL: round $round: $alive windows run and $found start found another"; exit 1; }
done
echo "PASS: of two starts at once, one ran and the other found it (3 rounds)"
