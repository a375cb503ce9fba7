#include "toolkit/segment_clock.h"

#include "toolkit/segment_clock_accessible.h"

#include <QPainter>
#include <QTimer>

namespace {

const QColor kLit(192, 192, 192);       // silver
const QColor kLitOutline(48, 48, 48);   // sets the silver off from a light panel
const QColor kUnlit(128, 128, 128, 40); // grey, a faint trace over the panel

// Segment lengths along their axis, and their thickness.
constexpr double kHorizontal = 9;
constexpr double kVertical = 7;
constexpr double kThickness = 3;
constexpr double kDigitWidth = kHorizontal + 2 * kThickness;
constexpr double kDigitHeight = 2 * kVertical + 3 * kThickness;
constexpr double kDigitGap = 3;
constexpr double kColonWidth = kThickness + 2 * kDigitGap;
// Neighbouring segments keep apart by this much at their pointed ends.
constexpr double kJoint = 0.5;

// Segments a to g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr unsigned char kDigitSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66,
                                              0x6d, 0x7d, 0x07, 0x7f, 0x6f};

// A segment with pointed ends along the line from `from` to `to` (horizontal or vertical).
QPolygonF SegmentShape(QPointF from, QPointF to) {
    const double half = kThickness / 2;
    const bool horizontal = from.y() == to.y();
    const QPointF along = horizontal ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF across = horizontal ? QPointF(0, half) : QPointF(half, 0);
    const QPointF start = from + along * kJoint;
    const QPointF end = to - along * kJoint;
    return QPolygonF({start, start + along * half - across, end - along * half - across, end,
                      end - along * half + across, start + along * half + across});
}

void AddDigit(std::vector<ClockSegment>& segments, QPointF origin, int digit) {
    const double half = kThickness / 2;
    const double left = origin.x() + half;
    const double right = origin.x() + kThickness + kHorizontal + half;
    const double top = origin.y() + half;
    const double middle = top + kThickness + kVertical;
    const double bottom = middle + kThickness + kVertical;
    const std::pair<QPointF, QPointF> lines[7] = {
        {{left, top}, {right, top}},        {{right, top}, {right, middle}},
        {{right, middle}, {right, bottom}}, {{left, bottom}, {right, bottom}},
        {{left, middle}, {left, bottom}},   {{left, top}, {left, middle}},
        {{left, middle}, {right, middle}},
    };
    const unsigned char lit = digit >= 0 && digit <= 9 ? kDigitSegments[digit] : 0;
    for (int s = 0; s < 7; ++s)
        segments.push_back({SegmentShape(lines[s].first, lines[s].second), (lit >> s & 1) != 0});
}

void AddColon(std::vector<ClockSegment>& segments, QPointF origin) {
    const double x = origin.x() + kDigitGap;
    for (double y :
         {kVertical / 2 + kThickness / 2, kDigitHeight - kVertical / 2 - 1.5 * kThickness})
        segments.push_back({QPolygonF(QRectF(x, origin.y() + y, kThickness, kThickness)), true});
}

} // namespace

QString ClockReading(const QDateTime& now, int utcOffsetSeconds, int hours, int minutes,
                     int seconds) {
    const qint64 offsetMs = ((hours * 60LL + minutes) * 60LL + seconds) * 1000LL;
    // QTime wraps at midnight either way.
    return now.toOffsetFromUtc(utcOffsetSeconds)
        .time()
        .addMSecs(static_cast<int>(offsetMs % (24LL * 60 * 60 * 1000)))
        .toString(QStringLiteral("hh:mm:ss"));
}

std::vector<ClockSegment> ClockSegments(const QRectF& area, const QString& text) {
    double width = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        width += (text[i] == u':' ? kColonWidth : kDigitWidth) +
                 (i > 0 && text[i] != u':' && text[i - 1] != u':' ? kDigitGap : 0);
    QPointF origin(area.x() + (area.width() - width) / 2,
                   area.y() + (area.height() - kDigitHeight) / 2);
    std::vector<ClockSegment> segments;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u':') {
            AddColon(segments, origin);
            origin.rx() += kColonWidth;
            continue;
        }
        if (i > 0 && text[i - 1] != u':')
            origin.rx() += kDigitGap;
        AddDigit(segments, origin, text[i].digitValue());
        origin.rx() += kDigitWidth;
    }
    return segments;
}

SegmentClock::SegmentClock(QWidget* parent) : QFrame(parent), Timer(new QTimer(this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setContentsMargins(2, 2, 2, 2);
    Timer->setInterval(250);
    connect(Timer, &QTimer::timeout, this, &SegmentClock::refresh);
    Timer->start();
    UtcOffset = Now().offsetFromUtc();
    refresh();
    InstallSegmentClockAccessibility();
}

// Whole days of offset do not change a time of day.
void SegmentClock::setTimeOffset(int /*days*/, int hours, int minutes, int seconds,
                                 int utcOffsetSeconds) {
    Hours = hours;
    Minutes = minutes;
    Seconds = seconds;
    UtcOffset = utcOffsetSeconds;
    refresh();
}

void SegmentClock::setTimeSource(std::function<QDateTime()> now) {
    Now = std::move(now);
    refresh();
}

void SegmentClock::refresh() {
    const QString reading = ClockReading(Now(), UtcOffset, Hours, Minutes, Seconds);
    if (reading == Shown)
        return;
    Shown = reading;
    update();
}

void SegmentClock::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ClockSegment& segment : ClockSegments(contentsRect(), Shown)) {
        painter.setPen(segment.lit ? QPen(kLitOutline, 1) : Qt::NoPen);
        painter.setBrush(segment.lit ? kLit : kUnlit);
        painter.drawPolygon(segment.shape);
    }
}

void SegmentClock::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    refresh();
}
