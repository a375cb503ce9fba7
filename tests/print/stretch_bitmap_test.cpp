// Drawing pictures scaled into rectangles of a canvas.
#include "print/stretch_bitmap.h"

#include <gtest/gtest.h>

namespace {

QImage Canvas() {
    QImage canvas(200, 100, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    return canvas;
}

TEST(StretchBitmapToCanvas, FillsTheRectangleStretchedInEachDirection) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    QImage canvas = Canvas();
    {
        QPainter painter(&canvas);
        StretchBitmapToCanvas(painter, QRect(20, 10, 160, 30), picture);
    }
    EXPECT_EQ(canvas.pixel(19, 25), qRgb(0, 255, 0));
    EXPECT_EQ(canvas.pixel(20, 10), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(99, 39), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(100, 10), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(179, 39), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(180, 25), qRgb(0, 255, 0));
    EXPECT_EQ(canvas.pixel(100, 40), qRgb(0, 255, 0));
}

TEST(StretchBitmapToCanvas, IsAPlainCopyEvenOfATranslucentPicture) {
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(qRgba(200, 0, 0, 60));
    QImage canvas = Canvas();
    {
        QPainter painter(&canvas);
        StretchBitmapToCanvas(painter, QRect(0, 0, 50, 50), picture);
    }
    EXPECT_EQ(canvas.pixel(25, 25), qRgb(200, 0, 0));
}

TEST(StretchBitmapToCanvas, NullPictureLeavesTheCanvasAlone) {
    QImage canvas = Canvas();
    {
        QPainter painter(&canvas);
        StretchBitmapToCanvas(painter, QRect(0, 0, 50, 50), QImage());
    }
    EXPECT_EQ(canvas, Canvas());
}

} // namespace
