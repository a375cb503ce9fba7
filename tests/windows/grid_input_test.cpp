// Symbol entry through real key events, the pop-up menu of each state, hints and right
// clicks, on the real main window.
#include "game/game_texts.h"
#include "windows/grid_window.h"

#include <QAction>
#include <QCheckBox>
#include <QKeySequence>
#include <functional>

// A real key press reaches the grid through the window's key preview, lands in the selected
// cell and leaves the selection where it is; a refused one changes nothing.
TEST_F(GridWindowTest, KeysTypeIntoTheSelectedCellOnEverySize) {
    const struct {
        int n;
        Qt::Key accepted;
        char entered;
        Qt::Key refused;
    } sizes[] = {{3, Qt::Key_7, '7', Qt::Key_A},
                 {4, Qt::Key_C, 'C', Qt::Key_G},
                 {5, Qt::Key_Y, 'Y', Qt::Key_1}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.n);
        Restart();
        StartGame(size.n);
        const GridCell open = FirstCell(false);
        Select(open);
        Press(size.accepted, Qt::ShiftModifier);
        EXPECT_EQ(Cell(open), size.entered);
        Press(size.refused);
        Press(Qt::Key_Delete);
        EXPECT_EQ(Cell(open), size.entered);
        Press(Qt::Key_Space);
        EXPECT_EQ(Cell(open), ' ');
        EXPECT_EQ(Selection(), open);
        EXPECT_TRUE(Messages.isEmpty());
    }
}

