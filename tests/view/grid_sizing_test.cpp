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
    for (int boxSize : {3, 4, 5})
        EXPECT_EQ(GridLayoutFor(boxSize, 8)->separatorWidth, 3);
}

TEST(GridSizing, ControlHeightsFitOrScroll) {
    // 9x9 and 16x16 show every row (plus a 2-pixel border); 25x25 scrolls.
    for (int boxSize : {3, 4}) {
        const GridLayout layout = *GridLayoutFor(boxSize, 8);
        EXPECT_EQ(layout.controlHeight, GridExtent(layout).height() + 2) << boxSize;
    }
    const GridLayout large = *GridLayoutFor(5, 8);
    EXPECT_EQ(large.controlHeight, 507);
    EXPECT_EQ(GridExtent(large).height(), 650);
    EXPECT_GT(GridExtent(large).height(), large.controlHeight);
}

TEST(GridSizing, WindowSizes) {
    const WindowLayout small = *WindowLayoutFor(3);
    EXPECT_EQ(small.windowWidth, 598);
    EXPECT_EQ(small.panelWidth, 428);
    EXPECT_EQ(small.windowHeight, 688);
    for (int boxSize : {4, 5}) {
        const WindowLayout layout = *WindowLayoutFor(boxSize);
        EXPECT_EQ(layout.windowWidth, 752);
        EXPECT_EQ(layout.panelWidth, 582);
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

TEST(GridGeometry, CellUnderAPoint) {
    const GridLayout layout = *GridLayoutFor(3, 8); // 44 x 34 cells, 3-pixel lines
    EXPECT_EQ(CellAt(layout, {0, 0}), (GridCell{0, 0}));
    EXPECT_EQ(CellAt(layout, {43, 33}), (GridCell{0, 0}));
    EXPECT_EQ(CellAt(layout, {47, 37}), (GridCell{1, 1}));
    EXPECT_EQ(CellAt(layout, {8 * 47 + 10, 2 * 37 + 5}), (GridCell{8, 2}));
    // On a line, beyond the last cell, or outside the grid: no cell.
    EXPECT_FALSE(CellAt(layout, {44, 10}).has_value());
    EXPECT_FALSE(CellAt(layout, {10, 35}).has_value());
    EXPECT_FALSE(CellAt(layout, {9 * 47 + 1, 10}).has_value());
    EXPECT_FALSE(CellAt(layout, {10, 9 * 37 + 1}).has_value());
    EXPECT_FALSE(CellAt(layout, {-1, 10}).has_value());
    for (int row = 0; row < layout.side; ++row)
        for (int column = 0; column < layout.side; ++column) {
            const QRect rect = CellRect(layout, {column, row});
            ASSERT_EQ(CellAt(layout, rect.center()), (GridCell{column, row}));
            ASSERT_EQ(CellAt(layout, rect.bottomRight()), (GridCell{column, row}));
        }
}

} // namespace
