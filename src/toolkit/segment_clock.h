#pragma once

#include <QDateTime>
#include <QFrame>
#include <QPolygonF>
#include <QString>
#include <functional>
#include <vector>

class QTimer;

// What a 24-hour "hh:mm:ss" clock set to `utcOffsetSeconds` from UTC shows at `now` with an
// offset added: the time of day of the sum, wrapping at midnight. The clock keeps its UTC
// offset while the local clocks change, so it runs in real seconds: an offset taken from the
// time of day at which the UTC offset was read makes it a stopwatch on any day. Whole days of
// offset do not change a time of day.
QString ClockReading(const QDateTime& now, int utcOffsetSeconds, int hours, int minutes,
                     int seconds);

// One segment of the readout: its outline and whether it is lit.
struct ClockSegment {
    QPolygonF shape;
    bool lit = false;
};

// The segments of an "hh:mm:ss" text, centred in `area`: seven to a digit, horizontal ones 9
// pixels long and vertical ones 7, and the two dots of each colon, always lit.
std::vector<ClockSegment> ClockSegments(const QRectF& area, const QString& text);

// A digital "hh:mm:ss" readout of the time of day of (now + offset), as segment digits inside
// a sunken bevel on its parent's background: lit segments silver with a dark outline, unlit
// ones a faint grey trace. It refreshes itself from a timer and reads the time through the
// seams, so a game's elapsed time shows by setting the offset to minus the start's time of day.
// The clock is set to a UTC offset with its time offset, and keeps it while the local clocks
// change, so a game across such a change reads its real length.
class SegmentClock : public QFrame {
    Q_OBJECT
public:
    explicit SegmentClock(QWidget* parent = nullptr);

    void setTimeOffset(int days, int hours, int minutes, int seconds, int utcOffsetSeconds);
    // Where the clock reads the time; the local clock by default.
    void setTimeSource(std::function<QDateTime()> now);

    // The text shown now, after the latest refresh.
    QString shownText() const { return Shown; }
    // Reads the time and redraws at once.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTimer* Timer;
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };
    QString Shown;
    int Hours = 0;
    int Minutes = 0;
    int Seconds = 0;
    int UtcOffset = 0;
};
