#pragma once

#include <cstdint>

// The permutation tables that Genera draws from. Each row is a permutation of 0..n-1;
// the drawn number selects the row, so the row order is part of the generator.

// Size 3, moving every element.
inline constexpr std::uint8_t Reorders3[2][3] = {{1, 2, 0}, {2, 0, 1}};

// Size 3, every permutation but the identity.
inline constexpr std::uint8_t GroupReorders3[5][3] = {
    {1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {0, 2, 1}};

// Size 4, moving every element, lexicographic order.
inline constexpr std::uint8_t Reorders4[9][4] = {{1, 0, 3, 2}, {1, 2, 3, 0}, {1, 3, 0, 2},
                                                 {2, 0, 3, 1}, {2, 3, 0, 1}, {2, 3, 1, 0},
                                                 {3, 0, 1, 2}, {3, 2, 0, 1}, {3, 2, 1, 0}};

// Size 5, moving every element, lexicographic order.
inline constexpr std::uint8_t Reorders5[44][5] = {
    {1, 0, 3, 4, 2}, {1, 0, 4, 2, 3}, {1, 2, 0, 4, 3}, {1, 2, 3, 4, 0}, {1, 2, 4, 0, 3},
    {1, 3, 0, 4, 2}, {1, 3, 4, 0, 2}, {1, 3, 4, 2, 0}, {1, 4, 0, 2, 3}, {1, 4, 3, 0, 2},
    {1, 4, 3, 2, 0}, {2, 0, 1, 4, 3}, {2, 0, 3, 4, 1}, {2, 0, 4, 1, 3}, {2, 3, 0, 4, 1},
    {2, 3, 1, 4, 0}, {2, 3, 4, 0, 1}, {2, 3, 4, 1, 0}, {2, 4, 0, 1, 3}, {2, 4, 1, 0, 3},
    {2, 4, 3, 0, 1}, {2, 4, 3, 1, 0}, {3, 0, 1, 4, 2}, {3, 0, 4, 1, 2}, {3, 0, 4, 2, 1},
    {3, 2, 0, 4, 1}, {3, 2, 1, 4, 0}, {3, 2, 4, 0, 1}, {3, 2, 4, 1, 0}, {3, 4, 0, 1, 2},
    {3, 4, 0, 2, 1}, {3, 4, 1, 0, 2}, {3, 4, 1, 2, 0}, {4, 0, 1, 2, 3}, {4, 0, 3, 1, 2},
    {4, 0, 3, 2, 1}, {4, 2, 0, 1, 3}, {4, 2, 1, 0, 3}, {4, 2, 3, 0, 1}, {4, 2, 3, 1, 0},
    {4, 3, 0, 1, 2}, {4, 3, 0, 2, 1}, {4, 3, 1, 0, 2}, {4, 3, 1, 2, 0}};

// One table as rows of n entries: which rows a draw chooses among.
struct ReorderTable {
    const std::uint8_t* rows; // rowCount rows of `width` entries
    int rowCount;
    int width;
    const std::uint8_t* row(int index) const { return rows + index * width; }
};

// The table for lines inside a group, and for whole groups, of box edge n (3, 4 or 5).
ReorderTable LineReorderTable(int n);
ReorderTable GroupReorderTable(int n);
