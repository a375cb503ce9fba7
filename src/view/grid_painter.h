#pragma once

#include "view/cell_painter.h"
#include "view/grid_sizing.h"

#include <QPoint>
#include <QRect>
#include <optional>

class QPainter;

// A cell of the grid, addressed (column, row) from 0.
struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The rectangle of a cell with the layout's origin at (0, 0): cells are followed by a line
// of layout.lineWidth pixels to their right and below them.
QRect CellRect(const GridLayout& layout, GridCell cell);

// The cell under a point, or nothing in the lines between cells or beyond the last ones.
std::optional<GridCell> CellAt(const GridLayout& layout, QPoint point);

// Paints the whole grid with its top-left at the painter's origin: the silver lines, then
// every cell. `focused` is the current cell while the grid is the active control. The print
// page scales the painter to put the same picture on paper.
void PaintGrid(QPainter& painter, const GridView& view, const GridLayout& layout,
               std::optional<GridCell> focused, const QFont& font);
