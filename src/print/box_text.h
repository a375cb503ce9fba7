#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPoint>
#include <QRect>
#include <QStringList>

// Lines of text written inside a framed box of the page.

// Top-left corner of line k: one blank in from the box's left edge and one line down from
// its top, the lines one under the other with a pixel between them.
QPoint BoxTextLineOrigin(const QFontMetrics& metrics, const QRect& box, int k);

// font, or, where a line would run past the box's frame (drawn frameWidth wide), the largest
// smaller size of it at which every line ends at least a blank before the right frame line
// and the last one ends above the bottom frame line.
QFont FontFittingBox(const QFont& font, const QStringList& lines, const QRect& box, int frameWidth,
                     const QPaintDevice* device);
