#include "generator.h"
#include "solver.h"
#include "split_mix.h"

#include <gtest/gtest.h>

using namespace seedbank;

TEST(Generator, RemovalStopsWhenNoFurtherClueCanGo) {
    struct Case {
        int box;
        TechniqueSet tier;
    };
    for (const Case& c : {Case{3, kSinglesTier}, Case{3, kPairsTier}, Case{4, kLockedTier}}) {
        const Geometry& geometry = *Geometry::For(c.box);
        SplitMix64 random(99);
        const CellValues solution = RandomCompleteGrid(geometry, random);
        const CellValues puzzle = RemoveClues(geometry, solution, c.tier, random);
        const LogicResult solve = SolveLogically(geometry, puzzle, c.tier);
        ASSERT_TRUE(solve.solved);
        EXPECT_EQ(solve.values, solution);
        for (int cell = 0; cell < geometry.cells; ++cell) {
            if (puzzle[cell] < 0)
                continue;
            ASSERT_EQ(puzzle[cell], solution[cell]);
            CellValues fewer = puzzle;
            fewer[cell] = -1;
            EXPECT_FALSE(SolveLogically(geometry, fewer, c.tier).solved)
                << "clue at " << cell << " could still go";
        }
    }
}

TEST(Generator, CandidatesFollowTheirSeedAndAreGraded) {
    const Geometry& geometry = *Geometry::For(3);
    const Candidate first = MakeCandidate(geometry, kLockedTier, 1234);
    const Candidate again = MakeCandidate(geometry, kLockedTier, 1234);
    const Candidate other = MakeCandidate(geometry, kLockedTier, 1235);
    EXPECT_EQ(first.puzzle, again.puzzle);
    EXPECT_EQ(first.solution, again.solution);
    EXPECT_NE(first.solution, other.solution);
    EXPECT_EQ(first.givens, CountGivens(first.puzzle));
    EXPECT_TRUE(first.grade.tier == Tier::Singles || first.grade.tier == Tier::Locked);
    EXPECT_EQ(CountSolutions(geometry, first.puzzle, 2).solutions, 1);
}

TEST(Generator, CellTextRoundTripsAndRejectsStrayCharacters) {
    const Geometry& geometry = *Geometry::For(4);
    const std::string text = std::string(255, '?') + "F";
    CellValues values;
    ASSERT_TRUE(ParseCells(geometry, text, values));
    EXPECT_EQ(values[255], 15);
    EXPECT_EQ(FormatCells(geometry, values), text);
    EXPECT_FALSE(ParseCells(geometry, std::string(255, '?') + "f", values)) << "lower case";
    EXPECT_FALSE(ParseCells(geometry, std::string(255, '?') + ".", values)) << "other marker";
    EXPECT_FALSE(ParseCells(geometry, std::string(255, '?'), values)) << "short";
}
