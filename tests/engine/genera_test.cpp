#include "engine/random_source.h"
#include "engine/reorder_tables.h"
#include "engine/tsd_board.h"
#include "support/pattern_grids.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

bool isPermutation(const std::uint8_t* row, int n) {
    std::vector<int> values(row, row + n);
    std::sort(values.begin(), values.end());
    for (int i = 0; i < n; ++i)
        if (values[i] != i)
            return false;
    return true;
}

TEST(ReorderTables, RowsAreDistinctPermutationsInTheirOrder) {
    for (int n : {3, 4, 5}) {
        for (bool groups : {false, true}) {
            const ReorderTable table = groups ? GroupReorderTable(n) : LineReorderTable(n);
            const bool lexicographic = !(groups && n == 3);
            std::set<std::vector<int>> seen;
            std::vector<int> previous;
            for (int i = 0; i < table.rowCount; ++i) {
                const std::uint8_t* row = table.row(i);
                ASSERT_TRUE(isPermutation(row, n));
                std::vector<int> current(row, row + n);
                EXPECT_TRUE(seen.insert(current).second);
                if (lexicographic && !previous.empty()) {
                    EXPECT_LT(previous, current) << "lexicographic order, n=" << n;
                }
                previous = current;
            }
        }
    }
    EXPECT_EQ(LineReorderTable(3).rowCount, 2);
    EXPECT_EQ(GroupReorderTable(3).rowCount, 5);
    EXPECT_EQ(LineReorderTable(4).rowCount, 9);
    EXPECT_EQ(LineReorderTable(5).rowCount, 44); // every derangement of five
    const std::uint8_t groupOrder3[5][3] = {{1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {0, 2, 1}};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(std::equal(groupOrder3[i], groupOrder3[i] + 3, GroupReorders3[i]));
}

TEST(ReorderTables, LineRowsMoveEveryLineAndGroupRowsAreNeverIdentity) {
    for (int n : {3, 4, 5}) {
        const ReorderTable lines = LineReorderTable(n);
        for (int i = 0; i < lines.rowCount; ++i)
            for (int k = 0; k < n; ++k)
                ASSERT_NE(lines.row(i)[k], k) << "n=" << n << ", row " << i;
        const ReorderTable groups = GroupReorderTable(n);
        for (int i = 0; i < groups.rowCount; ++i) {
            bool identity = true;
            for (int k = 0; k < n; ++k)
                identity = identity && groups.row(i)[k] == k;
            ASSERT_FALSE(identity) << "n=" << n << ", row " << i;
        }
    }
}

using SymbolGrid = std::vector<std::vector<int>>;

// Genera draws n + n + 1 + 1 table rows and then the symbol permutation, in that order:
// replaying those draws from the current random state predicts the symbol numbers.
SymbolGrid replayGenera(int n, SymbolGrid grid) {
    const int side = n * n;
    auto row = [](const ReorderTable& t) {
        return t.row(static_cast<int>(NextRandom(t.rowCount)));
    };
    for (int g = 0; g < n; ++g) {
        const std::uint8_t* p = row(LineReorderTable(n));
        auto old = grid;
        for (int k = 0; k < n; ++k)
            for (int r = 0; r < side; ++r)
                grid[r][g * n + k] = old[r][g * n + p[k]];
    }
    for (int g = 0; g < n; ++g) {
        const std::uint8_t* p = row(LineReorderTable(n));
        auto old = grid;
        for (int k = 0; k < n; ++k)
            for (int c = 0; c < side; ++c)
                grid[g * n + k][c] = old[g * n + p[k]][c];
    }
    {
        const std::uint8_t* p = row(GroupReorderTable(n));
        auto old = grid;
        for (int g = 0; g < n; ++g)
            for (int k = 0; k < n; ++k)
                for (int r = 0; r < side; ++r)
                    grid[r][g * n + k] = old[r][p[g] * n + k];
    }
    {
        const std::uint8_t* p = row(GroupReorderTable(n));
        auto old = grid;
        for (int g = 0; g < n; ++g)
            for (int k = 0; k < n; ++k)
                for (int c = 0; c < side; ++c)
                    grid[g * n + k][c] = old[p[g] * n + k][c];
    }
    std::vector<int> relabel;
    while (static_cast<int>(relabel.size()) < side) {
        const int v = static_cast<int>(NextRandom(side));
        if (std::find(relabel.begin(), relabel.end(), v) == relabel.end())
            relabel.push_back(v);
    }
    for (auto& line : grid)
        for (int& symbol : line)
            symbol = relabel[symbol];
    return grid;
}

TEST(Genera, FollowsTheDrawOrderExactly) {
    const int n = 3, side = 9;
    const std::string alphabet = AlphabetFor(n);
    const std::string solution = PatternSolution(n);
    TsdBoard board(n, alphabet, PatternPuzzle(n), solution);
    SetRandomState(777);
    board.Genera();
    const std::uint32_t afterGenera = GetRandomState();
    CellGrid exported = MakeCellGrid();
    board.ExportSolution(exported);

    SetRandomState(777);
    SymbolGrid grid(side, std::vector<int>(side));
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            grid[r][c] = static_cast<int>(alphabet.find(solution[r * side + c]));
    grid = replayGenera(n, grid);
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            ASSERT_EQ(exported[r][c], alphabet[grid[r][c]]) << r << "," << c;
    // Genera drew exactly what the replay drew, not one number more.
    EXPECT_EQ(GetRandomState(), afterGenera);
}

// '1' stands at positions 0 and 1 of the alphabet and reads as symbol 0: the shuffle's
// relabelling shows which number it was given.
TEST(Genera, ARepeatedAlphabetCharacterTakesItsFirstPosition) {
    const std::string alphabet = "112345678";
    TsdBoard board(3, alphabet, std::string(81, '1'), std::string(81, '1'));
    ASSERT_FALSE(board.HasError()) << board.GetErrorText();
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        board.LoadPuzzle(std::string(81, '1'), std::string(81, '1'), alphabet);
        SetRandomState(seed);
        board.Genera();
        SetRandomState(seed);
        const int symbol = replayGenera(3, SymbolGrid(9, std::vector<int>(9, 0)))[0][0];
        CellGrid puzzle = MakeCellGrid(), solution = MakeCellGrid();
        board.ExportPuzzle(puzzle);
        board.ExportSolution(solution);
        ASSERT_EQ(puzzle[0][0], alphabet[symbol]) << "seed " << seed;
        ASSERT_EQ(solution[8][8], alphabet[symbol]) << "seed " << seed;
    }
}

