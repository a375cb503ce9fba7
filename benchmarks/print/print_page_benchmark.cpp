// Cost of the printed page: the background picture, made once at start-up, and one whole
// page printed to PDF for each grid size (the user waits for it after the print dialog).
#include "game/game_core.h"
#include "print/page_printer.h"
#include "print/view_grid_picture.h"
#include "print/watermark_image.h"
#include "support/pattern_grids.h"
#include "view/grid_sizing.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_MakeWatermarkImage(benchmark::State& state) {
    for (auto _ : state) {
        QImage image = MakeWatermarkImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_MakeWatermarkImage)->Unit(benchmark::kMillisecond);

void BM_PrintPuzzlePageToPdf(benchmark::State& state) {
    const int boxSize = int(state.range(0));
    TsdBoard board(boxSize, AlphabetFor(boxSize), PatternPuzzle(boxSize), PatternSolution(boxSize));
    CellGrid puzzle = MakeCellGrid();
    CellGrid solution = MakeCellGrid();
    board.ExportPuzzle(puzzle);
    board.ExportSolution(solution);
    const GridView view =
        GridViewOf(GridContent{boxSize, 4, puzzle, puzzle, solution, &board, true});
    const GridPicture grid =
        ViewGridPicture(view, GridLayoutFor(boxSize, 8)->Cells(), GridCell{0, 0}, GridFont(8));
    const QImage watermark = MakeWatermarkImage();
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        if (!PrintPuzzlePage(printer, watermark, grid, boxSize))
            state.SkipWithError("page not printed");
    }
}
BENCHMARK(BM_PrintPuzzlePageToPdf)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
