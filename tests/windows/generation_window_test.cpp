// Generating puzzles from the window: the grid's shape, the window's size and the caption.
#include "bank/seed_bank.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "windows/window_fixture.h"

#include <QAction>

TEST_F(WindowTest, FirstGenerationShowsTheGridAndRenamesTheButton) {
    EXPECT_TRUE(Window->sg1->isHidden());
    EXPECT_EQ(Window->frameGeometry().width(), 598);
    EXPECT_EQ(Window->ActGenera->text(), "Genera [F10]");
    Press(Qt::Key_F10);
    EXPECT_EQ(Window->Game().GameState(), PuzzleView);
    EXPECT_TRUE(Window->sg1->isVisible());
    EXPECT_TRUE(Window->sg1->hasFocus());
    EXPECT_EQ(Window->sg1->rowCount(), 9);
    EXPECT_EQ(Window->sg1->defaultColWidth(), 44);
    EXPECT_EQ(Window->sg1->defaultRowHeight(), 34);
    EXPECT_EQ(Window->ActGenera->text(), "Rigenera [F10]");
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(WindowTest, SameSizeKeepsTheGridAndANewSizeReshapesIt) {
    Press(Qt::Key_F10);
    Window->sg1->setCurrentCell(5, 4);
    Press(Qt::Key_F10);
    // The grid is not set up again for the same size: the selection stays.
    EXPECT_EQ(Window->sg1->currentCell(), (GridCell{5, 4}));

    // Choosing another size changes nothing until the next generation.
    QTest::mouseClick(Window->cbg1->item(1), Qt::LeftButton);
    ASSERT_EQ(Window->cbg1->itemIndex(), 1);
    EXPECT_EQ(Window->sg1->rowCount(), 9);
    if (GetSeedCount(4, 'E') == 0)
        GTEST_SKIP() << "a bank without 16x16 seeds";
    Press(Qt::Key_F10);
    EXPECT_EQ(Window->sg1->rowCount(), 16);
    EXPECT_EQ(Window->sg1->colCount(), 16);
    EXPECT_EQ(Window->sg1->gridLineWidth(), 2);
    EXPECT_EQ(Window->frameGeometry().width(), 752);
    EXPECT_EQ(Window->sg1->currentCell(), (GridCell{0, 0}));
}

// The generate button keeps its caption when the retries give up.
TEST_F(WindowTest, GivingUpLeavesTheGenerateCaption) {
    Window->cbg1->setItemIndex(-1);
    Press(Qt::Key_F10);
    EXPECT_EQ(Messages.last(), "INTERNAL ERROR ENGINE 10 RETRIES");
    EXPECT_EQ(Window->ActGenera->text(), "Genera [F10]");
    EXPECT_TRUE(Window->ActGenera->isEnabled());
}
