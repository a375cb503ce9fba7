#include "toolkit/segment_clock.h"

#include "toolkit/seams.h"

#include <QLCDNumber>
#include <QTimer>

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

QLCDNumber* MakeDigits(QWidget* parent, const QColor& colour) {
    auto* digits = new QLCDNumber(8, parent);
    digits->setSegmentStyle(QLCDNumber::Flat);
    digits->setFrameStyle(QFrame::NoFrame);
    digits->setAutoFillBackground(false);
    QPalette palette = digits->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Light, colour);
    palette.setColor(QPalette::Dark, colour);
    digits->setPalette(palette);
    return digits;
}

} // namespace

SegmentClock::SegmentClock(QWidget* parent)
    : QFrame(parent), Unlit(MakeDigits(this, kGrey)), Lit(MakeDigits(this, kSilver)),
      Timer(new QTimer(this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setContentsMargins(2, 2, 2, 2);
    // Every segment of "88:88:88" is lit on the back readout, so the unlit ones show grey.
    Unlit->display(QStringLiteral("88:88:88"));
    Timer->setInterval(250);
    connect(Timer, &QTimer::timeout, this, &SegmentClock::refresh);
    Timer->start();
    refresh();
}

void SegmentClock::setTimeOffset(int days, int hours, int minutes, int seconds) {
    Days = days;
    Hours = hours;
    Minutes = minutes;
    Seconds = seconds;
    refresh();
}

void SegmentClock::refresh() {
    const qint64 offsetSeconds =
        ((static_cast<qint64>(Days) * 24 + Hours) * 60 + Minutes) * 60 + Seconds;
    const QDateTime shown = CurrentSeams().now().addSecs(offsetSeconds);
    Shown = shown.time().toString(QStringLiteral("hh:mm:ss"));
    Lit->display(Shown);
}

void SegmentClock::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Unlit->setGeometry(contentsRect());
    Lit->setGeometry(contentsRect());
}

void SegmentClock::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    refresh();
}
