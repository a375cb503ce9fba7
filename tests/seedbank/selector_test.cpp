#include "selector.h"
#include "split_mix.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace seedbank;

namespace {

// A pool whose givens spread like clue-removal output around a centre.
std::vector<PoolEntry> SpreadPool(int size, int centre, int spread, int specialEvery,
                                  std::uint64_t seed) {
    SplitMix64 random(seed);
    std::vector<PoolEntry> pool;
    for (int i = 0; i < size; ++i) {
        const int offset = static_cast<int>(random.Below(2 * spread + 1)) - spread;
        const int offset2 = static_cast<int>(random.Below(2 * spread + 1)) - spread;
        pool.push_back(
            {centre + (offset + offset2) / 2, specialEvery > 0 && i % specialEvery == 7});
    }
    return pool;
}

void ExpectMeets(const ListTarget& target, const std::vector<int>& fixed,
                 const std::vector<PoolEntry>& pool, const std::vector<int>& chosen,
                 int specialWanted) {
    ASSERT_EQ(chosen.size() + fixed.size(), static_cast<std::size_t>(target.count));
    std::vector<int> givens = fixed;
    int specials = 0;
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        if (k > 0) {
            EXPECT_LT(chosen[k - 1], chosen[k]) << "each pool entry at most once, in order";
        }
        givens.push_back(pool[chosen[k]].givens);
        specials += pool[chosen[k]].special ? 1 : 0;
    }
    long sum = 0;
    for (int g : givens)
        sum += g;
    EXPECT_EQ(specials, specialWanted);
    EXPECT_EQ(*std::min_element(givens.begin(), givens.end()), target.fewest);
    EXPECT_EQ(*std::max_element(givens.begin(), givens.end()), target.most);
    EXPECT_EQ(MeanTenths(sum, target.count), target.meanTenths);
}

} // namespace

TEST(Selector, MeetsEveryListOfTheTableFromATypicalPool) {
    for (const ListTarget& target : kListTargets) {
        const int centre = (target.fewest + target.most) / 2;
        const auto pool = SpreadPool(400, centre, (target.most - target.fewest) / 2 + 3, 50,
                                     target.box * 100 + target.letter);
        const std::vector<int> fixed = target.box == 3 ? std::vector<int>{24} : std::vector<int>{};
        const int special = target.letter == 'A' ? 1 : 0;
        const std::vector<int> chosen = SelectRecords(target, fixed, pool, special);
        ASSERT_FALSE(chosen.empty()) << target.box << target.letter;
        ExpectMeets(target, fixed, pool, chosen, special);
        EXPECT_EQ(SelectRecords(target, fixed, pool, special), chosen) << "deterministic";
    }
}

TEST(Selector, MeanMustRoundToTheTargetNotJustBeNear) {
    // 25 records of mean 92.7: totals 2317 and 2318 round to it, 2316 and 2319 do not.
    EXPECT_EQ(MeanTenths(2317, 25), 927);
    EXPECT_EQ(MeanTenths(2318, 25), 927);
    EXPECT_EQ(MeanTenths(2316, 25), 926);
    EXPECT_EQ(MeanTenths(2319, 25), 928);
    EXPECT_EQ(MeanTenths(2445, 100), 245); // 24.45 rounds half up
}

TEST(Selector, RefusesAPoolThatCannotMeetTheTarget) {
    const ListTarget target = kListTargets[4]; // 16x16 'M': 89 / 92.7 / 97
    std::vector<PoolEntry> pool = SpreadPool(300, 93, 6, 0, 5);
    ASSERT_FALSE(SelectRecords(target, {}, pool, 0).empty());

    std::vector<PoolEntry> noFewest;
    for (const PoolEntry& e : pool)
        if (e.givens != target.fewest)
            noFewest.push_back(e);
    EXPECT_TRUE(SelectRecords(target, {}, noFewest, 0).empty());

    EXPECT_TRUE(SelectRecords(target, {}, pool, 1).empty()) << "no special entry to give";

    const std::vector<PoolEntry> tooFew(pool.begin(), pool.begin() + 20);
    EXPECT_TRUE(SelectRecords(target, {}, tooFew, 0).empty());

    // All in range, but every one far above the mean.
    std::vector<PoolEntry> high(60, PoolEntry{96, false});
    high[0].givens = 89;
    high[1].givens = 97;
    EXPECT_TRUE(SelectRecords(target, {}, high, 0).empty());
}
