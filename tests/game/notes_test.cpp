// The notes, undo and redo: what an entry does to the notes around it, filling in candidates,
// and the steps taken back and done again, over the three sizes.
#include "game/game_fixture.h"

#include <cctype>
#include <functional>
#include <utility>

namespace {

constexpr int kSizes[] = {3, 4, 5};

struct Position {
    CellGrid grid;
    NotesGrid notes;
    friend bool operator==(const Position&, const Position&) = default;
};

Position PositionOf(const GameCore& game) {
    return {game.PlayGrid(), NotesOf(game)};
}

bool SameHouse(int n, GridCell a, GridCell b) {
    return a.row == b.row || a.column == b.column ||
           (a.row / n == b.row / n && a.column / n == b.column / n);
}

// The candidates of a cell worked out the slow way: every symbol the other cells of its row,
// column and box do not hold.
CellNotes SlowCandidates(const GameCore& game, GridCell cell) {
    const std::string& alphabet = game.SymbolAlphabet();
    CellNotes notes = 0;
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        bool held = false;
        for (int r = 0; r < Side(game); ++r)
            for (int c = 0; c < Side(game); ++c)
                held = held || (SameHouse(game.BoxSize(), cell, {r, c}) &&
                                std::toupper(PlayAt(game, {r, c})) == alphabet[i]);
        if (!held)
            notes |= NoteBit(static_cast<int>(i));
    }
    return notes;
}

} // namespace

class NotesTest : public GameTest {
protected:
    CellNotes Notes(GridCell cell) const { return Game.NotesAt(cell.row, cell.column); }
    // The n-th open cell, row by row.
    GridCell Open(int nth) const {
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if (PuzzleAt(Game, {r, c}) == ' ' && nth-- == 0)
                    return {r, c};
        ADD_FAILURE() << "too few open cells";
        return {0, 0};
    }
};

TEST_F(NotesTest, AnEntryTakesItsSymbolsNotesFromItsRowColumnAndBoxOnly) {
    for (int n : kSizes) {
        SCOPED_TRACE(n);
        Game.Start();
        StartGame(n);
        Game.Run(GameCommand::FillCandidates);
        const GridCell cell = Open(0);
        const char symbol = Solution(cell);
        const CellNotes bit = NoteBit(Game.SymbolIndex(symbol));
        // The symbol noted in every open cell, so that every peer has a note to lose.
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if (!(Notes({r, c}) & bit))
                    Game.ToggleNote(symbol, r, c);
        const Position before = PositionOf(Game);
        Type(symbol, cell);
        EXPECT_EQ(Notes(cell), 0u);
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c) {
                if (GridCell{r, c} == cell)
                    continue;
                const CellNotes expected =
                    SameHouse(n, cell, {r, c}) ? before.notes[r][c] & ~bit : before.notes[r][c];
                ASSERT_EQ(Notes({r, c}), expected) << r << "," << c;
            }
        // A given takes no note.
        const GridCell given = First(true);
        Game.ToggleNote(Game.SymbolAlphabet()[0], given.row, given.column);
        EXPECT_EQ(Notes(given), 0u);
    }
}

TEST_F(NotesTest, ARepeatingEntryLeavesEveryOtherNote) {
    for (int n : kSizes) {
        SCOPED_TRACE(n);
        Host.Answer = true;
        Game.Start();
        StartGame(n);
        const RepeatCells cells = FirstRepeatCells(Game);
        const char symbol = Play(cells.given);
        // The repeated symbol noted everywhere it can be, the row's other open cells included.
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if (GridCell{r, c} != cells.open)
                    Game.ToggleNote(symbol, r, c);
        const NotesGrid before = NotesOf(Game);
        Type(symbol, cells.open);
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                ASSERT_EQ(Notes({r, c}), before[r][c]) << r << "," << c;
    }
}

TEST_F(NotesTest, FillGivesEveryOpenBlankCellExactlyItsCandidates) {
    for (int n : kSizes) {
        SCOPED_TRACE(n);
        Game.Start();
        StartGame(n);
        // Some entries first, one of them lower case, and stale notes to be replaced.
        Type(Solution(Open(0)), Open(0));
        Type(static_cast<char>(std::tolower(Solution(Open(1)))), Open(1));
        Game.ToggleNote(Solution(Open(0)), Open(2).row, Open(2).column);
        Game.Run(GameCommand::FillCandidates);
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c) {
                const bool blank = PlayAt(Game, {r, c}) == ' ';
                ASSERT_EQ(Notes({r, c}), blank ? SlowCandidates(Game, {r, c}) : 0u)
                    << r << "," << c;
            }
    }
}

