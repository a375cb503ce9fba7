#pragma once

#include "print/grid_picture.h"

#include <QImage>
#include <QPaintDevice>

class QPrinter;

// What became of a page; true only when it was printed.
struct PageOutcome {
    enum Kind {
        Printed,
        NothingToPrint, // no grid to print
        NotStarted,     // the job could not begin: no printable area, no such printer any more,
                        // or the printer refused it
        NotFinished,    // the printer reported a failure when the job ended
    };
    PageOutcome(Kind outcome) : kind(outcome) {}
    Kind kind;

    explicit operator bool() const { return kind == Printed; }
    bool operator==(const PageOutcome&) const = default;
};

// Prints the puzzle page on printer (usually a QPrinter set up by the print dialog):
// background, framed title, the grid picture and the framed rules of boxSize, laid out on
// the printable area. Prints nothing when there is no grid to print or the job cannot begin.
// The job is ended on every path; a failure thrown by the grid's painting routine still ends
// it and then goes on to the caller.
PageOutcome PrintPuzzlePage(QPaintDevice& printer, const QImage& watermark, const GridPicture& grid,
                            int boxSize);

// True for a printer chosen by name, not a PDF file, that the system no longer has. Such a
// printer still takes a job and loses it without a word, so no job is begun on it.
bool PrinterHasGoneAway(const QPrinter& printer);
