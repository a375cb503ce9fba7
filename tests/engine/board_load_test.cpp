#include "engine/tsd_board.h"
#include "support/pattern_grids.h"

#include <gtest/gtest.h>

namespace {

const std::string kAlphabet9 = "123456789";
const std::string kPuzzle9 =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";
const std::string kSolution9 =
    "835147629729863145641592783456239871397481562218756394562374918984615237173928456";

// The board's cells as the program reads them: exported over a grid of '#'.
CellGrid puzzleOf(const TsdBoard& board) {
    CellGrid grid = MakeCellGrid('#');
    board.ExportPuzzle(grid);
    return grid;
}

CellGrid solutionOf(const TsdBoard& board) {
    CellGrid grid = MakeCellGrid('#');
    board.ExportSolution(grid);
    return grid;
}

bool cornerIsBlank(const CellGrid& grid, int side) {
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (grid[r][c] != ' ')
                return false;
    return true;
}

TEST(BoardLoad, ValidTextsLoadCellByCell) {
    TsdBoard board(3, kAlphabet9, kPuzzle9, kSolution9);
    ASSERT_FALSE(board.HasError()) << board.GetErrorText();
    EXPECT_EQ(board.GetErrorText(), "");
    const CellGrid puzzle = puzzleOf(board);
    EXPECT_EQ(puzzle[0][0], ' ');
    EXPECT_EQ(puzzle[0][3], '1');
    EXPECT_EQ(puzzle[0][5], '7');
    const CellGrid solution = solutionOf(board);
    EXPECT_EQ(solution[0][0], '8');
    EXPECT_EQ(solution[8][8], '6');
}

// A text must hold exactly N*N cells: one fewer is refused with the count expected.
TEST(BoardLoad, DimensionAndCellCountFollowTheBoxSize) {
    for (int n : {3, 4, 5}) {
        const int cells = n * n * n * n;
        TsdBoard board(n, AlphabetFor(n), PatternPuzzle(n), PatternSolution(n));
        EXPECT_FALSE(board.HasError()) << board.GetErrorText();
        EXPECT_EQ(board.GetDimension(), n * n);
        TsdBoard shorter(n, AlphabetFor(n), PatternPuzzle(n).substr(1), PatternSolution(n));
        EXPECT_EQ(shorter.GetErrorText(),
                  "Generator Puzzle dimension expected:" + std::to_string(cells) +
                      " received:" + std::to_string(cells - 1));
    }
}

TEST(BoardLoad, FailureMessagesComeInTheOrderOfTheChecks) {
    const std::string shortPuzzle = kPuzzle9.substr(0, 80);
    {
        TsdBoard board(3, "12345678", shortPuzzle, kSolution9);
        EXPECT_TRUE(board.HasError());
        EXPECT_EQ(board.GetErrorText(), "Chars length expected:9 received:8");
    }
    {
        TsdBoard board(3, kAlphabet9, shortPuzzle, kSolution9 + "1");
        EXPECT_EQ(board.GetErrorText(), "Generator Puzzle dimension expected:81 received:80");
    }
    {
        TsdBoard board(4, AlphabetFor(4), PatternPuzzle(4), PatternSolution(4) + "00");
        EXPECT_EQ(board.GetErrorText(), "Generator Solution dimension expected:256 received:258");
    }
}

// The cells keep their symbol numbers while the alphabet is already the new one, so the
// export spells the old cells with the new, upper-cased alphabet.
TEST(BoardLoad, FailedLoadKeepsGridsButStoresTheNewAlphabet) {
    TsdBoard board(3, kAlphabet9, "1" + kPuzzle9.substr(1), kSolution9);
    ASSERT_FALSE(board.HasError());
    board.LoadPuzzle("short", kSolution9, "abc");
    EXPECT_TRUE(board.HasError());
    EXPECT_TRUE(board.IsSymbol('B'));
    EXPECT_FALSE(board.IsSymbol('1'));
    const CellGrid puzzle = puzzleOf(board);
    EXPECT_EQ(puzzle[0][0], 'A') << "grid keeps the last parsed puzzle: symbol 0";
    EXPECT_EQ(puzzle[0][3], 'A');
    EXPECT_EQ(puzzle[0][1], ' ');
    EXPECT_EQ(puzzle[0][5], ' ') << "symbol 6 is outside the new alphabet";
}

TEST(BoardLoad, FailedStateIsFinal) {
    TsdBoard board(3, kAlphabet9, kPuzzle9.substr(0, 80), kSolution9);
    ASSERT_TRUE(board.HasError());
    const std::string message = board.GetErrorText();
    EXPECT_TRUE(cornerIsBlank(puzzleOf(board), 9))
        << "grids stay empty after a failed construction";
    EXPECT_TRUE(cornerIsBlank(solutionOf(board), 9));

    board.LoadPuzzle(kPuzzle9, kSolution9, kAlphabet9);
    EXPECT_TRUE(board.HasError());
    EXPECT_EQ(board.GetErrorText(), message);
    EXPECT_EQ(puzzleOf(board)[0][3], '1') << "valid texts are still parsed";

    board.Genera();
    EXPECT_TRUE(board.HasError());
    EXPECT_EQ(board.GetErrorText(), message);
}

TEST(BoardLoad, LowerCaseMatchesAndExportsUpperCase) {
    std::string puzzle = PatternPuzzle(4);
    std::string solution = PatternSolution(4);
    for (char& ch : puzzle)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    for (char& ch : solution)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    TsdBoard board(4, "0123456789abcdef", puzzle, solution);
    ASSERT_FALSE(board.HasError()) << board.GetErrorText();

    // The alphabet was stored in capitals: the export spells every symbol with it.
    const CellGrid grid = solutionOf(board);
    const std::string expected = PatternSolution(4);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            ASSERT_EQ(grid[r][c], expected[r * 16 + c]);
    EXPECT_TRUE(board.IsSymbol('f'));
    EXPECT_TRUE(board.IsSymbol('F'));
    EXPECT_FALSE(board.IsSymbol('G'));
}

TEST(BoardLoad, MarkersAndForeignCharactersAreEmptyCells) {
    std::string puzzle = kSolution9;
    const std::string empties = ".?- xZ#\x01\xff";
    for (std::size_t i = 0; i < empties.size(); ++i)
        puzzle[i] = empties[i];
    TsdBoard board(3, kAlphabet9, puzzle, kSolution9);
    ASSERT_FALSE(board.HasError()) << board.GetErrorText();
    CellGrid grid = MakeCellGrid('#');
    board.ExportPuzzle(grid);
    for (std::size_t i = 0; i < empties.size(); ++i)
        EXPECT_EQ(grid[0][i], ' ') << "position " << i;
    EXPECT_EQ(grid[1][0], kSolution9[9]);
    for (char ch : std::string(".?- "))
        EXPECT_FALSE(board.IsSymbol(ch));
}

TEST(BoardLoad, ExportsWriteExactlyTheCorner) {
    for (int n : {3, 4, 5}) {
        const int side = n * n;
        TsdBoard board(n, AlphabetFor(n), PatternPuzzle(n), PatternSolution(n));
        for (bool solution : {false, true}) {
            CellGrid grid = MakeCellGrid('#');
            solution ? board.ExportSolution(grid) : board.ExportPuzzle(grid);
            const std::string text = solution ? PatternSolution(n) : PatternPuzzle(n);
            for (int r = 0; r < kGridStride; ++r)
                for (int c = 0; c < kGridStride; ++c) {
                    if (r < side && c < side) {
                        const char want = text[r * side + c] == '?' ? ' ' : text[r * side + c];
                        ASSERT_EQ(grid[r][c], want) << n << ": " << r << "," << c;
                    } else {
                        ASSERT_EQ(grid[r][c], '#') << n << ": " << r << "," << c;
                    }
                }
        }
    }
}

TEST(BoardLoad, SizesThatDoNotFitAreRefusedSafely) {
    for (int n : {0, -1, -3, 9, 100, 1 << 20, -(1 << 30)}) {
        TsdBoard board(n, "123456789", kPuzzle9, kSolution9);
        EXPECT_TRUE(board.HasError()) << n;
        EXPECT_EQ(board.GetErrorText(),
                  "Internal error: TsdBoard. Dimensione:" + std::to_string(n) + ": non gestita !");
        EXPECT_EQ(board.GetDimension(), 0);
        EXPECT_EQ(puzzleOf(board)[0][0], '#');
        EXPECT_EQ(solutionOf(board)[0][0], '#');
        EXPECT_TRUE(board.CheckSolution());
        EXPECT_FALSE(board.RowConflict('1', 0, 0, MakeCellGrid('1')));
        board.Genera();
        board.LoadPuzzle(kPuzzle9, kSolution9, "123456789");
        EXPECT_EQ(puzzleOf(board)[0][3], '#') << "still nothing to export";
    }
}

TEST(BoardLoad, SolutionWithAnEmptyOrForeignCellIsRefused) {
    // The first, a middle and the last cell.
    for (const std::size_t position : {0, 40, 80})
        for (char bad : {'?', '.', ' ', 'X', '0'}) {
            std::string solution = kSolution9;
            solution[position] = bad;
            TsdBoard board(3, kAlphabet9, kPuzzle9, solution);
            EXPECT_TRUE(board.HasError()) << bad;
            EXPECT_EQ(board.GetErrorText().rfind("Generator Solution symbol expected at position:" +
                                                     std::to_string(position),
                                                 0),
                      0u)
                << board.GetErrorText();
            EXPECT_TRUE(cornerIsBlank(solutionOf(board), 9)) << "nothing parsed";
            EXPECT_TRUE(cornerIsBlank(puzzleOf(board), 9));
        }
}

TEST(BoardLoad, LargestFittingSizeWorks) {
    // 8 x 8 boxes give a 64-cell side, the largest that fits the fixed grids.
    TsdBoard board(8, AlphabetFor(8), PatternPuzzle(8), PatternSolution(8));
    ASSERT_FALSE(board.HasError()) << board.GetErrorText();
    EXPECT_TRUE(board.CheckSolution());
    // The last box is the 8 x 8 block in the bottom-right corner.
    CellGrid grid = MakeCellGrid();
    grid[56][56] = '!';
    EXPECT_TRUE(board.BoxConflict('!', 63, 63, grid));
    grid[56][56] = ' ';
    grid[55][63] = '!';
    grid[63][55] = '!';
    EXPECT_FALSE(board.BoxConflict('!', 63, 63, grid));
}

} // namespace
