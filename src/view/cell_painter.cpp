#include "view/cell_painter.h"

#include "game/game_core.h"
#include "game/game_state.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

GridView GridViewOf(const GridContent& content) {
    return {content.boxSize, content.gameState == Playing, content.alphabet, kSeparatorWidth,
            [content](int row, int column) { return CellShown(content, row, column); }};
}

GridView GridViewOf(const GameCore& game, char highlight) {
    return {
        game.BoxSize(), game.GameState() == Playing, game.SymbolAlphabet(), kSeparatorWidth,
        [&game, highlight](int row, int column) { return game.CellShown(row, column, highlight); }};
}

namespace {
QFont WithWeight(const QFont& font, bool bold) {
    QFont face(font);
    face.setBold(bold);
    return face;
}

// Notes keep clear of the cell's edges, where the lines, the heavy line's inner half and the
// dotted focus frame fall: two pixels on the left and top, one on the right and bottom beside
// the pixel each place leaves free after it, which also parts neighbouring places.
constexpr int kNotesInset = 2;
constexpr int kNotesGap = 1;

QRect NotesArea(const QRect& cell) {
    return cell.adjusted(kNotesInset, kNotesInset, -(kNotesInset - kNotesGap),
                         -(kNotesInset - kNotesGap));
}

// Place i of a BoxSize x BoxSize mini-grid, in alphabet order, without the gap after it.
QRect NotePlace(const QRect& area, int n, int i) {
    const int column = i % n;
    const int row = i / n;
    const int left = area.x() + column * area.width() / n;
    const int top = area.y() + row * area.height() / n;
    return QRect(left, top, area.x() + (column + 1) * area.width() / n - kNotesGap - left,
                 area.y() + (row + 1) * area.height() / n - kNotesGap - top);
}

// Where a symbol's ink falls in a face, from its pen position on the baseline, found by
// drawing it: the fonts' own boxes are approximate, and small faces are drawn in whole pixels.
QRect InkOf(const QString& symbol, const QFont& font) {
    const QFontMetrics metrics(font);
    const int margin = metrics.height() / 4 + 2;
    QImage picture(QSize(metrics.horizontalAdvance(symbol), metrics.height()) +
                       QSize(2 * margin, 2 * margin),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(margin, margin + metrics.ascent()), symbol);
    }
    int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0, width = picture.width(); x < width; ++x)
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom))
        .translated(-margin, -margin - metrics.ascent());
}

// How a face of the notes is drawn. Small faces are drawn in whole pixels, as smoothed strokes
// of a few pixels fade into grey smudges, and full hinting snaps their strokes to the pixels;
// on the smallest faces hinting can add a row below the baseline, and whole pixels can drop a
// thin stroke, so the smallest cells may take a face without either.
enum class NoteRendering { Hinted, Unhinted, Smoothed };
constexpr int kSharpBelowPixels = 10;

QFont NoteFontOfSize(const QFont& entry, int pixels, NoteRendering rendering) {
    QFont font(entry);
    font.setHintingPreference(rendering == NoteRendering::Hinted ? QFont::PreferFullHinting
                                                                 : QFont::PreferNoHinting);
    font.setPixelSize(pixels);
    font.setStyleStrategy(pixels < kSharpBelowPixels && rendering != NoteRendering::Smoothed
                              ? QFont::NoAntialias
                              : QFont::PreferDefault);
    return font;
}

