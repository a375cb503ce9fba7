#!/usr/bin/env bash
# Fails when a file of the game core includes a header from a folder above it (view, print,
# toolkit, windows, app) or from Qt beyond Qt Core: widgets, painting, events, printing.
# Usage: check_game_includes.sh <src/game> <Qt include directories...>
set -u
game=$1
shift

# Every header of Qt's Gui, Widgets and PrintSupport modules, by name.
declare -A qt_above_core=()
for dir in "$@"; do
    case $(basename "$dir") in
    QtGui | QtWidgets | QtPrintSupport)
        for header in "$dir"/*; do
            qt_above_core[$(basename "$header")]=1
            qt_above_core[$(basename "$dir")/$(basename "$header")]=1
        done
        ;;
    esac
done
if [[ -z ${qt_above_core[QWidget]:-} || -z ${qt_above_core[QKeyEvent]:-} ]]; then
    echo "the Qt Widgets and Qt Gui headers were not found in: $*"
    exit 1
fi

status=0
while IFS=: read -r file line include; do
    name=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$include")
    if [[ $name =~ ^(view|print|toolkit|windows|app)/ || -n ${qt_above_core[$name]:-} ]]; then
        echo "$file:$line: the game core must not include $name"
        status=1
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$game")
[[ $status -eq 0 ]] && echo "the game core includes nothing above it"
exit "$status"
