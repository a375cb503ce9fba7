// What the real window shows in its grid: read back from the pixels the window last painted.
#include "view/cell_painter.h"
#include "windows/grid_window.h"

#include <QImage>
#include <QMessageBox>
#include <QScrollBar>
#include <functional>

class PaintWindowTest : public GridWindowTest {
protected:
    // The number of pure red pixels inside a cell of the grid as it is on screen now.
    int RedPixelsIn(GridCell cell) {
        const QImage shot = Shown();
        const QWidget* viewport = Grid()->viewport();
        const QRect rect =
            ShownRect(viewport, Grid()->cellRect(cell.row, cell.column) & viewport->rect());
        int red = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                red += shot.pixel(x, y) == qRgb(255, 0, 0);
        return red;
    }

    // The pixels of a cell in `shot` that pass `test`, three pixels in from its edges, clear
    // of the focus rectangle and the box separators.
    int PixelsInside(const QImage& shot, GridCell cell, const std::function<bool(QRgb)>& test) {
        const QRect inside = Grid()->cellRect(cell.row, cell.column).adjusted(3, 3, -3, -3);
        const QRect rect = ShownRect(Grid()->viewport(), inside);
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += test(shot.pixel(x, y));
        return count;
    }

    // Room for the whole 9x9 grid, so that no cell read back is scrolled out of view.
    void StartWholeGame() {
        StartGame(3);
        Window->resize(1200, 900);
        QCoreApplication::processEvents();
        ASSERT_GE(Grid()->viewport()->width(), Grid()->contentSize().width());
        ASSERT_GE(Grid()->viewport()->height(), Grid()->contentSize().height());
    }
};

TEST_F(PaintWindowTest, RepeatIsStruckWhileCheckingAndTheSelectionIsCircled) {
    StartWholeGame();
    // An open cell and a given in its row: typing the given's symbol repeats it.
    const auto [open, given] = FirstRepeatCells(Game());
    Select(open);
    Press(KeyFor(PuzzleAt(Game(), given)));
    // A third cell, away from both, takes the selection.
    const GridCell elsewhere{(open.row + 4) % 9, (open.column + 4) % 9};
    Select(elsewhere);

    EXPECT_EQ(RedPixelsIn(open), 0);
    EXPECT_EQ(RedPixelsIn(given), 0);
    EXPECT_GT(RedPixelsIn(elsewhere), 0); // the ellipse

    Press(Qt::Key_F8);
    ASSERT_TRUE(Find<QCheckBox>("cbxControllo")->isChecked());
    EXPECT_GT(RedPixelsIn(open), 0);
    EXPECT_GT(RedPixelsIn(given), 0);

    // Outside a game nothing is marked, though the repeat is still there.
    Press(Qt::Key_F6);
    EXPECT_EQ(RedPixelsIn(open), 0);
    EXPECT_EQ(RedPixelsIn(elsewhere), 0);
}

// An entry shows as soon as it is typed, and so does clearing it: the selection stays, so
// nothing but the entry asks for the repaint.
TEST_F(PaintWindowTest, AnEntryAndItsClearingShowAtOnce) {
    StartWholeGame();
    GridCell open{-1, -1};
    for (int r = 0; r < 9 && open.row < 0; ++r)
        for (int c = 0; c < 9 && open.row < 0; ++c)
            if (r != c && PuzzleAt(Game(), {r, c}) == ' ')
                open = {r, c};
    ASSERT_GE(open.row, 0);
    const auto ink = [&] {
        return PixelsInside(Shown(), open, [](QRgb p) {
            return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128;
        });
    };
    Select(open);
    EXPECT_EQ(ink(), 0);
    Press(KeyFor(Solution(open)));
    ASSERT_EQ(Cell(open), Solution(open));
    EXPECT_GT(ink(), 0);
    Press(Qt::Key_Space);
    ASSERT_EQ(Cell(open), ' ');
    EXPECT_EQ(ink(), 0);
}