TEST(Genera, KeepsAValidSolutionAndTheSameGivensOnManySeeds) {
    for (int n : {3, 4, 5}) {
        const int side = n * n;
        TsdBoard board(n, AlphabetFor(n), PatternPuzzle(n), PatternSolution(n));
        const std::string puzzle = PatternPuzzle(n);
        const int givens = static_cast<int>(
            std::count_if(puzzle.begin(), puzzle.end(), [](char ch) { return ch != '?'; }));
        for (std::uint32_t seed = 1; seed <= 60; ++seed) {
            SetRandomState(seed * 2654435761u);
            board.LoadPuzzle(PatternPuzzle(n), PatternSolution(n), AlphabetFor(n));
            board.Genera();
            ASSERT_FALSE(board.HasError());
            ASSERT_TRUE(board.CheckSolution()) << "n=" << n << " seed " << seed;
            CellGrid puzzle = MakeCellGrid(), solution = MakeCellGrid();
            board.ExportPuzzle(puzzle);
            board.ExportSolution(solution);
            int count = 0;
            for (int r = 0; r < side; ++r)
                for (int c = 0; c < side; ++c)
                    if (puzzle[r][c] != ' ') {
                        ++count;
                        ASSERT_EQ(puzzle[r][c], solution[r][c]);
                    }
            ASSERT_EQ(count, givens);
        }
    }
}

TEST(Genera, ActuallyDisguisesThePuzzle) {
    TsdBoard board(4, AlphabetFor(4), PatternPuzzle(4), PatternSolution(4));
    CellGrid before = MakeCellGrid(), after = MakeCellGrid();
    board.ExportSolution(before);
    board.Genera();
    board.ExportSolution(after);
    int moved = 0;
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            moved += before[r][c] != after[r][c];
    EXPECT_GT(moved, 128);
}

TEST(Genera, UnsupportedSizeOnlySetsTheError) {
    TsdBoard board(6, AlphabetFor(6), PatternPuzzle(6), PatternSolution(6));
    ASSERT_FALSE(board.HasError()) << board.GetErrorText();
    CellGrid before = MakeCellGrid(), after = MakeCellGrid();
    board.ExportSolution(before);
    const std::uint32_t state = GetRandomState();
    board.Genera();
    EXPECT_TRUE(board.HasError());
    EXPECT_EQ(board.GetErrorText(), "Internal error: Genera. Dimensione:6: non gestita !");
    board.ExportSolution(after);
    EXPECT_EQ(before, after);
    EXPECT_EQ(GetRandomState(), state) << "nothing drawn";
}

} // namespace
