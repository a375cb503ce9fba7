#include "game/booklet_puzzles.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

std::string Text(const CellGrid& grid, int side) {
    std::string text;
    for (int r = 0; r < side; ++r)
        text.append(grid[r].data(), std::size_t(side));
    return text;
}

std::vector<std::string> Texts(const std::vector<BookletPuzzle>& puzzles, int side) {
    std::vector<std::string> texts;
    for (const BookletPuzzle& made : puzzles)
        texts.push_back(Text(made.puzzle, side) + Text(made.solution, side));
    return texts;
}

// Whether the puzzles and their solutions are right is read back from the printed booklet;
// here only what the starting value decides.
TEST(BookletPuzzlesTest, TheSameStartingValueGivesTheSamePuzzlesInTheSameOrder) {
    for (int boxSize : {3, 4, 5}) {
        const int side = boxSize * boxSize;
        const auto first = Texts(MakeBookletPuzzles(boxSize, 30, 12345u), side);
        const auto again = Texts(MakeBookletPuzzles(boxSize, 30, 12345u), side);
        const auto other = Texts(MakeBookletPuzzles(boxSize, 30, 12346u), side);
        ASSERT_EQ(first.size(), 30u) << side;
        EXPECT_EQ(first, again) << side;
        EXPECT_NE(first, other) << side;
        // Every puzzle of a booklet is a puzzle of its own.
        EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), first.size()) << side;
    }
}

TEST(BookletPuzzlesTest, SizesAndCountsOutOfRangeGiveNothing) {
    EXPECT_TRUE(MakeBookletPuzzles(6, 3, 1u).empty());
    EXPECT_TRUE(MakeBookletPuzzles(3, 0, 1u).empty());
    EXPECT_TRUE(MakeBookletPuzzles(3, kMaxBookletPuzzles + 1, 1u).empty());
    EXPECT_EQ(MakeBookletPuzzles(3, kMaxBookletPuzzles, 1u).size(),
              std::size_t(kMaxBookletPuzzles));
}

} // namespace
