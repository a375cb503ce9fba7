#pragma once

#include "engine/symbol_alphabets.h"

#include <array>
#include <cstdint>

// A cell's notes: bit i is set when the i-th symbol of the size's alphabet is noted. 25
// symbols at most, so 32 bits hold every size.
using CellNotes = std::uint32_t;

// Notes are kept for the cells of the largest grid, addressed [row][column].
using NotesGrid = std::array<std::array<CellNotes, kLargestSide>, kLargestSide>;

inline constexpr CellNotes NoteBit(int symbolIndex) {
    return CellNotes{1} << symbolIndex;
}
