#pragma once

#include <QFrame>
#include <QString>

class QLCDNumber;
class QTimer;

// A digital "hh:mm:ss" readout of (now + offset): lit segments silver over unlit grey ones,
// inside a sunken bevel. It refreshes itself from a timer and reads the time through the
// seams, so a game's elapsed time shows by setting the offset to minus the start time of day.
class SegmentClock : public QFrame {
    Q_OBJECT
public:
    explicit SegmentClock(QWidget* parent = nullptr);

    void setTimeOffset(int days, int hours, int minutes, int seconds);
    int offsetDays() const { return Days; }
    int offsetHours() const { return Hours; }
    int offsetMinutes() const { return Minutes; }
    int offsetSeconds() const { return Seconds; }

    // The text shown now, after the latest refresh.
    QString shownText() const { return Shown; }
    // Reads the time and redraws at once.
    void refresh();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLCDNumber* Unlit;
    QLCDNumber* Lit;
    QTimer* Timer;
    QString Shown;
    int Days = 0;
    int Hours = 0;
    int Minutes = 0;
    int Seconds = 0;
};