// F3 tints every cell of the selected cell's symbol and no other, and the tint follows the
// selection. The selected cell is off the diagonal and its mirror holds another symbol, so a
// turned row and column shows.
TEST_F(PaintWindowTest, HighlightTintsTheSelectedSymbolAndFollowsTheSelection) {
    StartWholeGame();
    const GameCore& game = Game();
    GridCell selected{-1, -1};
    for (int r = 0; r < 9 && selected.row < 0; ++r)
        for (int c = 0; c < 9 && selected.row < 0; ++c)
            if (r != c && PuzzleAt(game, {r, c}) != ' ' && PuzzleAt(game, {c, r}) != ' ' &&
                PuzzleAt(game, {r, c}) != PuzzleAt(game, {c, r}))
                selected = {r, c};
    ASSERT_GE(selected.row, 0);
    Select(selected);
    Press(Qt::Key_F3);
    ASSERT_TRUE(game.Highlighting());
    for (const GridCell shown : {selected, GridCell{selected.column, selected.row}}) {
        Select(shown);
        const QImage shot = Shown();
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c) {
                const bool tinted = PixelsInside(shot, {r, c}, [](QRgb p) {
                                        return p == kHighlightColour.rgb();
                                    }) > 0;
                EXPECT_EQ(tinted, Cell({r, c}) == Cell(shown))
                    << "selected row " << shown.row + 1 << ", column " << shown.column + 1
                    << "; cell row " << r + 1 << ", column " << c + 1;
            }
    }
}

// The hint box names the circled cell: with the box up the grid has lost the keyboard focus
// but is still the window's active control, and keeps its ellipse.
TEST_F(PaintWindowTest, SelectionStaysCircledWhileAModalBoxIsUp) {
    StartGame(3);
    const GridCell open = FirstCell(false);
    Select(open);
    ASSERT_GT(RedPixelsIn(open), 0);
    QMessageBox box(QMessageBox::NoIcon, "Caselio", "Per questa casella", QMessageBox::Ok,
                    Window.get());
    box.open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }));
    ASSERT_FALSE(Grid()->hasFocus());
    EXPECT_GT(RedPixelsIn(open), 0);
}

// Every cell the player can see is drawn, wherever the grid sits in the window and whatever
// the screen's pixel ratio (these tests run again on a 200 % screen): scrolled to the
// bottom-right corner, the centre of each visible cell of the last row and column is a cell's
// colour, never the lines' silver that the grid's background is.
TEST_F(PaintWindowTest, WholeGridIsDrawnAtEveryZoomScrolledToTheBottomRight) {
    Window->resize(984, 728);
    for (const int n : {4, 5}) {
        for (const bool largest : {false, true}) {
            SCOPED_TRACE(testing::Message() << n << (largest ? " largest zoom" : " smallest zoom"));
            Restart();
            Window->resize(984, 728);
            StartGame(n);
            for (int step = 0; largest && step < 8; ++step)
                QTest::mouseClick(Find<QPushButton>("btnFontPiu"), Qt::LeftButton);
            const int last = Side() - 1;
            Select({last, last});
            DrawGrid* grid = Grid();
            grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
            grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());

            const QImage shot = Shown();
            int checked = 0;
            for (int i = 0; i <= last; ++i)
                for (const GridCell cell : {GridCell{last, i}, GridCell{i, last}}) {
                    const QPoint centre = CentreOf(cell);
                    if (!grid->viewport()->rect().contains(centre))
                        continue;
                    const QPoint pixel =
                        ShownRect(grid->viewport(), QRect(centre, QSize(1, 1))).topLeft();
                    ASSERT_TRUE(shot.rect().contains(pixel));
                    EXPECT_NE(shot.pixelColor(pixel), kGridLineColour)
                        << "cell row " << cell.row + 1 << ", column " << cell.column + 1;
                    ++checked;
                }
            EXPECT_GE(checked, 8);
        }
    }
}
