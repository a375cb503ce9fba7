#pragma once

#include <QPainter>
#include <QSize>
#include <functional>

// The whole N x N grid as the screen draws it: its natural size in screen pixels and a
// routine that paints it from (0, 0) at that size into any painter. The page printer
// scales the painter, so the same cell-drawing code serves screen and paper.
struct GridPicture {
    QSize size;
    std::function<void(QPainter&)> paint;

    bool IsUsable() const { return !size.isEmpty() && paint != nullptr; }
};
