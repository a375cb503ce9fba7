#include "game/rules/elapsed_time.h"

#include <cmath>

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 to a civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

// 1899-12-30 is day 0 of the date-time scale.
const std::int64_t kEpochShift = DaysFromCivil(1899, 12, 30);

// Milliseconds since midnight of a date-time, rounded to the nearest millisecond as the
// recorded times carry no finer precision.
std::int64_t TimeOfDayMs(double dateTime) {
    const double fraction = dateTime - std::floor(dateTime);
    std::int64_t ms = std::llround(fraction * static_cast<double>(kMsPerDay));
    return ms % kMsPerDay;
}

} // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
    const double days = static_cast<double>(DaysFromCivil(year, month, day) - kEpochShift);
    const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return days + ms / static_cast<double>(kMsPerDay);
}

ElapsedTime ComputeElapsedTime(double now, double start) {
    // One truncated count of seconds gives all three parts, so they always agree; truncating
    // hours, minutes and seconds separately could read 0 h 60 min just before a whole hour.
    const double days = std::fabs(now - start);
    const std::int64_t totalMs = std::llround(days * static_cast<double>(kMsPerDay));
    const std::int64_t totalSeconds = totalMs / 1000;
    ElapsedTime elapsed;
    elapsed.hours = totalSeconds / 3600;
    elapsed.minutes = static_cast<int>(totalSeconds / 60 % 60);
    elapsed.seconds = static_cast<int>(totalSeconds % 60);
    return elapsed;
}

std::string CongratulationText(const ElapsedTime& elapsed) {
    return "Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:" +
           std::to_string(elapsed.hours) + ": ore, :" + std::to_string(elapsed.minutes) +
           " min. e " + std::to_string(elapsed.seconds) + " secondi.";
}

ClockOffset ClockOffsetFor(double start) {
    const std::int64_t seconds = TimeOfDayMs(start) / 1000;
    return ClockOffset{-static_cast<int>(seconds / 3600), -static_cast<int>(seconds / 60 % 60),
                       -static_cast<int>(seconds % 60)};
}
