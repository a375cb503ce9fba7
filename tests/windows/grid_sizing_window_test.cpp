// The grid's shape for each size and the zoom buttons, pressed for real on the main window.
#include "view/grid_sizing.h"
#include "windows/grid_window.h"

#include <QFontInfo>
#include <QPushButton>
#include <QScrollBar>

class SizingWindowTest : public GridWindowTest {
protected:
    void Plus(int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(Find<QPushButton>("btnFontPiu"), Qt::LeftButton);
    }
    void Minus(int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(Find<QPushButton>("btnFontMeno"), Qt::LeftButton);
    }
    QSize CellSize() const { return {Grid()->defaultColWidth(), Grid()->defaultRowHeight()}; }
    int FontPixels() const { return Grid()->font().pixelSize(); }
    // The grid font's size in points, as the grid shows it.
    int FontPoints() const {
        for (int points = kMinGridFontPoints; points <= kMaxGridFontPoints; ++points)
            if (GridFont(points).pixelSize() == FontPixels())
                return points;
        return 0;
    }
};

TEST_F(SizingWindowTest, EachSizeGetsItsShapeAtTheStartingFont) {
    const struct {
        int n;
        QSize cell;
        int line, windowWidth;
    } sizes[] = {
        {3, {44, 34}, 3, 598},
        {4, {34, 24}, 2, 752},
        {5, {34, 24}, 2, 752},
    };
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.n);
        Restart();
        Generate(s.n);
        EXPECT_EQ(Grid()->rowCount(), s.n * s.n);
        EXPECT_EQ(Grid()->colCount(), s.n * s.n);
        EXPECT_EQ(CellSize(), s.cell);
        EXPECT_EQ(Grid()->gridLineWidth(), s.line);
        EXPECT_EQ(Window->frameGeometry().size(), QSize(s.windowWidth, 688));
        EXPECT_EQ(Selection(), (GridCell{0, 0}));
        // 8 points are 11 pixels at 96 dots per inch.
        EXPECT_EQ(FontPixels(), 11);
    }
}

TEST_F(SizingWindowTest, TwentyFiveByTwentyFiveScrollsInsideItsControl) {
    Generate(5);
    QTest::qWait(10);
    EXPECT_GT(Grid()->verticalScrollBar()->maximum(), 0);
    // Moving to the last row brings it into view.
    Select({24, 24});
    const QRect last = Grid()->cellRect(24, 24);
    EXPECT_TRUE(Grid()->viewport()->rect().contains(last));
}

TEST_F(SizingWindowTest, EightPlusPressesReachSixteenPointsThenLargerStepsUpToTheLargest) {
    Generate(3);
    Plus(8);
    EXPECT_EQ(FontPoints(), 16);
    EXPECT_EQ(CellSize(), QSize(52, 42));
    EXPECT_EQ(FontPixels(), 21);
    // The ninth press goes on in the 16-point cell's shape, and so on to the largest step,
    // where "+" stops.
    Plus();
    EXPECT_EQ(FontPoints(), 18);
    EXPECT_EQ(CellSize(), QSize(59, 47));
    Plus(20);
    EXPECT_EQ(FontPoints(), kMaxGridFontPoints);
    EXPECT_EQ(CellSize(), QSize(156, 126));
    EXPECT_EQ(FontPixels(), 64);
    // And back down to the start, where "-" stops.
    Minus(30);
    EXPECT_EQ(FontPoints(), 8);
    EXPECT_EQ(CellSize(), QSize(44, 34));
}

TEST_F(SizingWindowTest, MinusAtTheStartChangesNothing) {
    Minus();
    EXPECT_EQ(FontPoints(), 8);
    Generate(3);
    Minus();
    EXPECT_EQ(FontPoints(), 8);
    EXPECT_EQ(CellSize(), QSize(44, 34));
    EXPECT_EQ(FontPixels(), 11);
}

TEST_F(SizingWindowTest, ZoomCarriesOverToTheNextSizeAndIsKeptBeforeTheFirstPuzzle) {
    // Zooming while the grid is still hidden counts for the first puzzle.
    Plus(2);
    Generate(3);
    EXPECT_EQ(CellSize(), QSize(46, 36));
    Plus(2);
    EXPECT_EQ(FontPoints(), 12);
    Generate(4);
    EXPECT_EQ(CellSize(), QSize(38, 28));
    EXPECT_EQ(Grid()->gridLineWidth(), 2);
}

TEST_F(SizingWindowTest, SecondPuzzleOfTheSameSizeKeepsSelectionAndCells) {
    Generate(4);
    Select({7, 5});
    Plus();
    Generate(4);
    EXPECT_EQ(Selection(), (GridCell{7, 5}));
    EXPECT_EQ(CellSize(), QSize(35, 25));
}

TEST_F(SizingWindowTest, ZoomWorksDuringAGameAndKeepsTheEntries) {
    StartGame(3);
    const GridCell open = FirstCell(false);
    Select(open);
    Press(KeyFor(Solution(open)));
    const CellGrid before = Game().PlayGrid();
    Plus(3);
    EXPECT_EQ(CellSize(), QSize(47, 37));
    EXPECT_EQ(Game().PlayGrid(), before);
    EXPECT_EQ(Game().GameState(), Playing);
    // The grid has the keyboard back after each click: the next symbol goes into the grid.
    for (const bool larger : {false, true}) {
        larger ? Plus() : Minus();
        ASSERT_TRUE(Grid()->hasFocus());
        Select(open);
        Press(Qt::Key_Space);
        EXPECT_EQ(Cell(open), ' ');
        Press(KeyFor(Solution(open)));
        EXPECT_EQ(Cell(open), Solution(open));
    }
}
