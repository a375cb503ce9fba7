#pragma once

#include "engine/cell_grid.h"
#include "engine/tsd_board.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <cstdint>

class GameCore;
class QPainter;

// The pen width of the heavy lines between boxes, the same for every size.
inline constexpr int kSeparatorWidth = 3;

// The game data that decides how a cell looks, as the game holds it at paint time.
struct GridView {
    int boxSize = 3;
    std::uint8_t gameState = 0;
    const CellGrid& playGrid;
    const CellGrid& puzzleGrid;
    const CellGrid& solutionGrid;
    const TsdBoard* board = nullptr; // conflicts are marked only when there is one
    bool checking = false;           // repeated symbols are marked
    int separatorWidth = kSeparatorWidth;
};

// The view of the game as it is now. It refers to the game's grids: paint while they live.
GridView GridViewOf(const GameCore& game);

// Colours of the grid.
inline const QColor kGivenColour{0, 0, 255};
inline const QColor kEntryColour{0, 0, 0};
inline const QColor kMarkColour{255, 0, 0}; // selection ellipse and conflict stroke
inline const QColor kSeparatorColour{0, 0, 0};
inline const QColor kGridLineColour{192, 192, 192};

// The two faces of the grid's font with their metrics, worked out once per repaint rather
// than once per cell. Only the weight differs from the grid's font.
struct CellFonts {
    explicit CellFonts(const QFont& font);
    QFont given;
    QFont entry;
    QFontMetrics givenMetrics;
    QFontMetrics entryMetrics;
};

// Paints cell (row, column) into `rect`, whose right and bottom edges are exclusive
// (rect.x() + rect.width() is the first pixel after the cell): white fill, the symbol of the
// state's grid (givens blue and bold), the selection ellipse on the focused cell while
// playing, the conflict stroke while playing with checking on, and the box separators along
// the right and bottom edges. The painter comes back with its pen, brush and font as they
// were.
void DrawGridCell(QPainter& painter, const GridView& view, int row, int column, const QRect& rect,
                  bool focused, const CellFonts& fonts);
