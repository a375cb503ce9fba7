// What the player enters: keys and menu choices into the selected cell, the hint, and the
// completion test after every stored entry.
#include "game/completion_check.h"
#include "game/game_core.h"
#include "game/game_texts.h"

namespace {

bool InGrid(int row, int column) {
    return row >= 0 && column >= 0 && row < kGridStride && column < kGridStride;
}

bool IsOpen(const CellGrid& puzzleGrid, int row, int column) {
    return InGrid(row, column) && puzzleGrid[row][column] == ' ';
}

// An open cell takes a blank or one of the board's symbols; a given refuses everything.
bool CellAccepts(const TsdBoard& board, const CellGrid& puzzleGrid, int row, int column,
                 char value) {
    return IsOpen(puzzleGrid, row, column) && (value == ' ' || board.IsSymbol(value));
}

} // namespace

void GameCore::PressKey(const GridKey& key, int row, int column) {
    if (key.modifierAlone)
        return;
    switch (GameState) {
    case Playing:
        if (key.value && Board && CellAccepts(*Board, PuzzleGrid, row, column, *key.value))
            StoreEntry(row, column, *key.value);
        break;
    case NoPuzzle:
    case PuzzleView:
    case SolutionView:
        Host.ShowMessage(kStartPlayingMessage);
        break;
    case PlayingSolutionView:
        Host.ShowMessage(kBackToGameMessage);
        break;
    default:
        break;
    }
}

void GameCore::EnterFromMenu(char tag, int row, int column) {
    if (GridShown && Board && GameState == Playing &&
        CellAccepts(*Board, PuzzleGrid, row, column, tag))
        StoreEntry(row, column, tag);
}

void GameCore::Hint(int row, int column) {
    // The stored solution's symbol, whatever the player has entered; nothing for a given.
    if (IsOpen(PuzzleGrid, row, column))
        Host.ShowMessage(HintText(SolutionGrid[row][column]));
}

void GameCore::StoreEntry(int row, int column, char value) {
    PlayGrid[row][column] = value;
    emit playGridChanged(row, column);
    CheckCompletion();
}

// Any full grid without a repeat counts as solved, whatever the stored solution says.
void GameCore::CheckCompletion() {
    if (!Board || !IsGridSolved(*Board, PlayGrid))
        return;
    Host.ShowMessage(CongratulationText(ComputeElapsedTime(Host.Now(), PlayStartMoment)));
}
