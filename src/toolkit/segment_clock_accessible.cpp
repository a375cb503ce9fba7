#include "toolkit/segment_clock_accessible.h"

#include "toolkit/segment_clock.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

namespace {

QString Count(int value, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(value).arg(QLatin1String(value == 1 ? one : many));
}

// "hh:mm:ss" in words, the last part joined by "e" as it is said.
QString ReadingInWords(const QString& reading) {
    const QStringList parts = reading.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return reading;
    return Count(parts[0].toInt(), "ora", "ore") + QStringLiteral(", ") +
           Count(parts[1].toInt(), "minuto", "minuti") + QStringLiteral(" e ") +
           Count(parts[2].toInt(), "secondo", "secondi");
}

class ClockAccessible : public QAccessibleWidget {
public:
    explicit ClockAccessible(SegmentClock* clock)
        : QAccessibleWidget(clock, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return ReadingInWords(static_cast<const SegmentClock*>(widget())->shownText());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* SegmentClockFactory(const QString&, QObject* object) {
    if (auto* clock = qobject_cast<SegmentClock*>(object))
        return new ClockAccessible(clock);
    return nullptr;
}

} // namespace

void InstallSegmentClockAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(SegmentClockFactory);
        return true;
    }();
    (void)installed;
}
