// Symbol entry through real key events, the pop-up menu of each state, hints and right
// clicks, on the real main window.
#include "game/grid_window.h"

#include <QAction>
#include <QCheckBox>
#include <QKeySequence>

namespace {

// One key press on an open cell and what the cell holds afterwards.
struct KeyStep {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    char expected;
};

constexpr Qt::KeyboardModifiers kPlain = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

// Each size takes its own alphabet from the key pressed: keypad digits as digits, letters
// upper case with or without Shift; space clears; Delete, Backspace and the unused function
// keys never enter anything.
const std::vector<KeyStep> kSteps[] = {
    // 9x9: "123456789"
    {{Qt::Key_5, kPlain, '5'},
     {Qt::Key_0, kPlain, '5'},
     {Qt::Key_7, kKeypad, '7'},
     {Qt::Key_0, kKeypad, '7'},
     {Qt::Key_A, kPlain, '7'},
     {Qt::Key_A, kShift, '7'},
     {Qt::Key_Delete, kPlain, '7'},
     {Qt::Key_Backspace, kPlain, '7'},
     {Qt::Key_F2, kPlain, '7'},
     {Qt::Key_F11, kPlain, '7'},
     {Qt::Key_F12, kPlain, '7'},
     {Qt::Key_Space, kPlain, ' '},
     {Qt::Key_9, kPlain, '9'}},
    // 16x16: "0123456789ABCDEF"
    {{Qt::Key_0, kPlain, '0'},
     {Qt::Key_3, kKeypad, '3'},
     {Qt::Key_C, kPlain, 'C'},
     {Qt::Key_F, kShift, 'F'},
     {Qt::Key_G, kPlain, 'F'},
     {Qt::Key_6, kKeypad, '6'},
     {Qt::Key_Delete, kPlain, '6'},
     {Qt::Key_Backspace, kPlain, '6'},
     {Qt::Key_F2, kPlain, '6'},
     {Qt::Key_F11, kPlain, '6'},
     {Qt::Key_F12, kPlain, '6'},
     {Qt::Key_Space, kPlain, ' '},
     {Qt::Key_A, kPlain, 'A'}},
    // 25x25: "ABCDEFGHIJKLMNOPQRSTUVWXY"
    {{Qt::Key_A, kPlain, 'A'},
     {Qt::Key_Y, kShift, 'Y'},
     {Qt::Key_Z, kPlain, 'Y'},
     {Qt::Key_1, kPlain, 'Y'},
     {Qt::Key_5, kKeypad, 'Y'},
     {Qt::Key_Q, kPlain, 'Q'},
     {Qt::Key_Delete, kPlain, 'Q'},
     {Qt::Key_Backspace, kPlain, 'Q'},
     {Qt::Key_F2, kPlain, 'Q'},
     {Qt::Key_F11, kPlain, 'Q'},
     {Qt::Key_F12, kPlain, 'Q'},
     {Qt::Key_Space, kPlain, ' '},
     {Qt::Key_I, kShift, 'I'}},
};

} // namespace

TEST_F(GridWindowTest, KeysEnterTheSymbolOfThePressedKeyOnEverySize) {
    for (int n = 3; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Restart();
        StartGame(n);
        const QPoint open = FirstCell(false);
        ASSERT_GE(open.x(), 0);
        Select(open);
        const CellGrid before = Window->PlayGrid;
        for (const KeyStep& step : kSteps[n - 3]) {
            SCOPED_TRACE(QKeySequence(step.key | step.modifiers).toString().toStdString());
            Press(step.key, step.modifiers);
            EXPECT_EQ(Cell(open), step.expected);
            // Entry keys never move the selection.
            EXPECT_EQ(Selection(), open);
        }
        // No other cell was touched and no message came.
        CellGrid after = Window->PlayGrid;
        after[open.y()][open.x()] = before[open.y()][open.x()];
        EXPECT_EQ(after, before);
        EXPECT_TRUE(Messages.isEmpty());
    }
}

