#include "game/elapsed_time.h"

#include <cstdlib>

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
    const QTime time = start.time();
    return ClockOffset{-time.hour(), -time.minute(), -time.second(), start.offsetFromUtc()};
}
