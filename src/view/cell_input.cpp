#include "view/cell_input.h"

namespace {
bool InGrid(int row, int column) {
    return row >= 0 && column >= 0 && row < kGridStride && column < kGridStride;
}
} // namespace

std::optional<char> CellValueForKey(int key) {
    if (key == Qt::Key_Space)
        return ' ';
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<char>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<char>('A' + (key - Qt::Key_A));
    return std::nullopt;
}

bool CellAccepts(const TsdBoard& board, const CellGrid& puzzleGrid, int row, int column,
                 char value) {
    if (!InGrid(row, column) || puzzleGrid[row][column] != ' ')
        return false;
    return value == ' ' || board.IsSymbol(value);
}

GridKeyResponse RespondToGridKey(std::uint8_t gameState, int key, const TsdBoard* board,
                                 const CellGrid& puzzleGrid, int row, int column) {
    GridKeyResponse response;
    switch (gameState) {
    case 4:
        if (const auto value = CellValueForKey(key);
            value && board && CellAccepts(*board, puzzleGrid, row, column, *value))
            response.entry = value;
        break;
    case 0:
    case 1:
    case 2:
        response.message = kStartPlayingMessage;
        break;
    case 5:
        response.message = kBackToGameMessage;
        break;
    default:
        break;
    }
    return response;
}

std::optional<char> MenuEntryValue(std::uint8_t gameState, bool gridVisible, const TsdBoard* board,
                                   const CellGrid& puzzleGrid, int row, int column, char tag) {
    if (!gridVisible || !board || gameState != 4)
        return std::nullopt;
    if (!CellAccepts(*board, puzzleGrid, row, column, tag))
        return std::nullopt;
    return tag;
}

std::optional<QString> HintMessage(const CellGrid& puzzleGrid, const CellGrid& solutionGrid,
                                   int row, int column) {
    if (!InGrid(row, column) || puzzleGrid[row][column] != ' ')
        return std::nullopt;
    return QStringLiteral("Per questa casella il miglior simbolo e' :") +
           QLatin1Char(solutionGrid[row][column]) + QStringLiteral(": ");
}

bool PressSelectsCell(std::uint8_t gameState, Qt::MouseButton button) {
    return gameState == 4 && button == Qt::RightButton;
}
