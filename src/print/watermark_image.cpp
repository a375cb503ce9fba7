#include "print/watermark_image.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr double kSlantDegrees = -20.0;

} // namespace

QImage MakeWatermarkImage() {
    // Opaque 24-bit colour: the picture is copied onto the page, never blended.
    QImage image(kWatermarkWidth, kWatermarkHeight, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(21);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kWatermarkInk);

    const double columnWidth = double(kWatermarkWidth) / kWatermarkColumns;
    const double lineHeight = double(kWatermarkHeight) / kWatermarkLinesPerColumn;
    const QRectF textBox(-columnWidth / 2, -lineHeight / 2, columnWidth, lineHeight);
    for (int column = 0; column < kWatermarkColumns; ++column) {
        for (int line = 0; line < kWatermarkLinesPerColumn; ++line) {
            painter.save();
            painter.translate(columnWidth * (column + 0.5), lineHeight * (line + 0.5));
            painter.rotate(kSlantDegrees);
            painter.drawText(textBox, Qt::AlignCenter, kWatermarkAddress);
            painter.restore();
        }
    }
    return image;
}
