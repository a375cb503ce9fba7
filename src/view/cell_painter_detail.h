#pragma once

#include "view/cell_painter.h"

#include <QFontMetrics>

// The two faces of the grid's font with their metrics, worked out once per repaint rather
// than once per cell.
struct CellFonts {
    explicit CellFonts(const QFont& font);
    QFont given;
    QFont entry;
    QFontMetrics givenMetrics;
    QFontMetrics entryMetrics;
};

void DrawGridCellWith(QPainter& painter, const GridView& view, int column, int row,
                      const QRect& rect, bool focused, const CellFonts& fonts);
