#include "view/cell_facts.h"

#include "base/ascii_case.h"
#include "game/completion_check.h"
#include "game/game_state.h"

bool IsGivenCell(const GridView& view, int row, int column) {
    return view.puzzleGrid[row][column] != ' ';
}

char ShownSymbol(const GridView& view, int row, int column) {
    const bool showsPlayGrid = view.gameState == PuzzleView || view.gameState == Playing;
    return showsPlayGrid ? view.playGrid[row][column] : view.solutionGrid[row][column];
}

bool ShowsRepeat(const GridView& view, int row, int column) {
    const char symbol = ShownSymbol(view, row, column);
    return view.gameState == Playing && view.checking && symbol != ' ' && view.board &&
           IsRepeated(*view.board, symbol, row, column, view.playGrid);
}

CellNotes ShownNotes(const GridView& view, int row, int column) {
    if (!view.notes || view.gameState != Playing || row >= kNotesSide || column >= kNotesSide ||
        view.playGrid[row][column] != ' ')
        return 0;
    return (*view.notes)[row][column];
}

bool ShowsHighlight(const GridView& view, int row, int column) {
    const char symbol = ShownSymbol(view, row, column);
    return view.gameState == Playing && view.highlight != ' ' && symbol != ' ' &&
           AsciiUpper(symbol) == AsciiUpper(view.highlight);
}
