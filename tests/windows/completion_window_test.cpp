// The game clock on the real window, and one whole game played by key presses.
#include "game/game_texts.h"
#include "windows/grid_window.h"

#include <QTimeZone>

using CompletionWindowTest = GridWindowTest;

TEST_F(CompletionWindowTest, ClockReadsZeroAtTheStartAndCountsWholeSecondsAcrossMidnight) {
    Now = QDateTime(QDate(2024, 3, 9), QTime(23, 50, 0, 700));
    StartGame(3);
    EXPECT_EQ(Find<SegmentClock>("Clock1")->shownText(), "00:00:00");
    Now = Now.addMSecs(999);
    Find<SegmentClock>("Clock1")->refresh();
    EXPECT_EQ(Find<SegmentClock>("Clock1")->shownText(), "00:00:01");
    Now = QDateTime(QDate(2024, 3, 10), QTime(0, 20, 0, 700));
    Find<SegmentClock>("Clock1")->refresh();
    EXPECT_EQ(Find<SegmentClock>("Clock1")->shownText(), "00:30:00");
    // The clock's own tick repaints what the player sees.
    const QRect clock =
        ShownRect(Find<SegmentClock>("Clock1"), Find<SegmentClock>("Clock1")->rect());
    const QImage before = Shown().copy(clock);
    Now = Now.addSecs(1);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Find<SegmentClock>("Clock1")->shownText() == "00:30:01"; }));
    EXPECT_NE(Shown().copy(clock), before);
}

// A game across a change of the local clocks counts from 00:00:00 in real seconds, whether it
// starts before the change (an hour short in spring, twice the same hour in autumn) or after.
TEST_F(CompletionWindowTest, ClockCountsRealSecondsOnDaylightSavingDays) {
    const QTimeZone rome("Europe/Rome");
    ASSERT_TRUE(rome.isValid());
    for (const QDateTime& startUtc : {QDateTime(QDate(2024, 3, 31), QTime(0, 59, 0), Qt::UTC),
                                      QDateTime(QDate(2024, 10, 27), QTime(0, 59, 0), Qt::UTC),
                                      QDateTime(QDate(2024, 10, 27), QTime(9, 0, 0), Qt::UTC)}) {
        SCOPED_TRACE(startUtc.toString(Qt::ISODate).toStdString());
        Restart();
        Now = startUtc.toTimeZone(rome);
        StartGame(3);
        EXPECT_EQ(Find<SegmentClock>("Clock1")->shownText(), "00:00:00");
        Now = Now.addSecs(65);
        Find<SegmentClock>("Clock1")->refresh();
        EXPECT_EQ(Find<SegmentClock>("Clock1")->shownText(), "00:01:05");
    }
}

TEST_F(CompletionWindowTest, WholeSixteenBySixteenGameByKeyPresses) {
    StartGame(4);
    // Walk the grid with the arrow keys from the top-left cell, typing every open cell's
    // solution symbol.
    Press(Qt::Key_Home, Qt::ControlModifier);
    ASSERT_EQ(Selection(), (GridCell{0, 0}));
    int typed = 0;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            ASSERT_EQ(Selection(), (GridCell{r, c}));
            if (Game().PuzzleGrid()[r][c] == ' ') {
                EXPECT_TRUE(Messages.isEmpty());
                Press(KeyFor(Game().SolutionGrid()[r][c]));
                ++typed;
            }
            if (c < 15)
                Press(Qt::Key_Right);
        }
        Press(Qt::Key_Home);
        Press(Qt::Key_Down);
    }
    EXPECT_GT(typed, 0);
    EXPECT_EQ(Game().PlayGrid(), Game().SolutionGrid());
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], CongratulationText({0, 0, 0}));
    EXPECT_EQ(Game().GameState(), Playing);
}
