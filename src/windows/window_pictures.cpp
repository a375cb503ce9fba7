#include "windows/window_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

void DrawCog(QPainter& painter, QPointF centre, double radius, int teeth, const QColor& colour) {
    QPainterPath path;
    const double inner = radius * 0.78;
    for (int i = 0; i < teeth * 2; ++i) {
        // Alternate between the tooth tips and the roots between them.
        const double r = (i % 2 == 0) ? radius : inner;
        for (int edge = 0; edge < 2; ++edge) {
            const double angle = (i + edge) * M_PI / teeth;
            const QPointF point(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
            if (i == 0 && edge == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
    }
    path.closeSubpath();
    path.addEllipse(centre, radius * 0.3, radius * 0.3);
    path.setFillRule(Qt::OddEvenFill);
    painter.setPen(QPen(colour.darker(160), 1));
    painter.setBrush(colour);
    painter.drawPath(path);
}

void DrawSheet(QPainter& painter, const QRectF& sheet) {
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    const double step = sheet.width() / 9.0;
    for (int i = 1; i < 9; ++i) {
        painter.setPen(QPen(i % 3 == 0 ? QColor(40, 40, 40) : QColor(180, 180, 180), 1));
        painter.drawLine(QPointF(sheet.left() + i * step, sheet.top()),
                         QPointF(sheet.left() + i * step, sheet.bottom()));
        painter.drawLine(QPointF(sheet.left(), sheet.top() + i * step),
                         QPointF(sheet.right(), sheet.top() + i * step));
    }
}

} // namespace

QImage DrawBannerPicture() {
    QImage image(150, 60, QImage::Format_RGB32);
    image.fill(QColor(128, 0, 0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCog(painter, {30, 26}, 22, 10, QColor(205, 170, 60));
    DrawCog(painter, {58, 44}, 14, 8, QColor(170, 170, 180));
    for (int i = 2; i >= 0; --i)
        DrawSheet(painter, QRectF(82 + i * 8, 6 + i * 4, 45, 45));
    return image;
}

QImage DrawHelpButtonPicture() {
    QImage image(46, 43, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(QPointF(18, 15), 26);
    face.setColorAt(0, QColor(120, 170, 255));
    face.setColorAt(1, QColor(10, 50, 170));
    painter.setPen(QPen(QColor(0, 30, 110), 1.5));
    painter.setBrush(face);
    painter.drawEllipse(QRectF(3, 2, 40, 39));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 220, 0));
    painter.drawText(QRectF(3, 2, 40, 39), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}
