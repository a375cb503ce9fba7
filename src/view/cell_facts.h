#pragma once

#include "view/cell_painter.h"

// What a cell shows, one fact each, as the painter draws it and the screen reader says it.

// The cell is a given: the puzzle holds a symbol there, whichever grid is shown.
bool IsGivenCell(const GridView& view, int row, int column);

// The symbol the cell shows, a blank when it is empty: the player's grid while a puzzle or a
// game is on view, the solution in every other state.
char ShownSymbol(const GridView& view, int row, int column);

// The cell's symbol is marked as repeated in its row, column or box: only during a game with
// its grid on view and checking on.
bool ShowsRepeat(const GridView& view, int row, int column);

// The notes the cell shows: the player's notes of an open blank cell during a game with its
// grid on view, none elsewhere.
CellNotes ShownNotes(const GridView& view, int row, int column);

// The cell is tinted: it shows the highlighted symbol (either case) during a game.
bool ShowsHighlight(const GridView& view, int row, int column);
