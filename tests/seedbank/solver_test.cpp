#include "case_file.h"
#include "solver.h"
#include "split_mix.h"
#include "support/pattern_grids.h"

#include <gtest/gtest.h>

using namespace seedbank;

TEST(Solver, CountsTheSolutionsOfEachDataCase) {
    const auto cases = ReadCases("solver_cases.txt");
    ASSERT_GE(cases.size(), 7u);
    for (const auto& fields : cases) {
        ASSERT_EQ(fields.size(), 3u);
        const Geometry& geometry = *Geometry::For(std::stoi(fields[0]));
        CellValues givens;
        ASSERT_TRUE(ParseCells(geometry, fields[1], givens)) << fields[1];
        const SearchResult result = CountSolutions(geometry, givens, 2);
        EXPECT_EQ(result.solutions, std::stoi(fields[2])) << fields[1];
        if (result.solutions > 0) {
            ASSERT_TRUE(IsCompleteValidGrid(geometry, result.first)) << fields[1];
            for (int cell = 0; cell < geometry.cells; ++cell) {
                if (givens[cell] >= 0) {
                    ASSERT_EQ(result.first[cell], givens[cell]) << fields[1];
                }
            }
        }
    }
}

TEST(Solver, FindsTheOnlyCompletionAtEverySize) {
    for (int box : {3, 4, 5}) {
        const Geometry& geometry = *Geometry::For(box);
        CellValues solution, puzzle;
        ASSERT_TRUE(ParseCells(geometry, PatternSolution(box), solution));
        // Emptying one cell per row leaves a single candidate for each: one solution.
        puzzle = solution;
        for (int r = 0; r < geometry.side; ++r)
            puzzle[r * geometry.side + (r * 7) % geometry.side] = -1;
        const SearchResult result = CountSolutions(geometry, puzzle, 2);
        EXPECT_EQ(result.solutions, 1) << box;
        EXPECT_EQ(result.first, solution) << box;
    }
}

TEST(Solver, LimitStopsTheCount) {
    const Geometry& geometry = *Geometry::For(3);
    const CellValues empty(geometry.cells, -1);
    EXPECT_EQ(CountSolutions(geometry, empty, 1).solutions, 1);
    EXPECT_EQ(CountSolutions(geometry, empty, 5).solutions, 5);
}

TEST(Solver, RandomCompleteGridsAreValidAndFollowTheSeed) {
    for (int box : {3, 4, 5}) {
        const Geometry& geometry = *Geometry::For(box);
        SplitMix64 first(11), again(11), other(12);
        const CellValues grid = RandomCompleteGrid(geometry, first);
        EXPECT_TRUE(IsCompleteValidGrid(geometry, grid)) << box;
        EXPECT_EQ(RandomCompleteGrid(geometry, again), grid) << box;
        EXPECT_NE(RandomCompleteGrid(geometry, other), grid) << box;
    }
}
