#pragma once

#include "grader.h"

#include <cstdint>

namespace seedbank {

class SplitMix64;

// Takes clues out of a complete grid in random order, putting each back when the puzzle
// would no longer be solvable with the allowed techniques, until no further clue can go.
// Logic solvability implies a unique solution, so the result is a proper puzzle.
CellValues RemoveClues(const Geometry& geometry, const CellValues& solution, TechniqueSet allowed,
                       SplitMix64& random);

struct Candidate {
    CellValues puzzle;
    CellValues solution;
    Grade grade;
    int givens = 0;
};

// One candidate from its own seed: a fresh random grid, clue removal under `allowed`,
// then a full grade. The same seed always gives the same candidate.
Candidate MakeCandidate(const Geometry& geometry, TechniqueSet allowed, std::uint64_t seed);

} // namespace seedbank
