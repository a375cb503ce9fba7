#include "view/grid_painter.h"
#include "view/grid_sizing.h"

#include <gtest/gtest.h>

namespace {

GridZoom StartZoom(int boxSize) {
    const GridLayout layout = *GridLayoutFor(boxSize, kMinGridFontPoints);
    return GridZoom{kMinGridFontPoints, layout.columnWidth, layout.rowHeight};
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

TEST(GridZoom, EightStepsUpReachSixteenPointsThenStop) {
    GridZoom zoom = StartZoom(3);
    for (int step = 0; step < 8; ++step)
        EXPECT_TRUE(ZoomIn(zoom)) << step;
    EXPECT_EQ(zoom.fontPoints, 16);
    EXPECT_EQ(zoom.columnWidth, 52);
    EXPECT_EQ(zoom.rowHeight, 42);
    const GridZoom before = zoom;
    EXPECT_FALSE(ZoomIn(zoom));
    EXPECT_EQ(zoom.fontPoints, before.fontPoints);
    EXPECT_EQ(zoom.columnWidth, before.columnWidth);
    EXPECT_EQ(zoom.rowHeight, before.rowHeight);
}

TEST(GridZoom, StepDownAtTheStartChangesNothing) {
    GridZoom zoom = StartZoom(3);
    EXPECT_FALSE(ZoomOut(zoom));
    EXPECT_EQ(zoom.fontPoints, 8);
    EXPECT_EQ(zoom.columnWidth, 44);
    EXPECT_EQ(zoom.rowHeight, 34);
}

TEST(GridZoom, ZoomCarriesOverToTheNextSize) {
    GridZoom zoom = StartZoom(3);
    for (int step = 0; step < 4; ++step)
        ZoomIn(zoom);
    ASSERT_EQ(zoom.fontPoints, 12);
    const GridLayout next = *GridLayoutFor(4, zoom.fontPoints);
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
