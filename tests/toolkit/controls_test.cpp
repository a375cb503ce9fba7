// Buttons bound to actions, radio groups, the segment clock and the key preview.
#include "toolkit/action_button.h"
#include "toolkit/key_preview.h"
#include "toolkit/link_label.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeZone>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(ActionButton, FollowsEnabledStateAndNewCaptionsOnly) {
    QAction action("Gioca");
    ActionButton button(&action);
    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
    EXPECT_EQ(button.text(), "Gioca");
    action.setEnabled(false);
    EXPECT_FALSE(button.isEnabled());
    action.setEnabled(true);
    EXPECT_TRUE(button.isEnabled());
    // A caption set on the button survives enabling changes; a new action caption wins.
    button.setText(" Gioca [F5] ");
    action.setEnabled(false);
    action.setEnabled(true);
    EXPECT_EQ(button.text(), " Gioca [F5] ");
    action.setText("Rigenera [F10]");
    EXPECT_EQ(button.text(), "Rigenera [F10]");
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(triggered, 1);
    action.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(triggered, 1);
}

TEST(ActionButton, OwnTextIsKeptWhatever) {
    QAction action("Guida [F1]");
    ActionButton button(&action);
    button.setOwnText("Guida \n[F1]");
    action.setText("Altro");
    EXPECT_EQ(button.text(), "Guida \n[F1]");
}

TEST(RadioGroup, ReadsAndSetsTheItemIndexIncludingNone) {
    RadioGroup group("Dimensione ", {"3x3", "4x4", "5x5"}, 3);
    EXPECT_EQ(group.itemCount(), 3);
    EXPECT_EQ(group.itemIndex(), -1);
    group.setItemIndex(2);
    EXPECT_EQ(group.itemIndex(), 2);
    group.show();
    QTest::mouseClick(group.item(1), Qt::LeftButton);
    EXPECT_EQ(group.itemIndex(), 1);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    group.setItemIndex(0);
    EXPECT_EQ(group.itemIndex(), 0);
}

// A clock reading the test's time.
TEST(LinkLabel, AddsTheSecureSchemeOnlyWhenMissing) {
    EXPECT_EQ(WithSecureScheme("caselio.example.org"), "https://caselio.example.org");
    EXPECT_EQ(WithSecureScheme("https://caselio.example.org/a"), "https://caselio.example.org/a");
    EXPECT_EQ(WithSecureScheme("http://caselio.example.org"), "http://caselio.example.org");
}

class ClockTest : public ::testing::Test {
protected:
    void Watch(SegmentClock& clock) {
        clock.setTimeSource([this] { return Now; });
    }
    QDateTime Now = QDateTime(QDate(2024, 1, 1), QTime(23, 50, 0, 700));
};

TEST_F(ClockTest, OffsetMakesTheReadoutCountFromTheStart) {
    SegmentClock clock;
    Watch(clock);
    EXPECT_EQ(clock.shownText(), "23:50:00");
    const int utc = Now.offsetFromUtc();
    clock.setTimeOffset(0, -23, -50, 0, utc);
    EXPECT_EQ(clock.shownText(), "00:00:00");
    // Across midnight it still counts the time since the start.
    Now = QDateTime(QDate(2024, 1, 2), QTime(0, 20, 0, 500));
    clock.refresh();
    EXPECT_EQ(clock.shownText(), "00:30:00");
    clock.setTimeOffset(1, 0, 0, 5, utc);
    EXPECT_EQ(clock.shownText(), "00:20:05");
}

TEST(ClockReading, TimeOfDayOfTheSumInWholeSecondsWrappingAtMidnight) {
    const QDateTime start(QDate(2024, 5, 6), QTime(14, 7, 33, 900), Qt::OffsetFromUTC, 7200);
    const int utc = start.offsetFromUtc();
    EXPECT_EQ(ClockReading(start, utc, -14, -7, -33), "00:00:00");
    // The start's milliseconds are not in the offset: the clock may run up to a second ahead.
    EXPECT_EQ(ClockReading(start.addMSecs(100), utc, -14, -7, -33), "00:00:01");
    EXPECT_EQ(ClockReading(start.addSecs(3725), utc, -14, -7, -33), "01:02:05");
    EXPECT_EQ(ClockReading(start.addDays(1).addSecs(10), utc, -14, -7, -33), "00:00:10");
    EXPECT_EQ(ClockReading(start, utc, 10, 0, 0), "00:07:33");
    // The same moment read in another zone is the same reading.
    EXPECT_EQ(ClockReading(start.toUTC().addSecs(3725), utc, -14, -7, -33), "01:02:05");
}

