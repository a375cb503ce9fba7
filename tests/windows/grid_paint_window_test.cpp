// What the real window paints into its grid: read back from the grid's own pixels.
#include "windows/grid_window.h"

#include <QImage>
#include <QMessageBox>

class PaintWindowTest : public GridWindowTest {
protected:
    // The number of pure red pixels inside a cell of the grid as it is on screen now.
    int RedPixelsIn(QPoint cell) {
        const QImage shot = Window->sg1->viewport()->grab().toImage();
        const QRect rect = Window->sg1->cellRect(cell.x(), cell.y()) & shot.rect();
        int red = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                red += shot.pixel(x, y) == qRgb(255, 0, 0);
        return red;
    }
};

TEST_F(PaintWindowTest, RepeatIsStruckWhileCheckingAndTheSelectionIsCircled) {
    StartGame(3);
    // Room for the whole grid, so that no cell read back is scrolled out of view.
    Window->resize(1200, 900);
    QCoreApplication::processEvents();
    ASSERT_GE(Window->sg1->viewport()->width(), Window->sg1->contentSize().width());
    ASSERT_GE(Window->sg1->viewport()->height(), Window->sg1->contentSize().height());
    // An open cell and a given in its row: typing the given's symbol repeats it.
    QPoint open(-1, -1), given(-1, -1);
    for (int r = 0; r < 9 && open.x() < 0; ++r) {
        int g = -1, o = -1;
        for (int c = 0; c < 9; ++c)
            (Window->Game.PuzzleGrid[r][c] == ' ' ? o : g) = c;
        if (g >= 0 && o >= 0)
            open = {o, r}, given = {g, r};
    }
    ASSERT_GE(open.x(), 0);
    Select(open);
    Press(KeyFor(Window->Game.PuzzleGrid[given.y()][given.x()]));
    // A third cell, away from both, takes the selection.
    const QPoint elsewhere((open.x() + 4) % 9, (open.y() + 4) % 9);
    Select(elsewhere);

    EXPECT_EQ(RedPixelsIn(open), 0);
    EXPECT_EQ(RedPixelsIn(given), 0);
    EXPECT_GT(RedPixelsIn(elsewhere), 0); // the ellipse

    Press(Qt::Key_F8);
    ASSERT_TRUE(Window->cbxControllo->isChecked());
    EXPECT_GT(RedPixelsIn(open), 0);
    EXPECT_GT(RedPixelsIn(given), 0);

    // Outside a game nothing is marked, though the repeat is still there.
    Press(Qt::Key_F6);
    EXPECT_EQ(RedPixelsIn(open), 0);
    EXPECT_EQ(RedPixelsIn(elsewhere), 0);
}

// The hint box names the circled cell: with the box up the grid has lost the keyboard focus
// but is still the window's active control, and keeps its ellipse.
TEST_F(PaintWindowTest, SelectionStaysCircledWhileAModalBoxIsUp) {
    StartGame(3);
    const QPoint open = FirstCell(false);
    Select(open);
    ASSERT_GT(RedPixelsIn(open), 0);
    QMessageBox box(QMessageBox::NoIcon, "Caselio", "Per questa casella", QMessageBox::Ok,
                    Window.get());
    box.open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }));
    ASSERT_FALSE(Window->sg1->hasFocus());
    EXPECT_GT(RedPixelsIn(open), 0);
}
