#include "support/pattern_grids.h"
#include "view/cell_input.h"

#include <QKeyEvent>
#include <gtest/gtest.h>
#include <string>

namespace {

// A key press as the grid reads it, with the native data the platform may add.
GridKey Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0,
            quint32 keysym = 0) {
    return ReadGridKey(QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, keysym, 0));
}

struct Game {
    explicit Game(int n)
        : board(n, AlphabetFor(n), PatternPuzzle(n), PatternSolution(n)), puzzle(MakeCellGrid()),
          solution(MakeCellGrid()) {
        board.ExportPuzzle(puzzle);
        board.ExportSolution(solution);
    }
    // The first open (or given) cell in row-major order.
    std::pair<int, int> FirstCell(bool given) const {
        const int side = board.GetDimension();
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c)
                if ((puzzle[r][c] != ' ') == given)
                    return {r, c};
        return {-1, -1};
    }
    TsdBoard board;
    CellGrid puzzle;
    CellGrid solution;
};

// What each key stores in an open cell of a game of box size n ('\0' for nothing).
char Entered(int n, int key) {
    const Game game(n);
    const auto [r, c] = game.FirstCell(false);
    const GridKeyResponse response = RespondToGridKey(4, Key(key), &game.board, game.puzzle, r, c);
    EXPECT_TRUE(response.message.isEmpty());
    return response.entry.value_or('\0');
}

TEST(CellInput, NineByNineTakesDigitsOneToNine) {
    EXPECT_EQ(Entered(3, Qt::Key_0), '\0');
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(Entered(3, Qt::Key_0 + d), '0' + d);
    EXPECT_EQ(Entered(3, Qt::Key_A), '\0');
    EXPECT_EQ(Entered(3, Qt::Key_I), '\0');
}

TEST(CellInput, SixteenBySixteenTakesDigitsAndAToF) {
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(Entered(4, Qt::Key_0 + d), '0' + d);
    for (int l = 0; l < 6; ++l)
        EXPECT_EQ(Entered(4, Qt::Key_A + l), 'A' + l);
    EXPECT_EQ(Entered(4, Qt::Key_G), '\0');
    EXPECT_EQ(Entered(4, Qt::Key_Z), '\0');
}

TEST(CellInput, TwentyFiveByTwentyFiveTakesAToY) {
    for (int l = 0; l < 25; ++l)
        EXPECT_EQ(Entered(5, Qt::Key_A + l), 'A' + l);
    EXPECT_EQ(Entered(5, Qt::Key_Z), '\0');
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(Entered(5, Qt::Key_0 + d), '\0');
}

TEST(CellInput, SpaceClearsOnEverySizeButDeleteAndBackspaceDoNot) {
    for (int n : {3, 4, 5}) {
        EXPECT_EQ(Entered(n, Qt::Key_Space), ' ');
        EXPECT_EQ(Entered(n, Qt::Key_Delete), '\0');
        EXPECT_EQ(Entered(n, Qt::Key_Backspace), '\0');
    }
}

TEST(CellInput, FunctionAndNavigationKeysEnterNothing) {
    // By its low byte F2 would read as 'q' and F5 as 't'; keys enter by what they are.
    for (int n : {3, 4, 5})
        for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F11, Qt::Key_F12, Qt::Key_Left,
                        Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Escape,
                        Qt::Key_Shift, Qt::Key_Plus, Qt::Key_Exclam, Qt::Key_QuoteLeft})
            EXPECT_EQ(Entered(n, key), '\0') << n << " key " << std::hex << key;
}

TEST(CellInput, GivensRefuseEveryKeySilently) {
    for (int n : {3, 4, 5}) {
        const Game game(n);
        const auto [r, c] = game.FirstCell(true);
        for (int key : {Qt::Key_Space, Qt::Key_1, Qt::Key_A, Qt::Key_B}) {
            const GridKeyResponse response =
                RespondToGridKey(4, Key(key), &game.board, game.puzzle, r, c);
            EXPECT_FALSE(response.entry.has_value());
            EXPECT_TRUE(response.message.isEmpty());
        }
    }
}

