#include "game/completion_check.h"

bool IsRepeated(const TsdBoard& board, char symbol, int row, int column, const CellGrid& grid) {
    return board.ColumnConflict(symbol, row, column, grid) ||
           board.RowConflict(symbol, row, column, grid) ||
           board.BoxConflict(symbol, row, column, grid);
}

bool IsGridSolved(const TsdBoard& board, const CellGrid& grid) {
    const int side = board.GetDimension();
    // The cheap scan first: while a game runs the grid usually still has a blank.
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (grid[r][c] == ' ')
                return false;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (IsRepeated(board, grid[r][c], r, c, grid))
                return false;
    return true;
}
