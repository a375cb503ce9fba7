#include "print/stretch_bitmap.h"

void StretchBitmapToCanvas(QPainter& canvas, const QRect& rect, const QImage& bitmap) {
    if (bitmap.isNull() || rect.isEmpty())
        return;
    // An opaque copy makes "source over" a plain copy on every paint engine, including
    // the PDF writer, which offers no other composition modes.
    const QImage opaque =
        bitmap.hasAlphaChannel() ? bitmap.convertToFormat(QImage::Format_RGB32) : bitmap;
    canvas.drawImage(rect, opaque);
}
