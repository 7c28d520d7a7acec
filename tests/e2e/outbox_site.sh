#!/usr/bin/env bash
# End to end: a report the site did not take waits in the outbox and reaches the site once, whatever happens on the
# way. One sandbox, the site's mode changed between the steps: error500 (the dialog keeps the report), never-answer
# with the runner killed while sending, take-and-close (the site takes it and the answer is lost), ok (the resend is
# known by its X-Report-Id and not taken twice), then a 400 (refused, not sent again), a 503 with Retry-After (not
# sent before its time), and a full disk under the outbox (the report is still sent, and the dialog says it was not
# kept).
# Usage: outbox_site.sh CLI TEST_EXE BUILD_DIR
set -uo pipefail
cli=$1
test=$2
export SKV_BUILD=$3
. "$(dirname "$0")/sandbox_work.sh"
folder=$work/outbox
"$here/../../standin/sandbox.sh" "$folder" --site >"$folder.env" || { echo "FAIL: sandbox"; exit 1; }
. "$folder.env"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 SKV_REPORT_OUT=$folder/out
mkdir -p "$folder/out"
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
mode() { echo "$1" >"$folder/site/mode"; }
ledger() { grep -c "^$1 " "$folder/site/requests/report-ids" 2>/dev/null; }
# sendWaiting NAME EXPECTED_EXIT: the runner's --send-waiting, its JSON kept as NAME.json.
sendWaiting() {
    timeout 60 "$cli" --send-waiting >"$work/$1.json" 2>"$work/$1.err"
    local rc=$?
    [[ $rc == "$2" ]] || { fail "$1: exit $rc, expected $2"; cat "$work/$1.json" "$work/$1.err"; }
}
field() { python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' "$work/$1.json" "$2"; }
dialog() { # NAME EXPECT [OUTBOX]: the report dialog's failedReportIsKeptForLater
    if ! SKV_OUTBOX_EXPECT=$2 SKV_TEST_OUTBOX=${3:-$outbox} SKV_SITE_STORES=yes "$test" failedReportIsKeptForLater \
        >"$work/$1.log" 2>&1; then
        fail "$1:"; grep -E "FAIL|Loc:|Actual|Expected" "$work/$1.log"
    fi
}

sendWaiting empty 0
outbox=$(field empty outbox)
[[ $outbox == "$folder"/* ]] || fail "the outbox $outbox is not in the user's data folder"

mode error500
dialog kept kept
[[ $(ls "$outbox"/*.report 2>/dev/null | wc -l) == 1 ]] || fail "error500: the report is not waiting"

# Killed while it sends: the report still waits.
mode never-answer
{ timeout -s KILL 2 "$cli" --send-waiting; } >/dev/null 2>&1
[[ $(ls "$outbox"/*.report 2>/dev/null | wc -l) == 1 ]] || fail "killed: the report does not wait any more"

# The site takes it and the answer is lost: still waiting; sent again, the site knows it.
mode take-and-close
sendWaiting lost-answer 1
mode ok
sendWaiting resent 0
[[ $(field resent sent) == 1 && $(field resent waiting) == 0 ]] || fail "resent: $(cat "$work/resent.json")"
[[ $(ledger taken) == 1 && $(ledger duplicate) == 1 ]] || { fail "the site took the report $(ledger taken) times"; cat "$folder/site/requests/report-ids"; }
sendWaiting nothing-left 0
[[ $(field nothing-left reports) == "[]" ]] || fail "nothing-left: $(cat "$work/nothing-left.json")"

# Refused for good: not kept, not sent again.
mode bad-request
dialog refused refused
before=$(ls "$folder/site/requests"/*.http | wc -l)
sendWaiting after-refusal 0
[[ $(ls "$folder/site/requests"/*.http | wc -l) == "$before" ]] || fail "a refused report was sent again"

# 503 with Retry-After: waits, and is not sent before its time.
mode busy
dialog busy kept
before=$(ls "$folder/site/requests"/*.http | wc -l)
mode ok
sendWaiting too-early 1
[[ $(ls "$folder/site/requests"/*.http | wc -l) == "$before" ]] || fail "sent before the time the site asked for"
grep -q '"outcome": "waiting"' "$work/too-early.json" || fail "too-early: $(cat "$work/too-early.json")"

# A full disk under the outbox: the dialog says the report was not kept, and sends it all the same.
mode error500
full=$work/full
mkdir -p "$full"
if unshare -m true 2>/dev/null; then
    unshare -m bash -c 'mount -t tmpfs -o size=64k tmpfs "$1" && head -c 1M /dev/zero >"$1/fill" 2>/dev/null
        exec env SKV_OUTBOX_EXPECT=not-kept SKV_TEST_OUTBOX="$1/Outbox" SKV_SITE_STORES=yes "$2" failedReportIsKeptForLater' \
        _ "$full" "$test" >"$work/full.log" 2>&1 || { fail "full disk:"; grep -E "FAIL|Loc:|Actual|Expected" "$work/full.log"; }
else
    echo "SKIP full disk: no mount namespace here"
fi

[[ $failures == 0 ]] && echo "PASS outbox: $(ledger taken) taken, $(ledger duplicate) duplicate, $(ls "$outbox"/Refused | wc -l) refused"
exit $((failures > 0))