// Games that cross a change of the local clocks read their real length.
TEST(ClockReading, KeepsItsUtcOffsetWhenTheLocalClocksChange) {
    const QTimeZone rome("Europe/Rome");
    ASSERT_TRUE(rome.isValid());
    const struct {
        QDateTime startUtc;
        int hours, minutes, seconds;
    } cases[] = {
        {QDateTime(QDate(2024, 3, 31), QTime(0, 59, 0), Qt::UTC), -1, -59, 0},     // 01:59 CET
        {QDateTime(QDate(2024, 10, 27), QTime(0, 58, 30), Qt::UTC), -2, -58, -30}, // 02:58:30 CEST
    };
    for (const auto& c : cases) {
        const QDateTime start = c.startUtc.toTimeZone(rome);
        const int utc = start.offsetFromUtc();
        EXPECT_EQ(ClockReading(start, utc, c.hours, c.minutes, c.seconds), "00:00:00");
        EXPECT_EQ(ClockReading(start.addSecs(125), utc, c.hours, c.minutes, c.seconds), "00:02:05");
    }
}

// Brightness of a pixel as the eye sees it, 0 to 255.
int Brightness(QRgb pixel) {
    return qGray(pixel);
}

TEST_F(ClockTest, LitSegmentsStandOutFromThePanelAndUnlitOnesAreAFaintTrace) {
    QWidget panel;
    panel.resize(192, 64);
    auto* clock = new SegmentClock(&panel);
    Watch(*clock);
    clock->setGeometry(18, 16, 156, 32);
    Now = QDateTime(QDate(2024, 1, 1), QTime(0, 0, 7));
    clock->refresh();
    ASSERT_EQ(clock->shownText(), "00:00:07");
    const QImage shot = panel.grab(clock->geometry()).toImage();
    const int background = Brightness(panel.palette().color(QPalette::Window).rgb());

    int faintestLit = 255;
    int strongestUnlit = 0;
    int lit = 0;
    for (const ClockSegment& segment : ClockSegments(clock->contentsRect(), "00:00:07")) {
        // The strongest contrast with the panel anywhere on the segment, outline included.
        int contrast = 0;
        const QRect box = segment.shape.boundingRect().toAlignedRect();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (segment.shape.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill))
                    contrast =
                        std::max(contrast, std::abs(Brightness(shot.pixel(x, y)) - background));
        if (segment.lit) {
            ++lit;
            faintestLit = std::min(faintestLit, contrast);
            EXPECT_EQ(shot.pixel(segment.shape.boundingRect().center().toPoint()),
                      qRgb(192, 192, 192));
        } else {
            strongestUnlit = std::max(strongestUnlit, contrast);
        }
    }
    // "0", "0", "0", "0", "0" and "7" light 5 x 6 + 3 segments, and the colons 4 dots.
    EXPECT_EQ(lit, 37);
    EXPECT_GE(faintestLit, 120);
    EXPECT_GT(strongestUnlit, 0);
    EXPECT_LE(strongestUnlit, 32);
}

TEST(KeyPreview, WindowSeesKeysFirstAndConsumesOnlyWhatItHandles) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    new QVBoxLayout(&window);
    window.layout()->addWidget(edit);
    QList<int> previewed;
    new KeyPreview(&window, [&](QKeyEvent& key) {
        previewed << key.key();
        return key.key() == Qt::Key_F5;
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_F5);
    QTest::keyClick(edit, Qt::Key_F2); // ignored by the edit, offered to its parents
    EXPECT_EQ(previewed, (QList<int>{Qt::Key_A, Qt::Key_F5, Qt::Key_F2}));
    EXPECT_EQ(edit->text(), "a");
}
