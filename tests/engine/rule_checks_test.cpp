#include "engine/tsd_board.h"
#include "support/pattern_grids.h"

#include <gtest/gtest.h>

namespace {

CellGrid gridFromText(const std::string& text, int side) {
    CellGrid grid = MakeCellGrid();
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            grid[r][c] = text[r * side + c] == '?' ? ' ' : text[r * side + c];
    return grid;
}

class RuleChecks : public ::testing::Test {
protected:
    TsdBoard board{3, AlphabetFor(3), PatternPuzzle(3), PatternSolution(3)};
};

TEST_F(RuleChecks, CheckSolutionAcceptsAValidGridAndLeavesItUnchanged) {
    EXPECT_TRUE(board.CheckSolution());
    CellGrid solution = MakeCellGrid();
    board.ExportSolution(solution);
    EXPECT_EQ(solution, gridFromText(PatternSolution(3), 9));
}

TEST_F(RuleChecks, CheckSolutionRefusesOneRepeatInAColumn) {
    // Swapping two cells of one row keeps the row valid but repeats values in two columns.
    std::string solution = PatternSolution(3);
    std::swap(solution[0], solution[1]);
    board.LoadPuzzle(PatternPuzzle(3), solution, AlphabetFor(3));
    ASSERT_FALSE(board.HasError());
    EXPECT_FALSE(board.CheckSolution());
}

TEST_F(RuleChecks, CheckSolutionRefusesABoxRepeatWithValidRowsAndColumns) {
    // A Latin square whose boxes repeat: cell (r, c) = (r + c) mod 9.
    std::string solution;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            solution += static_cast<char>('1' + (r + c) % 9);
    board.LoadPuzzle(PatternPuzzle(3), solution, AlphabetFor(3));
    EXPECT_FALSE(board.CheckSolution());
}

TEST_F(RuleChecks, RowRepeatMarksBothCellsOnly) {
    CellGrid grid = MakeCellGrid();
    const std::string row0 = "123456789";
    for (int c = 0; c < 9; ++c)
        grid[0][c] = row0[c];
    grid[0][5] = '3'; // same as column 2
    EXPECT_TRUE(board.RowConflict('3', 0, 2, grid));
    EXPECT_TRUE(board.RowConflict('3', 0, 5, grid));
    for (int c : {0, 1, 3, 4, 6, 7, 8})
        EXPECT_FALSE(board.RowConflict(grid[0][c], 0, c, grid)) << c;
}

// Every cell of a line is looked at, the last one of a row and of a column included.
TEST_F(RuleChecks, RepeatsWithTheLastColumnOrTheLastRowAreFound) {
    CellGrid grid = MakeCellGrid();
    grid[4][0] = '6';
    grid[4][8] = '6';
    EXPECT_TRUE(board.RowConflict('6', 4, 0, grid));
    EXPECT_TRUE(board.RowConflict('6', 4, 8, grid));
    grid[0][2] = '2';
    grid[8][2] = '2';
    EXPECT_TRUE(board.ColumnConflict('2', 0, 2, grid));
    EXPECT_TRUE(board.ColumnConflict('2', 8, 2, grid));
}

TEST_F(RuleChecks, ASymbolHeldOnceConflictsWithNothing) {
    const CellGrid grid = gridFromText(PatternSolution(3), 9);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            ASSERT_FALSE(board.RowConflict(grid[r][c], r, c, grid));
            ASSERT_FALSE(board.ColumnConflict(grid[r][c], r, c, grid));
            ASSERT_FALSE(board.BoxConflict(grid[r][c], r, c, grid));
        }
}

TEST_F(RuleChecks, ColumnConflictLooksAtTheColumnOnly) {
    CellGrid grid = MakeCellGrid();
    grid[0][4] = '7';
    grid[8][4] = '7';
    grid[3][3] = '7';
    EXPECT_TRUE(board.ColumnConflict('7', 0, 4, grid));
    EXPECT_TRUE(board.ColumnConflict('7', 8, 4, grid));
    EXPECT_FALSE(board.ColumnConflict('7', 3, 3, grid));
    EXPECT_FALSE(board.ColumnConflict('5', 0, 4, grid));
}

TEST_F(RuleChecks, BoxConflictScansOnlyItsOwnBox) {
    CellGrid grid = MakeCellGrid();
    grid[4][7] = '9';
    // Just outside box 5 (rows 3-5, columns 6-8): no conflict.
    grid[2][7] = '9';
    grid[4][5] = '9';
    grid[6][6] = '9';
    EXPECT_FALSE(board.BoxConflict('9', 4, 7, grid));
    grid[3][8] = '9';
    EXPECT_TRUE(board.BoxConflict('9', 4, 7, grid));
    EXPECT_TRUE(board.BoxConflict('9', 3, 8, grid));
}

// Boxes are numbered row by row and each spans n rows and n columns from its corner: a
// symbol conflicts with exactly the other cells of its own box.
TEST(RuleChecksBoxes, EveryCellSharesABoxWithExactlyItsBlock) {
    for (int n : {3, 4, 5}) {
        const int side = n * n;
        TsdBoard board(n, AlphabetFor(n), PatternPuzzle(n), PatternSolution(n));
        const char symbol = AlphabetFor(n)[0];
        CellGrid grid = MakeCellGrid();
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c) {
                grid[r][c] = symbol;
                for (int i = 0; i < side; ++i)
                    for (int j = 0; j < side; ++j) {
                        const bool sameBox = i / n == r / n && j / n == c / n;
                        const bool otherCell = i != r || j != c;
                        ASSERT_EQ(board.BoxConflict(symbol, i, j, grid), sameBox && otherCell)
                            << "n=" << n << " symbol at " << r << "," << c << ", asked at " << i
                            << "," << j;
                    }
                grid[r][c] = ' ';
            }
    }
}

TEST_F(RuleChecks, OutOfRangeCellsAreNeverConflicts) {
    CellGrid grid = MakeCellGrid('1');
    for (auto [r, c] : {std::pair{-1, 0}, {0, -1}, {9, 0}, {0, 9}, {64, 64}, {1000, 3}}) {
        EXPECT_FALSE(board.RowConflict('1', r, c, grid));
        EXPECT_FALSE(board.ColumnConflict('1', r, c, grid));
        EXPECT_FALSE(board.BoxConflict('1', r, c, grid));
    }
}

TEST(RuleChecksLarge, ConflictsOnTwentyFiveByTwentyFive) {
    TsdBoard board(5, AlphabetFor(5), PatternPuzzle(5), PatternSolution(5));
    CellGrid grid = gridFromText(PatternSolution(5), 25);
    EXPECT_FALSE(board.BoxConflict(grid[12][12], 12, 12, grid));
    std::swap(grid[12][12], grid[12][13]); // same box, so only column repeats appear
    EXPECT_TRUE(board.ColumnConflict(grid[12][12], 12, 12, grid));
    EXPECT_FALSE(board.RowConflict(grid[12][12], 12, 12, grid));
    EXPECT_FALSE(board.BoxConflict(grid[12][12], 12, 12, grid));
}

} // namespace
