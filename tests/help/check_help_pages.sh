#!/usr/bin/env bash
# Checks a folder of help pages as it is installed: every page is well-formed HTML (tidy,
# warnings included), and every link, picture and stylesheet in the pages, and every
# url() in the stylesheets, is a file beside them, with the named anchor where there is one.
# Nothing may point outside the folder, so the pages read the same offline.
# Usage: check_help_pages.sh <help folder>
set -uo pipefail
dir=$1
command -v tidy >/dev/null || { echo "tidy is missing: run scripts/setup-deps.sh"; exit 1; }
shopt -s nullglob
pages=("$dir"/*.html)
((${#pages[@]} == 3)) || { echo "expected 3 help pages in $dir, found ${#pages[@]}"; exit 1; }

failures=0
fail() {
    echo "$*"
    failures=$((failures + 1))
}

# Resolves one reference made by `from`; `ref` is a file name with an optional #anchor.
check_reference() {
    local from=$1 ref=$2 file anchor
    if [[ $ref == *:* || $ref == /* || $ref == *..* ]]; then
        fail "$(basename "$from"): $ref points outside the help folder"
        return
    fi
    file=${ref%%#*}
    [[ -n $file ]] || file=$(basename "$from")
    if [[ ! -f $dir/$file ]]; then
        fail "$(basename "$from"): $ref is not in the help folder"
        return
    fi
    if [[ $ref == *#* ]]; then
        anchor=${ref#*#}
        grep -q "id=\"$anchor\"" "$dir/$file" || fail "$(basename "$from"): $ref has no such anchor"
    fi
}

for page in "${pages[@]}"; do
    if ! report=$(tidy -q -e -utf8 "$page" 2>&1); then
        fail "$(basename "$page") is not clean HTML:"$'\n'"$report"
    fi
    while IFS= read -r ref; do
        check_reference "$page" "$ref"
    done < <(grep -oE '(href|src)="[^"]*"' "$page" | sed -E 's/^[a-z]+="(.*)"$/\1/')
done
for sheet in "$dir"/*.css; do
    while IFS= read -r ref; do
        check_reference "$sheet" "$ref"
    done < <(grep -oE 'url\([^)]*\)' "$sheet" | sed -E "s/^url\(['\"]?([^'\")]*)['\"]?\)$/\1/")
    grep -q '@import' "$sheet" && fail "$(basename "$sheet"): @import is not allowed"
done

((failures == 0)) || exit 1
echo "${#pages[@]} help pages are well-formed and every reference resolves in $dir"
