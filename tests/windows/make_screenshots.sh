#!/bin/bash
# Regenerates the window screenshots shown in the README: states 0 (just started),
# 1 (a puzzle generated) and 4 (a game running), from the real program on a virtual display.
# Usage: make_screenshots.sh <caselio program> <output directory, e.g. docs>
set -u
PROGRAM=$1
OUT=$2
source "$(dirname "$0")/../support/xvfb_session.sh"

xvfb_start || exit 1
caselio_start "$PROGRAM" || exit 1
shot() { sleep 0.5; import -window "$APP_WID" "$OUT/$1"; }

shot window-state0.png
send_keys F10
shot window-state1.png
send_keys F5 Right 5 Down Down 7
shot window-state4.png
xdotool key --clearmodifiers alt+F4
sleep 0.5
