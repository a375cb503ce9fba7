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
STARTED_CUPSD=""
QUEUE=CaselioBookletTest
source "$(dirname "$0")/../support/xvfb_session.sh"

cleanup() {
    xvfb_cleanup
    if [ -n "$STARTED_CUPSD" ]; then
        lpadmin -x "$QUEUE" 2>/dev/null
        kill "$STARTED_CUPSD" 2>/dev/null
        wait "$STARTED_CUPSD" 2>/dev/null
    fi
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

# Waits up to $2 seconds for a complete PDF file $1.
wait_pdf() {
    local i
    for i in $(seq 1 $(($2 * 10))); do
        [ -s "$1" ] && tail -c 8 "$1" | grep -q '%%EOF' && return 0
        sleep 0.1
    done
    return 1
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
if [ "$(id -u)" -eq 0 ] && command -v cupsd >/dev/null &&
    [ -e /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] && [ -x /usr/lib/cups/backend/cups-pdf ]; then
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        cupsd -f &
        STARTED_CUPSD=$!
        for i in $(seq 1 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
    fi
    lpadmin -p "$QUEUE" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd ||
        fail "could not add the queue"
    lpadmin -d "$QUEUE"
    # cups-pdf writes into the PDF folder of the job's owner.
    SPOOL=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
    BEFORE=$(ls "$SPOOL" 2>/dev/null)
    caselio_start "$PROGRAM" "$OUT/xvfb_booklet_cups.log" || fail "window did not appear again"
    ask_booklet || fail "Shift+F7 showed no booklet dialog the second time"
    confirm_print_dialog || fail "no print dialog for the queue"
    JOB=""
    for i in $(seq 1 300); do
        JOB=$(comm -13 <(echo "$BEFORE") <(ls "$SPOOL" 2>/dev/null) | grep '\.pdf$' | head -n 1)
        [ -n "$JOB" ] && wait_pdf "$SPOOL/$JOB" 10 && break
        sleep 0.1
    done
    [ -n "$JOB" ] || fail "the queue $QUEUE printed nothing into $SPOOL"
    cp "$SPOOL/$JOB" "$OUT/xvfb_booklet_cups.pdf" && rm -f "$SPOOL/$JOB"
    check_booklet "$OUT/xvfb_booklet_cups.pdf" xvfb_booklet_cups pictures
    caselio_close || fail "the program did not close after the queue"
    echo "queue: printed through $QUEUE"
else
    echo "queue: no cupsd with cups-pdf here, or not root; the queue was not tried"
fi
echo "PASS: pages in $OUT"
