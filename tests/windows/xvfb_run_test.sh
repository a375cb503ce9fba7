#!/bin/bash
# The real program on a virtual X display with a window manager, driven as a user drives it:
# F1 hands the desktop the first help page, keys take effect, the digit row enters digits on
# US and French layouts, and closing through the window manager closes at once outside a game
# and asks first during one, where a stray Enter keeps the game; in pencil mode a key draws a note, Ctrl+Z takes it away and
# Ctrl+Shift+Z brings it back.
# Usage: xvfb_run_test.sh <caselio program> <output directory>
set -u
PROGRAM=$1
OUT=$2
source "$(dirname "$0")/../support/xvfb_session.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Pixels of one exact colour in the grid's panel (left of the right-hand column, between the
# top area and the bottom bar) of a screenshot of the window.
grid_pixels() {
    local width height
    read -r width height < <(identify -format '%w %h' "$1")
    convert "$1" -crop "$((width - 226))x$((height - 185))+0+129" +repage \
        -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

# Whether the grid's panel differs between two screenshots.
grid_changed() {
    local width height
    read -r width height < <(identify -format '%w %h' "$1")
    local region="$((width - 226))x$((height - 185))+0+129"
    [ "$(convert "$1" -crop "$region" +repage rgb:- | md5sum)" != \
        "$(convert "$2" -crop "$region" +repage rgb:- | md5sum)" ]
}

# Presses a key that should enter a digit, cell after cell along the first row, until a cell
# takes it (the first cells may be givens, which refuse every key).
enters_a_digit() {
    local cell
    for cell in 1 2 3 4 5 6 7 8; do
        caselio_shot "$OUT/xvfb_before.png"
        xdotool key "$1"
        caselio_shot "$OUT/xvfb_after.png"
        grid_changed "$OUT/xvfb_before.png" "$OUT/xvfb_after.png" && return 0
        send_keys Right
    done
    return 1
}

xvfb_start || fail "could not start Xvfb"
setxkbmap us

# A game, played from the keyboard, then closed through the window manager.
caselio_start "$PROGRAM" "$OUT/xvfb_program.log" || fail "window did not appear"

# Help right after start: the address of the first page, a file the browser can open.
send_keys F1
ADDRESS=$(opened_address) || fail "F1 handed no address to the desktop"
PAGE=$(local_file_of "$ADDRESS") || fail "F1 handed over $ADDRESS, not a local file"
[ "$(basename "$PAGE")" = w_velmora-caselio0-hlp0.html ] || fail "F1 opened $PAGE, not page 0"
[ -f "$PAGE" ] || fail "F1 opened $PAGE, which does not exist"

caselio_shot "$OUT/xvfb_state0.png"
send_keys F10 F6 F6
caselio_shot "$OUT/xvfb_state1.png"
[ "$(grid_pixels "$OUT/xvfb_state1.png" '#C0C0C0')" -gt \
    $(($(grid_pixels "$OUT/xvfb_state0.png" '#C0C0C0') + 1000)) ] || fail "F10 drew no grid"
[ "$(grid_pixels "$OUT/xvfb_state1.png" '#FF0000')" -eq 0 ] || fail "a selection mark before the game"
send_keys F5
caselio_shot "$OUT/xvfb_window.png"
[ "$(grid_pixels "$OUT/xvfb_window.png" '#FF0000')" -gt 0 ] || fail "F5 started no game"

# The digit row: Shift+1 on a US layout, the unshifted "&" key on a French one.
enters_a_digit shift+1 || fail "Shift+1 entered nothing on a US layout"
send_keys Right
setxkbmap fr
enters_a_digit ampersand || fail "the digit row entered nothing on a French layout"
setxkbmap us

# A stray Enter on the abandon question keeps the game and every entry: No is its default.
caselio_shot "$OUT/xvfb_before_abandon.png"
send_keys F5
caselio_box 5 >/dev/null || fail "F5 in a game asked nothing"
send_keys Return
caselio_box 1 >/dev/null && fail "the abandon question is still up after Enter"
caselio_shot "$OUT/xvfb_after_enter.png"
grid_changed "$OUT/xvfb_before_abandon.png" "$OUT/xvfb_after_enter.png" &&
    fail "Enter on the abandon question changed the grid"
[ "$(grid_pixels "$OUT/xvfb_after_enter.png" '#FF0000')" -gt 0 ] || fail "the game is gone after Enter"

# Pencil mode (F2): a key notes its symbol in a blank cell, found from the last cell leftward;
# Ctrl+Z takes the note away, Ctrl+Shift+Z brings it back, pixel for pixel.
notes_a_symbol() {
    local cell
    for cell in 1 2 3 4 5 6 7 8; do
        caselio_shot "$OUT/xvfb_no_note.png"
        xdotool key 5
        caselio_shot "$OUT/xvfb_note.png"
        grid_changed "$OUT/xvfb_no_note.png" "$OUT/xvfb_note.png" && return 0
        send_keys Left
    done
    return 1
}
send_keys ctrl+End F2
notes_a_symbol || fail "in pencil mode the key 5 drew no note"
send_keys ctrl+z
caselio_shot "$OUT/xvfb_undone.png"
grid_changed "$OUT/xvfb_no_note.png" "$OUT/xvfb_undone.png" && fail "Ctrl+Z left the note"
send_keys ctrl+shift+z
caselio_shot "$OUT/xvfb_redone.png"
grid_changed "$OUT/xvfb_note.png" "$OUT/xvfb_redone.png" && fail "Ctrl+Shift+Z did not bring the note back"
send_keys F2

# Alt+F4 in a game asks; Cancel keeps the program and its game.
caselio_ask_close >/dev/null || fail "closing during a game asked nothing"
send_keys Escape
caselio_wait_exit 2 && fail "the program ended after Cancel"
caselio_shot "$OUT/xvfb_kept.png"
# The selected cell keeps its note, so it is tinted rather than ringed.
[ "$(grid_pixels "$OUT/xvfb_kept.png" '#FFD6D6')" -gt 0 ] || fail "the game is gone after Cancel"
# Alt+F4 again: Enter keeps the program too; then Yes, by its underlined letter.
caselio_ask_close >/dev/null || fail "closing during a game asked nothing the second time"
send_keys Return
caselio_wait_exit 2 && fail "the program ended after Enter on the question"
caselio_ask_close >/dev/null || fail "closing during a game asked nothing the third time"
send_keys s
STATUS=0
caselio_wait_exit 10 || STATUS=$?
[ "$STATUS" -eq 0 ] || fail "after Yes the program exited with status $STATUS"

# Outside a game, with the grid focused, one Alt+F4 closes at once: its Alt press is no key
# for the grid, so no guidance box stands in the way.
caselio_start "$PROGRAM" "$OUT/xvfb_program2.log" || fail "window did not appear again"
send_keys F10
caselio_activate || fail "the window manager did not activate the window"
xdotool key --clearmodifiers alt+F4
STATUS=0
caselio_wait_exit 10 || STATUS=$?
[ "$STATUS" -eq 0 ] || fail "one Alt+F4 in state 1 did not end the program (status $STATUS)"

# The whole grid on the maximized window: 25x25 zoomed to the largest step (nineteen presses),
# a game, and the selection moved to the last cell, which must show its red ellipse. Clicks land where the
# maximized window on a 1280x1024 screen puts the "5x5" item and the "+" button.
caselio_start "$PROGRAM" "$OUT/xvfb_program3.log" || fail "window did not appear a third time"
read -r WIDTH HEIGHT < <(xdotool getwindowgeometry --shell "$APP_WID" |
    sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | paste -sd ' ')
xdotool mousemove --window "$APP_WID" 370 101 click 1
send_keys F10
for step in $(seq 1 19); do
    xdotool mousemove --window "$APP_WID" $((WIDTH - 163)) $((HEIGHT - 136)) click 1
    sleep 0.1
done
send_keys F5 ctrl+End
caselio_shot "$OUT/xvfb_25x25_largest.png"
[ "$(grid_pixels "$OUT/xvfb_25x25_largest.png" '#FF0000')" -gt 0 ] ||
    fail "the last cell of a 25x25 grid at the largest zoom is not drawn"
caselio_ask_close >/dev/null || fail "closing the 25x25 game asked nothing"
send_keys s
caselio_wait_exit 10 || fail "the program did not end after the last Yes"
echo "PASS: screenshots in $OUT"
