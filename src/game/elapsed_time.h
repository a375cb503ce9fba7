#pragma once

#include <QDateTime>
#include <cstdint>

// Time taken by a game, in whole units; hours keep counting past 24.
struct ElapsedTime {
    std::int64_t hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// The real time between two date-times (in either order), truncated to whole seconds. On the
// days the clocks change, this is what a stopwatch reads, not the difference of the times of
// day.
ElapsedTime ComputeElapsedTime(const QDateTime& now, const QDateTime& start);

// The offset that makes a time-of-day clock read 00:00:00 at `start`: minus the start's
// hours, minutes and seconds (its milliseconds are left out), for a clock kept at the start's
// offset from UTC so that it then counts real seconds.
struct ClockOffset {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int utcOffsetSeconds = 0;
};

ClockOffset ClockOffsetFor(const QDateTime& start);
