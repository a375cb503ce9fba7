// The completion test, on crafted grids and through the game: when the congratulation comes
// and what time it gives.
#include "game/completion_check.h"
#include "game/game_fixture.h"
#include "game/game_texts.h"
#include "support/pattern_grids.h"

#include <QTimeZone>
#include <gtest/gtest.h>
#include <string>

namespace {

CellGrid GridFromText(const std::string& text, int side) {
    CellGrid grid = MakeCellGrid('.');
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            grid[r][c] = text[r * side + c];
    return grid;
}

class CompletionTest : public ::testing::TestWithParam<int> {
protected:
    int n() const { return GetParam(); }
    int side() const { return n() * n(); }
    TsdBoard MakeBoard() const {
        return TsdBoard(n(), AlphabetFor(n()), PatternPuzzle(n()), PatternSolution(n()));
    }
    CellGrid Solved() const { return GridFromText(PatternSolution(n()), side()); }
};

TEST_P(CompletionTest, FullGridWithoutRepeatsIsSolved) {
    const TsdBoard board = MakeBoard();
    ASSERT_FALSE(board.HasError());
    EXPECT_TRUE(IsGridSolved(board, Solved()));
}

TEST_P(CompletionTest, AnyBlankMeansNotSolved) {
    const TsdBoard board = MakeBoard();
    for (const auto& [r, c] : {std::pair{0, 0}, {side() - 1, side() - 1}, {side() / 2, 1}}) {
        CellGrid grid = Solved();
        grid[r][c] = ' ';
        EXPECT_FALSE(IsGridSolved(board, grid)) << r << "," << c;
    }
}

TEST_P(CompletionTest, RepeatInLastCellThenCorrected) {
    const TsdBoard board = MakeBoard();
    CellGrid grid = Solved();
    const int last = side() - 1;
    const char right = grid[last][last];
    // Any other symbol of the alphabet repeats one in the row (and column and box).
    grid[last][last] = grid[last][0];
    EXPECT_FALSE(IsGridSolved(board, grid));
    grid[last][last] = right;
    EXPECT_TRUE(IsGridSolved(board, grid));
}

TEST_P(CompletionTest, RepeatOnlyInBoxIsCaught) {
    // Each row shifted by one against the row above: rows and columns hold every symbol
    // once, but the boxes repeat them.
    const TsdBoard board = MakeBoard();
    CellGrid grid = MakeCellGrid('.');
    const std::string alphabet = AlphabetFor(n());
    for (int r = 0; r < side(); ++r)
        for (int c = 0; c < side(); ++c)
            grid[r][c] = alphabet[(r + c) % side()];
    EXPECT_FALSE(IsGridSolved(board, grid));
}

TEST_P(CompletionTest, RepeatsOnlyInRowsOrOnlyInColumnsAreCaught) {
    const TsdBoard board = MakeBoard();
    const int last = side() - 1;
    // Two cells of the last column and of one box swapped: every column and box still holds
    // each symbol once, but two rows repeat one.
    CellGrid rows = Solved();
    std::swap(rows[0][last], rows[1][last]);
    EXPECT_FALSE(IsGridSolved(board, rows));
    // The same along the last row: only two columns repeat.
    CellGrid columns = Solved();
    std::swap(columns[last][0], columns[last][1]);
    EXPECT_FALSE(IsGridSolved(board, columns));
}

TEST_P(CompletionTest, ValidGridDifferentFromSolutionIsAccepted) {
    const TsdBoard board = MakeBoard();
    CellGrid grid = Solved();
    // Relabel two symbols everywhere: still valid, but differs from the stored solution.
    const std::string alphabet = AlphabetFor(n());
    for (int r = 0; r < side(); ++r)
        for (int c = 0; c < side(); ++c) {
            if (grid[r][c] == alphabet[0])
                grid[r][c] = alphabet[1];
            else if (grid[r][c] == alphabet[1])
                grid[r][c] = alphabet[0];
        }
    EXPECT_NE(grid, Solved());
    EXPECT_TRUE(IsGridSolved(board, grid));
}

TEST_P(CompletionTest, BytesOutsideTheCornerAreIgnored) {
    const TsdBoard board = MakeBoard();
    CellGrid grid = Solved();
    grid[side()][0] = ' ';
    grid[0][side()] = ' ';
    EXPECT_TRUE(IsGridSolved(board, grid));
}

INSTANTIATE_TEST_SUITE_P(AllSizes, CompletionTest, ::testing::Values(3, 4, 5));

TEST(Completion, BytesAreComparedAsTheyAre) {
    // A lower-case copy of a letter is another byte, so it repeats nothing.
    const TsdBoard board(4, AlphabetFor(4), PatternPuzzle(4), PatternSolution(4));
    CellGrid grid = GridFromText(PatternSolution(4), 16);
    ASSERT_EQ(grid[0][10], 'A');
    grid[0][10] = 'a';
    EXPECT_TRUE(IsGridSolved(board, grid));
}

} // namespace

