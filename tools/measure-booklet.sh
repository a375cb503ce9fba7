#!/bin/bash
# Times the booklet from the command line: 100 puzzles of 25x25, 2 a page, with their
# solutions, to PDF. Runs the program several times and prints each run's wall-clock time and
# processor time and peak memory, their medians, and the PDF's size. On a machine shared
# with other work the wall-clock time grows with the load while the processor time does not.
# Usage: measure-booklet.sh <caselio program> [runs, default 7]
set -eu
PROGRAM=$1
RUNS=${2:-7}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
for run in $(seq 1 "$RUNS"); do
    /usr/bin/time -f '%e %U %S %M' -o "$WORK/time" \
        "$PROGRAM" --libretto "$WORK/booklet.pdf" --dimensione 25 --quanti 100 --per-pagina 2 \
        --seme "$run"
    read -r seconds user system kilobytes <"$WORK/time"
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN {print u + s}')
    echo "run $run: ${seconds} s wall, ${cpu} s processor, $((kilobytes / 1024)) MB peak"
    echo "$seconds" >>"$WORK/seconds"
    echo "$cpu" >>"$WORK/cpu"
    echo "$((kilobytes / 1024))" >>"$WORK/megabytes"
done
echo "median: $(median <"$WORK/seconds") s wall, $(median <"$WORK/cpu") s processor, $(median <"$WORK/megabytes") MB peak;" \
    "PDF $(($(stat -c %s "$WORK/booklet.pdf") / 1024)) KB," \
    "$(pdfinfo "$WORK/booklet.pdf" | sed -n 's/^Pages: *//p') pages"
