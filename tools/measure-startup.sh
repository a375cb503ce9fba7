#!/usr/bin/env bash
# Measures how long the game takes from launch to its main window being shown, and its
# peak resident memory, under a virtual display with a window manager.
# Usage: tools/measure-startup.sh [program] [runs]
#   program defaults to the installed `caselio` on the PATH; runs defaults to 15.
set -euo pipefail
program=${1:-caselio}
runs=${2:-15}
title='^Caselio Vers\.1\.3$'
source "$(dirname "$0")/../tests/support/xvfb_session.sh"
xvfb_start

now_ms() { echo $(($(date +%s%N) / 1000000)); }

times=()
peaks=()
for run in $(seq "$runs"); do
    start=$(now_ms)
    QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    app=$!
    APP_PID=$app
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { echo "the program exited before showing its window"; exit 1; }
        sleep 0.002
    done
    shown=$(now_ms)
    sleep 0.5 # let the first paint settle before reading the peak
    peak_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$app/status")
    kill -TERM "$app"
    wait "$app" 2>/dev/null || true
    times+=($((shown - start)))
    peaks+=("$peak_kb")
    echo "run $run: window shown after $((shown - start)) ms, peak resident memory $((peak_kb / 1024)) MB"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
echo "median time to window: $(median "${times[@]}") ms over $runs runs"
echo "median peak resident memory: $(($(median "${peaks[@]}" | cut -d. -f1) / 1024)) MB"
