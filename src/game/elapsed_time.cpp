#include "game/elapsed_time.h"

#include <cmath>

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

} // namespace

double DateTimeToDays(const QDateTime& moment) {
    static const QDate epoch(1899, 12, 30);
    const double days = static_cast<double>(epoch.daysTo(moment.date()));
    return days + moment.time().msecsSinceStartOfDay() / static_cast<double>(kMsPerDay);
}

ElapsedTime ComputeElapsedTime(const QDateTime& now, const QDateTime& start) {
    // One truncated count of seconds gives all three parts, so they always agree; truncating
    // hours, minutes and seconds separately could read 0 h 60 min just before a whole hour.
    const std::int64_t totalSeconds = std::llabs(start.msecsTo(now)) / 1000;
    ElapsedTime elapsed;
    elapsed.hours = totalSeconds / 3600;
    elapsed.minutes = static_cast<int>(totalSeconds / 60 % 60);
    elapsed.seconds = static_cast<int>(totalSeconds % 60);
    return elapsed;
}

ClockOffset ClockOffsetFor(const QDateTime& start) {
    // From the start as the game records it: milliseconds since midnight, rounded as the
    // recorded times carry no finer precision.
    const double days = DateTimeToDays(start);
    const double fraction = days - std::floor(days);
    const std::int64_t ms = std::llround(fraction * static_cast<double>(kMsPerDay)) % kMsPerDay;
    const std::int64_t seconds = ms / 1000;
    return ClockOffset{-static_cast<int>(seconds / 3600), -static_cast<int>(seconds / 60 % 60),
                       -static_cast<int>(seconds % 60), start.offsetFromUtc()};
}
