#pragma once

#include "geometry/grid_geometry.h"

#include <QFont>
#include <optional>

// Shapes of the grid for each box size, and the zoom steps of its font. Sizes are pixels at
// 96 dots per inch; the cell size always follows the grid's font size.

// The zoom climbs one point a step, the cells one pixel with it, from 8 to 16 points; then in
// larger steps up to 48 points, the cells keeping the 16-point cell's shape, so that a large
// screen holds a large grid and the notes of a 25x25 cell can be read.
inline constexpr int kMinGridFontPoints = 8;
inline constexpr int kLastPointStepFontPoints = 16;
inline constexpr int kMaxGridFontPoints = 48;

// Everything the grid is set to for one box size at one font size.
struct GridLayout {
    int boxSize = 0;
    int side = 0; // rows and columns
    int columnWidth = 0;
    int rowHeight = 0;
    int lineWidth = 0; // the thin silver lines between cells

    // The cells alone, as the grid control and the printed picture place them.
    GridGeometry Cells() const { return {side, side, columnWidth, rowHeight, lineWidth}; }
};

// The main window's outer size for a box size.
struct WindowLayout {
    int windowWidth = 0;
    int windowHeight = 0;
};

// Nothing for a box size other than 3, 4 or 5.
std::optional<GridLayout> GridLayoutFor(int boxSize, int fontPoints);
std::optional<WindowLayout> WindowLayoutFor(int boxSize);

// The font size one zoom step up or down from `fontPoints`; the same size at the end of the
// range.
int ZoomStep(int fontPoints, bool larger);

// The grid's font at a point size: "MS Sans Serif", sized in pixels at 96 dots per inch so
// that drawing is the same on any paint device (8 points are 11 pixels).
QFont GridFont(int fontPoints);
