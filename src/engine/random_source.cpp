#include "engine/random_source.h"

#include <chrono>
#include <ctime>
#include <utility>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

std::uint32_t randomState = 0;

MinuteOfHourSource& minuteSource() {
    static MinuteOfHourSource source;
    return source;
}

SeedSource& seedSource() {
    static SeedSource source;
    return source;
}

int realMinuteOfHour() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &now) != 0)
        return 0;
#else
    if (localtime_r(&now, &local) == nullptr)
        return 0;
#endif
    return local.tm_min;
}

#ifdef _WIN32
// The performance counter and the tick count are Windows' own.
std::optional<std::uint64_t> readHighResolutionCounter() {
    LARGE_INTEGER count{};
    if (!QueryPerformanceCounter(&count))
        return std::nullopt;
    return static_cast<std::uint64_t>(count.QuadPart);
}

std::uint64_t millisecondsSinceStart() {
    return GetTickCount64();
}
#else
std::optional<std::uint64_t> readHighResolutionCounter() {
    timespec ts{};
    if (clock_gettime(CLOCK_MONOTONIC_RAW, &ts) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(ts.tv_sec) * 1000000000u +
           static_cast<std::uint64_t>(ts.tv_nsec);
}

std::uint64_t millisecondsSinceStart() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
#endif

} // namespace

std::uint32_t SeedValueFrom(std::optional<std::uint64_t> highResolutionCounter,
                            std::uint64_t millisecondsSinceStart) {
    const std::uint64_t value =
        highResolutionCounter ? *highResolutionCounter : millisecondsSinceStart;
    return static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
}

void SeedRandom() {
    const SeedSource& source = seedSource();
    randomState =
        source ? source() : SeedValueFrom(readHighResolutionCounter(), millisecondsSinceStart());
}

std::uint32_t NextRandom(std::uint32_t range) {
    randomState = randomState * 134775813u + 1u; // wraps modulo 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(randomState) * range) >> 32);
}

std::uint32_t GetRandomState() {
    return randomState;
}

void SetRandomState(std::uint32_t state) {
    randomState = state;
}

void SetMinuteOfHourSource(MinuteOfHourSource source) {
    minuteSource() = std::move(source);
}

int CurrentMinuteOfHour() {
    const auto& source = minuteSource();
    return source ? source() : realMinuteOfHour();
}

void SetSeedSource(SeedSource source) {
    seedSource() = std::move(source);
}
