#pragma once

#include "engine/cell_grid.h"
#include "game/cell_notes.h"
#include "game/move_history.h"

#include <cstdint>
#include <string_view>

// The steps of the player's notes, worked out from the grids for the game core to record and
// apply: an entry with the notes it settles, a note, a clearing, the candidates.

// The cell of a change in a step.
int RowOf(std::uint16_t cell);
int ColumnOf(std::uint16_t cell);

// `value` into cell (row, column), symbol number `symbol` in its alphabet (-1 for a blank). A
// symbol takes the place of the cell's notes and, unless it repeats a peer, also of its own
// note in every peer; a repeat is a mistake, and the notes around it stay for when it is put
// right.
MoveStep EntryStep(const CellGrid& play, const NotesGrid& notes, int boxSize, int row, int column,
                   char value, int symbol, bool repeats);

// The note of symbol number `symbol` in a blank cell, noted or taken away.
MoveStep NoteStep(int row, int column, int symbol);

// Every note of a cell taken away, whatever it holds.
MoveStep ClearNotesStep(const CellGrid& play, const NotesGrid& notes, int row, int column);

// Every open blank cell's notes become the symbols its peers do not hold. Empty when they all
// are so already.
MoveStep CandidatesStep(const CellGrid& play, const CellGrid& puzzle, const NotesGrid& notes,
                        int boxSize, std::string_view alphabet);
