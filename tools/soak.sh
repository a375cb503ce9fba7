#!/usr/bin/env bash
# Plays one game for an hour under a virtual display and writes the program's resident memory
# each minute: the clock runs, a key goes in about every second, and every ten minutes a hint
# and a page printed to a PDF file through the real print dialog. Not part of the tests.
# Usage: tools/soak.sh [program] [minutes] [minutes between prints]
#   program defaults to build/default/bin/caselio; minutes to 60, prints every 10.
# Output, one line each: "minute M rss_kb K hwm_kb H", and "print P ms T" for each print, T
# being the time from accepting the dialog to the finished file, the program's two one-second
# settling waits included.
set -uo pipefail
program=$(realpath "${1:-build/default/bin/caselio}")
minutes=${2:-60}
every=${3:-10}
source "$(dirname "$0")/../tests/support/xvfb_session.sh"

# The print dialog offers print.pdf in the working folder when that lies in the home folder.
work=$(mktemp -d)
export HOME=$work
cd "$work" || exit 1
xvfb_start || exit 1
caselio_start "$program" || exit 1

now_ms() { echo $(($(date +%s%N) / 1000000)); }
memory() { awk '/^VmRSS:/ {r = $2} /^VmHWM:/ {h = $2} END {print "rss_kb " r " hwm_kb " h}' \
    "/proc/$APP_PID/status"; }
alive() { kill -0 "$APP_PID" 2>/dev/null || { echo "the program ended" >&2; exit 1; }; }
# Answers the program's message box (the hint, say) if one is up.
dismiss_box() {
    local wid
    if wid=$(caselio_box 2); then
        xdotool windowactivate --sync "$wid" key --clearmodifiers Return 2>/dev/null
        sleep 0.3
    fi
}
print_page() {
    local n=$1 ms
    caselio_activate
    ms=$(print_to_pdf "$work/print.pdf") || { echo "print $n: no page" >&2; return 1; }
    echo "print $n ms $ms pages $(pdfinfo "$work/print.pdf" 2>/dev/null |
        awk '/^Pages:/ {print $2}')"
    sleep 2 # the second settling wait
    caselio_activate
}

caselio_activate
send_keys F10 F5
keys=(Right 3 Down 5 Left 7 Down 1 Right 9 Up 2 Right 4 Down 6 Left 8)
start=$(now_ms)
k=0
for minute in $(seq 0 "$minutes"); do
    alive
    echo "minute $minute $(memory)"
    [ "$minute" -eq "$minutes" ] && break
    if [ $((minute % every)) -eq 0 ]; then
        caselio_activate
        xdotool key --clearmodifiers F4
        sleep 0.5
        dismiss_box
        print_page $((minute / every + 1))
    fi
    # A key about every second until the next minute.
    while [ $(($(now_ms) - start)) -lt $(((minute + 1) * 60000)) ]; do
        xdotool key --clearmodifiers "${keys[k % ${#keys[@]}]}"
        k=$((k + 1))
        sleep 1
        # A symbol that finished the grid, or any other surprise, answers with a box.
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$APP_WID" ] || dismiss_box
    done
done
rm -rf "$work"
