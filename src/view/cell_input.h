#pragma once

#include "engine/cell_grid.h"
#include "engine/tsd_board.h"

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

class QKeyEvent;

// Guidance shown when a key reaches the grid outside a game.
inline const QString kStartPlayingMessage =
    QStringLiteral("Per iniziare a giocare clicka su [Gioca] o premi [F5] !");
inline const QString kBackToGameMessage =
    QStringLiteral("Per giocare clicka su [Visualizza gioco] o premi [F6] !");

// A key press on the grid as the game reads it.
struct GridKey {
    // What the key puts into a cell: the space bar a blank, the letter keys their upper-case
    // letter whatever Shift or Caps Lock say, the digit keys of the main block their digit
    // whatever is held and whatever the layout prints on them, the keypad's digits their
    // digit. Every other key, function and navigation keys, Delete and Backspace included,
    // enters nothing.
    std::optional<char> value;
    // Shift, Ctrl, Alt, AltGr, Meta, Caps Lock or Num Lock by itself: the first half of a
    // chord (Alt+F4, Alt+Tab...), never a key press of its own.
    bool modifierAlone = false;
};

GridKey ReadGridKey(const QKeyEvent& key);

// Whether `value` may be stored in cell (row, column): the cell is not a given and the
// value is a blank or one of the board's symbols.
bool CellAccepts(const TsdBoard& board, const CellGrid& puzzleGrid, int row, int column,
                 char value);

// What a key press on the grid asks for: a value to store in the selected cell (then the
// grid is repainted and completion tested), or a message to show. Neither for a refused key
// or a modifier alone. The key is never consumed, so the grid still moves its selection
// afterwards.
struct GridKeyResponse {
    std::optional<char> entry;
    QString message;
};

GridKeyResponse RespondToGridKey(std::uint8_t gameState, const GridKey& key, const TsdBoard* board,
                                 const CellGrid& puzzleGrid, int row, int column);

// The value a symbol or clear item of the pop-up menu stores in the selected cell, or
// nothing when there is no game on screen or the cell refuses it.
std::optional<char> MenuEntryValue(std::uint8_t gameState, bool gridVisible, const TsdBoard* board,
                                   const CellGrid& puzzleGrid, int row, int column, char tag);

// The hint for cell (row, column): the solution's symbol between two colons, whatever the
// player has entered. Nothing for a given.
std::optional<QString> HintMessage(const CellGrid& puzzleGrid, const CellGrid& solutionGrid,
                                   int row, int column);

// A mouse press moves the selection to the cell under it only for the right button during a
// game; the left button is left to the grid.
bool PressSelectsCell(std::uint8_t gameState, Qt::MouseButton button);
