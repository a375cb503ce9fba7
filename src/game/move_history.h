#pragma once

#include "game/cell_notes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One cell touched by a step: its entry before and after, and the notes that flipped (the
// same mask takes the notes back and forth).
struct CellChange {
    std::uint16_t cell = 0; // row * kLargestSide + column
    char oldValue = ' ';
    char newValue = ' ';
    CellNotes notesFlip = 0;
};

// What one step of the player changed: only the cells it touched, so the history grows with
// the steps and not with the grid.
using MoveStep = std::vector<CellChange>;

// The player's steps in a game, with the point reached by undo. A new step drops what could
// be redone.
class MoveHistory {
public:
    // Keeps a step as done, and gives it back to be applied.
    const MoveStep& Record(MoveStep step);
    // The step to take back, or to do again; none at either end. The point moves past it.
    const MoveStep* Undo();
    const MoveStep* Redo();
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    void Clear();
    // The heap the history holds, for its budget.
    std::size_t MemoryBytes() const;

private:
    std::vector<MoveStep> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are done, the rest can be redone
};
