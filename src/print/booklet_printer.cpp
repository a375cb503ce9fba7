#include "print/booklet_printer.h"

#include "print/booklet_grid.h"
#include "print/booklet_layout.h"
#include "print/draw_grid_picture.h"
#include "print/page_printer.h"
#include "print/print_failure_text.h"
#include "view/cell_painter.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int kPdfResolution = 1200;

QFont TextFont(int pixelHeight, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(std::max(1, pixelHeight));
    font.setBold(bold);
    return font;
}

QString SizeName(int boxSize) {
    const int side = boxSize * boxSize;
    return QStringLiteral("%1x%1").arg(side);
}

// The screen's grid draws its heavy lines after each box, and its control frames the left and
// top: on paper the grid gets the whole frame, as heavy as those lines.
void DrawOuterFrame(QPainter& canvas, const QRect& grid, const GridPicture& picture) {
    const double width = kSeparatorWidth * double(grid.width()) / picture.size.width();
    canvas.save();
    canvas.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(QRectF(grid).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    canvas.restore();
}

// One page: its heading, every grid with its number above it, and the page number.
void PaintPage(QPainter& canvas, QSize page, const std::vector<BookletPuzzle>& puzzles, int first,
               int places, int boxSize, bool solutions, int pageNumber, int pages) {
    const BookletPage laid = LayOutBookletPage(page, places, BookletGridShape(boxSize));
    canvas.setPen(Qt::black);
    canvas.setFont(TextFont(laid.heading.height() * 6 / 10, true));
    canvas.drawText(laid.heading, Qt::AlignLeft | Qt::AlignTop,
                    solutions ? BookletSolutionHeading(boxSize) : BookletPuzzleHeading(boxSize));
    canvas.setFont(TextFont(laid.footer.height() * 5 / 10, false));
    canvas.drawText(laid.footer, Qt::AlignHCenter | Qt::AlignBottom,
                    BookletPageFooter(pageNumber, pages));
    const int last = std::min<int>(first + places, int(puzzles.size()));
    for (int k = first; k < last; ++k) {
        const QRect label = laid.labels[std::size_t(k - first)];
        canvas.setPen(Qt::black);
        canvas.setFont(TextFont(label.height() * 7 / 10, true));
        canvas.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, BookletNumberLabel(k + 1));
        const QRect grid = laid.grids[std::size_t(k - first)];
        const GridPicture picture = BookletGridPicture(puzzles[std::size_t(k)], boxSize, solutions);
        DrawGridPicture(canvas, grid, picture);
        DrawOuterFrame(canvas, grid, picture);
    }
}

// The pages the print dialog or the writer was told to print, numbered from 1; none for all.
QPageRanges ChosenPages(const QPagedPaintDevice& device) {
    if (device.devType() == QInternal::Printer &&
        static_cast<const QPrinter&>(device).printRange() != QPrinter::PageRange)
        return {};
    return device.pageRanges();
}

void Abort(QPagedPaintDevice& device, QPainter& canvas) {
    if (device.devType() == QInternal::Printer)
        static_cast<QPrinter&>(device).abort();
    if (canvas.isActive())
        canvas.end();
}

} // namespace

QString BookletPuzzleHeading(int boxSize) {
    return QStringLiteral("Caselio · Sudoku %1").arg(SizeName(boxSize));
}

QString BookletSolutionHeading(int boxSize) {
    return QStringLiteral("Soluzioni · Sudoku %1").arg(SizeName(boxSize));
}

QString BookletNumberLabel(int number) {
    return QStringLiteral("N. %1").arg(number);
}

QString BookletPageFooter(int page, int pages) {
    return QStringLiteral("Pagina %1 di %2").arg(page).arg(pages);
}

BookletOutcome PrintBooklet(QPagedPaintDevice& device, const std::vector<BookletPuzzle>& puzzles,
                            int boxSize, int wantedPerPage, const BookletProgress& progress) {
    const QSize page(device.width(), device.height());
    if (puzzles.empty() || page.isEmpty() || BookletGridShape(boxSize).isEmpty())
        return BookletOutcome::NotStarted;
    if (device.devType() == QInternal::Printer &&
        PrinterHasGoneAway(static_cast<const QPrinter&>(device)))
        return BookletOutcome::NotStarted;
    const BookletPlan plan = PlanBooklet(boxSize, int(puzzles.size()), wantedPerPage,
                                         QSizeF(device.widthMM(), device.heightMM()));
    const int pages = plan.Pages();
    std::vector<int> chosen; // the pages to print, from 0
    const QPageRanges ranges = ChosenPages(device);
    for (int p = 0; p < pages; ++p)
        if (ranges.isEmpty() || ranges.contains(p + 1))
            chosen.push_back(p);
    if (chosen.empty())
        return BookletOutcome::NotStarted;
    const int count = int(chosen.size());
    if (progress && !progress(0, count))
        return BookletOutcome::Cancelled;

    QPainter canvas;
    if (!canvas.begin(&device))
        return BookletOutcome::NotStarted;
    canvas.setRenderHint(QPainter::Antialiasing);
    for (int done = 0; done < count; ++done) {
        if (done > 0) {
            if (progress && !progress(done, count)) {
                Abort(device, canvas);
                return BookletOutcome::Cancelled;
            }
            if (!device.newPage()) {
                Abort(device, canvas);
                return BookletOutcome::NotFinished;
            }
        }
        const int p = chosen[std::size_t(done)];
        const bool solutions = p >= plan.PuzzlePages();
        const int places = solutions ? plan.solutionsPerPage : plan.puzzlesPerPage;
        const int first = solutions ? (p - plan.PuzzlePages()) * places : p * places;
        PaintPage(canvas, page, puzzles, first, places, boxSize, solutions, p + 1, pages);
    }
    if (progress && !progress(count, count)) {
        Abort(device, canvas);
        return BookletOutcome::Cancelled;
    }
    if (!canvas.end())
        return BookletOutcome::NotFinished;
    if (device.devType() == QInternal::Printer &&
        static_cast<QPrinter&>(device).printerState() == QPrinter::Error)
        return BookletOutcome::NotFinished;
    return BookletOutcome::Printed;
}

BookletFileResult WriteBookletPdf(const QString& path, const QPageLayout& layout,
                                  const QPageRanges& pages,
                                  const std::vector<BookletPuzzle>& puzzles, int boxSize,
                                  int wantedPerPage, const BookletProgress& progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {BookletOutcome::NotStarted, FileNotWritableText(path, file.errorString())};
    BookletOutcome outcome;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(layout);
        writer.setPageRanges(pages);
        writer.setCreator(QStringLiteral("Caselio"));
        writer.setTitle(BookletPuzzleHeading(boxSize));
        outcome = PrintBooklet(writer, puzzles, boxSize, wantedPerPage, progress);
    }
    if (outcome != BookletOutcome::Printed) {
        file.cancelWriting();
        QString error;
        if (outcome != BookletOutcome::Cancelled)
            error = FileNotWritableText(path, file.errorString());
        return {outcome, error};
    }
    if (!file.commit())
        return {BookletOutcome::NotFinished, FileNotWritableText(path, file.errorString())};
    return {BookletOutcome::Printed, {}};
}
