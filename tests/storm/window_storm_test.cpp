// A storm of random input through the real main window. Whatever the player does, the game's
// data must stay consistent: a known state, givens untouched, the puzzle fixed during a game,
// only symbols of the current size in the player's grid, and a grid shaped like the board;
// notes only in open blank cells, undo then redo changing nothing, and undoing every step
// giving the puzzle back.
//
// CASELIO_STORM_SEED and CASELIO_STORM_EVENTS override the fixed seed and the event count.
// The seed drives the events and the game's own random stream alike, so a printed seed
// replays a failing run exactly, puzzles included.
#include "desktop/desktop_services.h"
#include "support/game_cells.h"
#include "support/pinned_random_stream.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>

namespace {

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

const Qt::Key kFunctionKeys[] = {Qt::Key_F1, Qt::Key_F2,  Qt::Key_F3,  Qt::Key_F4,
                                 Qt::Key_F5, Qt::Key_F6,  Qt::Key_F7,  Qt::Key_F8,
                                 Qt::Key_F9, Qt::Key_F10, Qt::Key_F11, Qt::Key_F12};
const Qt::Key kNavigationKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                   Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                            Qt::AltModifier};

class WindowStorm : public ::testing::Test {
protected:
    void SetUp() override {
        seed = envNumber("CASELIO_STORM_SEED", 20261209);
        events = envNumber("CASELIO_STORM_EVENTS", 200000);
        std::printf("storm seed %llu, %llu events (CASELIO_STORM_SEED=%llu to replay)\n",
                    static_cast<unsigned long long>(seed), static_cast<unsigned long long>(events),
                    static_cast<unsigned long long>(seed));
        startRun();
    }

    // Everything that follows from the seed, from the start: the events, the game's random
    // stream, the clock and a new window.
    void startRun() {
        window.reset();
        rng.seed(seed);
        pinned.reset();
        pinned = std::make_unique<PinnedRandomStream>(static_cast<std::uint32_t>(seed));
        now = kStart;
        startWindow();
    }

    // What a run leaves behind, to compare two runs by.
    std::string fingerprint() const {
        const GameCore& game = core();
        std::string print = std::to_string(game.GameState()) + " " + std::to_string(game.BoxSize());
        for (const CellGrid* grid : {&game.PlayGrid(), &game.PuzzleGrid(), &game.SolutionGrid()})
            print.append(&(*grid)[0][0], sizeof(*grid));
        return print;
    }

    // The desktop of the storm: silent boxes, random answers to the question, the storm's
    // clock. Printing is slow and tested on its own: the dialog is always cancelled here.
    DesktopServices stormServices() {
        DesktopServices services;
        services.showMessage = [](QWidget*, const QString&) {};
        services.confirm = [this](QWidget*, const QString&) -> ConfirmAnswer {
            lastAnswer = static_cast<ConfirmAnswer>(pick(3));
            return *lastAnswer;
        };
        services.openUrl = [](const QUrl&) { return true; };
        services.now = [this] { return now; };
        services.wait = [](int) {};
        services.printDialog = [](QPrinter&, QWidget*) { return false; };
        services.askDialog = [](QDialog&) { return false; };
        return services;
    }

    // The program's window, as at a new start.
    void startWindow() {
        window = std::make_unique<TfrmSudoku>(stormServices());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        wasInGame = false;
    }

    // The window manager asks the window to close. Outside a game it closes at once; during
    // one it asks first and closes only on Yes, keeping the game otherwise. A closed window
    // is followed by a new start.
    void closeRequest() {
        const int state = core().GameState();
        const bool game = IsGameRunning(state);
        lastAnswer.reset();
        const bool closed = window->close();
        if (game != lastAnswer.has_value())
            closeFault =
                "close in state " + std::to_string(state) + (game ? " did not ask" : " asked");
        else if (closed != (!game || lastAnswer == ConfirmAnswer::Yes))
            closeFault = "close in state " + std::to_string(state) +
                         (closed ? " closed" : " kept the window") + " against the answer";
        else if (!closed && core().GameState() != state)
            closeFault = "a refused close changed the state";
        if (closed)
            startWindow();
    }

    void TearDown() override {
        window.reset();
        pinned.reset();
    }

