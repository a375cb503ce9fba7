#include "game/shown_cell.h"

#include "base/ascii_case.h"
#include "game/completion_check.h"
#include "game/game_state.h"

ShownCell CellShown(const GridContent& content, int row, int column) {
    ShownCell cell;
    const bool showsPlayGrid = content.gameState == PuzzleView || content.gameState == Playing;
    cell.symbol = showsPlayGrid ? content.playGrid[row][column] : content.solutionGrid[row][column];
    cell.given = content.puzzleGrid[row][column] != ' ';
    if (content.gameState != Playing)
        return cell;
    const bool filled = cell.symbol != ' ';
    cell.repeat = filled && content.checking && content.board &&
                  IsRepeated(*content.board, cell.symbol, row, column, content.playGrid);
    cell.highlighted = filled && content.highlight != ' ' &&
                       AsciiUpper(cell.symbol) == AsciiUpper(content.highlight);
    if (!filled && content.notes && row < kLargestSide && column < kLargestSide) {
        cell.notes = (*content.notes)[row][column];
        const int strong =
            content.highlight == ' ' ? -1 : SymbolNumberIn(content.alphabet, content.highlight);
        if (strong >= 0)
            cell.strongNotes = cell.notes & NoteBit(strong);
    }
    return cell;
}
