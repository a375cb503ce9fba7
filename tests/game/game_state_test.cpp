// The window in each game state: enabled actions and selectors, button texts, panels.
#include "game/window_fixture.h"
#include "toolkit/action_button.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <vector>

namespace {

struct Expected {
    int state;
    bool genera, print, toggle, play, hint, selectors, gamePanel;
    const char* toggleText;
    const char* playText;
};

// The look of every state the window can be driven into.
const Expected kStates[] = {
    {0, true, false, false, false, false, true, false, "Visualizza soluzione", "Gioca"},
    {1, true, true, true, true, false, true, false, " Mostra soluzione [F6] ", " Gioca [F5] "},
    {2, true, true, true, true, false, true, false, " Mostra gioco [F6]", " Gioca [F5]"},
    {4, false, true, true, true, true, false, true, " Mostra soluzione [F6]",
     " Abbandona gioco [F5] "},
    {5, false, true, true, true, false, false, false, " Mostra gioco [F6]",
     " Abbandona gioco [F5]"},
};

} // namespace

TEST_F(WindowTest, EveryStateShowsItsActionsTextsAndPanels) {
    for (const Expected& e : kStates) {
        SCOPED_TRACE(e.state);
        Restart();
        EnterState(e.state);
        EXPECT_EQ(Find<QAction>("ActGenera")->isEnabled(), e.genera);
        EXPECT_EQ(Find<QAction>("ActPrint")->isEnabled(), e.print);
        EXPECT_EQ(Find<QAction>("ActToggleView")->isEnabled(), e.toggle);
        EXPECT_EQ(Find<QAction>("ActPlay")->isEnabled(), e.play);
        EXPECT_EQ(Find<QAction>("ActSuggerisci")->isEnabled(), e.hint);
        EXPECT_TRUE(Find<QAction>("ActHelp")->isEnabled());
        EXPECT_EQ(Find<RadioGroup>("cbg1")->isEnabled(), e.selectors);
        EXPECT_EQ(Find<RadioGroup>("cbgLivello")->isEnabled(), e.selectors);
        // Bound buttons follow their actions exactly.
        EXPECT_EQ(Find<ActionButton>("btnGenera")->isEnabled(), e.genera);
        EXPECT_EQ(Find<ActionButton>("btnPlay")->isEnabled(), e.play);
        EXPECT_EQ(Find<ActionButton>("cxButton1")->isEnabled(), e.hint);
        EXPECT_EQ(Find<ActionButton>("btnToggleView")->text().toStdString(), e.toggleText);
        EXPECT_EQ(Find<ActionButton>("btnPlay")->text().toStdString(), e.playText);
        EXPECT_EQ(Find<QWidget>("pnlGameOn")->isVisible(), e.gamePanel);
        EXPECT_EQ(Find<SegmentClock>("Clock1")->isVisible(), e.gamePanel);
        EXPECT_EQ(Find<QWidget>("sg1")->isVisible(), e.state != 0);
        EXPECT_EQ(Window->sg1->autoPopup(), e.state != 0);
        // Hidden controls stay hidden and the level stays on its first item.
        EXPECT_TRUE(Find<QWidget>("cbgLivello")->isHidden());
        EXPECT_TRUE(Find<QWidget>("btnPrint")->isHidden());
        EXPECT_EQ(Find<RadioGroup>("cbgLivello")->itemIndex(), 0);
    }
}

TEST_F(WindowTest, GenerateThenToggleTwiceShowsSolutionAndBack) {
    EXPECT_EQ(Find<QAction>("ActGenera")->text(), "Genera [F10]");
    Press(Qt::Key_F10);
    EXPECT_EQ(Window->GameState, 1);
    EXPECT_EQ(Find<ActionButton>("btnGenera")->text(), "Rigenera [F10]");
    Press(Qt::Key_F6);
    EXPECT_EQ(Window->GameState, 2);
    Press(Qt::Key_F6);
    EXPECT_EQ(Window->GameState, 1);
    EXPECT_EQ(Window->btnToggleView->text(), " Mostra soluzione [F6] ");
    EXPECT_EQ(Window->btnPlay->text(), " Gioca [F5] ");
}

