#include "game/rules/completion_check.h"
#include "support/pattern_grids.h"

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
