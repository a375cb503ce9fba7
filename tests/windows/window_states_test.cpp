// The window in each game state: enabled actions and selectors, button texts, panels.
#include "game/game_texts.h"
#include "support/game_cells.h"
#include "toolkit/action_button.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"
#include "windows/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <vector>

namespace {

struct Expected {
    GameStateValue state;
    bool genera, print, toggle, play, hint, selectors, gamePanel;
    const char* toggleText;
    const char* playText;
};

// The look of every state the window can be driven into.
const Expected kStates[] = {
    {NoPuzzle, true, false, false, false, false, true, false, "Visualizza soluzione", "Gioca"},
    {PuzzleView, true, true, true, true, false, true, false, " Mostra soluzione [F6] ",
     " Gioca [F5] "},
    {SolutionView, true, true, true, true, false, true, false, " Mostra gioco [F6]", " Gioca [F5]"},
    {Playing, false, true, true, true, true, false, true, " Mostra soluzione [F6]",
     " Abbandona gioco [F5] "},
    {PlayingSolutionView, false, true, true, true, false, false, false, " Mostra gioco [F6]",
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
        EXPECT_EQ(Grid()->autoPopup(), e.state != 0);
        // Hidden controls stay hidden and the level stays on its first item.
        EXPECT_TRUE(Find<QWidget>("cbgLivello")->isHidden());
        EXPECT_TRUE(Find<QWidget>("btnPrint")->isHidden());
        EXPECT_EQ(Find<RadioGroup>("cbgLivello")->itemIndex(), 0);
    }
}

TEST_F(WindowTest, PlayFromSolutionViewShowsPlayerGridAndStartsClock) {
    EnterState(SolutionView);
    Press(Qt::Key_F5);
    EXPECT_EQ(Game().GameState(), Playing);
    EXPECT_EQ(Find<SegmentClock>("Clock1")->shownText(), "00:00:00");
    Now = Now.addSecs(3725);
    Find<SegmentClock>("Clock1")->refresh();
    EXPECT_EQ(Find<SegmentClock>("Clock1")->shownText(), "01:02:05");
    EXPECT_TRUE(Grid()->hasFocus());
}

TEST_F(WindowTest, ToggleDuringGameHidesPanelAndBringsClockBack) {
    EnterState(Playing);
    Press(Qt::Key_F9);
    EXPECT_TRUE(Find<QCheckBox>("cbxHideTimer")->isChecked());
    EXPECT_FALSE(Find<SegmentClock>("Clock1")->isVisible());
    Press(Qt::Key_F6);
    EXPECT_EQ(Game().GameState(), PlayingSolutionView);
    EXPECT_FALSE(Find<BevelPanel>("pnlGameOn")->isVisible());
    EXPECT_FALSE(Find<QAction>("ActSuggerisci")->isEnabled());
    Press(Qt::Key_F6);
    EXPECT_EQ(Game().GameState(), Playing);
    EXPECT_TRUE(Find<BevelPanel>("pnlGameOn")->isVisible());
    EXPECT_FALSE(Find<QCheckBox>("cbxHideTimer")->isChecked());
    EXPECT_TRUE(Find<SegmentClock>("Clock1")->isVisible());
}

// Whatever the answer, the player goes on typing into the grid.
TEST_F(WindowTest, AbandonAnsweredNoKeepsTheGridFocusedAndYesReopensGeneration) {
    EnterState(Playing);
    for (ConfirmAnswer keep : {ConfirmAnswer::No, ConfirmAnswer::Cancel}) {
        Answer = keep;
        Find<QPushButton>("btnFontPiu")->setFocus();
        Press(Qt::Key_F5);
        EXPECT_EQ(Game().GameState(), Playing);
        EXPECT_TRUE(Grid()->hasFocus());
    }
    Answer = ConfirmAnswer::Yes;
    Press(Qt::Key_F5);
    EXPECT_EQ(Game().GameState(), PuzzleView);
    EXPECT_TRUE(Find<QAction>("ActGenera")->isEnabled());
}

// The real box, as a stray Enter meets it: its default answer keeps the game and its entries.
TEST_F(WindowTest, EnterOnTheRealAbandonQuestionKeepsTheGame) {
    Window = std::make_unique<TfrmSudoku>([this] {
        DesktopServices services = RecordingServices();
        services.confirm = RealDesktopServices().confirm;
        return services;
    }());
    Window->show();
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    EnterState(Playing);
    const GridCell open = FirstCell(Game(), false);
    Grid()->setCurrentCell(open.row, open.column);
    Press(Qt::Key_5);
    const CellGrid entries = Game().PlayGrid();
    ASSERT_EQ(PlayAt(Game(), open), '5');
    QString asked;
    QTimer enter;
    enter.setInterval(20);
    QObject::connect(&enter, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        enter.stop();
        asked = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    enter.start();
    Press(Qt::Key_F5);
    EXPECT_EQ(asked, kAbandonQuestion);
    EXPECT_EQ(Game().GameState(), Playing);
    EXPECT_TRUE(Game().PlayGrid() == entries);
}

TEST_F(WindowTest, ButtonsDriveTheSameTransitionsAsKeys) {
    QTest::mouseClick(Find<ActionButton>("btnGenera"), Qt::LeftButton);
    EXPECT_EQ(Game().GameState(), PuzzleView);
    QTest::mouseClick(Find<ActionButton>("btnToggleView"), Qt::LeftButton);
    EXPECT_EQ(Game().GameState(), SolutionView);
    QTest::mouseClick(Find<ActionButton>("btnPlay"), Qt::LeftButton);
    EXPECT_EQ(Game().GameState(), Playing);
    // Disabled while playing: a click on generate does nothing.
    QTest::mouseClick(Find<ActionButton>("btnGenera"), Qt::LeftButton);
    EXPECT_EQ(Game().GameState(), Playing);
    Answer = ConfirmAnswer::Yes;
    QTest::mouseClick(Find<ActionButton>("btnPlay"), Qt::LeftButton);
    EXPECT_EQ(Game().GameState(), PuzzleView);
}

TEST_F(WindowTest, ErrorCheckingFlipsInEveryStateAndCarriesIntoNextGame) {
    Press(Qt::Key_F8);
    EXPECT_TRUE(Find<QCheckBox>("cbxControllo")->isChecked());
    EnterState(PuzzleView);
    Press(Qt::Key_F8);
    Press(Qt::Key_F8);
    EXPECT_TRUE(Find<QCheckBox>("cbxControllo")->isChecked());
    Press(Qt::Key_F5);
    EXPECT_TRUE(Find<QCheckBox>("cbxControllo")->isChecked());
    // During a game the menu's checking item follows the box.
    QStringList captions;
    for (QAction* item : Find<QMenu>("popm1")->actions())
        captions << item->text();
    EXPECT_TRUE(captions.contains("Disattiva controllo [F8]"));
    Press(Qt::Key_F8);
    captions.clear();
    for (QAction* item : Find<QMenu>("popm1")->actions())
        captions << item->text();
    EXPECT_TRUE(captions.contains("Controllo attivo [F8]"));
}

TEST_F(WindowTest, ClosingTheWindowFreesTheBoard) {
    EnterState(PuzzleView);
    ASSERT_NE(Game().Board(), nullptr);
    EXPECT_TRUE(Window->close());
    EXPECT_TRUE(Questions.isEmpty());
    EXPECT_EQ(Game().Board(), nullptr);
}

TEST_F(WindowTest, ARefusedCloseKeepsTheWindowAndItsGame) {
    EnterState(PlayingSolutionView);
    Answer = ConfirmAnswer::Cancel;
    EXPECT_FALSE(Window->close());
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(Game().GameState(), PlayingSolutionView);
    Answer = ConfirmAnswer::Yes;
    EXPECT_TRUE(Window->close());
    EXPECT_EQ(Questions, QStringList(2, kAbandonQuestion));
    EXPECT_EQ(Game().Board(), nullptr);
}
