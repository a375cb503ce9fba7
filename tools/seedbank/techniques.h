#pragma once

#include "candidate_grid.h"

#include <string>

namespace seedbank {

// Logical solving techniques, one bit each, in the order they are tried (simplest first).
enum Technique : unsigned {
    kNakedSingle = 1u << 0,
    kHiddenSingle = 1u << 1,
    kPointing = 1u << 2,
    kClaiming = 1u << 3,
    kNakedPair = 1u << 4,
    kHiddenPair = 1u << 5,
    kNakedTriple = 1u << 6,
    kHiddenTriple = 1u << 7,
    kNakedQuad = 1u << 8,
    kHiddenQuad = 1u << 9,
};
using TechniqueSet = unsigned;

inline constexpr TechniqueSet kSinglesTier = kNakedSingle | kHiddenSingle;
inline constexpr TechniqueSet kLockedTier = kSinglesTier | kPointing | kClaiming;
inline constexpr TechniqueSet kPairsTier = kLockedTier | kNakedPair | kHiddenPair;
inline constexpr TechniqueSet kTriplesTier = kPairsTier | kNakedTriple | kHiddenTriple;
inline constexpr TechniqueSet kQuadsTier = kTriplesTier | kNakedQuad | kHiddenQuad;

// Names of the techniques in the set, simplest first, separated by ", ".
std::string TechniqueNames(TechniqueSet techniques);
// The single technique of that name ("naked-single", "pointing", ...); 0 if unknown.
TechniqueSet TechniqueByName(const std::string& name);

// Applies the allowed techniques, always the simplest one that makes progress, until the
// grid is solved, stuck or contradictory. Returns the techniques that made progress.
TechniqueSet ApplyTechniques(CandidateGrid& grid, TechniqueSet allowed);

} // namespace seedbank
