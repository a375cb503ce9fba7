#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

// Draws bitmap scaled into rect, width and height stretched independently. It is a plain
// copy: any alpha channel is ignored, so what lies under rect is fully covered.
void StretchBitmapToCanvas(QPainter& canvas, const QRect& rect, const QImage& bitmap);
