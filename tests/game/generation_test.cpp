// Generating puzzles into the window: the grids, the board's life and the retry loop.
#include "bank/seed_bank.h"
#include "game/window_fixture.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "windows/site_addresses.h"

#include <QAction>
#include <QFileInfo>

namespace {

void ExpectGridsConsistent(const TfrmSudoku& w, int side) {
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            EXPECT_EQ(w.PlayGrid[r][c], w.PuzzleGrid[r][c]) << r << "," << c;
            EXPECT_NE(w.SolutionGrid[r][c], ' ') << r << "," << c;
            if (w.PuzzleGrid[r][c] != ' ') {
                EXPECT_EQ(w.PuzzleGrid[r][c], w.SolutionGrid[r][c]) << r << "," << c;
            }
            EXPECT_TRUE(w.Board->IsSymbol(w.SolutionGrid[r][c]));
        }
    }
}

} // namespace

TEST_F(WindowTest, FirstGenerationPreparesGridAndCreatesBoard) {
    EXPECT_TRUE(Window->sg1->isHidden());
    EXPECT_EQ(Window->Board, nullptr);
    EXPECT_EQ(Window->RequestedWindowWidth, 598);
    Press(Qt::Key_F10);
    ASSERT_NE(Window->Board, nullptr);
    EXPECT_EQ(Window->GameState, 1);
    EXPECT_EQ(Window->BoxSize, 3);
    EXPECT_EQ(Window->Board->GetBoxSize(), 3);
    EXPECT_TRUE(Window->sg1->isVisible());
    EXPECT_EQ(Window->sg1->rowCount(), 9);
    EXPECT_EQ(Window->sg1->defaultColWidth(), 44);
    EXPECT_EQ(Window->sg1->defaultRowHeight(), 34);
    EXPECT_EQ(Window->ActGenera->text(), "Rigenera [F10]");
    EXPECT_TRUE(Messages.isEmpty());
    ExpectGridsConsistent(*Window, 9);
}

TEST_F(WindowTest, SameSizeReusesBoardAndNewSizeReplacesIt) {
    Press(Qt::Key_F10);
    const TsdBoard* first = Window->Board.get();
    const CellGrid firstPuzzle = Window->PuzzleGrid;
    Window->sg1->setCurrentCell(4, 5);
    Press(Qt::Key_F10);
    EXPECT_EQ(Window->Board.get(), first);
    EXPECT_NE(Window->PuzzleGrid, firstPuzzle);
    // The grid is not set up again for the same size: the selection stays.
    EXPECT_EQ(Window->sg1->currentCol(), 4);
    EXPECT_EQ(Window->sg1->currentRow(), 5);
    ExpectGridsConsistent(*Window, 9);

    // Choosing another size changes nothing until the next generation.
    QTest::mouseClick(Window->cbg1->item(1), Qt::LeftButton);
    ASSERT_EQ(Window->cbg1->itemIndex(), 1);
    EXPECT_EQ(Window->BoxSize, 3);
    EXPECT_EQ(Window->sg1->rowCount(), 9);
    if (GetSeedCount(4, 'E') == 0) {
        // A bank without 16x16 seeds: every attempt stops before the engine, the 9x9 board
        // and state stay, and the retry loop reports.
        Press(Qt::Key_F10);
        EXPECT_EQ(Messages.count("ENGINE ERROR: 001"), 11);
        EXPECT_EQ(Messages.last(), "INTERNAL ERROR ENGINE 10 RETRIES");
        EXPECT_EQ(Window->Board.get(), first);
        EXPECT_EQ(Window->GameState, 1);
        return;
    }
    Press(Qt::Key_F10);
    ASSERT_NE(Window->Board, nullptr);
    EXPECT_EQ(Window->Board->GetDimension(), 16);
    EXPECT_EQ(Window->BoxSize, 4);
    EXPECT_EQ(Window->sg1->rowCount(), 16);
    EXPECT_EQ(Window->sg1->colCount(), 16);
    EXPECT_EQ(Window->sg1->gridLineWidth(), 2);
    EXPECT_EQ(Window->RequestedWindowWidth, 752);
    EXPECT_EQ(Window->RequestedGridPanelWidth, 582);
    EXPECT_EQ(Window->RequestedGridHeight, 418);
    EXPECT_EQ(Window->sg1->currentCol(), 0);
    ExpectGridsConsistent(*Window, 16);

    Window->cbg1->setItemIndex(2);
    Press(Qt::Key_F10);
    EXPECT_EQ(Window->Board->GetDimension(), 25);
    ExpectGridsConsistent(*Window, 25);
}

TEST_F(WindowTest, RetryLoopRunsElevenTimesThenReports) {
    EnterState(1);
    const CellGrid puzzle = Window->PuzzleGrid;
    // No size item selected: every attempt fails before reaching the engine.
    Window->cbg1->setItemIndex(-1);
    Press(Qt::Key_F10);
    ASSERT_EQ(Messages.size(), 12);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(Messages[i], "index of checkbox errato:-1");
    EXPECT_EQ(Messages[11], "INTERNAL ERROR ENGINE 10 RETRIES");
    // A failure before the engine leaves the state and the puzzle alone.
    EXPECT_EQ(Window->GameState, 1);
    EXPECT_EQ(Window->PuzzleGrid, puzzle);
    EXPECT_TRUE(Window->ActGenera->isEnabled());
}

TEST_F(WindowTest, ResetPlayGridRemovesOnlyThePlayersEntries) {
    EnterState(4);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            if (Window->PuzzleGrid[r][c] == ' ')
                Window->PlayGrid[r][c] = '7';
    Window->ResetPlayGrid();
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(Window->PlayGrid[r][c], Window->PuzzleGrid[r][c]);
}

TEST_F(WindowTest, HelpOpensTheInstalledPageOfEachState) {
    const struct {
        int state;
        const char* page;
    } cases[] = {{0, "0"}, {1, "1"}, {2, "1"}, {4, "2"}, {5, "2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        Restart();
        Urls.clear();
        EnterState(c.state);
        Press(Qt::Key_F1);
        QTest::mouseClick(Window->btnHelp, Qt::LeftButton);
        ASSERT_EQ(Urls.size(), 2);
        EXPECT_EQ(Urls[0], Urls[1]);
        const QUrl page(Urls[0]);
        EXPECT_EQ(page.fileName(), QStringLiteral("w_velmora-caselio0-hlp%1.html").arg(c.page));
        // A build configured with a web folder for help has nothing local to find.
        if (QLatin1String(kConfiguredHelpBase).isEmpty()) {
            EXPECT_EQ(page.scheme(), "file");
            EXPECT_TRUE(QFileInfo(page.toLocalFile()).isFile()) << page.toLocalFile().toStdString();
        }
        if (c.state != 0) {
            EXPECT_TRUE(Window->sg1->hasFocus());
        }
    }
}

TEST_F(WindowTest, HelpForStateThreeOpensNothingAndUnknownStatesReport) {
    Window->showHelp(3);
    EXPECT_TRUE(Urls.isEmpty());
    EXPECT_TRUE(Messages.isEmpty());
    Window->showHelp(6);
    Window->showHelp(200);
    EXPECT_TRUE(Urls.isEmpty());
    EXPECT_EQ(Messages, (QStringList{"Internal error showHelp001: stato:6 non gestito!",
                                     "Internal error showHelp001: stato:200 non gestito!"}));
}
