// One full repaint of the real window's grid, as after every entry: a 25x25 game with
// checking on and about half of the open cells filled, painted into an image of the grid
// control's size through the grid's own paint event and cell callback.
// Target: under 5 ms.
#include "desktop/desktop_services.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

void BM_WindowRepaint25x25Playing(benchmark::State& state) {
    DesktopServices services = RealDesktopServices();
    services.showMessage = [](QWidget*, const QString&) {};
    TfrmSudoku window(services);
    window.show();
    DrawGrid* grid = window.findChild<DrawGrid*>(QStringLiteral("sg1"));
    window.findChild<RadioGroup*>(QStringLiteral("cbg1"))->setItemIndex(2);
    window.findChild<QAction*>(QStringLiteral("ActGenera"))->trigger();
    window.findChild<QAction*>(QStringLiteral("ActPlay"))->trigger();
    window.findChild<QCheckBox*>(QStringLiteral("cbxControllo"))->click();
    // Every other open cell filled, every seventh of those with a neighbour's symbol, so
    // that the conflict tests run and some strokes are drawn; typed as the player types.
    const GameCore& game = *window.findChild<GameCore*>(QStringLiteral("game"));
    for (int r = 0; r < 25; ++r)
        for (int c = 0; c < 25; ++c)
            if (game.PuzzleGrid()[r][c] == ' ' && (r + c) % 2 == 0) {
                const char symbol = (r * 25 + c) % 7 == 0 ? game.SolutionGrid()[r][(c + 1) % 25]
                                                          : game.SolutionGrid()[r][c];
                grid->setCurrentCell(r, c);
                QKeyEvent key(QEvent::KeyPress, Qt::Key_A + (symbol - 'A'), Qt::NoModifier,
                              QString(QChar::fromLatin1(symbol)));
                QCoreApplication::sendEvent(grid, &key);
            }
    grid->setFocus();
    QWidget* viewport = grid->viewport();
    QImage image(viewport->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        viewport->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["width"] = viewport->width();
    state.counters["height"] = viewport->height();
}
BENCHMARK(BM_WindowRepaint25x25Playing)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
