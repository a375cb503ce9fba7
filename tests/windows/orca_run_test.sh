#!/bin/bash
# The real program read aloud by Debian's Orca: on a virtual X display with a window manager,
# in a session bus of its own with the AT-SPI registry, speech going through speech-dispatcher
# and espeak-ng into no sound device, and every utterance taken from Orca's debug log. A
# player (orca_player.py) presses keys and checks what Orca says after each.
# Usage: orca_run_test.sh <caselio program> <output directory>
set -u
# Everything runs inside a private session bus, gone when the script ends.
if [ -z "${CASELIO_ORCA_BUS:-}" ]; then
    CASELIO_ORCA_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
PROGRAM=$1
OUT=$2
HERE=$(dirname "$0")
source "$HERE/../support/xvfb_session.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Orca speaks Italian role words and key names, as for an Italian player.
export LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' || fail "the it_IT.UTF-8 locale is missing"

# A home of its own: Orca's settings, speech-dispatcher's socket and the null sound device
# never touch the user's.
SESSION=$(mktemp -d)
export HOME="$SESSION/home" XDG_RUNTIME_DIR="$SESSION/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR/speech-dispatcher" "$SESSION/speechd/modules" "$SESSION/orca"
chmod 700 "$XDG_RUNTIME_DIR"
# Without a sound device speech-dispatcher waits for one forever, and Orca after its first
# utterance: libao's null driver swallows the sound.
echo "default_driver=null" >"$HOME/.libao"
cat >"$SESSION/speechd/speechd.conf" <<EOF
LogLevel 1
LogDir "$SESSION/speechd"
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "it"
EOF
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$SESSION/speechd/modules/"

BUS_PID=""
SPEECHD_PID=""
ORCA_PID=""
orca_cleanup() {
    xvfb_cleanup
    local pid
    for pid in "$ORCA_PID" "$SPEECHD_PID" "$BUS_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            timeout 5 tail --pid="$pid" -f /dev/null || kill -9 "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    rm -rf "$SESSION"
}
trap orca_cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$OUT/orca_atspi_bus.log" 2>&1 &
BUS_PID=$!
xvfb_start || fail "could not start Xvfb"
setxkbmap us
speech-dispatcher -s -t 0 -C "$SESSION/speechd" -c unix_socket \
    -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" >"$OUT/orca_speechd.log" 2>&1 &
SPEECHD_PID=$!
for i in $(seq 1 50); do
    [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] || fail "speech-dispatcher did not start"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 caselio_start "$PROGRAM" "$OUT/orca_program.log" ||
    fail "window did not appear"

# Orca writes its debug log through a buffer that only a terminal makes line by line: it
# runs on a pseudo-terminal of script(1), which copies every line to the log at once.
LOG="$OUT/orca_speech.log"
: >"$LOG"
script -qfe -c "orca -u '$SESSION/orca' --debug-file /dev/tty" "$LOG" >/dev/null 2>&1 </dev/null &
ORCA_PID=$!

/usr/bin/python3 "$HERE/orca_player.py" "$LOG" "$APP_WID" >"$OUT/orca_transcript.txt" 2>&1
STATUS=$?
cat "$OUT/orca_transcript.txt"
[ "$STATUS" -eq 0 ] || fail "what Orca said fell short (transcript above; log in $LOG)"
