// One full repaint of the grid, offscreen, as the window does after every entry.
// Target: a 25x25 grid in a game with checking on, under 5 ms; also with notes in every open
// blank cell at the largest zoom.
#include "support/pattern_grids.h"
#include "view/grid_painter.h"
#include "view/grid_sizing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// A game in progress on a grid of box size n: the puzzle with about half of its open cells
// filled, some of them wrongly, so that the conflict tests run and some strokes are drawn.
struct Game {
    explicit Game(int n)
        : board(n, AlphabetFor(n), PatternPuzzle(n), PatternSolution(n)), play(MakeCellGrid()),
          puzzle(MakeCellGrid()), solution(MakeCellGrid()) {
        board.ExportPuzzle(puzzle);
        board.ExportSolution(solution);
        play = puzzle;
        const int side = n * n;
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c)
                if (puzzle[r][c] == ' ' && (r + c) % 2 == 0)
                    play[r][c] =
                        (r * side + c) % 7 == 0 ? solution[r][(c + 1) % side] : solution[r][c];
    }
    TsdBoard board;
    CellGrid play;
    CellGrid puzzle;
    CellGrid solution;
};

void PaintInto(benchmark::State& state, int n, QSize size) {
    const Game game(n);
    const GridLayout layout = *GridLayoutFor(n, kMinGridFontPoints);
    const QFont font = GridFont(kMinGridFontPoints);
    const GridView view =
        GridViewOf(GridContent{n, 4, game.play, game.puzzle, game.solution, &game.board, true});
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setClipRect(image.rect());
        PaintGrid(painter, view, layout.Cells(), GridCell{3, 3}, font);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The 25x25 grid in its control: 582 pixels wide (the grid's panel), 507 high; the cells
// beyond scroll out of sight but are painted all the same.
void BM_Repaint25x25InItsControl(benchmark::State& state) {
    PaintInto(state, 5, QSize(582, 507));
}
BENCHMARK(BM_Repaint25x25InItsControl)->Unit(benchmark::kMillisecond);

// The whole 25x25 grid on one image, as for the printed page.
void BM_Repaint25x25Whole(benchmark::State& state) {
    PaintInto(state, 5, GridExtent(GridLayoutFor(5, kMinGridFontPoints)->Cells()));
}
BENCHMARK(BM_Repaint25x25Whole)->Unit(benchmark::kMillisecond);

// The same repaint cell by cell with the fonts and their metrics worked out again for every
// cell, as the window once did: what making them once per repaint saves.
void BM_Repaint25x25CellByCell(benchmark::State& state) {
    const Game game(5);
    const GridLayout layout = *GridLayoutFor(5, kMinGridFontPoints);
    const QFont font = GridFont(kMinGridFontPoints);
    const GridView view =
        GridViewOf(GridContent{5, 4, game.play, game.puzzle, game.solution, &game.board, true});
    QImage image(QSize(582, 507), QImage::Format_RGB32);
    const QRect visible = image.rect();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(visible, kGridLineColour);
        for (int row = 0; row < layout.side; ++row)
            for (int column = 0; column < layout.side; ++column) {
                const QRect rect = CellRect(layout.Cells(), {column, row});
                if (rect.intersects(visible))
                    DrawGridCell(painter, view, column, row, rect, column == 3 && row == 3,
                                 CellFonts(font));
            }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Repaint25x25CellByCell)->Unit(benchmark::kMillisecond);

// The 25x25 grid at the largest zoom with notes in every open blank cell: the candidates left
// by the entries (`all` false), or every symbol noted, the worst case. A repaint draws what the
// grid's control shows, here the whole panel of a maximized window on a 1920x1080 screen
// scrolled to the grid's middle (`visible`), or a single cell, which is mostly the making of
// the notes' face.
void PaintWithNotes(benchmark::State& state, bool all, QSize visible) {
    const Game game(5);
    const GridLayout layout = *GridLayoutFor(5, kMaxGridFontPoints);
    const QFont font = GridFont(kMaxGridFontPoints);
    const std::string alphabet = AlphabetFor(5);
    NotesGrid notes{};
    for (int r = 0; r < 25; ++r)
        for (int c = 0; c < 25; ++c) {
            if (game.play[r][c] != ' ')
                continue;
            CellNotes candidates = NoteBit(25) - 1;
            for (int i = 0; i < 25; ++i)
                for (const char held : {game.play[r][i], game.play[i][c],
                                        game.play[r / 5 * 5 + i / 5][c / 5 * 5 + i % 5]})
                    if (held != ' ')
                        candidates &= ~NoteBit(static_cast<int>(alphabet.find(held)));
            notes[r][c] = all ? NoteBit(25) - 1 : candidates;
        }
    const GridView view = GridViewOf(GridContent{5, 4, game.play, game.puzzle, game.solution,
                                                 &game.board, true, &notes, alphabet, alphabet[0]});
    const QSize whole = GridExtent(layout.Cells());
    const QPoint scrolled((whole.width() - visible.width()) / 2,
                          (whole.height() - visible.height()) / 2);
    QImage image(visible, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setClipRect(image.rect());
        painter.translate(-scrolled);
        PaintGrid(painter, view, layout.Cells(), GridCell{12, 12}, font);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The grid's panel of a maximized window on a 1920x1080 screen.
const QSize kFullHdPanel(1920 - 226, 1080 - 30 - 185);

void BM_Repaint25x25NotesLargestZoom(benchmark::State& state) {
    PaintWithNotes(state, false, kFullHdPanel);
}
BENCHMARK(BM_Repaint25x25NotesLargestZoom)->Unit(benchmark::kMillisecond);

void BM_Repaint25x25AllNotesLargestZoom(benchmark::State& state) {
    PaintWithNotes(state, true, kFullHdPanel);
}
BENCHMARK(BM_Repaint25x25AllNotesLargestZoom)->Unit(benchmark::kMillisecond);

void BM_Repaint25x25AllNotesLargestZoomOneCell(benchmark::State& state) {
    const GridLayout layout = *GridLayoutFor(5, kMaxGridFontPoints);
    PaintWithNotes(state, true, QSize(layout.columnWidth, layout.rowHeight));
}
BENCHMARK(BM_Repaint25x25AllNotesLargestZoomOneCell)->Unit(benchmark::kMillisecond);

void BM_Repaint9x9(benchmark::State& state) {
    PaintInto(state, 3, QSize(428, 335));
}
BENCHMARK(BM_Repaint9x9)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