// Each row: a change, then what undo and redo must give back.
TEST_F(NotesTest, UndoAndRedoTakeBackAndRedoOneWholeStep) {
    const std::pair<const char*, std::function<void()>> kChanges[] = {
        {"entry with the notes it removed", [this] { Type(Solution(Open(0)), Open(0)); }},
        {"clearing an entry", [this] { Type(' ', Open(1)); }},
        {"a note", [this] { Game.ToggleNote(Solution(Open(2)), Open(2).row, Open(2).column); }},
        {"clearing notes", [this] { Game.ClearNotes(Open(2).row, Open(2).column); }},
        {"a fill", [this] { Game.Run(GameCommand::FillCandidates); }},
    };
    for (int n : kSizes) {
        SCOPED_TRACE(n);
        Game.Start();
        StartGame(n);
        const Position puzzle = PositionOf(Game);
        Game.Run(GameCommand::FillCandidates);
        Type(Solution(Open(1)), Open(1));
        int repaints = 0;
        const auto counter =
            QObject::connect(&Game, &GameCore::playGridChanged, [&] { ++repaints; });
        for (const auto& [name, change] : kChanges) {
            SCOPED_TRACE(name);
            const Position before = PositionOf(Game);
            change();
            const Position after = PositionOf(Game);
            Game.Run(GameCommand::Undo);
            EXPECT_EQ(PositionOf(Game), before);
            Game.Run(GameCommand::Redo);
            EXPECT_EQ(PositionOf(Game), after);
        }
        // Undo and redo repaint as an entry does.
        EXPECT_EQ(repaints, 3 * 5);
        // Undoing everything gives the puzzle back; redo has nothing past the end.
        for (int i = 0; i < 10; ++i)
            Game.Run(GameCommand::Undo);
        EXPECT_EQ(PositionOf(Game), puzzle);
        QObject::disconnect(counter);
    }
}

TEST_F(NotesTest, ANewChangeDropsWhatCouldBeRedone) {
    StartGame(4);
    const char symbol = Game.SymbolAlphabet()[0];
    Game.ToggleNote(symbol, Open(0).row, Open(0).column);
    Game.Run(GameCommand::Undo);
    Game.ToggleNote(symbol, Open(1).row, Open(1).column);
    const Position after = PositionOf(Game);
    Game.Run(GameCommand::Redo);
    EXPECT_EQ(PositionOf(Game), after);
    EXPECT_EQ(Notes(Open(0)), 0u);
}

TEST_F(NotesTest, EveryNewGameStartsWithNoNotesNothingToUndoAndPenMode) {
    for (int n : kSizes) {
        SCOPED_TRACE(n);
        Game.Start();
        StartGame(n);
        Game.Run(GameCommand::FillCandidates);
        Type(Solution(Open(0)), Open(0));
        Game.Run(GameCommand::PencilMode);
        // Abandoned, then played again.
        Host.Answer = true;
        ASSERT_EQ(Game.Play(), GameCore::PlayOutcome::Abandoned);
        EXPECT_EQ(NotesOf(Game), NotesGrid{});
        ASSERT_EQ(Game.Play(), GameCore::PlayOutcome::Started);
        EXPECT_FALSE(Game.PencilMode());
        const Position start = PositionOf(Game);
        Game.Run(GameCommand::Undo);
        EXPECT_EQ(PositionOf(Game), start);
        EXPECT_EQ(Game.PlayGrid(), Game.PuzzleGrid());
    }
}

// Undo and redo are offered exactly while there is a step, and one signal tells each change.
TEST_F(NotesTest, UndoAndRedoAreAvailableOnlyWithAStepToTakeBackOrDoAgain) {
    StartGame(3);
    int announced = 0;
    QObject::connect(&Game, &GameCore::availabilityChanged, [&] { ++announced; });
    const auto available = [this] {
        return std::pair{Game.Available(GameCommand::Undo), Game.Available(GameCommand::Redo)};
    };
    EXPECT_EQ(available(), std::pair(false, false));
    EXPECT_TRUE(Game.TakesKeyOf(GameCommand::Undo));
    EXPECT_FALSE(Game.Run(GameCommand::Undo));
    Game.ToggleNote('1', Open(0).row, Open(0).column);
    EXPECT_EQ(available(), std::pair(true, false));
    Game.ToggleNote('2', Open(0).row, Open(0).column);
    EXPECT_EQ(announced, 1);
    EXPECT_TRUE(Game.Run(GameCommand::Undo));
    EXPECT_EQ(available(), std::pair(true, true));
    EXPECT_TRUE(Game.Run(GameCommand::Undo));
    EXPECT_EQ(available(), std::pair(false, true));
    EXPECT_EQ(announced, 3);
    // With the solution on view neither is offered, nor are their chords the game's.
    Game.Run(GameCommand::ToggleView);
    EXPECT_EQ(available(), std::pair(false, false));
    EXPECT_FALSE(Game.TakesKeyOf(GameCommand::Redo));
    EXPECT_EQ(announced, 4);
}

TEST_F(NotesTest, OutsideTheGamesGridTheComfortsDoNothing) {
    StartGame(3);
    Game.ToggleNote('1', Open(0).row, Open(0).column);
    Game.Run(GameCommand::ToggleView); // the solution on view
    const Position shown = PositionOf(Game);
    Game.ToggleNote('2', Open(0).row, Open(0).column);
    Game.Run(GameCommand::FillCandidates);
    Game.Run(GameCommand::Undo);
    Game.Run(GameCommand::PencilMode);
    EXPECT_EQ(PositionOf(Game), shown);
    EXPECT_FALSE(Game.PencilMode());
    for (GameCommand command : {GameCommand::PencilMode, GameCommand::Highlight,
                                GameCommand::FillCandidates, GameCommand::Undo, GameCommand::Redo})
        EXPECT_FALSE(Game.Available(command));
}
