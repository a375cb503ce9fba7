// Writes one printed page of each grid size as PNG, for the README:
//   caselio_print_docs_pages <output folder>
// Each page is printed to PDF through QPrinter, exactly as the program prints, with the real
// background picture and the window's own grid drawing in the puzzle view, and turned into
// pixels by pdftoppm (poppler-utils).
#include "engine/random_source.h"
#include "engine/tsd_board.h"
#include "pdf_page.h"
#include "print/page_printer.h"
#include "print/view_grid_picture.h"
#include "print/watermark_image.h"
#include "support/pattern_grids.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kPictureDpi = 80;

bool WritePage(int boxSize, const QImage& watermark, const QDir& out, const QDir& work) {
    TsdBoard board(boxSize, AlphabetFor(boxSize), PatternPuzzle(boxSize), PatternSolution(boxSize));
    // A fixed stream state, set after the board has seeded the stream from the clock, so the
    // pictures only change when the page does.
    SetRandomState(20240601u + boxSize);
    board.Genera();
    if (board.HasError()) {
        std::fprintf(stderr, "%s\n", board.GetErrorText().c_str());
        return false;
    }
    CellGrid puzzle = MakeCellGrid();
    CellGrid solution = MakeCellGrid();
    board.ExportPuzzle(puzzle);
    board.ExportSolution(solution);
    const GridView view{boxSize, 1, puzzle, puzzle, solution, &board, false, kSeparatorWidth};
    const GridLayout layout = *GridLayoutFor(boxSize, kMinGridFontPoints);

    const int side = boxSize * boxSize;
    const QString name = QStringLiteral("print-%1x%1").arg(side);
    const QString pdf = work.filePath(name + QStringLiteral(".pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!PrintPuzzlePage(printer, watermark,
                         ViewGridPicture(view, layout, std::nullopt, GridFont(kMinGridFontPoints)),
                         boxSize))
        return false;
    const QImage page = RenderPdfPage(pdf, kPictureDpi);
    return !page.isNull() && page.save(out.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    const QImage watermark = MakeWatermarkImage();
    for (const int boxSize : {3, 4, 5})
        if (!WritePage(boxSize, watermark, out, QDir(work.path()))) {
            std::fprintf(stderr, "could not write the %dx%d page\n", boxSize * boxSize,
                         boxSize * boxSize);
            return 1;
        }
    return 0;
}
