#pragma once

#include "grid_geometry.h"

#include <array>
#include <cstdint>

namespace seedbank {

// A partly solved grid: the placed symbol of each cell and the candidates of each open
// cell. Placing a symbol removes it from the cell's peers. Any inconsistency met on the
// way (a peer already holding the symbol, an open cell left without candidates, a symbol
// left without a place in a unit) sets the contradiction flag, which stays set.
class CandidateGrid {
public:
    explicit CandidateGrid(const Geometry& geometry);

    // Places every given; false (and a contradiction) when they clash.
    bool LoadGivens(const CellValues& givens);

    void Place(int cell, int symbol);
    // Removes `symbols` from the candidates of an open cell; true when any was there.
    bool Eliminate(int cell, Mask symbols);

    const Geometry& geometry() const { return *geometry_; }
    int value(int cell) const { return value_[cell]; }
    Mask candidates(int cell) const { return candidates_[cell]; }
    int openCells() const { return open_; }
    bool contradiction() const { return contradiction_; }
    bool solved() const { return open_ == 0 && !contradiction_; }
    void markContradiction() { contradiction_ = true; }

    CellValues Values() const;

private:
    const Geometry* geometry_;
    std::array<std::int8_t, kMaxCells> value_;
    std::array<Mask, kMaxCells> candidates_;
    int open_ = 0;
    bool contradiction_ = false;
};

} // namespace seedbank
