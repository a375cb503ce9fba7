#pragma once

#include "techniques.h"

namespace seedbank {

// The lowest group of techniques that solves a puzzle by logic alone.
enum class Tier { Singles, Locked, Pairs, Triples, Quads, Unsolved };

const char* TierName(Tier tier);

struct LogicResult {
    bool solved = false;
    TechniqueSet used = 0;
    CellValues values; // the grid as far as the techniques got
};

// One logical solve restricted to the allowed techniques.
LogicResult SolveLogically(const Geometry& geometry, const CellValues& givens,
                           TechniqueSet allowed);

struct Grade {
    Tier tier = Tier::Unsolved;
    TechniqueSet used = 0;  // techniques of the solve at that tier
    bool nakedOnly = false; // naked singles alone solve it
    CellValues solution;    // filled in when solved
};

// Tries each tier in turn, simplest first.
Grade GradePuzzle(const Geometry& geometry, const CellValues& givens);

// The difficulty letter of a grade: 'E' singles, 'M' locked candidates, 'A' pairs, or a
// triples solve that needs only the naked triple (the one exception the bank allows,
// reported as 'T'); '-' for anything else.
char LevelOf(const Grade& grade);

} // namespace seedbank
