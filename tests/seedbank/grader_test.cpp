#include "case_file.h"
#include "grader.h"
#include "solver.h"

#include <gtest/gtest.h>

using namespace seedbank;

namespace {

TechniqueSet TechniquesFromList(const std::string& list) {
    TechniqueSet set = 0;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const TechniqueSet one = TechniqueByName(list.substr(start, end - start));
        EXPECT_NE(one, 0u) << list;
        set |= one;
        start = end + 1;
    }
    return set;
}

} // namespace

TEST(Grader, EachTechniqueCaseNeedsExactlyItsTechnique) {
    const Geometry& geometry = *Geometry::For(3);
    int cases = 0;
    for (const auto& fields : ReadCases("grader_cases.txt")) {
        if (fields[0] != "needs")
            continue;
        ++cases;
        const TechniqueSet technique = TechniqueByName(fields[1]);
        ASSERT_NE(technique, 0u) << fields[1];
        CellValues givens;
        ASSERT_TRUE(ParseCells(geometry, fields[2], givens));
        EXPECT_FALSE(SolveLogically(geometry, givens, kSinglesTier).solved) << fields[1];
        const LogicResult with = SolveLogically(geometry, givens, kSinglesTier | technique);
        EXPECT_TRUE(with.solved) << fields[1];
        EXPECT_TRUE(with.used & technique) << fields[1];
        for (TechniqueSet other = kPointing; other <= kHiddenTriple; other <<= 1) {
            if (other != technique) {
                EXPECT_FALSE(SolveLogically(geometry, givens, kSinglesTier | other).solved)
                    << fields[1] << " also solved with " << TechniqueNames(other);
            }
        }
        // Sound deductions: the logical solution is the search's only one.
        const SearchResult search = CountSolutions(geometry, givens, 2);
        EXPECT_EQ(search.solutions, 1);
        EXPECT_EQ(search.first, with.values) << fields[1];
    }
    EXPECT_EQ(cases, 6);
}

TEST(Grader, ExampleRecordsGradeEasyMediumHard) {
    const Geometry& geometry = *Geometry::For(3);
    int cases = 0;
    for (const auto& fields : ReadCases("grader_cases.txt")) {
        if (fields[0] != "grade")
            continue;
        ++cases;
        CellValues givens;
        ASSERT_TRUE(ParseCells(geometry, fields[3], givens));
        const Grade grade = GradePuzzle(geometry, givens);
        EXPECT_EQ(LevelOf(grade), fields[1][0]) << fields[3];
        EXPECT_EQ(TechniqueNames(grade.used), TechniqueNames(TechniquesFromList(fields[2])));
        EXPECT_FALSE(grade.nakedOnly);
        EXPECT_EQ(grade.solution, CountSolutions(geometry, givens, 2).first);
    }
    EXPECT_EQ(cases, 3);
}

TEST(Grader, UnsolvableAndAmbiguousPuzzlesAreNotSolved) {
    const Geometry& geometry = *Geometry::For(3);
    for (const auto& fields : ReadCases("solver_cases.txt")) {
        if (fields[2] == "1")
            continue;
        CellValues givens;
        ASSERT_TRUE(ParseCells(geometry, fields[1], givens));
        const Grade grade = GradePuzzle(geometry, givens);
        EXPECT_EQ(grade.tier, Tier::Unsolved) << fields[1];
        EXPECT_EQ(LevelOf(grade), '-');
    }
}

TEST(Grader, NakedSinglesAloneSolveANearlyFullGrid) {
    const Geometry& geometry = *Geometry::For(4);
    // One cell short per box: each gap has a single candidate.
    CellValues grid(geometry.cells);
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            grid[r * 16 + c] = (4 * (r % 4) + r / 4 + c) % 16;
    CellValues puzzle = grid;
    for (int b = 0; b < 16; ++b)
        puzzle[geometry.units[32 + b][b]] = -1;
    const Grade grade = GradePuzzle(geometry, puzzle);
    EXPECT_TRUE(grade.nakedOnly);
    EXPECT_EQ(grade.tier, Tier::Singles);
    EXPECT_EQ(grade.used, static_cast<TechniqueSet>(kNakedSingle));
    EXPECT_EQ(grade.solution, grid);
}
