#pragma once

#include "engine/cell_grid.h"

#include <cstdint>
#include <optional>
#include <vector>

// The puzzles of a booklet: each one a seed of the bank disguised afresh, as a generation in
// the window makes it, with its solution.
struct BookletPuzzle {
    CellGrid puzzle;   // the givens, a blank for every cell to fill
    CellGrid solution; // complete
};

inline constexpr int kMaxBookletPuzzles = 500;

// count puzzles (1 to kMaxBookletPuzzles) of box size 3, 4 or 5. No seed of the size is used
// twice before every one of them has been. With startValue the shared random stream starts
// from it once the engine is made, so the same value gives the same puzzles in the same order;
// without, the stream goes on as it is. Empty for a size or count out of range, or when the
// engine fails ten times running.
std::vector<BookletPuzzle> MakeBookletPuzzles(int boxSize, int count,
                                              std::optional<std::uint32_t> startValue);
