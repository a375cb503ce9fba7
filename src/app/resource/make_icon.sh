#!/bin/sh
# Makes the program's Windows icon from its scalable picture: the sizes Explorer, the
# taskbar and the window's corner ask for, the largest kept as PNG as Windows expects.
# Usage: make_icon.sh <picture.svg> <icon.ico>
set -eu
svg=$1
ico=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 20 24 32 40 48 64 256; do
    rsvg-convert -w "$size" -h "$size" -o "$work/$size.png" "$svg"
done
icotool -c -o "$ico" "$work/16.png" "$work/20.png" "$work/24.png" "$work/32.png" \
    "$work/40.png" "$work/48.png" "$work/64.png" -r "$work/256.png"