TEST_F(WindowTest, PlayFromSolutionViewShowsPlayerGridAndStartsClock) {
    EnterState(2);
    Press(Qt::Key_F5);
    EXPECT_EQ(Window->GameState, 4);
    EXPECT_EQ(Window->Clock1->offsetHours(), -10);
    EXPECT_EQ(Window->Clock1->offsetMinutes(), -20);
    EXPECT_EQ(Window->Clock1->offsetSeconds(), -30);
    EXPECT_EQ(Window->Clock1->shownText(), "00:00:00");
    // 2024-03-09 is 45360 days after 1899-12-30; 10:20:30.4 is the fraction.
    EXPECT_NEAR(Window->PlayStartTime, 45360 + (37230.4 / 86400.0), 1e-9);
    Now = Now.addSecs(3725);
    Window->Clock1->refresh();
    EXPECT_EQ(Window->Clock1->shownText(), "01:02:05");
    EXPECT_TRUE(Window->sg1->hasFocus());
}

TEST_F(WindowTest, ToggleDuringGameHidesPanelAndBringsClockBack) {
    EnterState(4);
    Press(Qt::Key_F9);
    EXPECT_TRUE(Window->cbxHideTimer->isChecked());
    EXPECT_FALSE(Window->Clock1->isVisible());
    Press(Qt::Key_F6);
    EXPECT_EQ(Window->GameState, 5);
    EXPECT_FALSE(Window->pnlGameOn->isVisible());
    EXPECT_FALSE(Window->ActSuggerisci->isEnabled());
    Press(Qt::Key_F6);
    EXPECT_EQ(Window->GameState, 4);
    EXPECT_TRUE(Window->pnlGameOn->isVisible());
    EXPECT_FALSE(Window->cbxHideTimer->isChecked());
    EXPECT_TRUE(Window->Clock1->isVisible());
}

TEST_F(WindowTest, AbandonKeepsGameOnNoAndCancelAndClearsEntriesOnYes) {
    EnterState(4);
    // Type a symbol into the first open cell.
    int openRow = -1, openCol = -1;
    for (int r = 0; r < 9 && openRow < 0; ++r)
        for (int c = 0; c < 9 && openRow < 0; ++c)
            if (Window->PuzzleGrid[r][c] == ' ')
                openRow = r, openCol = c;
    ASSERT_GE(openRow, 0);
    Window->sg1->setCurrentCell(openCol, openRow);
    Press(Qt::Key_5);
    ASSERT_EQ(Window->PlayGrid[openRow][openCol], '5');

    for (ConfirmAnswer keep : {ConfirmAnswer::No, ConfirmAnswer::Cancel}) {
        Answer = keep;
        Press(Qt::Key_F5);
        EXPECT_EQ(Window->GameState, 4);
        EXPECT_EQ(Window->PlayGrid[openRow][openCol], '5');
        EXPECT_TRUE(Window->sg1->hasFocus());
    }
    ASSERT_EQ(Questions.size(), 2);
    EXPECT_EQ(Questions[0], "Abbandona il gioco in corso ?");

    // Abandoning from the solution view asks the same question.
    Press(Qt::Key_F6);
    Answer = ConfirmAnswer::Yes;
    Press(Qt::Key_F5);
    EXPECT_EQ(Questions.size(), 3);
    EXPECT_EQ(Window->GameState, 1);
    EXPECT_EQ(Window->PlayGrid[openRow][openCol], ' ');
    EXPECT_TRUE(Window->ActGenera->isEnabled());
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(Window->PlayGrid[r][c], Window->PuzzleGrid[r][c]);
}

TEST_F(WindowTest, ButtonsDriveTheSameTransitionsAsKeys) {
    QTest::mouseClick(Window->btnGenera, Qt::LeftButton);
    EXPECT_EQ(Window->GameState, 1);
    QTest::mouseClick(Window->btnToggleView, Qt::LeftButton);
    EXPECT_EQ(Window->GameState, 2);
    QTest::mouseClick(Window->btnPlay, Qt::LeftButton);
    EXPECT_EQ(Window->GameState, 4);
    // Disabled while playing: a click on generate does nothing.
    QTest::mouseClick(Window->btnGenera, Qt::LeftButton);
    EXPECT_EQ(Window->GameState, 4);
    Answer = ConfirmAnswer::Yes;
    QTest::mouseClick(Window->btnPlay, Qt::LeftButton);
    EXPECT_EQ(Window->GameState, 1);
}

