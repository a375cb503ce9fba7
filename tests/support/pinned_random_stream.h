#pragma once

#include "engine/random_source.h"

#include <cstdint>

// While it lives, the shared random stream follows from `seed` alone: every reseeding (a
// window shown, a new board) takes the next number of a fixed sequence, and the minute of the
// hour reads 0. So a failing run replays exactly.
class PinnedRandomStream {
public:
    explicit PinnedRandomStream(std::uint32_t seed) : Next(seed) {
        SetSeedSource([this] { return Next = Next * 2891336453u + 1u; });
        SetMinuteOfHourSource([] { return 0; });
        SetRandomState(seed);
    }
    ~PinnedRandomStream() {
        SetSeedSource({});
        SetMinuteOfHourSource({});
    }
    PinnedRandomStream(const PinnedRandomStream&) = delete;
    PinnedRandomStream& operator=(const PinnedRandomStream&) = delete;

private:
    std::uint32_t Next;
};
