#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace seedbank {

// Largest grid side handled here (25x25): masks of one bit per symbol fit in 32 bits.
inline constexpr int kMaxSide = 25;
inline constexpr int kMaxCells = kMaxSide * kMaxSide;

using Mask = std::uint32_t;

// Cells, units and peers of one grid size. Cells are numbered row * N + column.
struct Geometry {
    int box = 0;   // n: box edge 3, 4 or 5
    int side = 0;  // N = n * n
    int cells = 0; // N * N
    // 3N units of N cells: rows 0..N-1, then columns, then boxes (numbered row by row).
    std::vector<std::array<int, kMaxSide>> units;
    // The row, column and box unit of every cell.
    std::vector<std::array<int, 3>> unitsOfCell;
    // Every other cell that shares a row, column or box with the cell.
    std::vector<std::vector<int>> peers;

    Mask AllSymbols() const { return (Mask{1} << side) - 1; }

    // Geometry of box edge 3, 4 or 5; nullptr for any other edge.
    static const Geometry* For(int box);
};

// The symbols of each size, in symbol-number order.
std::string_view AlphabetFor(int box);

// Cell values: a symbol number 0..N-1, or -1 for an empty cell.
using CellValues = std::vector<int>;

// Reads a text of N*N characters: alphabet symbols (upper case) or '?' for an empty cell.
// Returns false on a wrong length or any other character.
bool ParseCells(const Geometry& geometry, std::string_view text, CellValues& values);

// Writes cell values as text: the alphabet's symbols and '?' for an empty cell.
std::string FormatCells(const Geometry& geometry, const CellValues& values);

// Whether every cell is filled and no row, column or box holds a symbol twice.
bool IsCompleteValidGrid(const Geometry& geometry, const CellValues& values);

int CountGivens(const CellValues& values);

} // namespace seedbank
