#!/usr/bin/env bash
# Measures the game's start-up beside an empty Qt main window, under a virtual display with a
# window manager: the time from launch to the main window's first frame, from the timestamps
# both programs write when CASELIO_STARTUP_PROFILE names a file, with the game's phases; the
# window as found by polling (every 2 ms, each poll a process of its own); and peak resident
# memory. Rounds are interleaved, the order turning each round,
# so a busy machine weighs on every program alike; the figures are medians, and the ratio to
# the empty window is the median of each round's own ratio, every round's shown sorted.
# Usage: tools/measure-startup.sh [-n rounds] [-w empty-window] [-a] [program...]
#   program defaults to the installed `caselio` on the PATH; several programs (a build before
#   and after a change, say) are measured side by side. rounds defaults to 9. The empty window
#   defaults to caselio_empty_window beside the first program, and caselio_one_label_window
#   beside it, the same window with one line of text, is measured too. -a adds, per program, the
#   first generation of 16x16 and 25x25 (F10 to the grid painted) and the first print to a
#   PDF file (accepting the print dialog to the finished file, the two one-second settling
#   waits included).
set -euo pipefail
rounds=9
empty=""
all=0
while getopts "n:w:a" option; do
    case $option in
    n) rounds=$OPTARG ;;
    w) empty=$OPTARG ;;
    a) all=1 ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
programs=()
for p in "${@:-caselio}"; do programs+=("$(realpath "$(command -v "$p" || echo "$p")")"); done
[ -n "$empty" ] && empty=$(realpath "$empty") || empty=$(dirname "${programs[0]}")/caselio_empty_window
[ -x "$empty" ] || { echo "no empty window program at $empty" >&2; exit 1; }
# The empty window with one line of text, when built beside it: what text alone costs.
label=$(dirname "$empty")/caselio_one_label_window
[ -x "$label" ] || label=""
source "$(dirname "$0")/../tests/support/xvfb_session.sh"
work=$(mktemp -d)
export HOME=$work # the print dialog offers print.pdf here
cd "$work"
xvfb_start

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
# Milliseconds between two marks of a profile file, to one decimal.
between() { awk -v a="$2" -v b="$3" '{k = $0; sub(/ [0-9]+$/, "", k); if (!(k in t)) t[k] = $NF}
    END {if ((a in t) && (b in t)) printf "%.1f\n", (t[b] - t[a]) / 1000}' "$1"; }

# Launches $1 with its window titled $2; sets LAUNCH_MS, SHOWN_MS and APP_PID, and starts the
# profile with the launch.
launch() {
    local title=$2
    rm -f "$work/profile"
    local launch_us
    launch_us=$(date +%s%6N)
    LAUNCH_MS=$((launch_us / 1000))
    echo "launch $launch_us" >"$work/profile"
    CASELIO_STARTUP_PROFILE="$work/profile" QT_QPA_PLATFORM=xcb "$1" >/dev/null 2>&1 &
    APP_PID=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        kill -0 "$APP_PID" 2>/dev/null || { echo "$1 exited before showing its window" >&2; exit 1; }
        sleep 0.002
    done
    SHOWN_MS=$(now_ms)
}
stop() {
    kill -TERM "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
}
peak_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$APP_PID/status"; }
title_of() {
    case $1 in
    "$empty") echo '^Empty Qt window$' ;;
    "$label") echo '^Qt window with one label$' ;;
    *) echo '^Caselio Vers\.1\.3$' ;;
    esac
}
wait_mark() { # waits up to 20 s for mark $1 in the profile
    local i
    for i in $(seq 1 4000); do
        grep -q "^$1 " "$work/profile" 2>/dev/null && return 0
        sleep 0.005
    done
    return 1
}
window_of() { xdotool search --onlyvisible --name "$(title_of "$1")" | head -n 1; }

phases=(main application translations window "print holder" shown "first painted")
subjects=("${programs[@]}" ${label:+"$label"} "$empty")
declare -A times polled peaks phase ratios this_round
for round in $(seq "$rounds"); do
    n=${#subjects[@]}
    for i in $(seq 0 $((n - 1))); do
        s=${subjects[$(((i + round) % n))]}
        launch "$s" "$(title_of "$s")"
        wait_mark "first painted" || { echo "$s marked no first paint" >&2; exit 1; }
        sleep 0.5 # let the first paint settle before reading the peak
        # Timed by the programs' own marks: polling for the window adds a few milliseconds of
        # its own noise to every round.
        this_round[$s]=$(between "$work/profile" launch "first painted")
        times[$s]+="${this_round[$s]} "
        polled[$s]+="$((SHOWN_MS - LAUNCH_MS)) "
        peaks[$s]+="$(peak_kb) "
        previous=launch
        for p in "${phases[@]}"; do
            grep -q "^$p " "$work/profile" || continue
            phase[$s:$p]+="$(between "$work/profile" "$previous" "$p") "
            previous=$p
        done
        stop
    done
    # Each round's own ratio: a load that comes and goes weighs on both sides of it alike.
    for s in "${subjects[@]}"; do
        ratios[$s]+="$(echo "${this_round[$s]} ${this_round[$empty]}" | awk '{print $1 / $2}') "
    done
done

if [ "$all" = 1 ]; then
    declare -A generation prints
    for round in $(seq "$rounds"); do
        for s in "${programs[@]}"; do
            # The size's radio button, then F10: 4x4 and 5x5 sit 70 pixels apart in the
            # size group, 98 pixels down the window.
            for size in 1 2; do
                launch "$s" "$(title_of "$s")"
                APP_WID=$(window_of "$s")
                caselio_activate
                sleep 0.3
                xdotool mousemove --window "$APP_WID" $((232 + 70 * size)) 98 click 1
                sleep 0.3
                xdotool key --clearmodifiers F10
                wait_mark "grid painted"
                generation[$s:$size]+="$(between "$work/profile" F10 "grid painted") "
                stop
            done
            launch "$s" "$(title_of "$s")"
            APP_WID=$(window_of "$s")
            caselio_activate
            sleep 0.3
            xdotool key --clearmodifiers F10
            wait_mark "grid painted"
            prints[$s]+="$(print_to_pdf "$work/print.pdf") "
            sleep 1.5
            stop
        done
    done
fi

echo "medians of $rounds interleaved rounds"
# shellcheck disable=SC2086
for s in "${subjects[@]}"; do
    echo "$s"
    printf '  launch to the first frame %s ms (%.2fx the empty window; rounds %s)\n' \
        "$(median ${times[$s]})" "$(median ${ratios[$s]})" \
        "$(printf '%.2f\n' ${ratios[$s]} | sort -n | paste -sd ' ')"
    printf '  window found by polling after %s ms, peak resident memory %.1f MB\n' \
        "$(median ${polled[$s]})" "$(echo "$(median ${peaks[$s]})" | awk '{print $1 / 1024}')"
    previous=launch
    for p in "${phases[@]}"; do
        [ -n "${phase[$s:$p]:-}" ] || continue
        printf '    %-15s %6s ms\n' "$previous → $p" "$(median ${phase[$s:$p]})"
        previous=$p
    done
    if [ -n "${generation[$s:1]:-}" ]; then
        echo "  first generation, F10 to the grid painted: 16x16 $(median ${generation[$s:1]}) ms, 25x25 $(median ${generation[$s:2]}) ms"
        echo "  first print, dialog accepted to the finished file: $(median ${prints[$s]}) ms"
    fi
done
rm -rf "$work"