// Gives `face` the largest note face whose ink fits every place of the cell, its descenders
// included, and stands lower than the cell's own symbols, so that a note never passes for an
// entry.
void FitNoteFace(CellFonts::NoteFace& face, const QFont& entry, int symbolCapHeight,
                 const QRect& area, int n, std::string_view alphabet) {
    const int placeWidth = area.width() / n - kNotesGap;
    const int placeHeight = std::min(area.height() / n - kNotesGap, symbolCapHeight * 4 / 5);
    // Measures a face; unless told to settle on it, it stops at the first symbol that does
    // not fit.
    const auto fill = [&](int pixels, NoteRendering rendering, bool settle = false) {
        face.plain = NoteFontOfSize(entry, pixels, rendering);
        face.strong = face.plain;
        face.strong.setBold(true);
        face.inkTop = 0;
        face.inkBottom = 0;
        for (std::size_t i = 0; i < alphabet.size() && i < face.inkLeft.size(); ++i) {
            const QString symbol{QLatin1Char(alphabet[i])};
            // The bold face of the highlighted symbol's notes is the wider of the two.
            const QRect plainInk = InkOf(symbol, face.plain);
            const QRect strongInk = InkOf(symbol, face.strong);
            const QRect ink = plainInk | strongInk;
            face.inkLeft[i] = ink.left();
            face.inkWidth[i] = ink.width();
            face.inkTop = std::min(face.inkTop, ink.top());
            face.inkBottom = std::max(face.inkBottom, ink.bottom());
            if (!settle && (plainInk.isEmpty() || strongInk.isEmpty() || ink.width() > placeWidth ||
                            face.inkBottom - face.inkTop + 1 > placeHeight))
                return false;
        }
        return true;
    };
    // From the largest face whose capitals fit, by the font's own measure, down to the first
    // whose ink does: descenders take a row or two more.
    int pixels = std::max(2, placeHeight * 2);
    while (pixels > 2 &&
           QFontMetrics(NoteFontOfSize(entry, pixels, NoteRendering::Hinted)).capHeight() >
               placeHeight)
        --pixels;
    const auto fits = [&](int pixels) {
        if (fill(pixels, NoteRendering::Hinted))
            return true;
        return pixels < kSharpBelowPixels &&
               (fill(pixels, NoteRendering::Unhinted) || fill(pixels, NoteRendering::Smoothed));
    };
    while (pixels > 2 && !fits(pixels))
        --pixels;
    if (pixels == 2)
        fill(pixels, NoteRendering::Smoothed, true);
    face.ascent = QFontMetrics(face.plain).ascent();
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

// The notes' face for this cell size, with each symbol ready in the one form the painter
// takes: stamps or laid-out texts.
const CellFonts::NoteFace& NoteFaceFor(const CellFonts& fonts, const GridView& view,
                                       const QRect& cell, bool stamped) {
    CellFonts::NoteFace& face = fonts.notes;
    if (face.cellSize == cell.size() && face.stamped == stamped)
        return face;
    face.cellSize = cell.size();
    face.stamped = stamped;
    FitNoteFace(face, fonts.entry, fonts.entryMetrics.capHeight(),
                NotesArea(QRect(QPoint(0, 0), cell.size())), view.boxSize, view.alphabet);
    for (std::size_t i = 0; i < view.alphabet.size() && i < face.inkLeft.size(); ++i) {
        const QString symbol(QLatin1Char(view.alphabet[i]));
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

// Each symbol in its own place, so a note never moves when others come or go: its ink centred
// across the place, the ink of all symbols together centred down it, on one baseline a row.
void DrawNotes(QPainter& painter, const GridView& view, const ShownCell& cell, const QRect& rect,
               const CellFonts& fonts) {
    const bool stamped = StampsFit(painter);
    const CellFonts::NoteFace& face = NoteFaceFor(fonts, view, rect, stamped);
    const QRect area = NotesArea(rect);
    const int n = view.boxSize;
    const int inkHeight = face.inkBottom - face.inkTop + 1;
    for (int i = 0; i < static_cast<int>(view.alphabet.size()); ++i) {
        if (!(cell.notes & NoteBit(i)))
            continue;
        const bool strong = cell.strongNotes & NoteBit(i);
        const QRect place = NotePlace(area, n, i);
        const int penX = place.x() + (place.width() - face.inkWidth[i]) / 2 - face.inkLeft[i];
        const int baseline = place.y() + (place.height() - inkHeight) / 2 - face.inkTop;
        // Texts are placed by their top, one ascent above the baseline.
        const QPoint topLeft(penX, baseline - face.ascent);
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
    const ShownCell cell = view.cellAt(row, column);
    const bool tinted = cell.highlighted;
    painter.fillRect(rect, tinted ? kHighlightColour : QColor(Qt::white));

    const bool given = cell.given;
    const QFontMetrics& metrics = given ? fonts.givenMetrics : fonts.entryMetrics;
    const bool playing = view.playing;
    const CellNotes notes = cell.notes;
    if (notes) {
        // Ringed, the selection would run through the notes.
        if (focused && playing)
            painter.fillRect(rect, kSelectedNotesColour);
        DrawNotes(painter, view, cell, rect, fonts);
    }

    const char symbol = cell.symbol;
    if (symbol != ' ') {
        const QString text{QLatin1Char(symbol)};
        painter.setFont(given ? fonts.given : fonts.entry);
        // Centred across the cell by its advance and down it by the font's height.
        const int dx = ((right - left) - metrics.horizontalAdvance(text)) / 2;
        const int dy = (bottom - top) / 2 - metrics.height() / 2;
        // Opaque, as the text cell is painted white behind the symbol.
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(tinted ? kHighlightColour : QColor(Qt::white));
        painter.setPen(given ? kGivenColour : kEntryColour);
        painter.drawText(QPoint(left + dx, top + dy + metrics.ascent()), text);
        painter.setBackgroundMode(Qt::TransparentMode);
    }
    // After the symbol, whose opaque box would otherwise cut the ring where the font's height
    // comes near the cell's.
    if (focused && playing && !notes) {
        painter.setPen(QPen(kMarkColour, 1));
        painter.setBrush(Qt::NoBrush);
        // Bounding box (L+2, T+2)-(R-2, B-2), its right and bottom edges exclusive.
        painter.drawEllipse(QRect(left + 2, top + 2, right - left - 5, bottom - top - 5));
    }
    if (cell.repeat) {
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