TEST(CellInput, OutsideAGameKeysBringGuidance) {
    const Game game(3);
    const auto [r, c] = game.FirstCell(false);
    for (int key : {Qt::Key_1, Qt::Key_Left, Qt::Key_Escape, Qt::Key_F2}) {
        for (std::uint8_t state : {0, 1, 2}) {
            const GridKeyResponse response =
                RespondToGridKey(state, Key(key), &game.board, game.puzzle, r, c);
            EXPECT_FALSE(response.entry.has_value());
            EXPECT_EQ(response.message, "Per iniziare a giocare clicka su [Gioca] o premi [F5] !");
        }
        const GridKeyResponse solution =
            RespondToGridKey(5, Key(key), &game.board, game.puzzle, r, c);
        EXPECT_FALSE(solution.entry.has_value());
        EXPECT_EQ(solution.message, "Per giocare clicka su [Visualizza gioco] o premi [F6] !");
        const GridKeyResponse skipped =
            RespondToGridKey(3, Key(key), &game.board, game.puzzle, r, c);
        EXPECT_FALSE(skipped.entry.has_value());
        EXPECT_TRUE(skipped.message.isEmpty());
    }
    // State 0 may have no board at all.
    EXPECT_FALSE(RespondToGridKey(0, Key(Qt::Key_1), nullptr, game.puzzle, r, c).message.isEmpty());
    EXPECT_FALSE(RespondToGridKey(4, Key(Qt::Key_1), nullptr, game.puzzle, r, c).entry.has_value());
}

// A modifier pressed by itself is the start of a chord such as the window manager's Alt+F4:
// in no state does it bring a message or an entry.
TEST(CellInput, ModifierKeysAloneAreNeverAKeyPress) {
    const Game game(3);
    const auto [r, c] = game.FirstCell(false);
    for (int key : {Qt::Key_Alt, Qt::Key_Shift, Qt::Key_Control, Qt::Key_AltGr, Qt::Key_Meta,
                    Qt::Key_CapsLock, Qt::Key_NumLock})
        for (std::uint8_t state = 0; state <= 5; ++state) {
            const GridKeyResponse response =
                RespondToGridKey(state, Key(key), &game.board, game.puzzle, r, c);
            EXPECT_FALSE(response.entry.has_value()) << key << " in state " << int(state);
            EXPECT_TRUE(response.message.isEmpty()) << key << " in state " << int(state);
        }
}

// The digit row enters its digit whatever is held and whatever the layout prints on it, as
// X11 reports it: the key code says which key it is, the key value what the layout made of it.
TEST(CellInput, DigitRowEntersItsDigitOnEveryLayoutWithOrWithoutShift) {
    const Game game(3);
    const auto [r, c] = game.FirstCell(false);
    const struct {
        const char* layout;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 keyCode, keysym;
        char digit;
    } presses[] = {
        {"us", Qt::Key_1, Qt::NoModifier, 10, 0x31, '1'},
        {"us shift", Qt::Key_Exclam, Qt::ShiftModifier, 10, 0x21, '1'},
        {"us shift", Qt::Key_ParenLeft, Qt::ShiftModifier, 18, 0x28, '9'},
        {"fr", Qt::Key_Ampersand, Qt::NoModifier, 10, 0x26, '1'},
        {"fr", Qt::Key_Eacute, Qt::NoModifier, 11, 0xe9, '2'},
        {"fr", Qt::Key_Ccedilla, Qt::NoModifier, 18, 0xe7, '9'},
        {"fr shift", Qt::Key_5, Qt::ShiftModifier, 14, 0x35, '5'},
        {"fr altgr", Qt::Key_AsciiTilde, Qt::GroupSwitchModifier, 11, 0x7e, '2'},
    };
    for (const auto& p : presses) {
        const GridKeyResponse response = RespondToGridKey(
            4, Key(p.key, p.modifiers, p.keyCode, p.keysym), &game.board, game.puzzle, r, c);
        EXPECT_EQ(response.entry, p.digit) << p.layout << " key code " << p.keyCode;
    }
    // On 16x16 the row's "0" is a symbol too; the keypad keeps its own key codes.
    const Game sixteen(4);
    const auto [r16, c16] = sixteen.FirstCell(false);
    EXPECT_EQ(RespondToGridKey(4, Key(Qt::Key_Agrave, Qt::NoModifier, 19, 0xe0), &sixteen.board,
                               sixteen.puzzle, r16, c16)
                  .entry,
              '0');
    EXPECT_EQ(RespondToGridKey(4, Key(Qt::Key_7, Qt::KeypadModifier, 79, 0xffb7), &sixteen.board,
                               sixteen.puzzle, r16, c16)
                  .entry,
              '7');
}

