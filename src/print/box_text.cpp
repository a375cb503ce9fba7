#include "print/box_text.h"

#include "print/page_geometry.h"

#include <algorithm>

namespace {

// How much of the box's width and height the lines need, as fractions of what they may take
// (above 1 when they do not fit). Both grow almost in proportion to the font size.
struct Need {
    double width = 0;
    double height = 0;
    bool Fits() const { return width <= 1 && height <= 1; }
};

Need NeedOf(const QFont& font, const QStringList& lines, const QRect& box, int frameWidth,
            const QPaintDevice* device) {
    const QFontMetrics metrics(font, device);
    const QPolygon frame = BoxFramePolygon(box.x(), box.y(), box.width(), box.height());
    const int right = frame[1].x();                   // centre of the right frame line
    const int bottom = frame[2].y() - frameWidth / 2; // inner edge of the bottom line
    const int blank = metrics.horizontalAdvance(u' ');
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QPoint last = BoxTextLineOrigin(metrics, box, int(lines.size()) - 1);
    Need need;
    need.width = double(widest + 2 * blank) / std::max(1, right - box.x());
    need.height = double(last.y() + metrics.height() - box.y()) / std::max(1, bottom - box.y());
    return need;
}

} // namespace

QPoint BoxTextLineOrigin(const QFontMetrics& metrics, const QRect& box, int k) {
    const int spaceHeight = metrics.height();
    return {box.x() + metrics.horizontalAdvance(u' '),
            box.y() + spaceHeight + k * (spaceHeight + 1)};
}

QFont FontFittingBox(const QFont& font, const QStringList& lines, const QRect& box, int frameWidth,
                     const QPaintDevice* device) {
    if (lines.isEmpty())
        return font;
    Need need = NeedOf(font, lines, box, frameWidth, device);
    if (need.Fits())
        return font;
    // Start from the size that fits if text scaled exactly with it, then step down past any
    // rounding of the font's metrics.
    QFont fitted = font;
    double points = font.pointSizeF() / std::max(need.width, need.height);
    constexpr double kStep = 0.98;
    constexpr double kSmallest = 1;
    for (;;) {
        fitted.setPointSizeF(points);
        need = NeedOf(fitted, lines, box, frameWidth, device);
        if (need.Fits() || points * kStep < kSmallest)
            return fitted;
        points *= kStep;
    }
}