class CompletionGameTest : public GameTest {
protected:
    // Fills every open cell but the last one from the solution; returns the last one.
    GridCell FillAllButLast() {
        GridCell last{-1, -1};
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if (Game.PuzzleGrid()[r][c] == ' ') {
                    if (last.row >= 0)
                        Type(Solution(last), last);
                    last = {r, c};
                }
        return last;
    }
};

TEST_F(CompletionGameTest, ElapsedTimeIsTruncatedAndHoursKeepCounting) {
    const QDate day(2024, 3, 9);
    const QTimeZone rome("Europe/Rome");
    const struct {
        QDateTime start, end;
        int hours, minutes, seconds;
    } cases[] = {
        {{day, QTime(10, 0, 0)}, {day, QTime(10, 59, 59, 500)}, 0, 59, 59},
        {{day, QTime(10, 0, 0)}, {day, QTime(11, 0, 0, 500)}, 1, 0, 0},
        {{day, QTime(10, 0, 0)}, {day, QTime(12, 30, 10, 500)}, 2, 30, 10},
        {{day, QTime(23, 50, 0)}, {day.addDays(1), QTime(0, 20, 0, 500)}, 0, 30, 0},
        {{day, QTime(9, 0, 0)}, {day.addDays(1), QTime(11, 0, 5)}, 26, 0, 5},
        // The start's milliseconds count for the message.
        {{day, QTime(8, 0, 0, 900)}, {day, QTime(8, 1, 0, 800)}, 0, 0, 59},
        // Two real minutes from 02:58:30 summer time to 02:00:30 winter time.
        {QDateTime(QDate(2024, 10, 27), QTime(0, 58, 30), Qt::UTC).toTimeZone(rome),
         QDateTime(QDate(2024, 10, 27), QTime(1, 0, 30), Qt::UTC).toTimeZone(rome), 0, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start.toString(Qt::ISODateWithMs).toStdString());
        Game.Start();
        Host.Messages.clear();
        Host.Time = c.start;
        StartGame(3);
        const GridCell last = FillAllButLast();
        Host.Time = c.end;
        Type(Solution(last), last);
        ASSERT_EQ(Host.Messages.size(), 1);
        EXPECT_EQ(Host.Messages[0], CongratulationText({c.hours, c.minutes, c.seconds}));
    }
}

TEST_F(CompletionGameTest, RepeatThenCorrectionThenClearingThenEveryLaterEntry) {
    StartGame(4);
    const GridCell last = FillAllButLast();
    // A symbol that repeats one of its row leaves the full grid unsolved.
    const char wrong = Game.SolutionGrid()[last.row][(last.column + 1) % 16];
    ASSERT_NE(wrong, Solution(last));
    Type(wrong, last);
    EXPECT_TRUE(Host.Messages.isEmpty());
    // Corrected through the menu.
    Game.EnterFromMenu(Solution(last), last.row, last.column);
    ASSERT_EQ(Host.Messages.size(), 1);
    // Clearing runs the test and shows nothing; the same symbol again shows it again.
    Type(' ', last);
    EXPECT_EQ(Host.Messages.size(), 1);
    Type(Solution(last), last);
    EXPECT_EQ(Host.Messages.size(), 2);
    Host.Time = Host.Time.addSecs(75);
    Type(Solution(last), last);
    ASSERT_EQ(Host.Messages.size(), 3);
    EXPECT_EQ(Host.Messages[2], CongratulationText({0, 1, 15}));
    // Refused entries, a hint and the solution view never run the test; the game goes on.
    const GridCell given = First(true);
    Type(Solution(given), given);
    Game.Hint(last.row, last.column);
    Game.Run(GameCommand::ToggleView);
    Game.Run(GameCommand::ToggleView);
    EXPECT_EQ(Host.Messages.size(), 4); // the hint alone
    EXPECT_TRUE(Host.Messages[3].startsWith("Per questa casella"));
    EXPECT_EQ(Game.GameState(), Playing);
}
