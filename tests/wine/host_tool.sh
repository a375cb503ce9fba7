#!/bin/sh
# Runs a program of the build host (poppler's pdftoppm and pdftotext) for a test program
# running under Wine. The Windows paths among its arguments become the Unix paths they name.
# Wine does not wait for a host program, nor see its exit status, so the status is left in
# <status file> once the program has ended.
# Usage: host_tool.sh <status file> <program> <arguments...>
# A drive letter names a link in the prefix's dosdevices folder; winepath, a Wine program of
# its own that takes a second to start, is asked only when that gives no existing folder.
to_unix() {
    case $1 in
    [A-Za-z]:[\\/]*)
        local drive path
        drive=$(printf '%s' "${1%%:*}" | tr '[:upper:]' '[:lower:]')
        path="${WINEPREFIX:-$HOME/.wine}/dosdevices/$drive:$(printf '%s' "${1#?:}" | tr '\\' /)"
        if [ -d "$(dirname "$path")" ]; then
            printf '%s\n' "$path"
        else
            winepath -u "$1" 2>/dev/null
        fi
        ;;
    *) printf '%s\n' "$1" ;;
    esac
}
status=$(to_unix "$1")
tool=$2
shift 2
for arg; do
    set -- "$@" "$(to_unix "$arg")"
    shift
done
code=0
"$tool" "$@" || code=$?
echo "$code" >"$status.part"
mv "$status.part" "$status"
