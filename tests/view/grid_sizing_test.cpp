#include "view/grid_painter.h"
#include "view/grid_sizing.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The font sizes met on the way from the smallest step up to the largest.
std::vector<int> StepsUp() {
    std::vector<int> steps{kMinGridFontPoints};
    for (int next = ZoomStep(steps.back(), true); next != steps.back();
         next = ZoomStep(steps.back(), true))
        steps.push_back(next);
    return steps;
}

TEST(GridSizing, CellSizesAtTheStartingFont) {
    const GridLayout small = *GridLayoutFor(3, 8);
    EXPECT_EQ(small.side, 9);
    EXPECT_EQ(small.columnWidth, 44);
    EXPECT_EQ(small.rowHeight, 34);
    EXPECT_EQ(small.lineWidth, 3);
    for (int boxSize : {4, 5}) {
        const GridLayout layout = *GridLayoutFor(boxSize, 8);
        EXPECT_EQ(layout.side, boxSize * boxSize);
        EXPECT_EQ(layout.columnWidth, 34);
        EXPECT_EQ(layout.rowHeight, 24);
        EXPECT_EQ(layout.lineWidth, 2);
    }
}

TEST(GridSizing, WindowSizes) {
    const WindowLayout small = *WindowLayoutFor(3);
    EXPECT_EQ(small.windowWidth, 598);
    EXPECT_EQ(small.windowHeight, 688);
    for (int boxSize : {4, 5}) {
        const WindowLayout layout = *WindowLayoutFor(boxSize);
        EXPECT_EQ(layout.windowWidth, 752);
        EXPECT_EQ(layout.windowHeight, 688);
    }
}

TEST(GridSizing, OtherBoxSizesChangeNothing) {
    for (int boxSize : {0, 2, 6, -3}) {
        EXPECT_FALSE(GridLayoutFor(boxSize, 8).has_value());
        EXPECT_FALSE(WindowLayoutFor(boxSize).has_value());
    }
}

TEST(GridZoom, EightPointStepsThenLargerOnesUpToTheLargestThenStop) {
    const std::vector<int> steps = StepsUp();
    ASSERT_GE(steps.size(), 10u);
    // The first eight steps: a point and a pixel each, to 16 points and 52 x 42 cells at 9x9.
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(steps[i], kMinGridFontPoints + i);
    const GridLayout sixteen = *GridLayoutFor(3, steps[8]);
    EXPECT_EQ(sixteen.columnWidth, 52);
    EXPECT_EQ(sixteen.rowHeight, 42);
    EXPECT_EQ(steps.back(), kMaxGridFontPoints);
    EXPECT_EQ(ZoomStep(kMaxGridFontPoints, true), kMaxGridFontPoints);
    // Beyond 16 points every step grows the cells, by at most a sixth, keeping their shape,
    // and a step down retraces a step up.
    for (std::size_t i = 1; i < steps.size(); ++i) {
        EXPECT_EQ(ZoomStep(steps[i], false), steps[i - 1]) << steps[i];
        if (steps[i] <= kLastPointStepFontPoints)
            continue;
        for (int boxSize : {3, 4, 5}) {
            const GridLayout before = *GridLayoutFor(boxSize, steps[i - 1]);
            const GridLayout after = *GridLayoutFor(boxSize, steps[i]);
            EXPECT_GT(after.rowHeight, before.rowHeight);
            EXPECT_LE(after.rowHeight, before.rowHeight * 7 / 6 + 1);
            const GridLayout shape = *GridLayoutFor(boxSize, kLastPointStepFontPoints);
            EXPECT_NEAR(double(after.columnWidth) / after.rowHeight,
                        double(shape.columnWidth) / shape.rowHeight, 0.05);
        }
    }
}

TEST(GridZoom, StepDownAtTheStartChangesNothing) {
    EXPECT_EQ(ZoomStep(kMinGridFontPoints, false), kMinGridFontPoints);
}

TEST(GridZoom, ZoomCarriesOverToTheNextSize) {
    const GridLayout next = *GridLayoutFor(4, StepsUp()[4]);
    EXPECT_EQ(next.columnWidth, 38);
    EXPECT_EQ(next.rowHeight, 28);
}

// The screen's grid and the printed picture place and find cells by these two functions.
TEST(GridGeometry, CellsStepByTheirSizeAndLineAndTheLineAfterACellIsPartOfIt) {
    const GridGeometry cells = GridLayoutFor(3, 8)->Cells(); // 44 x 34 cells, 3-pixel lines
    EXPECT_EQ(CellRect(cells, {1, 2}), QRect(2 * 47, 37, 44, 34));
    EXPECT_EQ(GridExtent(cells), QSize(9 * 47, 9 * 37));
    EXPECT_EQ(CellAt(cells, {0, 0}), (GridCell{0, 0}));
    EXPECT_EQ(CellAt(cells, {47, 37}), (GridCell{1, 1}));
    EXPECT_EQ(CellAt(cells, {8 * 47 + 10, 2 * 37 + 5}), (GridCell{2, 8}));
    // A point on the line after column 0 or row 0 still belongs to it.
    EXPECT_EQ(CellAt(cells, {45, 10}), (GridCell{0, 0}));
    EXPECT_EQ(CellAt(cells, {10, 36}), (GridCell{0, 0}));
    // Beyond the last cell, or outside the grid: no cell.
    EXPECT_FALSE(CellAt(cells, {9 * 47 + 1, 10}).has_value());
    EXPECT_FALSE(CellAt(cells, {10, 9 * 37 + 1}).has_value());
    EXPECT_FALSE(CellAt(cells, {-1, 10}).has_value());
    for (int row = 0; row < cells.rows; ++row)
        for (int column = 0; column < cells.columns; ++column) {
            const QRect rect = CellRect(cells, {row, column});
            ASSERT_EQ(CellAt(cells, rect.center()), (GridCell{row, column}));
            ASSERT_EQ(CellAt(cells, rect.bottomRight() + QPoint(3, 3)), (GridCell{row, column}));
        }
}

} // namespace