TEST_F(WindowTest, UnknownStateLeavesEverythingDisabledAndReports) {
    EnterState(1);
    for (std::uint8_t state : {std::uint8_t{3}, std::uint8_t{6}, std::uint8_t{255}}) {
        Messages.clear();
        Window->GameState = state;
        Window->ApplyGameState();
        for (QAction* action : {Window->ActGenera, Window->ActPrint, Window->ActToggleView,
                                Window->ActPlay, Window->ActSuggerisci})
            EXPECT_FALSE(action->isEnabled());
        EXPECT_FALSE(Window->cbg1->isEnabled());
        if (state == 3) {
            EXPECT_TRUE(Messages.isEmpty());
        } else {
            EXPECT_EQ(Messages,
                      QStringList{
                          QStringLiteral("Internal error 001: stato:%1 non gestito !").arg(state)});
        }
    }
}

TEST_F(WindowTest, ErrorCheckingFlipsInEveryStateAndCarriesIntoNextGame) {
    Press(Qt::Key_F8);
    EXPECT_TRUE(Window->cbxControllo->isChecked());
    EnterState(1);
    Press(Qt::Key_F8);
    Press(Qt::Key_F8);
    EXPECT_TRUE(Window->cbxControllo->isChecked());
    Press(Qt::Key_F5);
    EXPECT_TRUE(Window->cbxControllo->isChecked());
    // During a game the menu's checking item follows the box.
    QStringList captions;
    for (QAction* item : Window->popm1->actions())
        captions << item->text();
    EXPECT_TRUE(captions.contains("Disattiva controllo [F8]"));
    Press(Qt::Key_F8);
    captions.clear();
    for (QAction* item : Window->popm1->actions())
        captions << item->text();
    EXPECT_TRUE(captions.contains("Controllo attivo [F8]"));
}

TEST_F(WindowTest, ClosingTheWindowFreesTheBoard) {
    EnterState(1);
    ASSERT_NE(Window->Board, nullptr);
    EXPECT_TRUE(Window->close());
    EXPECT_TRUE(Questions.isEmpty());
    EXPECT_EQ(Window->Board, nullptr);
}

TEST_F(WindowTest, ClosingDuringAGameAsksAndOnlyYesCloses) {
    for (int state : {4, 5}) {
        SCOPED_TRACE(state);
        Restart();
        Questions.clear();
        EnterState(state);
        for (ConfirmAnswer keep : {ConfirmAnswer::No, ConfirmAnswer::Cancel}) {
            Answer = keep;
            EXPECT_FALSE(Window->close());
            EXPECT_TRUE(Window->isVisible());
            EXPECT_EQ(Window->GameState, state);
            EXPECT_NE(Window->Board, nullptr);
        }
        Answer = ConfirmAnswer::Yes;
        EXPECT_TRUE(Window->close());
        EXPECT_EQ(Questions, QStringList(3, "Abbandona il gioco in corso ?"));
        EXPECT_EQ(Window->Board, nullptr);
    }
}

TEST_F(WindowTest, FillingTheGridWithoutRepeatsCongratulatesAndGameGoesOn) {
    EnterState(4);
    std::vector<QPoint> open;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            if (Window->PuzzleGrid[r][c] == ' ')
                open.emplace_back(c, r);
    ASSERT_FALSE(open.empty());
    auto type = [this](QPoint cell, char symbol) {
        Window->sg1->setCurrentCell(cell.x(), cell.y());
        Press(static_cast<Qt::Key>(Qt::Key_0 + (symbol - '0')));
    };
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        type(open[i], Window->SolutionGrid[open[i].y()][open[i].x()]);
    const QPoint last = open.back();
    const char right = Window->SolutionGrid[last.y()][last.x()];
    // A symbol that repeats one of its row leaves the full grid unsolved.
    const char wrong = Window->SolutionGrid[last.y()][(last.x() + 1) % 9];
    type(last, wrong);
    EXPECT_TRUE(Messages.isEmpty());
    Now = Now.addSecs(3723);
    type(last, right);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0],
              "Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:1: ore, "
              ":2 min. e 3 secondi.");
    EXPECT_EQ(Window->GameState, 4);
    EXPECT_EQ(Window->btnPlay->text(), " Abbandona gioco [F5] ");
}