TEST_F(GridWindowTest, KeysOutsideAGameBringGuidanceThenStillMoveTheSelection) {
    const struct {
        GameStateValue state;
        const QString& message;
    } cases[] = {
        {PuzzleView, kStartPlayingMessage},
        {SolutionView, kStartPlayingMessage},
        {PlayingSolutionView, kBackToGameMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        Restart();
        Messages.clear();
        EnterState(c.state);
        Grid()->setFocus();
        Select({0, 0});
        const CellGrid before = Game().PlayGrid();
        Press(Qt::Key_5);
        Press(Qt::Key_Right);
        ASSERT_EQ(Messages.size(), 2);
        EXPECT_EQ(Messages[0], c.message);
        EXPECT_EQ(Messages[1], c.message);
        EXPECT_EQ(Selection(), (GridCell{0, 1}));
        EXPECT_EQ(Game().PlayGrid(), before);
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
         << "Mostra soluzione [F6]"
         // The play comforts after a separator, the notes in their submenu.
         << ""
         << "Note della casella"
         << "Cancella le note"
         << "Inserisci i candidati [F11]"
         << "Annulla [Ctrl+Z]"
         << "Ripeti [Ctrl+Maiusc+Z]";
    EXPECT_EQ(MenuCaptions(), game);
    Press(Qt::Key_F6);
    EXPECT_EQ(MenuCaptions(), QStringList({"Abbandona gioco [F5]", "Mostra gioco [F6]"}));
}

// On a given nothing can be entered or noted: those items are there, greyed; on an open cell
// they work again.
TEST_F(GridWindowTest, OnAGivenTheMenuGreysWhatWouldEnterOrNote) {
    StartGame(3);
    for (const bool given : {true, false}) {
        SCOPED_TRACE(given);
        EXPECT_TRUE(RightClick(CentreOf(FirstCell(given))));
        for (const char* caption : {"Cancella ", "5", "Note della casella", "Cancella le note"})
            EXPECT_EQ(MenuItem(caption)->isEnabled(), !given) << caption;
        EXPECT_TRUE(MenuItem("Suggerimento! [F4]")->isEnabled());
    }
}

// The menu never outgrows the screen, where it would split into columns over the title bar:
// the symbols then wait in a submenu of their own, all of them, in order.
TEST_F(GridWindowTest, GameMenuStaysOneColumnWithEverySymbolAtHand) {
    for (int n : {3, 5}) {
        SCOPED_TRACE(n);
        Restart();
        StartGame(n);
        QMenu* menu = Find<QMenu>("popm1");
        menu->sizeHint();
        const QList<QAction*> items = menu->actions();
        for (QAction* item : items)
            ASSERT_EQ(menu->actionGeometry(item).left(), menu->actionGeometry(items.first()).left())
                << item->text().toStdString();
        QAction* apart = MenuItem("Simboli");
        QStringList symbols;
        for (QAction* item : apart ? apart->menu()->actions() : items)
            if (item->text().size() == 1)
                symbols << item->text();
        EXPECT_EQ(symbols.join(QString()), QString::fromStdString(Game().SymbolAlphabet()));
        if (n == 3) {
            EXPECT_EQ(apart, nullptr) << "nine symbols fit one under the other";
        }
    }
}

TEST_F(GridWindowTest, GameMenuListsTheAlphabetOfEachSize) {
    const char* alphabets[] = {"123456789", "0123456789ABCDEF", "ABCDEFGHIJKLMNOPQRSTUVWXY"};
    for (int n = 3; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Restart();
        StartGame(n);
        const QStringList captions = MenuCaptions();
        ASSERT_EQ(captions.size(), n * n + 5 + 6);
        EXPECT_EQ(captions.mid(1, n * n).join(QString()), alphabets[n - 3]);
    }
}

TEST_F(GridWindowTest, MenuItemsEnterAndClearTheSelectedCell) {
    StartGame(4);
    const GridCell open = FirstCell(false);
    Select(open);
    MenuItem("B")->trigger();
    EXPECT_EQ(Cell(open), 'B');
    MenuItem("Cancella ")->trigger();
    EXPECT_EQ(Cell(open), ' ');
}

TEST_F(GridWindowTest, CheckingItemFlipsTheBoxAndTheRebuiltMenuFollows) {
    StartGame(3);
    ASSERT_FALSE(Find<QCheckBox>("cbxControllo")->isChecked());
    MenuItem("Controllo attivo [F8]")->trigger();
    EXPECT_TRUE(Find<QCheckBox>("cbxControllo")->isChecked());
    ASSERT_NE(MenuItem("Disattiva controllo [F8]"), nullptr);
    EXPECT_EQ(MenuItem("Controllo attivo [F8]"), nullptr);
    MenuItem("Disattiva controllo [F8]")->trigger();
    EXPECT_FALSE(Find<QCheckBox>("cbxControllo")->isChecked());
    EXPECT_NE(MenuItem("Controllo attivo [F8]"), nullptr);
}

TEST_F(GridWindowTest, ActionItemsRunTheirActionAndFollowItsEnabledState) {
    StartGame(3);
    QAction* hint = MenuItem("Suggerimento! [F4]");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isEnabled());
    Find<QAction>("ActSuggerisci")->setEnabled(false);
    EXPECT_FALSE(hint->isEnabled());
    hint->trigger();
    EXPECT_TRUE(Messages.isEmpty());
    Find<QAction>("ActSuggerisci")->setEnabled(true);
    EXPECT_TRUE(hint->isEnabled());

    MenuItem("Mostra soluzione [F6]")->trigger();
    EXPECT_EQ(Game().GameState(), PlayingSolutionView);
    Answer = ConfirmAnswer::Yes;
    MenuItem("Abbandona gioco [F5]")->trigger();
    EXPECT_EQ(Game().GameState(), PuzzleView);
    MenuItem("Gioca [F5]")->trigger();
    EXPECT_EQ(Game().GameState(), Playing);
}

TEST_F(GridWindowTest, HintByKeyAndByButtonNamesTheSelectedCellAndKeepsTheGridFocused) {
    StartGame(5);
    const GridCell open = FirstCell(false);
    Select(open);
    Press(Qt::Key_F4);
    QTest::mouseClick(Find<ActionButton>("cxButton1"), Qt::LeftButton);
    const QString expected = QStringLiteral("Per questa casella il miglior simbolo e' :") +
                             QChar::fromLatin1(Solution(open)) + QStringLiteral(": ");
    EXPECT_EQ(Messages, QStringList(2, expected));
    EXPECT_TRUE(Grid()->hasFocus());
}

TEST_F(GridWindowTest, RightClickMovesTheSelectionOnlyDuringAGame) {
    for (GameStateValue state : {PuzzleView, SolutionView, Playing, PlayingSolutionView}) {
        SCOPED_TRACE(state);
        Restart();
        EnterState(state);
        Select({0, 0});
        const bool popped = RightClick(CentreOf({1, 2}));
        EXPECT_TRUE(popped);
        EXPECT_EQ(Selection(), (state == Playing ? GridCell{1, 2} : GridCell{0, 0}));
    }
    // Below the last row the selection stays where it was: on a window large enough for the
    // grid to end before its control does.
    Restart();
    EnterState(Playing);
    Window->resize(1200, 900);
    QCoreApplication::processEvents();
    const QRect last = Grid()->cellRect(8, 0);
    ASSERT_LT(last.bottom() + 8, Grid()->viewport()->height());
    Select({3, 3});
    RightClick(QPoint(last.center().x(), last.bottom() + 7));
    EXPECT_EQ(Selection(), (GridCell{3, 3}));
}

TEST_F(GridWindowTest, LeftClickSelectsInEveryState) {
    for (GameStateValue state : {PuzzleView, Playing}) {
        SCOPED_TRACE(state);
        Restart();
        EnterState(state);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, CentreOf({2, 4}));
        EXPECT_EQ(Selection(), (GridCell{2, 4}));
    }
}

