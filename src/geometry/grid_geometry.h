#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// Where the cells of a grid sit, in pixels from the grid's top-left corner: cells of equal
// size, each followed by a line of lineWidth pixels to its right and below it. The grid
// control on screen and the printed picture both place their cells by these functions.
struct GridGeometry {
    int rows = 0;
    int columns = 0;
    int columnWidth = 0;
    int rowHeight = 0;
    int lineWidth = 0;
};

// A cell of the grid, addressed (row, column) from 0.
struct GridCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A cell's rectangle, without the lines after it.
QRect CellRect(const GridGeometry& geometry, GridCell cell);

// The cell under a point: the line after a cell belongs to that cell. Nothing left of or
// above the grid, nor beyond the last column or row.
std::optional<GridCell> CellAt(const GridGeometry& geometry, QPoint point);

// All cells with the line after each of them.
QSize GridExtent(const GridGeometry& geometry);
