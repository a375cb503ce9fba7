#include "game/elapsed_time.h"
#include "game/game_texts.h"

#include <QTimeZone>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QDateTime Moment(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms));
}

// A game start well inside a day, and the time `seconds` later.
const QDateTime kStart = Moment(2024, 3, 14, 9, 15, 20, 250);

QDateTime After(double seconds) {
    return kStart.addMSecs(std::llround(seconds * 1000));
}

struct ElapsedCase {
    double seconds;
    std::int64_t hours;
    int minutes;
    int secs;
};

class ElapsedTimeTest : public ::testing::TestWithParam<ElapsedCase> {};

TEST_P(ElapsedTimeTest, TruncatesToWholeUnits) {
    const ElapsedCase& c = GetParam();
    const ElapsedTime e = ComputeElapsedTime(After(c.seconds), kStart);
    EXPECT_EQ(e.hours, c.hours);
    EXPECT_EQ(e.minutes, c.minutes);
    EXPECT_EQ(e.seconds, c.secs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElapsedTimeTest,
    ::testing::Values(ElapsedCase{0.0, 0, 0, 0}, ElapsedCase{3599.5, 0, 59, 59},
                      ElapsedCase{3600.5, 1, 0, 0}, ElapsedCase{9010.5, 2, 30, 10},
                      ElapsedCase{3723.5, 1, 2, 3}, ElapsedCase{3600.0, 1, 0, 0},
                      ElapsedCase{59.999, 0, 0, 59}, ElapsedCase{26 * 3600.0 + 61.0, 26, 1, 1},
                      ElapsedCase{1000 * 3600.0 + 5.0, 1000, 0, 5}));

TEST(ElapsedTime, OrderOfTheTwoTimesDoesNotMatter) {
    const ElapsedTime e = ComputeElapsedTime(kStart, After(125.5));
    EXPECT_EQ(e.hours, 0);
    EXPECT_EQ(e.minutes, 2);
    EXPECT_EQ(e.seconds, 5);
}

TEST(ElapsedTime, WholeSecondsNeverDisagreeNearAnHour) {
    // Every millisecond around a whole hour: the parts stay consistent with each other.
    for (int ms = -1500; ms <= 1500; ++ms) {
        const ElapsedTime e = ComputeElapsedTime(After(3600.0 + ms / 1000.0), kStart);
        const std::int64_t total = e.hours * 3600 + e.minutes * 60 + e.seconds;
        ASSERT_LT(e.minutes, 60);
        ASSERT_LT(e.seconds, 60);
        ASSERT_EQ(total, (3'600'000 + ms) / 1000) << ms;
    }
}

// Real time, as a stopwatch measures it: across midnight, and across both changes of the
// local clocks in 2024 (the autumn game starts in the hour that happens twice).
TEST(ElapsedTime, IsRealTimeAcrossMidnightAndTheChangesOfTheLocalClocks) {
    const QTimeZone rome("Europe/Rome");
    ASSERT_TRUE(rome.isValid());
    const auto inRome = [&](QDate day, QTime utc) {
        return QDateTime(day, utc, Qt::UTC).toTimeZone(rome);
    };
    const struct {
        QDateTime start, end;
        int minutes, seconds;
    } cases[] = {
        {Moment(2024, 12, 31, 23, 50, 0), Moment(2025, 1, 1, 0, 20, 0, 500), 30, 0},
        {inRome(QDate(2024, 3, 31), QTime(0, 59, 0)), inRome(QDate(2024, 3, 31), QTime(1, 1, 5)), 2,
         5},
        {inRome(QDate(2024, 10, 27), QTime(0, 58, 30)),
         inRome(QDate(2024, 10, 27), QTime(1, 0, 30)), 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start.toString(Qt::ISODate).toStdString());
        const ElapsedTime e = ComputeElapsedTime(c.end, c.start);
        EXPECT_EQ(e.hours, 0);
        EXPECT_EQ(e.minutes, c.minutes);
        EXPECT_EQ(e.seconds, c.seconds);
    }
}

TEST(CongratulationText, ThreeLinesExactly) {
    EXPECT_EQ(CongratulationText({1, 2, 3}), "Congratulazioni !\r\n"
                                             "hai completato CORRETTAMENTE\r\n"
                                             "il Sudoku in:1: ore, :2 min. e 3 secondi.");
    EXPECT_EQ(CongratulationText({26, 0, 59}), "Congratulazioni !\r\n"
                                               "hai completato CORRETTAMENTE\r\n"
                                               "il Sudoku in:26: ore, :0 min. e 59 secondi.");
}

TEST(Clock, OffsetIsMinusTheStartsTimeOfDayWithoutItsMilliseconds) {
    const ClockOffset offset = ClockOffsetFor(Moment(2024, 5, 6, 14, 7, 33, 900));
    EXPECT_EQ(offset.hours, -14);
    EXPECT_EQ(offset.minutes, -7);
    EXPECT_EQ(offset.seconds, -33);
}

TEST(Clock, StartAtMidnightHasNoOffset) {
    const ClockOffset offset = ClockOffsetFor(Moment(2024, 1, 1, 0, 0, 0));
    EXPECT_EQ(offset.hours, 0);
    EXPECT_EQ(offset.minutes, 0);
    EXPECT_EQ(offset.seconds, 0);
}

} // namespace
