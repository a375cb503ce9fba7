// Writes one printed A4 page of each grid size as PNG, and the 9x9 and 25x25 pages on
// landscape A4, for the README:
//   caselio_print_docs_pages <output folder>
// Each page is printed to PDF through QPrinter, exactly as the program prints, with the real
// background picture and the window's own grid drawing in the puzzle view, and turned into
// pixels by pdftoppm (poppler-utils).
#include "engine/random_source.h"
#include "engine/tsd_board.h"
#include "game/game_core.h"
#include "print/page_printer.h"
#include "print/pdf_page.h"
#include "print/view_grid_picture.h"
#include "print/watermark_image.h"
#include "support/pattern_grids.h"
#include "support/pinned_fonts.h"
#include "view/grid_sizing.h"

#include <QApplication>
#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <utility>

namespace {

constexpr int kPictureDpi = 80;

bool WritePage(int boxSize, QPageLayout::Orientation orientation, const QImage& watermark,
               const QDir& out, const QDir& work) {
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
    const GridView view =
        GridViewOf(GridContent{boxSize, 1, puzzle, puzzle, solution, &board, false});
    const GridLayout layout = *GridLayoutFor(boxSize, kMinGridFontPoints);

    const int side = boxSize * boxSize;
    const QString name =
        (orientation == QPageLayout::Landscape ? QStringLiteral("print-landscape-%1x%1")
                                               : QStringLiteral("print-%1x%1"))
            .arg(side);
    const QString pdf = work.filePath(name + QStringLiteral(".pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    if (!PrintPuzzlePage(
            printer, watermark,
            ViewGridPicture(view, layout.Cells(), std::nullopt, GridFont(kMinGridFontPoints)),
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
    PinTestFonts();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    const QImage watermark = MakeWatermarkImage();
    const std::pair<int, QPageLayout::Orientation> pages[] = {
        {3, QPageLayout::Portrait},  {4, QPageLayout::Portrait},  {5, QPageLayout::Portrait},
        {3, QPageLayout::Landscape}, {5, QPageLayout::Landscape},
    };
    for (const auto& [boxSize, orientation] : pages)
        if (!WritePage(boxSize, orientation, watermark, out, QDir(work.path()))) {
            std::fprintf(stderr, "could not write the %dx%d page\n", boxSize * boxSize,
                         boxSize * boxSize);
            return 1;
        }
    return 0;
}
