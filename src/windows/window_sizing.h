#pragma once

#include "view/grid_sizing.h"

class DrawGrid;
class QWidget;

// Sizing the main window and its grid: the window's outer size for a box size, the grid's
// shape, zoom steps and centring on the screen.

// Gives a window that is neither maximized nor full screen the outer size of `layout`, frame
// included, and centres it.
void FitWindow(QWidget& window, const WindowLayout& layout);

// Puts the window, frame included, in the middle of its screen's work area, though never with
// its title bar above or left of it.
void CentreOnScreen(QWidget& window);

// The grid's rows, columns, cells and lines for a shape.
void ApplyGridLayout(DrawGrid& grid, const GridLayout& layout);

// One zoom step of the grid's font and of the cells of a box size, from `fontPoints`; nothing at
// either end of the range. Returns the font size now in use.
int ZoomGrid(DrawGrid& grid, int boxSize, int fontPoints, bool larger);
