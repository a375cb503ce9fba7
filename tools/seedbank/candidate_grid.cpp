#include "candidate_grid.h"

namespace seedbank {

CandidateGrid::CandidateGrid(const Geometry& geometry)
    : geometry_(&geometry), open_(geometry.cells) {
    value_.fill(-1);
    candidates_.fill(0);
    for (int cell = 0; cell < geometry.cells; ++cell)
        candidates_[cell] = geometry.AllSymbols();
}

bool CandidateGrid::LoadGivens(const CellValues& givens) {
    for (int cell = 0; cell < geometry_->cells && !contradiction_; ++cell)
        if (givens[cell] >= 0)
            Place(cell, givens[cell]);
    return !contradiction_;
}

void CandidateGrid::Place(int cell, int symbol) {
    const Mask bit = Mask{1} << symbol;
    if (value_[cell] >= 0) {
        if (value_[cell] != symbol)
            contradiction_ = true;
        return;
    }
    if (!(candidates_[cell] & bit)) {
        contradiction_ = true;
        return;
    }
    value_[cell] = static_cast<std::int8_t>(symbol);
    candidates_[cell] = 0;
    --open_;
    for (int peer : geometry_->peers[cell]) {
        if (value_[peer] == symbol) {
            contradiction_ = true;
        } else if (candidates_[peer] & bit) {
            candidates_[peer] &= ~bit;
            if (candidates_[peer] == 0)
                contradiction_ = true;
        }
    }
}

bool CandidateGrid::Eliminate(int cell, Mask symbols) {
    if (value_[cell] >= 0 || !(candidates_[cell] & symbols))
        return false;
    candidates_[cell] &= ~symbols;
    if (candidates_[cell] == 0)
        contradiction_ = true;
    return true;
}

CellValues CandidateGrid::Values() const {
    CellValues values(geometry_->cells);
    for (int cell = 0; cell < geometry_->cells; ++cell)
        values[cell] = value_[cell];
    return values;
}

} // namespace seedbank
