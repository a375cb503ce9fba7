#!/bin/bash
# The real program on a virtual X display: it opens, hands the desktop its first help page on
# F1, takes function and symbol keys, stays up, and exits cleanly when its window is closed.
# Usage: xvfb_run_test.sh <caselio program> <output directory>
set -u
PROGRAM=$1
OUT=$2
source "$(dirname "$0")/../support/xvfb_session.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

xvfb_start || fail "could not start Xvfb"
caselio_start "$PROGRAM" "$OUT/xvfb_program.log" || fail "window did not appear"

# Help right after start: the address of the first page, a file the browser can open.
send_keys F1
ADDRESS=$(opened_address) || fail "F1 handed no address to the desktop"
PAGE=$(local_file_of "$ADDRESS") || fail "F1 handed over $ADDRESS, not a local file"
[ "$(basename "$PAGE")" = w_velmora-caselio0-hlp0.html ] || fail "F1 opened $PAGE, not page 0"
[ -f "$PAGE" ] || fail "F1 opened $PAGE, which does not exist"

# Generate, show the solution, back, play, then a few symbols into the first cells.
send_keys F10 F6 F6 F5 1 Right 2 Right 3 Down 4
import -window root "$OUT/xvfb_window.png" || fail "screenshot failed"
[ -s "$OUT/xvfb_window.png" ] || fail "empty screenshot"
kill -0 "$APP_PID" 2>/dev/null || fail "program died while taking keys"

# Closing as a user does: the window manager's Alt+F4 asks the window to close.
STATUS=0
caselio_close || STATUS=$?
[ "$STATUS" -eq 0 ] || fail "program exited with status $STATUS"
echo "PASS: screenshot in $OUT/xvfb_window.png"
