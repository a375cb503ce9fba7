// Generating puzzles from the window: the grid's shape, the window's size and the caption.
#include "bank/seed_bank.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "windows/window_fixture.h"

#include <QAction>

TEST_F(WindowTest, FirstGenerationShowsTheGridAndRenamesTheButton) {
    EXPECT_TRUE(Grid()->isHidden());
    EXPECT_EQ(Window->frameGeometry().width(), 598);
    EXPECT_EQ(Find<QAction>("ActGenera")->text(), "Genera [F10]");
    Press(Qt::Key_F10);
    EXPECT_EQ(Game().GameState(), PuzzleView);
    EXPECT_TRUE(Grid()->isVisible());
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_EQ(Grid()->rowCount(), 9);
    EXPECT_EQ(Grid()->defaultColWidth(), 44);
    EXPECT_EQ(Grid()->defaultRowHeight(), 34);
    EXPECT_EQ(Find<QAction>("ActGenera")->text(), "Rigenera [F10]");
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(WindowTest, SameSizeKeepsTheGridAndANewSizeReshapesIt) {
    Press(Qt::Key_F10);
    Grid()->setCurrentCell(5, 4);
    Press(Qt::Key_F10);
    // The grid is not set up again for the same size: the selection stays.
    EXPECT_EQ(Grid()->currentCell(), (GridCell{5, 4}));

    // Choosing another size changes nothing until the next generation.
    QTest::mouseClick(Find<RadioGroup>("cbg1")->item(1), Qt::LeftButton);
    ASSERT_EQ(Find<RadioGroup>("cbg1")->itemIndex(), 1);
    EXPECT_EQ(Grid()->rowCount(), 9);
    if (GetSeedCount(4, 'E') == 0)
        GTEST_SKIP() << "a bank without 16x16 seeds";
    Press(Qt::Key_F10);
    EXPECT_EQ(Grid()->rowCount(), 16);
    EXPECT_EQ(Grid()->colCount(), 16);
    EXPECT_EQ(Grid()->gridLineWidth(), 2);
    EXPECT_EQ(Window->frameGeometry().width(), 752);
    EXPECT_EQ(Grid()->currentCell(), (GridCell{0, 0}));
}

// The generate button keeps its caption when the retries give up.
TEST_F(WindowTest, GivingUpLeavesTheGenerateCaption) {
    Find<RadioGroup>("cbg1")->setItemIndex(-1);
    Press(Qt::Key_F10);
    EXPECT_EQ(Messages.last(), "INTERNAL ERROR ENGINE 10 RETRIES");
    EXPECT_EQ(Find<QAction>("ActGenera")->text(), "Genera [F10]");
    EXPECT_TRUE(Find<QAction>("ActGenera")->isEnabled());
}
