#include "view/cell_painter.h"

#include "game/game_core.h"
#include "view/cell_facts.h"

#include <QPainter>

GridView GridViewOf(const GameCore& game) {
    return GridView{game.BoxSize(),      game.GameState(), game.PlayGrid(), game.PuzzleGrid(),
                    game.SolutionGrid(), game.Board(),     game.Checking()};
}

namespace {
QFont WithWeight(const QFont& font, bool bold) {
    QFont face(font);
    face.setBold(bold);
    return face;
}
} // namespace

CellFonts::CellFonts(const QFont& font)
    : given(WithWeight(font, true)), entry(WithWeight(font, false)), givenMetrics(given),
      entryMetrics(entry) {}

void DrawGridCell(QPainter& painter, const GridView& view, int row, int column, const QRect& rect,
                  bool focused, const CellFonts& fonts) {
    const int left = rect.x();
    const int top = rect.y();
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();

    painter.save();
    painter.fillRect(rect, Qt::white);

    const bool given = IsGivenCell(view, row, column);
    const QFontMetrics& metrics = given ? fonts.givenMetrics : fonts.entryMetrics;
    painter.setFont(given ? fonts.given : fonts.entry);
    // The full width of "8" is taken off, so symbols sit a little left of the centre.
    const int dx = (right - left) / 2 - metrics.horizontalAdvance(QLatin1Char('8'));
    const int dy = (bottom - top) / 2 - metrics.height() / 2;

    const bool playing = view.gameState == Playing;
    if (focused && playing) {
        painter.setPen(QPen(kMarkColour, 1));
        painter.setBrush(Qt::NoBrush);
        // Bounding box (L+2, T+2)-(R-2, B-2), its right and bottom edges exclusive.
        painter.drawEllipse(QRect(left + 2, top + 2, right - left - 5, bottom - top - 5));
    }

    const char symbol = ShownSymbol(view, row, column);
    if (symbol != ' ') {
        // Opaque, as the text cell is painted white behind the symbol.
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(Qt::white);
        painter.setPen(given ? kGivenColour : kEntryColour);
        painter.drawText(QPoint(left + dx, top + dy + metrics.ascent()),
                         QString(QLatin1Char(symbol)));
        painter.setBackgroundMode(Qt::TransparentMode);
    }
    if (ShowsRepeat(view, row, column)) {
        painter.setPen(QPen(kMarkColour, 1));
        painter.drawLine(right - 5, top + 5, left + 5, bottom - 5);
    }

    // The separators are filled rather than stroked so that their pixels do not depend on
    // where the painter's origin is: a w-pixel band centred on the right or bottom edge,
    // reaching w/2 beyond the cell's ends so that it runs on across the thin lines.
    const int n = view.boxSize;
    const int w = view.separatorWidth;
    if (n > 0 && w > 0) {
        if ((column + 1) % n == 0 && column != 0)
            painter.fillRect(QRect(right - w / 2, top - w / 2, w, bottom - top + w),
                             kSeparatorColour);
        if ((row + 1) % n == 0 && row != 0)
            painter.fillRect(QRect(left - w / 2, bottom - w / 2, right - left + w, w),
                             kSeparatorColour);
    }
    painter.restore();
}
