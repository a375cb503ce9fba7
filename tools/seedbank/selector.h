#pragma once

#include "list_targets.h"

#include <vector>

namespace seedbank {

struct PoolEntry {
    int givens;
    bool special; // the naked-singles-only or naked-triple kind a list wants exactly so many of
};

// Picks records for one list from a pool so that, together with the records already fixed
// in the list (`fixedGivens`), the list has its count, exactly `specialWanted` special
// records, and its fewest / mean / most givens. Returns pool indices (in the order they
// go into the list) or an empty vector when the pool cannot meet the target. Deterministic:
// the same pool always gives the same choice.
std::vector<int> SelectRecords(const ListTarget& target, const std::vector<int>& fixedGivens,
                               const std::vector<PoolEntry>& pool, int specialWanted);

} // namespace seedbank