TEST(MenuEntry, StoresOnlyDuringAVisibleGameIntoOpenCells) {
    const Game game(4);
    const auto [r, c] = game.FirstCell(false);
    const auto [gr, gc] = game.FirstCell(true);
    EXPECT_EQ(MenuEntryValue(4, true, &game.board, game.puzzle, r, c, 'B'), 'B');
    EXPECT_EQ(MenuEntryValue(4, true, &game.board, game.puzzle, r, c, ' '), ' ');
    EXPECT_FALSE(MenuEntryValue(4, true, &game.board, game.puzzle, r, c, 'G').has_value());
    EXPECT_FALSE(MenuEntryValue(4, true, &game.board, game.puzzle, gr, gc, 'B').has_value());
    EXPECT_FALSE(MenuEntryValue(4, true, &game.board, game.puzzle, gr, gc, ' ').has_value());
    EXPECT_FALSE(MenuEntryValue(4, false, &game.board, game.puzzle, r, c, 'B').has_value());
    EXPECT_FALSE(MenuEntryValue(4, true, nullptr, game.puzzle, r, c, 'B').has_value());
    for (std::uint8_t state : {0, 1, 2, 3, 5})
        EXPECT_FALSE(MenuEntryValue(state, true, &game.board, game.puzzle, r, c, 'B'));
}

TEST(MenuEntry, SelectionOutsideTheGridIsRefused) {
    const Game game(3);
    EXPECT_FALSE(MenuEntryValue(4, true, &game.board, game.puzzle, -1, 0, '1').has_value());
    EXPECT_FALSE(MenuEntryValue(4, true, &game.board, game.puzzle, 0, 65, '1').has_value());
    EXPECT_FALSE(RespondToGridKey(4, Key(Qt::Key_1), &game.board, game.puzzle, 65, 0).entry);
    EXPECT_FALSE(HintMessage(game.puzzle, game.solution, -1, 0).has_value());
}

TEST(Hint, NamesTheSolutionSymbolOfOpenCellsOnly) {
    for (int n : {3, 4, 5}) {
        const Game game(n);
        const auto [r, c] = game.FirstCell(false);
        const std::string expected =
            std::string("Per questa casella il miglior simbolo e' :") + game.solution[r][c] + ": ";
        EXPECT_EQ(HintMessage(game.puzzle, game.solution, r, c), QString::fromStdString(expected));
        const auto [gr, gc] = game.FirstCell(true);
        EXPECT_FALSE(HintMessage(game.puzzle, game.solution, gr, gc).has_value());
    }
}

TEST(RightPress, SelectsOnlyDuringAGame) {
    EXPECT_TRUE(PressSelectsCell(4, Qt::RightButton));
    EXPECT_FALSE(PressSelectsCell(4, Qt::LeftButton));
    EXPECT_FALSE(PressSelectsCell(4, Qt::MiddleButton));
    for (std::uint8_t state : {0, 1, 2, 3, 5})
        EXPECT_FALSE(PressSelectsCell(state, Qt::RightButton));
}

} // namespace
