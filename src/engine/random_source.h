#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// The one process-wide pseudo-random stream. The window draws seed indices from it and
// the engine draws its shuffles from it, so their draws interleave on one sequence.

// Seeds the stream from a time-varying value (see SeedValueFrom).
void SeedRandom();

// Advances the stream and maps the new state onto 0 .. range-1 by the high half of
// state * range (no modulo). A range of 0 gives 0.
std::uint32_t NextRandom(std::uint32_t range);

// Direct access to the state, for tests and for reproducing a run.
std::uint32_t GetRandomState();
void SetRandomState(std::uint32_t state);

// The seed: the low 32 bits of a high-resolution counter when one could be read,
// otherwise the milliseconds since start.
std::uint32_t SeedValueFrom(std::optional<std::uint64_t> highResolutionCounter,
                            std::uint64_t millisecondsSinceStart);

// The minute (0..59) of the current local time of day, read by every new board when it
// reseeds the stream. Tests install their own clock; an empty function restores the real one.
using MinuteOfHourSource = std::function<int()>;
void SetMinuteOfHourSource(MinuteOfHourSource source);
int CurrentMinuteOfHour();

// The seed SeedRandom takes. Tests install their own, so that a run, new boards and all, can
// be replayed; an empty function restores the counters.
using SeedSource = std::function<std::uint32_t()>;
void SetSeedSource(SeedSource source);
