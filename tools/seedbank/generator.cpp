#include "generator.h"

#include "solver.h"
#include "split_mix.h"

#include <numeric>

namespace seedbank {
namespace {

// A clue whose peers' givens already rule out every other symbol comes back by a naked
// single at once, so removing it cannot make the puzzle harder to solve.
bool ForcedByPeers(const Geometry& geometry, const CellValues& puzzle, int cell) {
    Mask seen = 0;
    for (int peer : geometry.peers[cell])
        if (puzzle[peer] >= 0)
            seen |= Mask{1} << puzzle[peer];
    return (seen | (Mask{1} << puzzle[cell])) == geometry.AllSymbols() &&
           !(seen & (Mask{1} << puzzle[cell]));
}

} // namespace

CellValues RemoveClues(const Geometry& geometry, const CellValues& solution, TechniqueSet allowed,
                       SplitMix64& random) {
    CellValues puzzle = solution;
    std::vector<int> order(geometry.cells);
    std::iota(order.begin(), order.end(), 0);
    for (int i = geometry.cells - 1; i > 0; --i)
        std::swap(order[i], order[random.Below(static_cast<std::uint32_t>(i + 1))]);
    for (int cell : order) {
        const bool forced = ForcedByPeers(geometry, puzzle, cell);
        const int value = puzzle[cell];
        puzzle[cell] = -1;
        if (!forced && !SolveLogically(geometry, puzzle, allowed).solved)
            puzzle[cell] = value;
    }
    return puzzle;
}

Candidate MakeCandidate(const Geometry& geometry, TechniqueSet allowed, std::uint64_t seed) {
    SplitMix64 random(seed);
    Candidate candidate;
    candidate.solution = RandomCompleteGrid(geometry, random);
    candidate.puzzle = RemoveClues(geometry, candidate.solution, allowed, random);
    candidate.grade = GradePuzzle(geometry, candidate.puzzle);
    candidate.givens = CountGivens(candidate.puzzle);
    return candidate;
}

} // namespace seedbank
