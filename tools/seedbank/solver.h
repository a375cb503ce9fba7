#pragma once

#include "grid_geometry.h"

#include <cstdint>

namespace seedbank {

class SplitMix64;

struct SearchResult {
    int solutions = 0;      // counted up to the limit
    CellValues first;       // the first solution found, empty when none
    std::int64_t nodes = 0; // branch points visited
    bool abandoned = false; // the node budget ran out before the search finished
};

// Exact search: counts the solutions of `givens` up to `limit` (2 proves uniqueness).
// Every node propagates singles, locked candidates and naked / hidden pairs before it
// branches on an open cell with fewest candidates; those deductions never lose a
// solution, and each full grid is checked before it is counted.
SearchResult CountSolutions(const Geometry& geometry, const CellValues& givens, int limit);

// A random complete grid: the same search on an empty grid, trying candidates in random
// order, restarted on a fresh draw when a dead end costs too many nodes.
CellValues RandomCompleteGrid(const Geometry& geometry, SplitMix64& random);

} // namespace seedbank