    const GameCore& core() const { return *control<GameCore>("game"); }
    // A control of the window, by its name.
    template <typename T> T* control(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window.get(), k, modifiers);
    }

    void clickCell(Qt::MouseButton button) {
        DrawGrid* grid = control<DrawGrid>("sg1");
        if (!grid->isVisible())
            return;
        QWidget* viewport = grid->viewport();
        // Mostly on a cell, sometimes anywhere in the control (lines, empty area).
        QPoint at(pick(viewport->width()), pick(viewport->height()));
        if (pick(4) != 0) {
            const QRect cell = grid->cellRect(pick(grid->rowCount()), pick(grid->colCount()));
            if (viewport->rect().contains(cell.center()))
                at = cell.center();
        }
        QTest::mouseClick(viewport, button, Qt::NoModifier, at);
    }

    void chooseMenuItem() {
        const QList<QAction*> items = control<QMenu>("popm1")->actions();
        if (items.isEmpty())
            return;
        QAction* item = items[pick(static_cast<int>(items.size()))];
        // A disabled item cannot be chosen from an open menu.
        if (item->isEnabled())
            item->trigger();
    }

    void clickIfVisible(QAbstractButton* button) {
        if (button->isVisible() && button->isEnabled())
            QTest::mouseClick(button, Qt::LeftButton);
    }

    void pickSize() {
        RadioGroup* sizes = control<RadioGroup>("cbg1");
        QRadioButton* item = sizes->item(pick(sizes->itemCount()));
        clickIfVisible(item);
    }

    void oneEvent() {
        now = now.addMSecs(pick(5000));
        const int roll = pick(100);
        if (roll < 15) {
            key(kFunctionKeys[pick(12)], pick(3) == 0 ? kModifiers[pick(4)] : Qt::NoModifier);
        } else if (roll < 18) {
            // Undo and redo, Ctrl+Y among them, with a stray Alt now and then.
            const Qt::KeyboardModifiers chords[] = {Qt::ControlModifier,
                                                    Qt::ControlModifier | Qt::ShiftModifier,
                                                    Qt::ControlModifier | Qt::AltModifier};
            key(pick(4) == 0 ? Qt::Key_Y : Qt::Key_Z, chords[pick(3)]);
        } else if (roll < 25) {
            key(Qt::Key_F10); // new puzzles often, so every size gets played
        } else if (roll < 50) {
            const int which = pick(4);
            const Qt::KeyboardModifiers modifiers =
                which == 3 ? Qt::KeypadModifier : kModifiers[pick(4)];
            const Qt::Key k = which == 0   ? Qt::Key(Qt::Key_A + pick(26))
                              : which == 3 ? Qt::Key(Qt::Key_0 + pick(10))
                                           : Qt::Key(Qt::Key_0 + pick(10));
            key(k, modifiers);
        } else if (roll < 55) {
            const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Delete, Qt::Key_Backspace,
                                    Qt::Key_Tab,   Qt::Key_Escape, Qt::Key_Return};
            key(keys[pick(6)], kModifiers[pick(4)]);
        } else if (roll < 70) {
            key(kNavigationKeys[pick(8)], pick(4) == 0 ? kModifiers[pick(4)] : Qt::NoModifier);
        } else if (roll < 78) {
            clickCell(Qt::LeftButton);
        } else if (roll < 84) {
            clickCell(Qt::RightButton);
        } else if (roll < 91) {
            chooseMenuItem();
        } else if (roll < 94) {
            clickIfVisible(control<QPushButton>(pick(2) ? "btnFontPiu" : "btnFontMeno"));
        } else if (roll < 97) {
            const char* boxes[] = {"cbxControllo", "cbxHideTimer", "cbxPencil", "cbxHighlight"};
            clickIfVisible(control<QCheckBox>(boxes[pick(4)]));
        } else if (roll < 99) {
            pickSize();
        } else {
            closeRequest();
        }
        // Let pending repaints run now and then, so painting is exercised too.
        if (pick(32) == 0)
            QCoreApplication::processEvents();
    }

    // Returns a description of the first broken rule, or an empty string.
    std::string brokenRule() {
        if (!closeFault.empty())
            return closeFault;
        const int state = core().GameState();
        if (state > PlayingSolutionView || state == 3)
            return "GameState " + std::to_string(state);
        if (!core().Board())
            return state == NoPuzzle ? "" : "no board in state " + std::to_string(state);

        const int side = core().Board()->GetDimension();
        const DrawGrid* grid = control<DrawGrid>("sg1");
        if (grid->rowCount() != side || grid->colCount() != side)
            return "grid is " + std::to_string(grid->colCount()) + " x " +
                   std::to_string(grid->rowCount()) + " for a board of side " +
                   std::to_string(side);
        if (state == NoPuzzle)
            return "";

        const std::string& alphabet = core().SymbolAlphabet();
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c) {
                const char given = core().PuzzleGrid()[r][c];
                const char shown = core().PlayGrid()[r][c];
                if (given != ' ' && shown != given)
                    return "given changed at " + std::to_string(r) + "," + std::to_string(c);
                if (shown != ' ' && alphabet.find(shown) == std::string::npos)
                    return std::string("foreign byte '") + shown + "' at " + std::to_string(r) +
                           "," + std::to_string(c);
            }

        const bool inGame = IsGameRunning(state);
        if (inGame && wasInGame &&
            (core().PuzzleGrid() != puzzleAtStart || core().SolutionGrid() != solutionAtStart))
            return "puzzle or solution changed during a game";
        if (inGame && !wasInGame) {
            puzzleAtStart = core().PuzzleGrid();
            solutionAtStart = core().SolutionGrid();
        }
        wasInGame = inGame;
        return brokenNotesRule();
    }

    // The notes and the steps: notes only in open blank cells; undo then redo changes
    // nothing; now and then, undoing every step gives the puzzle back, and redoing them all
    // the game as it was.
    std::string brokenNotesRule() {
        const GameCore& game = core();
        const int side = game.BoxSize() * game.BoxSize();
        for (int r = 0; r < kLargestSide; ++r)
            for (int c = 0; c < kLargestSide; ++c) {
                const CellNotes notes = game.NotesAt(r, c);
                if (notes == 0)
                    continue;
                if (!IsGameRunning(game.GameState()) || r >= side || c >= side ||
                    game.PuzzleGrid()[r][c] != ' ' || game.PlayGrid()[r][c] != ' ' ||
                    notes >= NoteBit(side))
                    return "notes at " + std::to_string(r) + "," + std::to_string(c);
            }
        QAction* undo = control<QAction>("ActUndo");
        QAction* redo = control<QAction>("ActRedo");
        const bool inGrid = game.GameState() == Playing;
        if (undo->isEnabled() != (inGrid && game.History().CanUndo()) ||
            redo->isEnabled() != (inGrid && game.History().CanRedo()))
            return "undo or redo enabled against the steps";
        if (!inGrid || !game.History().CanUndo())
            return "";
        const CellGrid grid = game.PlayGrid();
        const NotesGrid notes = NotesOf(game);
        const bool couldRedo = game.History().CanRedo();
        undo->trigger();
        redo->trigger();
        if (game.PlayGrid() != grid || NotesOf(game) != notes ||
            game.History().CanRedo() != couldRedo)
            return "undo then redo changed the game";
        if (++checks % 499 != 0)
            return "";
        int steps = 0;
        for (; game.History().CanUndo(); ++steps)
            undo->trigger();
        if (game.PlayGrid() != game.PuzzleGrid() || NotesOf(game) != NotesGrid{})
            return "undoing every step left more than the puzzle";
        for (int i = 0; i < steps; ++i)
            redo->trigger();
        if (game.PlayGrid() != grid || NotesOf(game) != notes)
            return "redoing every step did not give the game back";
        return "";
    }

    std::uint64_t seed = 0;
    std::uint64_t events = 0;
    std::mt19937_64 rng;
    std::unique_ptr<PinnedRandomStream> pinned;
    const QDateTime kStart = QDateTime(QDate(2026, 12, 9), QTime(9, 0));
    QDateTime now = kStart;
    std::unique_ptr<TfrmSudoku> window;
    std::optional<ConfirmAnswer> lastAnswer;
    std::string closeFault;
    bool wasInGame = false;
    std::uint64_t checks = 0; // undo-everything checks are spaced by this count
    CellGrid puzzleAtStart = MakeCellGrid();
    CellGrid solutionAtStart = MakeCellGrid();
};

TEST_F(WindowStorm, GameDataStaysConsistentUnderRandomInput) {
    int statesSeen = 0;
    for (std::uint64_t i = 0; i < events; ++i) {
        oneEvent();
        statesSeen |= 1 << core().GameState();
        const std::string broken = brokenRule();
        ASSERT_EQ(broken, "") << "after event " << i << " (seed " << seed << ")";
    }
    // The storm is only worth something if it reached every state.
    EXPECT_EQ(statesSeen, 0b110111) << "states seen, as bits";
}

// A printed seed is worth something only if it brings the same run back.
TEST_F(WindowStorm, TheSameSeedReplaysTheSameRun) {
    const std::uint64_t replayed = std::min<std::uint64_t>(events, 3000);
    for (std::uint64_t i = 0; i < replayed; ++i)
        oneEvent();
    const std::string first = fingerprint();
    startRun();
    for (std::uint64_t i = 0; i < replayed; ++i)
        oneEvent();
    EXPECT_EQ(fingerprint(), first);
}

} // namespace
