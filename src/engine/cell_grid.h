#pragma once

#include <array>

// The window's view of a puzzle: a fixed 65 x 65 byte matrix, addressed [row][column].
// Only the top-left N x N corner is used; a blank is an empty cell, any other byte a symbol.
// TsdBoard keeps its cells at the same stride, so no board is wider; a game's grids are at
// most kLargestSide wide.
inline constexpr int kGridStride = 65;

using CellGrid = std::array<std::array<char, kGridStride>, kGridStride>;

// A grid with every byte set to `fill` (blank by default).
inline CellGrid MakeCellGrid(char fill = ' ') {
    CellGrid grid;
    for (auto& row : grid)
        row.fill(fill);
    return grid;
}
