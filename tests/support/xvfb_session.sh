# Shared by the Xvfb scripts: a private X display with a window manager, the program on it,
# and clean-up of every process started here on any exit path.
# Source it, then call xvfb_start, caselio_start <program>, and rely on the EXIT trap.

XVFB_PID=""
WM_PID=""
APP_PID=""
APP_WID=""
STAND_IN_DIR=""

xvfb_cleanup() {
    for pid in "$APP_PID" "$WM_PID" "$XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    [ -n "$STAND_IN_DIR" ] && rm -rf "$STAND_IN_DIR"
}
trap xvfb_cleanup EXIT

# Starts Xvfb on the first free display number from 90 and openbox on it; the screen is
# 1280x1024 unless XVFB_SCREEN names another (say 1366x768x24).
xvfb_start() {
    local n
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            Xvfb ":${n}" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
            XVFB_PID=$!
            export DISPLAY=":${n}"
            local i
            for i in $(seq 1 50); do
                xdpyinfo >/dev/null 2>&1 && break
                if ! kill -0 "$XVFB_PID" 2>/dev/null; then
                    XVFB_PID=""
                    break
                fi
                sleep 0.1
            done
            [ -n "$XVFB_PID" ] && break
        fi
    done
    [ -n "$XVFB_PID" ] || { echo "no free X display" >&2; return 1; }
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    sleep 0.5
}

# Launches the program and waits for its main window, up to CASELIO_START_SECONDS (20 unless
# set); sets APP_PID and APP_WID.
caselio_start() {
    unset QT_QPA_PLATFORM
    # No real browser under test: Qt hands addresses to the first xdg-open on the PATH, and
    # this stand-in only writes them down, one a line, for opened_address.
    STAND_IN_DIR=$(mktemp -d)
    cat >"$STAND_IN_DIR/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$STAND_IN_DIR/opened"
EOF
    chmod +x "$STAND_IN_DIR/xdg-open"
    : >"$STAND_IN_DIR/opened"
    PATH="$STAND_IN_DIR:$PATH" "$1" >"${2:-/dev/null}" 2>&1 &
    APP_PID=$!
    APP_WID=$(timeout "${CASELIO_START_SECONDS:-20}" xdotool search --sync --onlyvisible --name 'Caselio Vers.1.3' | head -n 1)
    [ -n "$APP_WID" ] || { echo "main window did not appear" >&2; return 1; }
    xdotool windowactivate --sync "$APP_WID" 2>/dev/null || xdotool windowfocus --sync "$APP_WID"
    sleep 0.5
}

# Sends keys to the focused window, one at a time with a pause for the window to follow.
send_keys() {
    local key
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.3
    done
}

# Makes the main window the active one and waits, up to 5 s, until the window manager says
# it is, so that a key the window manager handles (Alt+F4) reaches it at the first press.
caselio_activate() {
    local i
    for i in $(seq 1 50); do
        xdotool windowactivate "$APP_WID" >/dev/null 2>&1
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$APP_WID" ] && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to $1 seconds for the program to end; returns its exit status, 124 if it still runs.
caselio_wait_exit() {
    local status=0
    timeout "$1" tail --pid="$APP_PID" -f /dev/null || return 124
    wait "$APP_PID" || status=$?
    APP_PID=""
    return "$status"
}

# Waits up to $2 seconds for a shown window whose title matches $1; prints its window id.
wait_window() {
    local i wid
    for i in $(seq 1 $(($2 * 20))); do
        wid=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$wid" ] && { echo "$wid"; return 0; }
        sleep 0.05
    done
    return 1
}

# Waits up to $1 seconds for one of the program's message or question boxes, titled with the
# program's name alone; prints its window id.
caselio_box() {
    wait_window '^Caselio$' "$1"
}

# F7, then Return in the print dialog (titled in Qt's Italian) once it has settled, then waits
# up to 10 s for the finished PDF file $1, which the dialog must offer. Prints the
# milliseconds from Return to the finished file; fails when no dialog or no file comes.
print_to_pdf() {
    local pdf=$1 dialog start i
    rm -f "$pdf"
    xdotool key --clearmodifiers F7
    dialog=$(wait_window '^Stampa$' 10) || return 1
    sleep 1
    xdotool windowactivate --sync "$dialog" 2>/dev/null
    start=$(($(date +%s%N) / 1000000))
    xdotool key --clearmodifiers Return
    for i in $(seq 1 2000); do
        if [ -s "$pdf" ] && tail -c 8 "$pdf" | grep -q '%%EOF'; then
            echo $(($(date +%s%N) / 1000000 - start))
            return 0
        fi
        sleep 0.005
    done
    return 1
}

# Asks the window manager to close the main window during a game (Alt+F4) and waits for the
# program's question; prints the box's window id. On a loaded machine the first Alt+F4 can be
# lost before the window manager has caught up, so it activates the window and asks again, up
# to three times, but only while no box has appeared.
caselio_ask_close() {
    local attempt wid
    for attempt in 1 2 3; do
        caselio_activate || continue
        xdotool key --clearmodifiers alt+F4
        wid=$(caselio_box 5) && { echo "$wid"; return 0; }
    done
    return 1
}

# A screenshot of the main window's client area into $1.
caselio_shot() {
    sleep 0.3
    import -window "$APP_WID" "$1"
}

# Prints the n-th address (default the first) the program has handed the desktop, waiting
# up to 5 s for it.
opened_address() {
    local n=${1:-1} i
    for i in $(seq 1 50); do
        if [ "$(wc -l <"$STAND_IN_DIR/opened")" -ge "$n" ]; then
            sed -n "${n}p" "$STAND_IN_DIR/opened"
            return 0
        fi
        sleep 0.1
    done
    echo "no address number $n was handed to the desktop" >&2
    return 1
}

# The local file a file:// address names, percent escapes decoded; fails for other schemes.
local_file_of() {
    [[ $1 == file://* ]] || return 1
    local path=${1#file://}
    printf '%b' "${path//%/\\x}"
}

# Closes the program's window with the window manager's Alt+F4, as a user does, and waits for
# the program to end. On a loaded machine the window manager may not have focused the window
# yet, so it focuses and asks again. Returns the program's exit status, 1 if it keeps running.
caselio_close() {
    local attempt status
    for attempt in 1 2 3; do
        xdotool windowactivate --sync "$APP_WID" >/dev/null 2>&1 || true
        xdotool key --clearmodifiers alt+F4
        if timeout 5 tail --pid="$APP_PID" -f /dev/null; then
            status=0
            wait "$APP_PID" || status=$?
            APP_PID=""
            return "$status"
        fi
    done
    echo "the program still runs after its window was closed" >&2
    return 1
}
