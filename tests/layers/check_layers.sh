#!/usr/bin/env bash
# The layers of the program, as one table: which of our folders each folder under src/ may
# include, and which Qt modules. Fails on any include, or any link of one of our libraries,
# that the table does not allow, and on a folder under src/ that the table does not know.
# The game side runs base -> bank -> engine -> game -> view -> print, base holding the plain
# helpers that layers of it share (the engine needs nothing of the bank); the geometry, the
# toolkit and the desktop services stand beside it on Qt alone; windows use both sides, and app starts
# the windows, or writes the command line's booklet with the game and print layers.
# Usage: check_layers.sh <src> <Qt include directories, ';'-separated> [library=links ...]
#   Each library=links names one of our libraries (caselio_<folder>, or a test program) and
#   its direct link libraries, ':'-separated.
set -u
src=$1
qt_dirs=$2
shift 2

declare -A ours=(
    [base]="base"
    [bank]="bank base"
    [engine]="engine base"
    [geometry]="geometry"
    [desktop]="desktop"
    [game]="game engine bank base"
    [view]="view game geometry"
    [print]="print view game engine bank base geometry"
    [toolkit]="toolkit geometry"
    [windows]="windows toolkit desktop print view game engine bank base geometry"
    [app]="app windows desktop print game"
)
declare -A qt_modules=(
    [base]=""
    [bank]=""
    [engine]=""
    [geometry]="QtCore"
    [desktop]="QtCore QtGui QtWidgets QtPrintSupport"
    [game]="QtCore"
    [view]="QtCore QtGui"
    [print]="QtCore QtGui QtPrintSupport"
    [toolkit]="QtCore QtGui QtWidgets"
    [windows]="QtCore QtGui QtWidgets QtPrintSupport"
    [app]="QtCore QtGui QtWidgets"
)

# Every Qt header by name, with its module.
declare -A module_of=()
IFS=';' read -ra dirs <<<"$qt_dirs"
for dir in "${dirs[@]}"; do
    module=${dir%/}
    module=${module##*/}
    [[ $module == Qt* ]] || continue
    for header in "$dir"/*; do
        module_of[${header##*/}]=$module
        module_of[$module/${header##*/}]=$module
    done
done
if [[ ${module_of[QWidget]:-} != QtWidgets || ${module_of[QObject]:-} != QtCore ]]; then
    echo "the Qt headers were not found in: $qt_dirs"
    exit 1
fi

status=0
fail() {
    echo "$*"
    status=1
}
allowed() { [[ " $1 " == *" $2 "* ]]; }

for dir in "$src"/*/; do
    folder=${dir%/}
    folder=${folder##*/}
    [[ -n ${ours[$folder]+set} ]] || { fail "src/$folder is not in the table of layers"; continue; }
    include_pattern='include[[:space:]]*[<"]([^>"]+)[>"]'
    while IFS=: read -r file line include; do
        [[ $include =~ $include_pattern ]] || continue
        name=${BASH_REMATCH[1]}
        top=${name%%/*}
        if [[ $name == */* && -n ${ours[$top]+set} ]]; then
            allowed "${ours[$folder]}" "$top" || fail "${file#"$src"/}:$line: $folder must not include $name"
        elif [[ -n ${module_of[$name]:-} ]]; then
            allowed "${qt_modules[$folder]}" "${module_of[$name]}" ||
                fail "${file#"$src"/}:$line: $folder must not include $name (${module_of[$name]})"
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$dir")
done

# Links: our libraries and the named programs link only what their folder may include.
for pair in "$@"; do
    library=${pair%%=*}
    folder=${library#caselio_}
    folder=${folder%_tests}
    IFS=':' read -ra links <<<"${pair#*=}"
    for link in "${links[@]}"; do
        [[ $link == caselio_* ]] || continue
        linked=${link#caselio_}
        [[ -n ${ours[$linked]+set} ]] || continue
        allowed "${ours[$folder]}" "$linked" || fail "$library must not link $link"
    done
done

[[ $status -eq 0 ]] && echo "every folder of src/ includes and links only what its layer allows"
exit "$status"
