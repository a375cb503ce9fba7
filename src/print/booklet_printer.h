#pragma once

#include "game/booklet_puzzles.h"

#include <QPageLayout>
#include <QPageRanges>
#include <QString>
#include <functional>
#include <vector>

class QPagedPaintDevice;

// What became of a booklet.
enum class BookletOutcome {
    Printed,
    Cancelled,   // stopped at the reader's request; nothing is left of it
    NotStarted,  // the job or the file could not begin
    NotFinished, // the printer or the file reported a failure at the end
};

// Told before each page with the pages done and all the pages; false stops the booklet.
using BookletProgress = std::function<bool(int done, int pages)>;

// Prints puzzles of boxSize onto device (a printer set up by the print dialog, or a PDF
// writer): the puzzles numbered from 1, as many to a page as asked and as fit legibly on its
// paper (see PlanBooklet), then their solutions with the same numbers; only the pages of the
// device's page ranges where it has them (a range chosen in the print dialog). A printer's
// job is aborted when the booklet is stopped; the progress counts the pages printed.
BookletOutcome PrintBooklet(QPagedPaintDevice& device, const std::vector<BookletPuzzle>& puzzles,
                            int boxSize, int wantedPerPage, const BookletProgress& progress);

// The booklet as a PDF file at path on paper `layout`, the pages of `pages` only unless it is
// empty, written to a temporary file beside it
// that takes the name only once complete: a booklet that is stopped or fails leaves whatever
// was there before. On failure, error says why.
struct BookletFileResult {
    BookletOutcome outcome = BookletOutcome::NotStarted;
    QString error;
};
BookletFileResult WriteBookletPdf(const QString& path, const QPageLayout& layout,
                                  const QPageRanges& pages,
                                  const std::vector<BookletPuzzle>& puzzles, int boxSize,
                                  int wantedPerPage, const BookletProgress& progress);

// The texts of the booklet's pages.
QString BookletPuzzleHeading(int boxSize);
QString BookletSolutionHeading(int boxSize);
QString BookletNumberLabel(int number);
QString BookletPageFooter(int page, int pages);
