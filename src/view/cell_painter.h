#pragma once

#include "game/cell_notes.h"
#include "game/shown_cell.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QStaticText>
#include <array>
#include <functional>
#include <string_view>

class GameCore;
class QPainter;

// The pen width of the heavy lines between boxes, the same for every size.
inline constexpr int kSeparatorWidth = 3;

// The grid as it is drawn: its shape, and what each cell shows, asked of the game.
struct GridView {
    int boxSize = kSmallestBoxSize;
    bool playing = false;           // a game is on view: the selection is marked
    std::string_view alphabet = {}; // the symbols of the size, in the notes' order
    int separatorWidth = kSeparatorWidth;
    std::function<ShownCell(int row, int column)> cellAt;
};

// The view of some content, or of the game as it is now, with `highlight` as the highlighted
// symbol (the screen asks the game for it; the printed page leaves it off). They refer to the
// grids: paint while they live.
GridView GridViewOf(const GridContent& content);
GridView GridViewOf(const GameCore& game, char highlight = ' ');

// Colours of the grid.
inline const QColor kGivenColour{0, 0, 255};
inline const QColor kEntryColour{0, 0, 0};
inline const QColor kMarkColour{255, 0, 0}; // selection ellipse and conflict stroke
inline const QColor kSeparatorColour{0, 0, 0};
inline const QColor kGridLineColour{192, 192, 192};
inline const QColor kNoteColour{96, 96, 96}; // grey, yet dark enough for the small size
inline const QColor kStrongNoteColour{0, 0, 0};
inline const QColor kHighlightColour{255, 236, 150}; // a light tint under every colour of ink
// The selected cell while it shows notes: a tint, as an ellipse would run through them.
inline const QColor kSelectedNotesColour{255, 214, 214};

// The two faces of the grid's font with their metrics, worked out once per repaint rather
// than once per cell. Only the weight differs from the grid's font.
struct CellFonts {
    explicit CellFonts(const QFont& font);
    QFont given;
    QFont entry;
    QFontMetrics givenMetrics;
    QFontMetrics entryMetrics;
    // The small face of the notes, made for the first cell of a repaint that has notes: every
    // cell of a repaint has the same size.
    struct NoteFace {
        QSize cellSize;
        bool stamped = false; // which of the two forms below the symbols are ready in
        QFont plain;
        QFont strong;
        // The ink of every symbol together, from its baseline: where the rows of notes line up.
        int inkTop = 0;    // above the baseline, negative
        int inkBottom = 0; // the lowest row of ink, from the baseline
        int ascent = 0;
        std::array<int, kLargestSide> inkLeft{};  // of each symbol from its pen position
        std::array<int, kLargestSide> inkWidth{}; // in alphabet order
        // Each symbol laid out once, in both faces, for a page or a scaled screen;
        std::array<QStaticText, kLargestSide> plainTexts;
        std::array<QStaticText, kLargestSide> strongTexts;
        // or drawn once, in their inks, for painting pixel for pixel.
        std::array<QImage, kLargestSide> plainStamps;
        std::array<QImage, kLargestSide> strongStamps;
    };
    mutable NoteFace notes;
};

// Paints cell (row, column) into `rect`, whose right and bottom edges are exclusive
// (rect.x() + rect.width() is the first pixel after the cell): white fill, the symbol of the
// state's grid (givens blue and bold) centred, the selection ellipse on the focused cell while
// playing, the conflict stroke while playing with checking on, and the box separators along
// the right and bottom edges; a tint under the highlighted symbol and the notes of an open
// blank cell in their fixed places, when the view has them (the selected cell is then tinted
// instead of ringed). The painter comes back with its pen, brush and font as they were.
void DrawGridCell(QPainter& painter, const GridView& view, int row, int column, const QRect& rect,
                  bool focused, const CellFonts& fonts);
