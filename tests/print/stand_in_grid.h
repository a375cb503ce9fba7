#pragma once

#include "geometry/grid_geometry.h"
#include "print/grid_picture.h"

#include <QColor>

// A simple grid of the screen's natural size for a box size (cells at the starting zoom,
// silver lines, one symbol per cell), standing in for the window's cell-drawing routine.
// Its cells are filled with a colour the page checks can find.
struct StandInGrid {
    int boxSize = 3;
    int side = 9;
    GridGeometry cells; // placed as the window's grid places its cells

    QSize NaturalSize() const;
    // Top-left corner of cell (row, col) in the grid's own pixels.
    QPoint CellOrigin(int row, int col) const;
    GridPicture Picture() const;
};

inline const QColor kStandInCellColour{170, 240, 170};
inline const QColor kStandInLineColour{192, 192, 192};

StandInGrid MakeStandInGrid(int boxSize);
