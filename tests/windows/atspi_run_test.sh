#!/bin/bash
# The real program as a screen reader sees it: on a virtual X display with a window manager,
# in a session bus of its own with the AT-SPI registry, Qt's accessibility bridge on, and an
# AT-SPI client (atspi_client.py) that plays a few keys and reads the grid's cells.
# Usage: atspi_run_test.sh <caselio program> <output directory>
set -u
# Everything runs inside a private session bus, gone when the script ends.
if [ -z "${CASELIO_ATSPI_BUS:-}" ]; then
    CASELIO_ATSPI_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
PROGRAM=$1
OUT=$2
HERE=$(dirname "$0")
source "$HERE/../support/xvfb_session.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

BUS_PID=""
atspi_cleanup() {
    xvfb_cleanup
    if [ -n "$BUS_PID" ] && kill -0 "$BUS_PID" 2>/dev/null; then
        kill "$BUS_PID" 2>/dev/null
        wait "$BUS_PID" 2>/dev/null
    fi
}
trap atspi_cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$OUT/atspi_bus.log" 2>&1 &
BUS_PID=$!
xvfb_start || fail "could not start Xvfb"
setxkbmap us
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 caselio_start "$PROGRAM" "$OUT/atspi_program.log" ||
    fail "window did not appear"

# Debian's AT-SPI bindings belong to the system's python.
/usr/bin/python3 "$HERE/atspi_client.py" >"$OUT/atspi_transcript.txt" 2>&1
STATUS=$?
cat "$OUT/atspi_transcript.txt"
[ "$STATUS" -eq 0 ] || fail "the screen reader's view fell short (transcript above)"