// The notes submenu ticks the notes of the cell it opens on. The two cells are mirrors across
// the diagonal and hold different notes, so a turned row and column shows.
TEST_F(GridWindowTest, NotesSubmenuTicksTheNotesOfTheCellItOpensOn) {
    StartGame(3);
    GridCell noted{-1, -1};
    for (int r = 0; r < 9 && noted.row < 0; ++r)
        for (int c = r + 1; c < 9 && noted.row < 0; ++c)
            if (PuzzleAt(Game(), {r, c}) == ' ' && PuzzleAt(Game(), {c, r}) == ' ')
                noted = {r, c};
    ASSERT_GE(noted.row, 0);
    const GridCell mirror{noted.column, noted.row};
    Press(Qt::Key_F2);
    Select(noted);
    Press(Qt::Key_1);
    Press(Qt::Key_9);
    Select(mirror);
    Press(Qt::Key_5);
    for (const auto& [cell, ticks] : {std::pair{noted, "19"}, std::pair{mirror, "5"}}) {
        SCOPED_TRACE(ticks);
        ASSERT_TRUE(RightClick(CentreOf(cell)));
        ASSERT_EQ(Selection(), cell);
        QString ticked;
        for (QAction* item : MenuItem("Note della casella")->menu()->actions())
            if (item->isChecked())
                ticked += item->text();
        EXPECT_EQ(ticked, ticks);
    }
}

// Pencil mode, by its key or its box, turns a symbol key into a note and the space bar into
// clearing the notes; pen mode enters as before. A new game starts in pen mode.
TEST_F(GridWindowTest, PencilModeNotesWhatPenModeEnters) {
    StartGame(4);
    const GridCell open = FirstCell(false);
    Select(open);
    const auto notes = [&] { return Game().NotesAt(open.row, open.column); };
    const auto NoteItem = [&](char symbol) -> QAction* {
        QMenu* submenu = MenuItem("Note della casella")->menu();
        for (QAction* item : submenu->actions())
            if (item->text() == QString(QLatin1Char(symbol)))
                return item;
        return nullptr;
    };
    const struct {
        const char* step;
        std::function<void()> act;
        char cell;
        CellNotes notes;
    } steps[] = {
        {"F2 into pencil mode", [&] { Press(Qt::Key_F2); }, ' ', 0},
        {"B noted", [&] { Press(Qt::Key_B); }, ' ', NoteBit(11)},
        {"keypad 1 notes 1", [&] { Press(Qt::Key_1, Qt::KeypadModifier); }, ' ',
         NoteBit(1) | NoteBit(11)},
        {"B again takes its note away", [&] { Press(Qt::Key_B); }, ' ', NoteBit(1)},
        {"3 noted", [&] { Press(Qt::Key_3); }, ' ', NoteBit(1) | NoteBit(3)},
        {"space clears the notes", [&] { Press(Qt::Key_Space); }, ' ', 0},
        {"7 noted", [&] { Press(Qt::Key_7); }, ' ', NoteBit(7)},
        {"the menu's note item 9", [&] { NoteItem('9')->trigger(); }, ' ', NoteBit(7) | NoteBit(9)},
        {"the box back to pen mode", [&] { Find<QCheckBox>("cbxPencil")->click(); }, ' ',
         NoteBit(7) | NoteBit(9)},
        {"C entered, its note gone", [&] { Press(Qt::Key_C); }, 'C', 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        Select(open);
        s.act();
        EXPECT_EQ(Cell(open), s.cell);
        EXPECT_EQ(notes(), s.notes);
    }
    EXPECT_FALSE(Find<QCheckBox>("cbxPencil")->isChecked());
    Press(Qt::Key_F2);
    EXPECT_TRUE(Find<QCheckBox>("cbxPencil")->isChecked());
    Answer = ConfirmAnswer::Yes;
    Press(Qt::Key_F5);
    Press(Qt::Key_F5);
    EXPECT_FALSE(Find<QCheckBox>("cbxPencil")->isChecked());
    EXPECT_FALSE(Game().PencilMode());
}

// Undo and redo are offered only with a step to take back or do again: their actions, and the
// menu's items with them, follow every change.
TEST_F(GridWindowTest, CtrlZIsOfferedFromTheFirstChangeOfANewGame) {
    StartGame(3);
    QAction* undo = Find<QAction>("ActUndo");
    QAction* redo = Find<QAction>("ActRedo");
    const GridCell open = FirstCell(false);
    Select(open);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(MenuItem("Annulla [Ctrl+Z]")->isEnabled());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(open), ' ');
    Press(KeyFor(Solution(open)));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(MenuItem("Annulla [Ctrl+Z]")->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(open), ' ');
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(MenuItem("Ripeti [Ctrl+Maiusc+Z]")->isEnabled());
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(open), Solution(open));
}
