#include "solver.h"

#include "candidate_grid.h"
#include "split_mix.h"
#include "techniques.h"

#include <bit>

namespace seedbank {
namespace {

struct Search {
    int limit;
    TechniqueSet propagation;
    SplitMix64* random;     // null: candidates in symbol order
    std::int64_t nodeLimit; // 0: no limit
    SearchResult result;

    void Run(CandidateGrid grid) {
        if (result.solutions >= limit || result.abandoned)
            return;
        ApplyTechniques(grid, propagation);
        if (grid.contradiction())
            return;
        if (grid.openCells() == 0) {
            CellValues values = grid.Values();
            if (!IsCompleteValidGrid(grid.geometry(), values))
                return;
            if (result.solutions == 0)
                result.first = std::move(values);
            ++result.solutions;
            return;
        }
        if (nodeLimit > 0 && result.nodes >= nodeLimit) {
            result.abandoned = true;
            return;
        }
        ++result.nodes;
        int best = -1, bestCount = 99;
        for (int cell = 0; cell < grid.geometry().cells; ++cell)
            if (grid.value(cell) < 0) {
                const int count = std::popcount(grid.candidates(cell));
                if (count < bestCount) {
                    best = cell;
                    bestCount = count;
                }
            }
        int order[kMaxSide];
        int count = 0;
        for (Mask m = grid.candidates(best); m; m &= m - 1)
            order[count++] = std::countr_zero(m);
        if (random)
            for (int i = count - 1; i > 0; --i)
                std::swap(order[i], order[random->Below(static_cast<std::uint32_t>(i + 1))]);
        for (int i = 0; i < count; ++i) {
            CandidateGrid branch = grid;
            branch.Place(best, order[i]);
            if (!branch.contradiction())
                Run(branch);
            if (result.solutions >= limit || result.abandoned)
                return;
        }
    }
};

} // namespace

SearchResult CountSolutions(const Geometry& geometry, const CellValues& givens, int limit) {
    Search search{limit, kPairsTier, nullptr, 0, {}};
    CandidateGrid grid(geometry);
    if (grid.LoadGivens(givens))
        search.Run(grid);
    return search.result;
}

CellValues RandomCompleteGrid(const Geometry& geometry, SplitMix64& random) {
    for (;;) {
        Search search{1, kSinglesTier, &random, 20 * geometry.cells, {}};
        search.Run(CandidateGrid(geometry));
        if (search.result.solutions == 1)
            return search.result.first;
    }
}

} // namespace seedbank
