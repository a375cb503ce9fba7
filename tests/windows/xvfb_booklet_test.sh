#!/bin/bash
# The booklet through the window of the real program, as a user makes it: Shift+F7, the
# booklet's dialog (16x16, 6 puzzles, 2 a page), the print dialog's PDF file: four pages,
# turned into pictures; then the same booklet through a real CUPS queue that prints into PDF
# files (cups-pdf), with a cupsd started here and stopped again.
# Usage: xvfb_booklet_test.sh <caselio program> <output directory>
set -u
PROGRAM=$1
OUT=$2
WORK=$(mktemp -d)
QUEUE=CaselioBookletTest
source "$(dirname "$0")/../support/xvfb_session.sh"
source "$(dirname "$0")/../support/cups_pdf_queue.sh"

cleanup() {
    xvfb_cleanup
    pdf_queue_cleanup
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Shift+F7, then the dialog's keys: the size list down to 16x16, 6 puzzles, 2 a page, and on.
ask_booklet() {
    xdotool key --clearmodifiers shift+F7
    local dialog
    dialog=$(wait_window '^Libretto di sudoku$' 10) || return 1
    xdotool windowactivate --sync "$dialog" 2>/dev/null
    sleep 0.5
    send_keys Down Tab ctrl+a 6 Tab Up Return
}

# Return in the print dialog once it has settled.
confirm_print_dialog() {
    local dialog
    dialog=$(wait_window '^Stampa$' 10) || return 1
    sleep 1
    xdotool windowactivate --sync "$dialog" 2>/dev/null
    xdotool key --clearmodifiers Return
}

# The pages of a booklet of six 16x16 puzzles, two a page: four of them, each with ink, and
# the headings and numbers in their places when the file still has its text (a print queue
# may turn the text into pictures of glyphs).
check_booklet() {
    local pdf=$1 stem=$2 text=${3:-text}
    [ "$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')" = 4 ] || fail "$pdf has not 4 pages"
    pdftoppm -png -r 40 "$pdf" "$OUT/$stem" 2>/dev/null || fail "pdftoppm could not read $pdf"
    for picture in "$OUT/$stem"-*.png; do
        dark=$(convert "$picture" -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
        [ "$dark" -gt 2000 ] || fail "$picture is almost empty ($dark dark pixels)"
    done
    [ "$text" = text ] || return 0
    local page
    for page in 1 2 3; do
        pdftotext -f "$page" -l "$page" "$pdf" - | grep -q "Sudoku 16x16" ||
            fail "page $page of $pdf has no puzzle heading"
        pdftotext -f "$page" -l "$page" "$pdf" - | grep -q "N\. $((page * 2))" ||
            fail "page $page of $pdf has not puzzle $((page * 2))"
    done
    pdftotext -f 4 -l 4 "$pdf" - | grep -q "Soluzioni" || fail "page 4 of $pdf is not the solutions"
    for n in 1 2 3 4 5 6; do
        pdftotext -f 4 -l 4 "$pdf" - | grep -q "N\. $n" || fail "page 4 of $pdf lacks solution $n"
    done
}

export HOME=$WORK
cd "$WORK" || exit 1
xvfb_start || fail "could not start Xvfb"
caselio_start "$PROGRAM" "$OUT/xvfb_booklet_program.log" || fail "window did not appear"
caselio_shot "$OUT/xvfb_booklet_before.png"

# To a PDF file: with no print queue, the dialog offers a file named after the booklet.
ask_booklet || fail "Shift+F7 showed no booklet dialog"
confirm_print_dialog || fail "no print dialog after the booklet's dialog"
wait_pdf "$WORK/libretto.pdf" 30 || fail "no booklet written to $WORK/libretto.pdf"
check_booklet "$WORK/libretto.pdf" xvfb_booklet
[ -z "$(ls "$WORK" | grep -v '^libretto\.pdf$')" ] || fail "files left beside the booklet: $(ls "$WORK")"
caselio_shot "$OUT/xvfb_booklet_after.png"
[ "$(convert "$OUT/xvfb_booklet_before.png" rgb:- | md5sum)" = \
    "$(convert "$OUT/xvfb_booklet_after.png" rgb:- | md5sum)" ] ||
    fail "the window looks different after the booklet"
caselio_close || fail "the program did not close"

# Through a real queue, when this machine has one to offer.
if pdf_queue_start "$QUEUE"; then
    caselio_start "$PROGRAM" "$OUT/xvfb_booklet_cups.log" || fail "window did not appear again"
    ask_booklet || fail "Shift+F7 showed no booklet dialog the second time"
    confirm_print_dialog || fail "no print dialog for the queue"
    pdf_queue_take_job "$OUT/xvfb_booklet_cups.pdf" 30 ||
        fail "the queue $QUEUE printed nothing into $PDF_QUEUE_SPOOL"
    check_booklet "$OUT/xvfb_booklet_cups.pdf" xvfb_booklet_cups pictures
    caselio_close || fail "the program did not close after the queue"
    echo "queue: printed through $QUEUE"
else
    echo "queue: no cupsd with cups-pdf here, or not root; the queue was not tried"
fi
echo "PASS: pages in $OUT"
