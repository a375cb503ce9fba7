#pragma once

#include <cstdint>

namespace seedbank {

// A small, portable pseudo-random generator: the same seed gives the same draws on any
// platform, which keeps the bank builder's output reproducible.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in 0..range-1 (range > 0), by rejection so no value is favoured.
    std::uint32_t Below(std::uint32_t range) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        std::uint64_t x;
        do {
            x = Next();
        } while (x >= limit);
        return static_cast<std::uint32_t>(x % range);
    }

private:
    std::uint64_t state_;
};

// Mixes several numbers into one seed, so each candidate of each list gets its own stream.
inline std::uint64_t MixSeed(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    SplitMix64 mix(a ^ (b * 0xD6E8FEB86659FD93ull) ^ (c * 0xA0761D6478BD642Full));
    mix.Next();
    return mix.Next();
}

} // namespace seedbank
