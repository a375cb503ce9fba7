#include "game/note_steps.h"

#include "engine/cell_peers.h"
#include "engine/symbol_alphabets.h"

#include <array>

namespace {

std::uint16_t CellIndex(int row, int column) {
    return static_cast<std::uint16_t>(row * kLargestSide + column);
}

} // namespace

int RowOf(std::uint16_t cell) {
    return cell / kLargestSide;
}

int ColumnOf(std::uint16_t cell) {
    return cell % kLargestSide;
}

MoveStep EntryStep(const CellGrid& play, const NotesGrid& notes, int boxSize, int row, int column,
                   char value, int symbol, bool repeats) {
    MoveStep step{
        {CellIndex(row, column), play[row][column], value, symbol >= 0 ? notes[row][column] : 0}};
    if (symbol < 0 || repeats)
        return step;
    const CellNotes bit = NoteBit(symbol);
    ForEachPeer(boxSize, row, column, [&](int r, int c) {
        if (notes[r][c] & bit)
            step.push_back({CellIndex(r, c), play[r][c], play[r][c], bit});
    });
    return step;
}

MoveStep NoteStep(int row, int column, int symbol) {
    return {{CellIndex(row, column), ' ', ' ', NoteBit(symbol)}};
}

MoveStep ClearNotesStep(const CellGrid& play, const NotesGrid& notes, int row, int column) {
    const char value = play[row][column];
    return {{CellIndex(row, column), value, value, notes[row][column]}};
}

MoveStep CandidatesStep(const CellGrid& play, const CellGrid& puzzle, const NotesGrid& notes,
                        int boxSize, std::string_view alphabet) {
    const int side = boxSize * boxSize;
    // Each cell's symbol number once, rather than a look in the alphabet for every peer.
    std::array<std::array<int, kLargestSide>, kLargestSide> symbols{};
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            symbols[r][c] = SymbolNumberIn(alphabet, play[r][c]);
    const CellNotes all = NoteBit(side) - 1;
    MoveStep step;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            if (puzzle[r][c] != ' ' || play[r][c] != ' ')
                continue;
            CellNotes held = 0;
            ForEachPeer(boxSize, r, c, [&](int pr, int pc) {
                if (symbols[pr][pc] >= 0)
                    held |= NoteBit(symbols[pr][pc]);
            });
            if (const CellNotes flip = notes[r][c] ^ (all & ~held))
                step.push_back({CellIndex(r, c), ' ', ' ', flip});
        }
    return step;
}
