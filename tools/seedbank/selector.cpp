#include "selector.h"

#include <algorithm>
#include <cstdlib>

namespace seedbank {
namespace {

// The total of givens whose mean rounds to the target, nearest to the exact target.
long TargetSum(const ListTarget& target) {
    const long scaled = static_cast<long>(target.meanTenths) * target.count;
    for (long sum : {scaled / 10, scaled / 10 + 1, scaled / 10 - 1})
        if (MeanTenths(sum, target.count) == target.meanTenths)
            return sum;
    return scaled / 10;
}

} // namespace

std::vector<int> SelectRecords(const ListTarget& target, const std::vector<int>& fixedGivens,
                               const std::vector<PoolEntry>& pool, int specialWanted) {
    const int wanted = target.count - static_cast<int>(fixedGivens.size());
    const auto inRange = [&](int givens) {
        return givens >= target.fewest && givens <= target.most;
    };
    std::vector<bool> taken(pool.size(), false);
    std::vector<int> chosen;
    std::vector<bool> locked; // parallel to chosen: entries the balancing may not swap out
    const auto take = [&](int i, bool keep) {
        taken[i] = true;
        chosen.push_back(i);
        locked.push_back(keep);
    };

    for (int i = 0;
         i < static_cast<int>(pool.size()) && static_cast<int>(chosen.size()) < specialWanted; ++i)
        if (pool[i].special && inRange(pool[i].givens))
            take(i, true);
    if (static_cast<int>(chosen.size()) < specialWanted)
        return {};

    // Both extremes must occur; reserve one record for each unless already present.
    for (int extreme : {target.fewest, target.most}) {
        bool present = std::count(fixedGivens.begin(), fixedGivens.end(), extreme) > 0;
        for (int i : chosen)
            present = present || pool[i].givens == extreme;
        for (int i = 0; i < static_cast<int>(pool.size()) && !present; ++i)
            if (!pool[i].special && !taken[i] && pool[i].givens == extreme) {
                take(i, true);
                present = true;
            }
        if (!present)
            return {};
    }

    for (int i = 0; i < static_cast<int>(pool.size()) && static_cast<int>(chosen.size()) < wanted;
         ++i)
        if (!pool[i].special && !taken[i] && inRange(pool[i].givens))
            take(i, false);
    if (static_cast<int>(chosen.size()) != wanted)
        return {};

    long sum = 0;
    for (int g : fixedGivens)
        sum += g;
    for (int i : chosen)
        sum += pool[i].givens;
    long diff = TargetSum(target) - sum;

    // Swap one chosen record for an unused one, each time the swap that brings the total
    // nearest to its target, until it is met or no swap helps.
    while (diff != 0) {
        int bestOut = -1, bestIn = -1;
        long bestDiff = std::labs(diff);
        for (int c = 0; c < static_cast<int>(chosen.size()); ++c) {
            if (locked[c])
                continue;
            for (int i = 0; i < static_cast<int>(pool.size()); ++i) {
                if (taken[i] || pool[i].special || !inRange(pool[i].givens))
                    continue;
                const long after = diff - (pool[i].givens - pool[chosen[c]].givens);
                if (std::labs(after) < bestDiff) {
                    bestDiff = std::labs(after);
                    bestOut = c;
                    bestIn = i;
                }
            }
        }
        if (bestOut < 0)
            return {};
        diff -= pool[bestIn].givens - pool[chosen[bestOut]].givens;
        taken[chosen[bestOut]] = false;
        taken[bestIn] = true;
        chosen[bestOut] = bestIn;
    }
    // Pool order is random order; keep it so the special and extreme records sit anywhere.
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

} // namespace seedbank
