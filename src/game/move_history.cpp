#include "game/move_history.h"

const MoveStep& MoveHistory::Record(MoveStep step) {
    steps_.resize(done_);
    step.shrink_to_fit();
    steps_.push_back(std::move(step));
    ++done_;
    return steps_.back();
}

const MoveStep* MoveHistory::Undo() {
    if (!CanUndo())
        return nullptr;
    return &steps_[--done_];
}

const MoveStep* MoveHistory::Redo() {
    if (!CanRedo())
        return nullptr;
    return &steps_[done_++];
}

void MoveHistory::Clear() {
    steps_.clear();
    steps_.shrink_to_fit();
    done_ = 0;
}

std::size_t MoveHistory::MemoryBytes() const {
    std::size_t bytes = steps_.capacity() * sizeof(MoveStep);
    for (const MoveStep& step : steps_)
        bytes += step.capacity() * sizeof(CellChange);
    return bytes;
}
