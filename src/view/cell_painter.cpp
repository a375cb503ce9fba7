#include "view/cell_painter.h"

#include "bank/ascii_case.h"
#include "game/game_core.h"
#include "view/cell_facts.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

GridView GridViewOf(const GameCore& game) {
    GridView view{game.BoxSize(),      game.GameState(), game.PlayGrid(), game.PuzzleGrid(),
                  game.SolutionGrid(), game.Board(),     game.Checking()};
    view.notes = &game.Notes();
    view.alphabet = game.SymbolAlphabet();
    return view;
}

namespace {
QFont WithWeight(const QFont& font, bool bold) {
    QFont face(font);
    face.setBold(bold);
    return face;
}

// The largest face whose capitals fill at most nine tenths of a place of the mini-grid, to
// keep the rows of notes apart as far as the cell allows. On the large grids a capital is five
// pixels high: smoothed, its strokes fade into grey smudges, so small faces are drawn in whole
// pixels.
QFont NoteFont(const QFont& entry, double place) {
    constexpr int kSharpBelowPixels = 10;
    QFont font(entry);
    font.setHintingPreference(QFont::PreferFullHinting);
    const auto sized = [&font](int pixels) {
        font.setPixelSize(pixels);
        font.setStyleStrategy(pixels < kSharpBelowPixels ? QFont::NoAntialias
                                                         : QFont::PreferDefault);
    };
    int pixels = 4;
    for (int next = pixels + 1; next <= place * 2; ++next) {
        sized(next);
        if (QFontMetrics(font).capHeight() > place * 0.9)
            break;
        pixels = next;
    }
    sized(pixels);
    return font;
}

// A symbol drawn once in its face and ink on a clear picture, a pixel to spare on each side:
// its top-left corner goes one pixel left of where the symbol's text would go.
QImage Stamp(const QString& symbol, const QFont& font, const QColor& ink) {
    const QStaticText text(symbol);
    const QFontMetrics metrics(font);
    QImage stamp(QSize(metrics.horizontalAdvance(symbol) + 2, metrics.height()),
                 QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawStaticText(1, 0, text);
    return stamp;
}

// Whether one unit of the painter is one pixel of a picture in memory, as on a screen at its
// natural size: notes are then stamped from their ready pictures, several times faster than
// drawing a small face's text. A page, or a scaled screen, gets the text itself.
bool StampsFit(const QPainter& painter) {
    return painter.paintEngine()->type() == QPaintEngine::Raster &&
           painter.deviceTransform().type() <= QTransform::TxTranslate;
}

// The notes' face for this cell height, with each symbol ready in the one form the painter
// takes: stamps or laid-out texts.
const CellFonts::NoteFace& NoteFaceFor(const CellFonts& fonts, const GridView& view, int cellHeight,
                                       bool stamped) {
    CellFonts::NoteFace& face = fonts.notes;
    if (face.cellHeight == cellHeight && face.stamped == stamped)
        return face;
    face.cellHeight = cellHeight;
    face.stamped = stamped;
    face.plain = NoteFont(fonts.entry, static_cast<double>(cellHeight) / view.boxSize);
    face.strong = face.plain;
    face.strong.setBold(true);
    const QFontMetrics metrics(face.plain);
    face.capHeight = metrics.capHeight();
    face.ascent = metrics.ascent();
    for (std::size_t i = 0; i < view.alphabet.size() && i < face.advances.size(); ++i) {
        const QString symbol(QLatin1Char(view.alphabet[i]));
        face.advances[i] = metrics.horizontalAdvance(symbol);
        if (stamped) {
            face.plainStamps[i] = Stamp(symbol, face.plain, kNoteColour);
            face.strongStamps[i] = Stamp(symbol, face.strong, kStrongNoteColour);
        } else {
            face.plainTexts[i] = QStaticText(symbol);
            face.plainTexts[i].prepare(QTransform(), face.plain);
            face.strongTexts[i] = QStaticText(symbol);
            face.strongTexts[i].prepare(QTransform(), face.strong);
        }
    }
    return face;
}

// Each symbol in its own place of a BoxSize x BoxSize mini-grid, in alphabet order, so a note
// never moves when others come or go.
void DrawNotes(QPainter& painter, const GridView& view, CellNotes notes, const QRect& rect,
               const CellFonts& fonts) {
    const bool stamped = StampsFit(painter);
    const CellFonts::NoteFace& face = NoteFaceFor(fonts, view, rect.height(), stamped);
    const int n = view.boxSize;
    const int highlighted = static_cast<int>(view.alphabet.find(AsciiUpper(view.highlight)));
    const bool anyStrong = view.highlight != ' ' && highlighted >= 0;
    for (int i = 0; i < static_cast<int>(view.alphabet.size()); ++i) {
        if (!(notes & NoteBit(i)))
            continue;
        const bool strong = anyStrong && i == highlighted;
        // Centred on its place, rounded once: the places of a small cell are a fraction of a
        // pixel apart, and rounding each edge first would make some neighbours touch.
        const double centreX = rect.x() + (i % n + 0.5) * rect.width() / n;
        const double centreY = rect.y() + (i / n + 0.5) * rect.height() / n;
        const int capTop = static_cast<int>(std::lround(centreY - face.capHeight / 2.0));
        // Texts are placed by their top, one ascent above the baseline.
        const QPoint topLeft(static_cast<int>(std::lround(centreX - face.advances[i] / 2.0)),
                             capTop + face.capHeight - face.ascent);
        if (stamped) {
            painter.drawImage(topLeft - QPoint(1, 0),
                              strong ? face.strongStamps[i] : face.plainStamps[i]);
        } else {
            painter.setFont(strong ? face.strong : face.plain);
            painter.setPen(strong ? kStrongNoteColour : kNoteColour);
            painter.drawStaticText(topLeft, strong ? face.strongTexts[i] : face.plainTexts[i]);
        }
    }
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
    const bool tinted = ShowsHighlight(view, row, column);
    painter.fillRect(rect, tinted ? kHighlightColour : QColor(Qt::white));

    const bool given = IsGivenCell(view, row, column);
    const QFontMetrics& metrics = given ? fonts.givenMetrics : fonts.entryMetrics;
    painter.setFont(given ? fonts.given : fonts.entry);
    // The full width of "8" is taken off, so symbols sit a little left of the centre.
    const int dx = (right - left) / 2 - metrics.horizontalAdvance(QLatin1Char('8'));
    const int dy = (bottom - top) / 2 - metrics.height() / 2;

    const bool playing = view.gameState == Playing;
    if (const CellNotes notes = ShownNotes(view, row, column)) {
        DrawNotes(painter, view, notes, rect, fonts);
        painter.setFont(given ? fonts.given : fonts.entry);
    }
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
        painter.setBackground(tinted ? kHighlightColour : QColor(Qt::white));
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