TEST_F(GridWindowTest, GivenRefusesEveryKeySilentlyAndArrowsStillMove) {
    StartGame(3);
    const QPoint given = FirstCell(true);
    Select(given);
    const char held = Cell(given);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_1, Qt::Key_9})
        Press(key);
    EXPECT_EQ(Cell(given), held);
    EXPECT_TRUE(Messages.isEmpty());
    Select({0, 0});
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    EXPECT_EQ(Selection(), QPoint(1, 1));
}

TEST_F(GridWindowTest, KeysOutsideAGameBringGuidanceThenStillMoveTheSelection) {
    const struct {
        int state;
        const char* message;
    } cases[] = {
        {1, "Per iniziare a giocare clicka su [Gioca] o premi [F5] !"},
        {2, "Per iniziare a giocare clicka su [Gioca] o premi [F5] !"},
        {5, "Per giocare clicka su [Visualizza gioco] o premi [F6] !"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        Restart();
        Messages.clear();
        EnterState(c.state);
        Window->sg1->setFocus();
        Select({0, 0});
        const CellGrid before = Window->PlayGrid;
        Press(Qt::Key_5);
        Press(Qt::Key_Right);
        ASSERT_EQ(Messages.size(), 2);
        EXPECT_EQ(Messages[0], c.message);
        EXPECT_EQ(Messages[1], c.message);
        EXPECT_EQ(Selection(), QPoint(1, 0));
        EXPECT_EQ(Window->PlayGrid, before);
    }
}

TEST_F(GridWindowTest, MenuOfEachStateCaptionByCaption) {
    Generate(3);
    EXPECT_EQ(MenuCaptions(), QStringList({"Gioca [F5]", " Mostra soluzione [F6] "}));
    Press(Qt::Key_F6);
    EXPECT_EQ(MenuCaptions(), QStringList({"Gioca [F5]", " Mostra gioco [F6]"}));
    Press(Qt::Key_F5);
    QStringList game{"Cancella "};
    for (char symbol : std::string("123456789"))
        game << QString(QChar::fromLatin1(symbol));
    game << "Controllo attivo [F8]"
         << "Suggerimento! [F4]"
         << "Abbandona gioco [F5]"
         << "Mostra soluzione [F6]";
    EXPECT_EQ(MenuCaptions(), game);
    Press(Qt::Key_F6);
    EXPECT_EQ(MenuCaptions(), QStringList({"Abbandona gioco [F5]", "Mostra gioco [F6]"}));
    // The design-time items are gone for good.
    EXPECT_EQ(Window->N11, nullptr);
    EXPECT_EQ(Window->N21, nullptr);
}

TEST_F(GridWindowTest, GameMenuListsTheAlphabetOfEachSize) {
    const char* alphabets[] = {"123456789", "0123456789ABCDEF", "ABCDEFGHIJKLMNOPQRSTUVWXY"};
    for (int n = 3; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Restart();
        StartGame(n);
        const QStringList captions = MenuCaptions();
        ASSERT_EQ(captions.size(), n * n + 5);
        EXPECT_EQ(captions.mid(1, n * n).join(QString()), alphabets[n - 3]);
    }
}

TEST_F(GridWindowTest, MenuEntersAndClearsOnlyOpenCells) {
    StartGame(4);
    const QPoint open = FirstCell(false);
    Select(open);
    MenuItem("B")->trigger();
    EXPECT_EQ(Cell(open), 'B');
    MenuItem("Cancella ")->trigger();
    EXPECT_EQ(Cell(open), ' ');

    const QPoint given = FirstCell(true);
    Select(given);
    const char held = Cell(given);
    MenuItem("Cancella ")->trigger();
    MenuItem("0")->trigger();
    EXPECT_EQ(Cell(given), held);
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(GridWindowTest, CheckingItemFlipsTheBoxAndTheRebuiltMenuFollows) {
    StartGame(3);
    ASSERT_FALSE(Window->cbxControllo->isChecked());
    MenuItem("Controllo attivo [F8]")->trigger();
    EXPECT_TRUE(Window->cbxControllo->isChecked());
    ASSERT_NE(MenuItem("Disattiva controllo [F8]"), nullptr);
    EXPECT_EQ(MenuItem("Controllo attivo [F8]"), nullptr);
    MenuItem("Disattiva controllo [F8]")->trigger();
    EXPECT_FALSE(Window->cbxControllo->isChecked());
    EXPECT_NE(MenuItem("Controllo attivo [F8]"), nullptr);
}

TEST_F(GridWindowTest, ActionItemsRunTheirActionAndFollowItsEnabledState) {
    StartGame(3);
    QAction* hint = MenuItem("Suggerimento! [F4]");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isEnabled());
    Window->ActSuggerisci->setEnabled(false);
    EXPECT_FALSE(hint->isEnabled());
    hint->trigger();
    EXPECT_TRUE(Messages.isEmpty());
    Window->ActSuggerisci->setEnabled(true);
    EXPECT_TRUE(hint->isEnabled());

    MenuItem("Mostra soluzione [F6]")->trigger();
    EXPECT_EQ(Window->GameState, 5);
    Answer = ConfirmAnswer::Yes;
    MenuItem("Abbandona gioco [F5]")->trigger();
    EXPECT_EQ(Window->GameState, 1);
    MenuItem("Gioca [F5]")->trigger();
    EXPECT_EQ(Window->GameState, 4);
}

TEST_F(GridWindowTest, HintNamesTheSolutionSymbolOfOpenAndFilledCellsButNotGivens) {
    StartGame(5);
    const QPoint open = FirstCell(false);
    const char solution = Window->SolutionGrid[open.y()][open.x()];
    const QString expected = QStringLiteral("Per questa casella il miglior simbolo e' :") +
                             QChar::fromLatin1(solution) + QStringLiteral(": ");
    Select(open);
    Press(Qt::Key_F4);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], expected);

    // Filled wrongly, the hint still names the solution's symbol and changes nothing.
    const char wrong = solution == 'A' ? 'B' : 'A';
    Press(KeyFor(wrong));
    ASSERT_EQ(Cell(open), wrong);
    QTest::mouseClick(Window->cxButton1, Qt::LeftButton);
    ASSERT_EQ(Messages.size(), 2);
    EXPECT_EQ(Messages[1], expected);
    EXPECT_EQ(Cell(open), wrong);
    EXPECT_TRUE(Window->sg1->hasFocus());

    Select(FirstCell(true));
    Press(Qt::Key_F4);
    EXPECT_EQ(Messages.size(), 2);
}

TEST_F(GridWindowTest, RightClickMovesTheSelectionOnlyDuringAGame) {
    for (int state : {1, 2, 4, 5}) {
        SCOPED_TRACE(state);
        Restart();
        EnterState(state);
        Select({0, 0});
        const bool popped = RightClick(CentreOf({2, 1}));
        EXPECT_TRUE(popped);
        EXPECT_EQ(Selection(), state == 4 ? QPoint(2, 1) : QPoint(0, 0));
    }
    // Below the last row the selection stays where it was.
    Restart();
    EnterState(4);
    const QRect last = Window->sg1->cellRect(0, 8);
    ASSERT_LT(last.bottom() + 20, Window->sg1->viewport()->height());
    Select({3, 3});
    RightClick(QPoint(last.center().x(), last.bottom() + 15));
    EXPECT_EQ(Selection(), QPoint(3, 3));
}

TEST_F(GridWindowTest, LeftClickSelectsInEveryState) {
    for (int state : {1, 4}) {
        SCOPED_TRACE(state);
        Restart();
        EnterState(state);
        QTest::mouseClick(Window->sg1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          CentreOf({4, 2}));
        EXPECT_EQ(Selection(), QPoint(4, 2));
    }
}
