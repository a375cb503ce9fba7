#pragma once

#include "game/booklet_puzzles.h"
#include "geometry/grid_geometry.h"
#include "print/grid_picture.h"

#include <QSize>

// The grids of a booklet, painted by the window's own cell-drawing routine: the puzzle as the
// window shows it before a game, the solution as the solution view shows it (givens blue and
// bold), with square cells at the largest zoom.
GridGeometry BookletGridGeometry(int boxSize);
// The proportions of every booklet grid of the size: its cells with the lines after them.
QSize BookletGridShape(int boxSize);
// The picture refers to the puzzle's grids: print while they live.
GridPicture BookletGridPicture(const BookletPuzzle& puzzle, int boxSize, bool solution);
