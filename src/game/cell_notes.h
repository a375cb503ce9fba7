#pragma once

#include <array>
#include <cstdint>

// A cell's notes: bit i is set when the i-th symbol of the size's alphabet is noted. 25
// symbols at most, so 32 bits hold every size.
using CellNotes = std::uint32_t;

// The largest side a game has (25x25); notes are kept for its cells, addressed [row][column].
inline constexpr int kNotesSide = 25;
using NotesGrid = std::array<std::array<CellNotes, kNotesSide>, kNotesSide>;

inline constexpr CellNotes NoteBit(int symbolIndex) {
    return CellNotes{1} << symbolIndex;
}
