#include "game/rules/completion_check.h"

bool IsGridSolved(const TsdBoard& board, const CellGrid& grid) {
    const int side = board.GetDimension();
    // The cheap scan first: while a game runs the grid usually still has a blank.
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (grid[r][c] == ' ')
                return false;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            const char symbol = grid[r][c];
            if (board.ColumnConflict(symbol, r, c, grid) || board.RowConflict(symbol, r, c, grid) ||
                board.BoxConflict(symbol, r, c, grid))
                return false;
        }
    return true;
}
