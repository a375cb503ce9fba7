#pragma once

#include "geometry/grid_geometry.h"
#include "view/cell_painter.h"

#include <optional>

class QPainter;

// Paints the whole grid with its top-left at the painter's origin: the silver lines, then
// every cell that meets the painter's clip (all of them when it has none), with the fonts
// made once. `focused` is the current
// cell while the grid is the window's active control. The screen and the printed page both
// paint the grid through this, the page with the painter scaled.
void PaintGrid(QPainter& painter, const GridView& view, const GridGeometry& geometry,
               std::optional<GridCell> focused, const QFont& font);
