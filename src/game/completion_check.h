#pragma once

#include "engine/cell_grid.h"
#include "engine/tsd_board.h"

// Whether `symbol` at (row, column) repeats a symbol of its column, row or box in `grid`:
// asked in that order, the later tests skipped once one answers.
bool IsRepeated(const TsdBoard& board, char symbol, int row, int column, const CellGrid& grid);

// The completion test run after every accepted entry: true when the board's N x N corner of
// `grid` has no blank and no repeated symbol. The stored solution is never consulted, so any
// valid filling counts as solved.
bool IsGridSolved(const TsdBoard& board, const CellGrid& grid);
