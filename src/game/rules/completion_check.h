#pragma once

#include "engine/cell_grid.h"
#include "engine/tsd_board.h"

// The completion test run after every accepted entry: true when the board's N x N corner of
// `grid` has no blank and no symbol repeated in its column, row or box. The stored solution
// is never consulted, so any valid filling counts as solved.
bool IsGridSolved(const TsdBoard& board, const CellGrid& grid);
