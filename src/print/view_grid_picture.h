#pragma once

#include "print/grid_picture.h"
#include "view/cell_painter.h"
#include "view/grid_painter.h"

#include <optional>

// The whole N x N grid as the window's cell-drawing routine paints it, at the grid's
// current zoom: never only the part that fits the control, never empty area beyond the last
// row or column. The view's grids are referred to, not copied, so print while they live.
GridPicture ViewGridPicture(const GridView& view, const GridGeometry& geometry,
                            std::optional<GridCell> focused, const QFont& font);
