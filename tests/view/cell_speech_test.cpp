#include "game/game_state.h"
#include "support/pattern_grids.h"
#include "view/cell_speech.h"

#include <gtest/gtest.h>

namespace {

// The 9x9 pattern puzzle. Its first row reads " 2 45 7 9" with "123456789" as the solution:
// (row 0, column 0) is open and column 1 holds the given 2. (Row 0, column 2) is open too,
// while its mirror across the diagonal, (row 2, column 0), is a given.
struct Position {
    Position() : board(3, AlphabetFor(3), PatternPuzzle(3), PatternSolution(3)) {
        board.ExportPuzzle(puzzle);
        board.ExportSolution(solution);
        play = puzzle;
    }
    GridView View(std::uint8_t state, bool checking) const {
        return GridViewOf(
            GridContent{3, state, play, puzzle, solution, &board, checking, &notes, "123456789"});
    }
    TsdBoard board;
    CellGrid play = MakeCellGrid();
    CellGrid puzzle = MakeCellGrid();
    CellGrid solution = MakeCellGrid();
    NotesGrid notes{};
};

TEST(CellSpeech, SaysWhatThePainterShowsInOneRegularForm) {
    struct Case {
        std::uint8_t state;
        bool checking;
        char entry; // put into the open cell (0, 0)
        int row;
        int column;
        const char* expected;
    };
    const Case cases[] = {
        {PuzzleView, false, ' ', 0, 1, "riga 1, colonna 2, 2, iniziale"},
        {PuzzleView, false, ' ', 0, 0, "riga 1, colonna 1, vuota"},
        {Playing, false, '1', 0, 0, "riga 1, colonna 1, 1"},
        // The entry repeats the given 2 of its row: both are marked, as both get the stroke.
        {Playing, true, '2', 0, 0, "riga 1, colonna 1, 2, ripetuto"},
        {Playing, true, '2', 0, 1, "riga 1, colonna 2, 2, iniziale, ripetuto"},
        {Playing, false, '2', 0, 0, "riga 1, colonna 1, 2"},
        // With the solution on view the cell reads the solution, never a repeat of the entry.
        {PlayingSolutionView, true, '2', 0, 0, "riga 1, colonna 1, 1"},
        {SolutionView, false, ' ', 0, 0, "riga 1, colonna 1, 1"},
        {NoPuzzle, false, ' ', 0, 1, "riga 1, colonna 2, 2, iniziale"},
        {SolutionView, false, ' ', 2, 8, "riga 3, colonna 9, 6, iniziale"},
        // The open cells hold the notes 1, 4 and 9, the last symbol among them: said in a
        // game, after "vuota", and only while the cell is blank.
        {Playing, false, ' ', 0, 0, "riga 1, colonna 1, vuota, note 1 4 9"},
        {Playing, false, ' ', 0, 2, "riga 1, colonna 3, vuota, note 1 4 9"},
        {Playing, false, '3', 0, 0, "riga 1, colonna 1, 3"},
        {PlayingSolutionView, false, ' ', 0, 0, "riga 1, colonna 1, 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << int(c.state) << ", entry '" << c.entry
                                        << "', row " << c.row << ", column " << c.column);
        Position position;
        position.play[0][0] = c.entry;
        position.notes[0][0] = position.notes[0][2] = NoteBit(0) | NoteBit(3) | NoteBit(8);
        EXPECT_EQ(CellSpeech(position.View(c.state, c.checking), c.row, c.column).toStdString(),
                  c.expected);
    }
}

} // namespace
