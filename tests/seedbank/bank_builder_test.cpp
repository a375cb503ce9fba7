#include "bank_builder.h"
#include "grader.h"

#include <gtest/gtest.h>

using namespace seedbank;

// The 9x9 'A' list keeps only about one candidate in nine, so its pool shows whether the
// cut falls at the same candidate however the work is shared between threads.
TEST(BankBuilder, PoolsDependOnTheSeedOnlyNotOnThreads) {
    constexpr int kHard9 = 2;
    const auto alone = CollectPoolRecords(kHard9, 77, 12, 1);
    const auto shared = CollectPoolRecords(kHard9, 77, 12, 2);
    const auto other = CollectPoolRecords(kHard9, 78, 12, 2);
    ASSERT_EQ(alone.size(), 12u);
    EXPECT_EQ(alone, shared);
    EXPECT_NE(alone, other);

    const Geometry& geometry = *Geometry::For(3);
    for (const std::string& record : alone) {
        CellValues puzzle;
        ASSERT_TRUE(ParseCells(geometry, record.substr(0, 81), puzzle));
        EXPECT_EQ(LevelOf(GradePuzzle(geometry, puzzle)), 'A') << record;
    }
}
