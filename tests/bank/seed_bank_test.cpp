#include "bank/seed_bank.h"
#include "support/pattern_grids.h"

#include <gtest/gtest.h>

namespace {

struct Pair {
    int box;
    char letter;
    int count;
};

constexpr Pair kPairs[] = {{3, 'E', 100}, {3, 'M', 100}, {3, 'A', 100}, {4, 'E', 50}, {4, 'M', 25},
                           {4, 'A', 25},  {5, 'E', 25},  {5, 'M', 25},  {5, 'A', 25}};

} // namespace

TEST(SeedBank, CountsEachPairAndTreatsLowerCaseAsCapital) {
    int total = 0;
    for (const Pair& pair : kPairs) {
        EXPECT_EQ(GetSeedCount(pair.box, pair.letter), pair.count) << pair.box << pair.letter;
        EXPECT_EQ(GetSeedCount(pair.box, static_cast<char>(pair.letter - 'A' + 'a')), pair.count);
        total += GetSeedCount(pair.box, pair.letter);
    }
    EXPECT_EQ(total, 475);
}

TEST(SeedBank, UnknownSizeOrLetterHasNoRecords) {
    for (char letter : {'X', 'Z', 'd', '\0', 'f', '3'})
        EXPECT_EQ(GetSeedCount(3, letter), 0) << letter;
    for (int box : {-3, 0, 1, 2, 6, 7})
        EXPECT_EQ(GetSeedCount(box, 'E'), 0) << box;

    std::string puzzle = "kept", solution = "also kept";
    EXPECT_FALSE(GetSeedPuzzle(5, 'Z', 0, puzzle, solution));
    EXPECT_FALSE(GetSeedPuzzle(2, 'E', 0, puzzle, solution));
    EXPECT_FALSE(GetSeedPuzzle(6, 'a', 0, puzzle, solution));
    EXPECT_EQ(puzzle, "kept");
    EXPECT_EQ(solution, "also kept");
}

TEST(SeedBank, IndexOutsideTheListIsRefusedAndLeavesOutputsAlone) {
    std::string puzzle = "kept", solution = "also kept";
    for (const Pair& pair : kPairs)
        for (int index : {-1, pair.count, pair.count + 1, 1 << 30}) {
            EXPECT_FALSE(GetSeedPuzzle(pair.box, pair.letter, index, puzzle, solution));
            EXPECT_EQ(puzzle, "kept");
            EXPECT_EQ(solution, "also kept");
        }
}

TEST(SeedBank, ExampleRecordsLeadTheNineByNineLists) {
    const struct {
        char letter;
        const char* puzzle;
        const char* solution;
    } examples[] = {
        {'E', "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6",
         "835147629729863145641592783456239871397481562218756394562374918984615237173928456"},
        {'m', "9???6?3?8???1???5???8???????3???6??7????7??6?1???894????3???????948????5?6??2???9",
         "951267348327148956648953712532416897489372561176589423713695284294831675865724139"},
        {'A', "31??????4???8???63????12?9??2?14????4???????8?9?6??3????5?6??7??3????51?7????????",
         "317596284952874163846312795623148957471935628598627341185263479234789516769451832"},
    };
    for (const auto& example : examples) {
        std::string puzzle, solution;
        ASSERT_TRUE(GetSeedPuzzle(3, example.letter, 0, puzzle, solution));
        EXPECT_EQ(puzzle, example.puzzle);
        EXPECT_EQ(solution, example.solution);
    }
}

TEST(SeedBank, LastRecordOfAListIsReachable) {
    std::string last, lastSolution, before, beforeSolution;
    ASSERT_TRUE(GetSeedPuzzle(4, 'E', 49, last, lastSolution));
    ASSERT_TRUE(GetSeedPuzzle(4, 'e', 48, before, beforeSolution));
    EXPECT_EQ(last.size(), 256u);
    EXPECT_EQ(lastSolution.size(), 256u);
    EXPECT_NE(last, before);
    EXPECT_NE(lastSolution, beforeSolution);
}

TEST(SeedBank, EveryRecordHasTheFormatOfItsSize) {
    for (const Pair& pair : kPairs) {
        const std::size_t cells =
            static_cast<std::size_t>(pair.box * pair.box * pair.box * pair.box);
        const std::string alphabet = AlphabetFor(pair.box);
        for (int index = 0; index < GetSeedCount(pair.box, pair.letter); ++index) {
            std::string puzzle, solution;
            ASSERT_TRUE(GetSeedPuzzle(pair.box, pair.letter, index, puzzle, solution));
            ASSERT_EQ(puzzle.size(), cells);
            ASSERT_EQ(solution.size(), cells);
            for (std::size_t i = 0; i < cells; ++i) {
                ASSERT_NE(alphabet.find(solution[i]), std::string::npos)
                    << pair.box << pair.letter << index << " solution cell " << i;
                ASSERT_TRUE(puzzle[i] == '?' || puzzle[i] == solution[i])
                    << pair.box << pair.letter << index << " puzzle cell " << i;
            }
        }
    }
}
