#pragma once

#include "engine/cell_grid.h"
#include "engine/symbol_alphabets.h"
#include "engine/tsd_board.h"
#include "game/cell_notes.h"

#include <cstdint>
#include <string_view>

// What one cell of the grid shows, as the painter draws it and the screen reader says it.
struct ShownCell {
    char symbol = ' ';         // a blank when the cell is empty
    bool given = false;        // the puzzle holds a symbol there, whichever grid is shown
    bool repeat = false;       // marked as repeated in its row, column or box
    bool highlighted = false;  // tinted: it shows the highlighted symbol
    CellNotes notes = 0;       // the player's notes it shows
    CellNotes strongNotes = 0; // those of them drawn stronger: the highlighted symbol's
};

// The game data that decides what each cell shows. It refers to grids held elsewhere: ask
// while they live.
struct GridContent {
    int boxSize = kSmallestBoxSize;
    std::uint8_t gameState = 0;
    const CellGrid& playGrid;
    const CellGrid& puzzleGrid;
    const CellGrid& solutionGrid;
    const TsdBoard* board = nullptr; // repeats are marked only when there is one
    bool checking = false;           // repeated symbols are marked
    // The player's notes, shown in the open blank cells during a game; none shown without.
    const NotesGrid* notes = nullptr;
    std::string_view alphabet = {}; // the symbols of the size, in the notes' order
    // The symbol whose cells are tinted and whose notes are drawn stronger; a blank for none.
    char highlight = ' ';
};

// Cell (row, column) of the content: the player's grid while a puzzle or a game is on view,
// the solution in every other state; repeats only during a game with its grid on view and
// checking on; notes and the tint only during a game with its grid on view.
ShownCell CellShown(const GridContent& content, int row, int column);
