// The draw grid: cell geometry, navigation, mouse-to-cell, hooks, scrolling, pop-up switch.
#include "toolkit/draw_grid.h"

#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

class DrawGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid.setColCount(9);
        Grid.setRowCount(9);
        Grid.setDefaultColWidth(44);
        Grid.setDefaultRowHeight(34);
        Grid.setGridLineWidth(3);
        Grid.setFrameStyle(QFrame::NoFrame);
        Grid.resize(9 * 47, 9 * 37);
        Grid.show();
        Grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Grid));
        Grid.setFocus();
    }
    DrawGrid Grid;
};

} // namespace

TEST_F(DrawGridTest, ALeftClickSelectsTheCellUnderIt) {
    QTest::mouseClick(Grid.viewport(), Qt::LeftButton, {}, {47 * 2 + 5, 37 + 5});
    EXPECT_EQ(Grid.currentColumn(), 2);
    EXPECT_EQ(Grid.currentRow(), 1);
}

TEST_F(DrawGridTest, NavigationKeysMoveTheCurrentCellWithinTheGrid) {
    QTest::keyClick(&Grid, Qt::Key_Left);
    EXPECT_EQ(Grid.currentColumn(), 0);
    QTest::keyClick(&Grid, Qt::Key_Right);
    QTest::keyClick(&Grid, Qt::Key_Down);
    EXPECT_EQ(Grid.currentColumn(), 1);
    EXPECT_EQ(Grid.currentRow(), 1);
    QTest::keyClick(&Grid, Qt::Key_End);
    EXPECT_EQ(Grid.currentColumn(), 8);
    QTest::keyClick(&Grid, Qt::Key_Home);
    EXPECT_EQ(Grid.currentColumn(), 0);
    QTest::keyClick(&Grid, Qt::Key_PageDown);
    EXPECT_EQ(Grid.currentRow(), 8);
    QTest::keyClick(&Grid, Qt::Key_PageUp);
    EXPECT_EQ(Grid.currentRow(), 0);
}

// Ctrl+Home and Ctrl+End go to the corners, moving row and column at once. The grid is not
// square and each start is off its diagonal, so a turned row and column cannot pass.
TEST_F(DrawGridTest, CtrlHomeAndCtrlEndGoToTheFirstAndTheLastCell) {
    Grid.setColCount(6);
    Grid.setCurrentCell(2, 5);
    QTest::keyClick(&Grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid.currentCell(), (GridCell{8, 5}));
    Grid.setCurrentCell(3, 1);
    QTest::keyClick(&Grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Grid.currentCell(), (GridCell{0, 0}));
}

TEST_F(DrawGridTest, KeyHookSeesKeysAndNavigationStillRuns) {
    std::vector<int> seen;
    Grid.setKeyDownHook([&](QKeyEvent& key) {
        seen.push_back(key.key());
        key.accept();
    });
    QTest::keyClick(&Grid, Qt::Key_Right);
    QTest::keyClick(&Grid, Qt::Key_5);
    EXPECT_EQ(seen, (std::vector<int>{Qt::Key_Right, Qt::Key_5}));
    EXPECT_EQ(Grid.currentColumn(), 1);
}

TEST_F(DrawGridTest, OwnerPaintsOnceAtTheGridsOriginAndTheCurrentCellGetsTheFocusRectangle) {
    int paints = 0;
    std::optional<GridCell> focusedCell;
    Grid.setPaintCells([&](QPainter& painter, std::optional<GridCell> focused) {
        ++paints;
        focusedCell = focused;
        painter.fillRect(QRect(QPoint(0, 0), Grid.contentSize()), Qt::red);
    });
    Grid.setCurrentCell(4, 3);
    const QImage image = Grid.viewport()->grab().toImage();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(focusedCell, (GridCell{4, 3}));
    EXPECT_EQ(image.pixelColor(20, 10), QColor(Qt::red));
    // The dotted focus rectangle is drawn over the current cell's edge.
    const QRect current = Grid.cellRect(4, 3);
    bool dark = false;
    for (int x = current.left(); x < current.left() + 6; ++x)
        dark = dark || image.pixelColor(x, current.top()) == QColor(Qt::black);
    EXPECT_TRUE(dark);
}

TEST_F(DrawGridTest, ScrollsWhenCellsOutgrowTheControl) {
    Grid.setColCount(25);
    Grid.setRowCount(25);
    EXPECT_GT(Grid.verticalScrollBar()->maximum(), 0);
    Grid.setCurrentCell(24, 24);
    EXPECT_GT(Grid.verticalScrollBar()->value(), 0);
    const QRect last = Grid.cellRect(24, 24);
    EXPECT_TRUE(Grid.viewport()->rect().contains(last));
    EXPECT_EQ(Grid.cellAt(last.center()), (GridCell{24, 24}));
}

TEST_F(DrawGridTest, PopupOnlyWhileAutomaticPopupIsOn) {
    QMenu menu;
    menu.addAction("x");
    bool shown = false;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] {
        shown = true;
        QMetaObject::invokeMethod(&menu, &QMenu::close, Qt::QueuedConnection);
    });
    Grid.setPopupMenu(&menu);
    Grid.setAutoPopup(false);
    QContextMenuEvent off(QContextMenuEvent::Mouse, {5, 5}, Grid.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Grid.viewport(), &off);
    EXPECT_FALSE(shown);
    Grid.setAutoPopup(true);
    QContextMenuEvent on(QContextMenuEvent::Mouse, {5, 5}, Grid.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Grid.viewport(), &on);
    EXPECT_TRUE(shown);
}
