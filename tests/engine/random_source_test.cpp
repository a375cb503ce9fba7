#include "engine/random_source.h"
#include "engine/tsd_board.h"
#include "support/pattern_grids.h"

#include <gtest/gtest.h>

namespace {

// Restores the real clock and a known state after each test.
class RandomSourceTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetMinuteOfHourSource({});
        SetRandomState(0);
    }
};

TEST_F(RandomSourceTest, SequenceFromStateZero) {
    SetRandomState(0);
    EXPECT_EQ(NextRandom(100), 0u);
    EXPECT_EQ(GetRandomState(), 1u);
    for (std::uint32_t expected : {3u, 86u, 20u, 27u, 67u})
        EXPECT_EQ(NextRandom(100), expected);
}

TEST_F(RandomSourceTest, RangeOneIsAlwaysZeroButAdvances) {
    SetRandomState(12345);
    for (int i = 0; i < 50; ++i) {
        const std::uint32_t before = GetRandomState();
        EXPECT_EQ(NextRandom(1), 0u);
        EXPECT_EQ(GetRandomState(), before * 134775813u + 1u);
    }
}

TEST_F(RandomSourceTest, ResultsStayInsideTheRange) {
    SetRandomState(0xDEADBEEF);
    for (std::uint32_t range : {2u, 7u, 9u, 25u, 44u, 100u, 0xFFFFFFFFu})
        for (int i = 0; i < 1000; ++i)
            EXPECT_LT(NextRandom(range), range);
}

TEST_F(RandomSourceTest, SeedValueIsTheLowHalfOfTheCounterOrTheTickCount) {
    EXPECT_EQ(SeedValueFrom(0x1234567890ABCDEFull, 77), 0x90ABCDEFu);
    EXPECT_EQ(SeedValueFrom(std::nullopt, 0x100000005ull), 5u);
}

TEST_F(RandomSourceTest, SeedRandomVariesFromCallToCall) {
    SeedRandom();
    const std::uint32_t first = GetRandomState();
    bool changed = false;
    for (int i = 0; i < 1000 && !changed; ++i) {
        SeedRandom();
        changed = GetRandomState() != first;
    }
    EXPECT_TRUE(changed);
}

// A new board reseeds and then discards one draw per minute of the hour (60 at minute 0).
// The clock stand-in notes the freshly seeded state when it is read; counting forward
// draws from there to the board's final state gives the number discarded.
int drawsDiscardedByNewBoardAt(int minute) {
    std::uint32_t seeded = 0;
    SetMinuteOfHourSource([&seeded, minute] {
        seeded = GetRandomState();
        return minute;
    });
    TsdBoard board(3, AlphabetFor(3), PatternPuzzle(3), PatternSolution(3));
    const std::uint32_t after = GetRandomState();
    SetRandomState(seeded);
    for (int draws = 0; draws <= 100; ++draws) {
        if (GetRandomState() == after)
            return draws;
        NextRandom(2);
    }
    return -1;
}

TEST_F(RandomSourceTest, NewBoardDiscardsOneDrawPerMinuteAndSixtyAtMinuteZero) {
    EXPECT_EQ(drawsDiscardedByNewBoardAt(0), 60);
    EXPECT_EQ(drawsDiscardedByNewBoardAt(1), 1);
    EXPECT_EQ(drawsDiscardedByNewBoardAt(30), 30);
    EXPECT_EQ(drawsDiscardedByNewBoardAt(59), 59);
}

TEST_F(RandomSourceTest, ReloadingABoardDoesNotReseed) {
    TsdBoard board(3, AlphabetFor(3), PatternPuzzle(3), PatternSolution(3));
    SetRandomState(4242);
    board.LoadPuzzle(PatternPuzzle(3), PatternSolution(3), AlphabetFor(3));
    EXPECT_EQ(GetRandomState(), 4242u);
}

} // namespace
