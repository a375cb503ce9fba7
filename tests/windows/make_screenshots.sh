#!/bin/bash
# Regenerates the window screenshots shown in the README: states 0 (just started),
# 1 (a puzzle generated) and 4 (a game running), the running clock enlarged four times, and a
# 16x16 game with its candidates noted and the symbol of the selected cell highlighted, from
# the real program on a virtual display.
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
# The clock sits 18, 32 into the game panel, which is 1, 145 into the right-hand column, the
# column being the window's last 225 pixels under the 129-pixel top area.
sleep 5
width=$(identify -format '%w' "$OUT/window-state4.png")
import -window "$APP_WID" -crop "156x32+$((width - 206))+306" +repage -filter point \
    -resize 400% "$OUT/clock.png"
xdotool key --clearmodifiers F5
sleep 0.5
xdotool key --clearmodifiers s # Yes, by its underlined letter: Enter would keep the game
sleep 0.5

# The 16x16 game: the "4x4" size item of the maximized window, zoomed ten steps to 20 points,
# where the whole grid still fits and its notes read, a new game, the candidates filled in
# (F11), highlighting on (F3) and a 1 typed into the first cell (a given keeps its own
# symbol), so every cell holding that symbol is tinted.
xdotool mousemove --window "$APP_WID" 300 101 click 1
read -r width height < <(xdotool getwindowgeometry --shell "$APP_WID" |
    sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | paste -sd ' ')
for step in $(seq 1 10); do
    xdotool mousemove --window "$APP_WID" $((width - 163)) $((height - 136)) click 1
    sleep 0.1
done
send_keys F10 F5 F11 F3 1
shot window-notes-16x16.png
send_keys F3
xdotool key --clearmodifiers F5
sleep 0.5
xdotool key --clearmodifiers s
sleep 0.5
