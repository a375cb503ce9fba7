// Completion through the real window with a replaceable clock, and one whole game.
#include "game/grid_window.h"

#include <QTimeZone>
#include <vector>

namespace {

QString Congratulation(int hours, int minutes, int seconds) {
    return QStringLiteral("Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:%1: "
                          "ore, :%2 min. e %3 secondi.")
        .arg(hours)
        .arg(minutes)
        .arg(seconds);
}

} // namespace

class CompletionWindowTest : public GridWindowTest {
protected:
    // Fills every open cell but the last one from the solution; returns the last one.
    QPoint FillAllButLast() {
        QPoint last(-1, -1);
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if (Window->PuzzleGrid[r][c] == ' ') {
                    if (last.x() >= 0)
                        Window->PlayGrid[last.y()][last.x()] =
                            Window->SolutionGrid[last.y()][last.x()];
                    last = {c, r};
                }
        return last;
    }

    char Solution(QPoint cell) const { return Window->SolutionGrid[cell.y()][cell.x()]; }
};

TEST_F(CompletionWindowTest, ElapsedTimeIsTruncatedAndHoursKeepCounting) {
    const QDate day(2024, 3, 9);
    const struct {
        QDateTime start, end;
        int hours, minutes, seconds;
    } cases[] = {
        {{day, QTime(10, 0, 0)}, {day, QTime(10, 59, 59, 500)}, 0, 59, 59},
        {{day, QTime(10, 0, 0)}, {day, QTime(11, 0, 0, 500)}, 1, 0, 0},
        {{day, QTime(10, 0, 0)}, {day, QTime(12, 30, 10, 500)}, 2, 30, 10},
        {{day, QTime(23, 50, 0)}, {day.addDays(1), QTime(0, 20, 0, 500)}, 0, 30, 0},
        {{day, QTime(9, 0, 0)}, {day.addDays(1), QTime(11, 0, 5)}, 26, 0, 5},
        // The start's milliseconds count for the message.
        {{day, QTime(8, 0, 0, 900)}, {day, QTime(8, 1, 0, 800)}, 0, 0, 59},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start.toString(Qt::ISODateWithMs).toStdString());
        Restart();
        Messages.clear();
        Now = c.start;
        StartGame(3);
        EXPECT_EQ(Window->Clock1->shownText(), "00:00:00");
        const QPoint last = FillAllButLast();
        Select(last);
        Now = c.end;
        Press(KeyFor(Solution(last)));
        ASSERT_EQ(Messages.size(), 1);
        EXPECT_EQ(Messages[0], Congratulation(c.hours, c.minutes, c.seconds));
    }
}

TEST_F(CompletionWindowTest, ClockReadsZeroAtTheStartAndCountsWholeSecondsAcrossMidnight) {
    Now = QDateTime(QDate(2024, 3, 9), QTime(23, 50, 0, 700));
    StartGame(3);
    EXPECT_EQ(Window->Clock1->shownText(), "00:00:00");
    Now = Now.addMSecs(999);
    Window->Clock1->refresh();
    EXPECT_EQ(Window->Clock1->shownText(), "00:00:01");
    Now = QDateTime(QDate(2024, 3, 10), QTime(0, 20, 0, 700));
    Window->Clock1->refresh();
    EXPECT_EQ(Window->Clock1->shownText(), "00:30:00");
}

// On the days the clocks change, a game started after the change counts from 00:00:00 too.
TEST_F(CompletionWindowTest, ClockCountsFromZeroOnDaylightSavingDays) {
    const QTimeZone rome("Europe/Rome");
    ASSERT_TRUE(rome.isValid());
    for (const QDate day : {QDate(2024, 3, 31), QDate(2024, 10, 27)}) {
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        Restart();
        Now = QDateTime(day, QTime(10, 0), rome);
        StartGame(3);
        EXPECT_EQ(Window->Clock1->shownText(), "00:00:00");
        Now = Now.addSecs(65);
        Window->Clock1->refresh();
        EXPECT_EQ(Window->Clock1->shownText(), "00:01:05");
    }
}

TEST_F(CompletionWindowTest, RepeatThenCorrectionThenClearingThenEveryLaterEntry) {
    StartGame(4);
    const QPoint last = FillAllButLast();
    Select(last);
    // A symbol that repeats one of its row leaves the full grid unsolved.
    const char wrong = Window->SolutionGrid[last.y()][(last.x() + 1) % 16];
    ASSERT_NE(wrong, Solution(last));
    Press(KeyFor(wrong));
    EXPECT_TRUE(Messages.isEmpty());
    // Corrected through the menu.
    MenuItem(QString(QChar::fromLatin1(Solution(last))))->trigger();
    ASSERT_EQ(Messages.size(), 1);
    // Clearing runs the test and shows nothing; the same symbol again shows it again.
    Press(Qt::Key_Space);
    EXPECT_EQ(Messages.size(), 1);
    Press(KeyFor(Solution(last)));
    EXPECT_EQ(Messages.size(), 2);
    Now = Now.addSecs(75);
    Press(KeyFor(Solution(last)));
    ASSERT_EQ(Messages.size(), 3);
    EXPECT_EQ(Messages[2], Congratulation(0, 1, 15));
    // Refused keys, a hint and the solution view never run the test.
    Select(FirstCell(true));
    Press(KeyFor(Solution(FirstCell(true))));
    Select(last);
    Press(Qt::Key_F4);
    Press(Qt::Key_F6);
    Press(Qt::Key_F6);
    EXPECT_EQ(Messages.size(), 4); // the hint alone
    EXPECT_TRUE(Messages[3].startsWith("Per questa casella"));
    EXPECT_EQ(Window->GameState, 4);
    EXPECT_EQ(Window->btnPlay->text(), " Abbandona gioco [F5] ");
}

TEST_F(CompletionWindowTest, AnyFullGridWithoutRepeatsIsAcceptedNotOnlyTheStoredSolution) {
    StartGame(3);
    // Swapping two symbols everywhere gives another valid grid; with no givens left to
    // contradict it, it is a different solution of an empty puzzle.
    CellGrid other = Window->SolutionGrid;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            char& s = other[r][c];
            s = s == '1' ? '2' : s == '2' ? '1' : s;
            Window->PuzzleGrid[r][c] = ' ';
        }
    ASSERT_NE(other, Window->SolutionGrid);
    Window->PlayGrid = other;
    Window->PlayGrid[8][8] = ' ';
    Select({8, 8});
    Press(KeyFor(other[8][8]));
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("Congratulazioni !"));
}

TEST_F(CompletionWindowTest, WholeSixteenBySixteenGameByKeyPresses) {
    StartGame(4);
    // Walk the grid with the arrow keys from the top-left cell, typing every open cell's
    // solution symbol.
    Press(Qt::Key_Home, Qt::ControlModifier);
    ASSERT_EQ(Selection(), QPoint(0, 0));
    int typed = 0;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            ASSERT_EQ(Selection(), QPoint(c, r));
            if (Window->PuzzleGrid[r][c] == ' ') {
                EXPECT_TRUE(Messages.isEmpty());
                Press(KeyFor(Window->SolutionGrid[r][c]));
                ++typed;
            }
            if (c < 15)
                Press(Qt::Key_Right);
        }
        Press(Qt::Key_Home);
        Press(Qt::Key_Down);
    }
    EXPECT_GT(typed, 0);
    EXPECT_EQ(Window->PlayGrid, Window->SolutionGrid);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], Congratulation(0, 0, 0));
    EXPECT_EQ(Window->GameState, 4);
}
