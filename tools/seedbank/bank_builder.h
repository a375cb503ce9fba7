#pragma once

#include "bank_verifier.h"

#include <cstdint>
#include <cstdio>

namespace seedbank {

struct BuildOptions {
    std::uint64_t seed = 1;
    int threads = 2;
    // Scales every pool; below 1 only for quick trials (the selection may then fail).
    double poolScale = 1.0;
    std::FILE* progress = nullptr; // per-list progress lines, or null for none
};

// Builds the nine lists from the seed. Each candidate draws from its own stream, derived
// from the seed, the list and the candidate's number, and pools are cut at a fixed
// number of accepted candidates in candidate order, so the result does not depend on the
// number of threads or their timing. Returns an empty bank when a selection fails.
Bank BuildBank(const BuildOptions& options);

// The pool step of BuildBank alone, for list number `list` (0..8, in the order of the
// lists table): the records of its first `wanted` accepted candidates.
std::vector<std::string> CollectPoolRecords(int list, std::uint64_t seed, int wanted, int threads);

} // namespace seedbank
