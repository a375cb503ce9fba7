#!/bin/bash
# The booklet from the command line, with no display: wrong arguments are refused with an
# Italian reason, exit status 2 and no file; a file that cannot be written is reported with
# status 1 and leaves nothing; a good request writes the PDF with the pages it should have,
# and the same starting value writes the same puzzles.
# Usage: booklet_command_line_test.sh <caselio program>
set -u
PROGRAM=$(realpath "$1")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
cd "$WORK" || exit 1

fail() { echo "FAIL: $*" >&2; exit 1; }

# Each line: the arguments, then after " | " a word the reason must contain.
while IFS='|' read -r arguments word; do
    word=${word# }
    rm -f ./*.pdf
    # shellcheck disable=SC2086
    "$PROGRAM" $arguments >"$WORK/out" 2>"$WORK/err"
    status=$?
    [ "$status" -eq 2 ] || fail "'$arguments' gave status $status, not 2"
    grep -qi -- "$word" "$WORK/err" || fail "'$arguments' said $(cat "$WORK/err"), without '$word'"
    grep -q 'caselio --help' "$WORK/err" || fail "'$arguments' does not point to --help"
    [ -z "$(ls ./*.pdf 2>/dev/null)" ] || fail "'$arguments' wrote a file"
done <<'TABLE'
--libretto a.pdf --dimensione 9 | manca il numero
--libretto a.pdf --quanti 3 | manca la dimensione
--dimensione 9 --quanti 3 | manca il file
--libretto a.pdf --dimensione 12 --quanti 3 | 9, 16 o 25
--libretto a.pdf --dimensione 9 --quanti 0 | da 1 a 500
--libretto a.pdf --dimensione 9 --quanti 501 | da 1 a 500
--libretto a.pdf --dimensione 9 --quanti tre | da 1 a 500
--libretto a.pdf --dimensione 25 --quanti 3 --per-pagina 4 | 1, 2
--libretto a.pdf --dimensione 9 --quanti 3 --per-pagina 3 | 1, 2, 4, 6
--libretto a.pdf --dimensione 9 --quanti 3 --seme -1 | da 0 a 4294967295
--libretto a.pdf --dimensione 9 --quanti 3 --seme 4294967296 | da 0 a 4294967295
--libretto a.txt --dimensione 9 --quanti 3 | .pdf
--libretto a.pdf --dimensione 9 --quanti 3 --colore blu | sconosciuta
--libretto a.pdf --dimensione 9 --quanti 3 altro.pdf | non previsto
--libretto a.pdf --dimensione | senza il suo valore
TABLE

"$PROGRAM" --help >"$WORK/help" 2>&1 || fail "--help failed"
for option in --libretto --dimensione --quanti --per-pagina --seme --help; do
    grep -q -- "$option" "$WORK/help" || fail "--help does not list $option"
done

# Unwritable: a folder that is not there, and a file in a folder without write permission
# (root may write anywhere, so that case is tried only for others).
"$PROGRAM" --libretto "$WORK/none/a.pdf" --dimensione 9 --quanti 2 2>"$WORK/err"
[ $? -eq 1 ] || fail "a missing folder did not give status 1"
grep -q 'Impossibile scrivere' "$WORK/err" || fail "a missing folder was not reported: $(cat "$WORK/err")"
[ ! -e "$WORK/none" ] || fail "a missing folder was made"
if [ "$(id -u)" -ne 0 ]; then
    mkdir "$WORK/locked" && chmod 555 "$WORK/locked"
    "$PROGRAM" --libretto "$WORK/locked/a.pdf" --dimensione 9 --quanti 2 2>/dev/null
    [ $? -eq 1 ] || fail "a locked folder did not give status 1"
    [ -z "$(ls -A "$WORK/locked")" ] || fail "a locked folder got a file"
fi

# Good requests: page counts, and the starting value.
"$PROGRAM" --libretto one.pdf --dimensione 16 --quanti 5 --per-pagina 2 --seme 7 ||
    fail "a good request failed"
"$PROGRAM" --libretto two.pdf --dimensione 16 --quanti 5 --per-pagina 2 --seme 7 ||
    fail "the same request failed"
"$PROGRAM" --libretto three.pdf --dimensione 16 --quanti 5 --per-pagina 2 --seme 8 ||
    fail "another starting value failed"
pages=$(pdfinfo one.pdf | sed -n 's/^Pages: *//p')
[ "$pages" = 4 ] || fail "5 puzzles of 16x16, 2 a page, gave $pages pages, not 3 + 1"
[ "$(pdftotext one.pdf -)" = "$(pdftotext two.pdf -)" ] || fail "the same --seme gave other puzzles"
[ "$(pdftotext one.pdf -)" != "$(pdftotext three.pdf -)" ] || fail "another --seme gave the same puzzles"
[ -z "$(ls -A | grep -v '^\(one\|two\|three\)\.pdf$\|^out$\|^err$\|^help$')" ] ||
    fail "files were left beside the booklets: $(ls -A)"
echo "PASS"
