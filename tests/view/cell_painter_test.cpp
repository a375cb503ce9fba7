#include "game/game_state.h"
#include "support/pattern_grids.h"
#include "view/cell_painter.h"
#include "view/grid_painter.h"
#include "view/grid_sizing.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kBackdrop = qRgb(0, 255, 0); // never used by the grid

// Counts pixels of a rectangle that satisfy `test`.
int Count(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (test(image.pixel(x, y)))
                ++count;
    return count;
}

bool IsRed(QRgb p) {
    return p == kRed;
}
bool IsBlueInk(QRgb p) {
    return qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60;
}
// Dark in the red channel: black and blue text alike.
bool IsInk(QRgb p) {
    return qRed(p) < 128 && qGreen(p) < 128;
}
bool IsBlackInk(QRgb p) {
    return IsInk(p) && !IsBlueInk(p);
}

// A game of box size n: the pattern puzzle and solution, PlayGrid as the puzzle.
struct Game {
    explicit Game(int n, int fontPoints = 8)
        : board(n, AlphabetFor(n), PatternPuzzle(n), PatternSolution(n)), play(MakeCellGrid()),
          puzzle(MakeCellGrid()), solution(MakeCellGrid()), layout(*GridLayoutFor(n, fontPoints)),
          font(GridFont(fontPoints)) {
        board.ExportPuzzle(puzzle);
        board.ExportSolution(solution);
        play = puzzle;
    }

    int Side() const { return layout.side; }

    GridView View(std::uint8_t state, bool checking, const NotesGrid* notes = nullptr,
                  std::string_view alphabet = {}, char highlight = ' ') const {
        return GridViewOf(GridContent{layout.boxSize, state, play, puzzle, solution, &board,
                                      checking, notes, alphabet, highlight});
    }

    QImage Render(std::uint8_t state, bool checking,
                  std::optional<GridCell> focused = std::nullopt) const {
        QImage image(GridExtent(layout.Cells()) + QSize(4, 4), QImage::Format_RGB32);
        image.fill(kBackdrop);
        QPainter painter(&image);
        PaintGrid(painter, View(state, checking), layout.Cells(), focused, font);
        return image;
    }

    GridCell First(const std::function<bool(int, int)>& test) const {
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if (test(r, c))
                    return {r, c};
        ADD_FAILURE() << "no such cell";
        return {0, 0};
    }
    GridCell FirstGiven() const {
        return First([&](int r, int c) { return puzzle[r][c] != ' '; });
    }
    GridCell FirstOpen() const {
        return First([&](int r, int c) { return puzzle[r][c] == ' '; });
    }
    // Off the diagonal, with a given across it, so what is drawn there cannot come from a
    // turned row and column; clear of the box separators.
    GridCell FirstOpenOffTheDiagonal() const {
        const int n = layout.boxSize;
        return First([&](int r, int c) {
            return puzzle[r][c] == ' ' && puzzle[c][r] != ' ' && (r + 1) % n != 0 &&
                   (c + 1) % n != 0;
        });
    }

    // Which cells of `play` share their symbol with another cell of their row, column or
    // box, worked out by brute force.
    std::set<std::pair<int, int>> RepeatedCells() const {
        const int n = layout.boxSize;
        std::set<std::pair<int, int>> cells;
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                for (int r2 = 0; r2 < Side(); ++r2)
                    for (int c2 = 0; c2 < Side(); ++c2) {
                        const bool related =
                            r == r2 || c == c2 || (r / n == r2 / n && c / n == c2 / n);
                        if (related && (r != r2 || c != c2) && play[r][c] != ' ' &&
                            play[r][c] == play[r2][c2])
                            cells.insert({r, c});
                    }
        return cells;
    }

    TsdBoard board;
    CellGrid play;
    CellGrid puzzle;
    CellGrid solution;
    GridLayout layout;
    QFont font;
};

QRect Cell(const Game& game, GridCell cell) {
    return CellRect(game.layout.Cells(), cell);
}

// A rectangle of the painter's units in the pixels of a picture at `scale` pixels a unit.
QRect Scaled(const QRect& rect, int scale) {
    return {rect.topLeft() * scale, rect.size() * scale};
}

class GridPixels : public ::testing::TestWithParam<int> {};

TEST_P(GridPixels, CellsAreWhiteAndLinesSilver) {
    const Game game(GetParam());
    const QImage image = game.Render(4, true, GridCell{1, 1});
    const int lw = game.layout.lineWidth;
    for (int row = 0; row < game.Side(); ++row)
        for (int column = 0; column < game.Side(); ++column) {
            const QRect rect = Cell(game, {row, column});
            ASSERT_EQ(Count(image, rect, [](QRgb p) { return p == kBackdrop; }), 0);
            ASSERT_EQ(image.pixel(rect.left() + 1, rect.top() + 1), kWhite);
            // The thin line right of a cell that has no separator there.
            if ((column + 1) % game.layout.boxSize != 0) {
                ASSERT_EQ(image.pixel(rect.right() + lw, rect.center().y()), kSilver);
            }
        }
}

TEST_P(GridPixels, SeparatorsFollowEveryBoxAndNothingElse) {
    const Game game(GetParam());
    const int n = game.layout.boxSize;
    const QImage image = game.Render(1, false);
    std::vector<int> columns;
    std::vector<int> rows;
    for (int i = 0; i < game.Side(); ++i) {
        // The first pixel after the cell, halfway along its edge, in row / column 0.
        const QRect across = Cell(game, {0, i});
        if (image.pixel(across.right() + 1, across.center().y()) == kBlack)
            columns.push_back(i);
        const QRect down = Cell(game, {i, 0});
        if (image.pixel(down.center().x(), down.bottom() + 1) == kBlack)
            rows.push_back(i);
    }
    std::vector<int> expected;
    for (int i = n - 1; i < game.Side(); i += n)
        expected.push_back(i);
    EXPECT_EQ(columns, expected);
    EXPECT_EQ(rows, expected);
    // Nothing left of column 0 or above row 0: the grid's first pixels are the cell's white.
    EXPECT_EQ(image.pixel(0, Cell(game, {0, 0}).center().y()), kWhite);
    EXPECT_EQ(image.pixel(Cell(game, {0, 0}).center().x(), 0), kWhite);
}

TEST_P(GridPixels, GivensAreBlueAndEntriesBlackInEveryState) {
    const Game game(GetParam());
    const GridCell given = game.FirstGiven();
    const GridCell open = game.FirstOpen();
    for (std::uint8_t state = 0; state <= 5; ++state) {
        const QImage image = game.Render(state, false);
        EXPECT_GT(Count(image, Cell(game, given), IsBlueInk), 5) << int(state);
        EXPECT_EQ(Count(image, Cell(game, given), IsBlackInk), 0) << int(state);
        const int openBlue = Count(image, Cell(game, open), IsBlueInk);
        const int openBlack = Count(image, Cell(game, open), IsBlackInk);
        EXPECT_EQ(openBlue, 0) << int(state);
        if (state == 1 || state == 4) {
            EXPECT_EQ(openBlack, 0) << int(state) << ": the puzzle leaves the cell blank";
        } else {
            EXPECT_GT(openBlack, 5) << int(state) << ": the solution fills the cell";
        }
    }
}

TEST_P(GridPixels, GivensAreBold) {
    // The same symbol drawn as a given and as an open cell of the solution view.
    const Game game(GetParam());
    const GridCell given = game.FirstGiven();
    const char symbol = game.puzzle[given.row][given.column];
    const GridCell open = game.First(
        [&](int r, int c) { return game.puzzle[r][c] == ' ' && game.solution[r][c] == symbol; });
    const QImage image = game.Render(2, false);
    // Inside the cells only: a separator may run along their edge.
    const int bold = Count(image, Cell(game, given).adjusted(2, 2, -2, -2), IsInk);
    const int regular = Count(image, Cell(game, open).adjusted(2, 2, -2, -2), IsInk);
    EXPECT_GT(bold, regular + regular / 8) << bold << " vs " << regular;
}

TEST_P(GridPixels, PlayerEntriesAreShownOnlyWithThePlayersGrid) {
    Game game(GetParam());
    const GridCell open = game.FirstOpen();
    // A wrong symbol, so the solution view would show something else.
    game.play[open.row][open.column] = game.solution[open.row][open.column] == 'A' ? 'B' : 'A';
    const QImage playing = game.Render(4, false);
    const QImage solution = game.Render(5, false);
    const QRect rect = Cell(game, open);
    EXPECT_NE(playing.copy(rect), solution.copy(rect));
    EXPECT_GT(Count(playing, rect, IsBlackInk), 5);
}

TEST_P(GridPixels, SelectionEllipseOnlyWhilePlayingOnTheFocusedCell) {
    const Game game(GetParam());
    const GridCell focus = game.FirstOpen(); // blank, so only the ellipse is drawn in it
    const QRect rect = Cell(game, focus);
    const QRect whole(QPoint(0, 0), GridExtent(game.layout.Cells()));
    for (std::uint8_t state = 0; state <= 5; ++state) {
        const QImage image = game.Render(state, false, focus);
        const int red = Count(image, whole, IsRed);
        if (state != 4) {
            EXPECT_EQ(red, 0) << int(state);
            continue;
        }
        EXPECT_EQ(Count(image, rect, IsRed), red) << "all red is in the focused cell";
        // An outline: inside (L+2, T+2)-(R-2, B-2) exclusive, touching all four sides.
        const QRect box(rect.left() + 2, rect.top() + 2, rect.width() - 4, rect.height() - 4);
        EXPECT_EQ(Count(image, box, IsRed), red);
        EXPECT_GT(Count(image, QRect(box.left(), box.top(), 1, box.height()), IsRed), 0);
        EXPECT_GT(Count(image, QRect(box.right(), box.top(), 1, box.height()), IsRed), 0);
        EXPECT_GT(Count(image, QRect(box.left(), box.top(), box.width(), 1), IsRed), 0);
        EXPECT_GT(Count(image, QRect(box.left(), box.bottom(), box.width(), 1), IsRed), 0);
        EXPECT_EQ(image.pixel(rect.center()), kWhite) << "not filled";
    }
    // Without the focus (the grid is not the active control) there is no ellipse.
    EXPECT_EQ(Count(game.Render(4, false), whole, IsRed), 0);
    // Around a symbol too, however near the font's height comes to the cell's: the ring is
    // whole, crossing every column of the cell above and below the middle.
    for (int points : {kMinGridFontPoints, kLastPointStepFontPoints, kMaxGridFontPoints}) {
        const Game zoomed(GetParam(), points);
        const GridCell given = zoomed.FirstGiven();
        const QRect cell = Cell(zoomed, given);
        const QImage image = zoomed.Render(4, false, given);
        const int half = cell.height() / 2;
        for (int x = cell.left() + 3; x <= cell.right() - 3; ++x) {
            ASSERT_GT(Count(image, QRect(x, cell.top(), 1, half), IsRed), 0) << points << ": " << x;
            ASSERT_GT(Count(image, QRect(x, cell.top() + half, 1, half), IsRed), 0)
                << points << ": " << x;
        }
    }
}

TEST_P(GridPixels, RepeatsAreStruckOnEveryCellInvolved) {
    Game game(GetParam());
    // Enter, into the first open cell, the symbol of a given of the same row.
    const GridCell open = game.FirstOpen();
    const GridCell given =
        game.First([&](int r, int c) { return r == open.row && game.puzzle[r][c] != ' '; });
    game.play[open.row][open.column] = game.puzzle[given.row][given.column];
    const auto repeated = game.RepeatedCells();
    ASSERT_TRUE(repeated.count({open.row, open.column}));
    ASSERT_TRUE(repeated.count({given.row, given.column}));

    const QImage image = game.Render(4, true);
    for (int r = 0; r < game.Side(); ++r)
        for (int c = 0; c < game.Side(); ++c) {
            const QRect rect = Cell(game, {r, c});
            const int red = Count(image, rect, IsRed);
            if (repeated.count({r, c})) {
                // The stroke runs from (R-5, T+5) to (L+5, B-5).
                ASSERT_GE(red, rect.width() - 12) << r << "," << c;
                ASSERT_EQ(image.pixel(rect.right() + 1 - 5, rect.top() + 5), kRed);
                ASSERT_EQ(image.pixel(rect.left() + 5, rect.bottom() + 1 - 5), kRed);
            } else {
                ASSERT_EQ(red, 0) << r << "," << c;
            }
        }

    // Checking off, or any other state: no stroke at all.
    const QRect whole(QPoint(0, 0), GridExtent(game.layout.Cells()));
    EXPECT_EQ(Count(game.Render(4, false), whole, IsRed), 0);
    for (std::uint8_t state : {0, 1, 2, 3, 5})
        EXPECT_EQ(Count(game.Render(state, true), whole, IsRed), 0) << int(state);
}

TEST_P(GridPixels, WrongButRepeatFreeEntryIsNotStruck) {
    Game game(GetParam());
    const int n = game.layout.boxSize;
    // An open cell and a symbol other than its solution that its row, column and box lack.
    bool placed = false;
    for (int r = 0; r < game.Side() && !placed; ++r)
        for (int c = 0; c < game.Side() && !placed; ++c) {
            if (game.puzzle[r][c] != ' ')
                continue;
            for (const char symbol : AlphabetFor(n)) {
                if (symbol == game.solution[r][c])
                    continue;
                game.play[r][c] = symbol;
                if (game.RepeatedCells().empty()) {
                    placed = true;
                    break;
                }
                game.play[r][c] = ' ';
            }
        }
    ASSERT_TRUE(placed);
    const QRect whole(QPoint(0, 0), GridExtent(game.layout.Cells()));
    EXPECT_EQ(Count(game.Render(4, true), whole, IsRed), 0);
}

TEST_P(GridPixels, SymbolsAreCentredInTheirCells) {
    for (int points : {kMinGridFontPoints, kLastPointStepFontPoints, kMaxGridFontPoints}) {
        SCOPED_TRACE(points);
        const Game game(GetParam(), points);
        const GridCell given = game.FirstGiven();
        const QRect rect = Cell(game, given);
        const QImage image = game.Render(1, false);
        int minX = rect.right(), maxX = rect.left(), minY = rect.bottom(), maxY = rect.top();
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (IsBlueInk(image.pixel(x, y))) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
        ASSERT_LT(minX, maxX);
        QFont bold = game.font;
        bold.setBold(true);
        const int advance = QFontMetrics(bold).horizontalAdvance(QLatin1Char('8'));
        // A narrow "1" sits a little off its advance's centre; the whole advance off is a fault.
        EXPECT_NEAR((minX + maxX) / 2.0, rect.left() + rect.width() / 2.0, advance / 4.0);
        EXPECT_NEAR((minY + maxY) / 2.0, rect.top() + rect.height() / 2.0, rect.height() / 5.0);
    }
}

TEST_P(GridPixels, ScrolledPartMatchesTheWholeGrid) {
    // Windows onto the grid, as a scrolled control paints it, at every offset across a box
    // corner: the cells skipped there must not change a pixel that shows (separators reach
    // just outside their cell).
    Game game(GetParam());
    const GridCell open = game.FirstOpen();
    game.play[open.row][open.column] = game.solution[open.row][(open.column + 1) % game.Side()];
    const int n = game.layout.boxSize;
    const GridCell focus{n, n};
    const QImage whole = game.Render(4, true, focus);
    const QRect corner = CellRect(game.layout.Cells(), {n - 1, n - 1});
    for (int shift = -4; shift <= 6; ++shift) {
        const QRect window(corner.bottomRight() + QPoint(shift, shift), QSize(30, 30));
        QImage part(window.size(), QImage::Format_RGB32);
        part.fill(kBackdrop);
        QPainter painter(&part);
        painter.setClipRect(part.rect());
        painter.translate(-window.topLeft());
        PaintGrid(painter, game.View(4, true), game.layout.Cells(), focus, game.font);
        painter.end();
        ASSERT_EQ(part, whole.copy(window)) << "shift " << shift;
    }
}

// The ink of one painting of `cell` against another: the box of the pixels that differ.
QRect InkBetween(const QImage& with, const QImage& without, const QRect& cell) {
    QRect ink;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Every note of a cell, alone, at the smallest, the middle and the largest zoom, on a screen
// at its natural size and at twice it: each note's ink is whole inside the cell, with a clear
// pixel between it and the lines, the heavy lines' inner half and every other note; no note
// stands as tall as the cell's symbols; and from the middle zoom up a 25x25 grid's capitals are
// seven pixels high. Notes are grey, lighter than the symbols, and no note changes nothing.
TEST_P(GridPixels, EveryNoteIsWholeApartFromLinesAndNeighboursAndSmallerThanTheSymbols) {
    const int n = GetParam();
    const std::string alphabet(AlphabetFor(n));
    constexpr int kMiddlePoints = (kMinGridFontPoints + kMaxGridFontPoints) / 2;
    for (int points : {kMinGridFontPoints, kMiddlePoints, kMaxGridFontPoints})
        for (int scale : {1, 2}) {
            SCOPED_TRACE(testing::Message() << points << " points at scale " << scale);
            const Game game(n, points);
            // The last open cell off the diagonal: a box's bottom-right corner is more likely
            // there, with the heavy lines on two of its sides.
            GridCell open{-1, -1};
            for (int r = 0; r < game.Side(); ++r)
                for (int c = 0; c < game.Side(); ++c)
                    if (game.puzzle[r][c] == ' ' && r != c)
                        open = {r, c};
            const GridCell given = game.FirstGiven();
            NotesGrid notes{};
            const GridView view = game.View(4, false, &notes, alphabet);
            // The cell and what lies around it, painted as a screen of that scale paints it.
            const auto paint = [&](GridCell cell) {
                const QRect around = Cell(game, cell).adjusted(-4, -4, 4, 4);
                QImage image(around.size() * scale, QImage::Format_RGB32);
                image.setDevicePixelRatio(scale);
                image.fill(kBackdrop);
                QPainter painter(&image);
                painter.setClipRect(QRect(QPoint(0, 0), around.size()));
                painter.translate(-around.topLeft());
                PaintGrid(painter, view, game.layout.Cells(), std::nullopt, game.font);
                return image;
            };
            const QRect cell(QPoint(4, 4) * scale, Cell(game, open).size() * scale);
            const QImage bare = paint(open);
            std::vector<QRect> inks;
            for (int i = 0; i < n * n; ++i) {
                notes[open.row][open.column] = NoteBit(i);
                const QImage image = paint(open);
                const QRect ink = InkBetween(image, bare, cell);
                ASSERT_FALSE(ink.isEmpty()) << "note " << i;
                // A clear pixel all round, where the bare cell is white.
                const QRect clear = ink.adjusted(-1, -1, 1, 1);
                ASSERT_EQ(Count(bare, clear, [](QRgb p) { return p != kWhite; }), 0)
                    << "note " << i << " at " << ink.x() << "," << ink.y() << " " << ink.width()
                    << "x" << ink.height();
                ASSERT_EQ(Count(image, ink, [](QRgb p) { return qGreen(p) < 96; }), 0)
                    << "note " << i << " is grey";
                for (std::size_t j = 0; j < inks.size(); ++j)
                    ASSERT_FALSE(clear.intersects(inks[j])) << "notes " << j << " and " << i;
                inks.push_back(ink);
            }
            notes[open.row][open.column] = 0;
            ASSERT_EQ(paint(open), bare) << "no note";

            const QImage symbolCell = paint(given);
            const QRect givenCell(QPoint(4, 4) * scale, Cell(game, given).size() * scale);
            int symbolTop = givenCell.bottom(), symbolBottom = givenCell.top();
            for (int y = givenCell.top(); y <= givenCell.bottom(); ++y)
                if (Count(symbolCell, QRect(givenCell.left() + 3, y, givenCell.width() - 6, 1),
                          IsBlueInk) > 0) {
                    symbolTop = std::min(symbolTop, y);
                    symbolBottom = std::max(symbolBottom, y);
                }
            int tallest = 0;
            for (int i = 0; i < n * n; ++i) {
                EXPECT_LT(inks[i].height(), symbolBottom - symbolTop + 1) << "note " << i;
                tallest = std::max(tallest, inks[i].height());
            }
            // A note stays a letter, not a dot; only the smallest 25x25 cells, whose 25 notes
            // share 24 rows of pixels with their gaps, come down to marks.
            if (n < 5 || points > kMinGridFontPoints) {
                EXPECT_GE(tallest, 3 * scale);
            }
            if (n == 5 && scale == 1 && points >= kMiddlePoints) {
                EXPECT_GE(inks[alphabet.find('E')].height(), 7);
            }
        }
}

// The selected cell of a game, while it shows notes, is tinted rather than ringed: the ring
// would run through them.
TEST_P(GridPixels, SelectedCellWithNotesIsTintedNotRinged) {
    const Game game(GetParam());
    const std::string alphabet(AlphabetFor(GetParam()));
    const GridCell open = game.FirstOpen();
    NotesGrid notes{};
    notes[open.row][open.column] = NoteBit(0) | NoteBit(GetParam() * GetParam() - 1);
    const GridView view = game.View(4, false, &notes, alphabet);
    QImage image(GridExtent(game.layout.Cells()), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintGrid(painter, view, game.layout.Cells(), open, game.font);
    painter.end();
    const QRect rect = Cell(game, open);
    EXPECT_EQ(Count(image, rect, IsRed), 0);
    EXPECT_GT(Count(image, rect, [](QRgb p) { return p == kSelectedNotesColour.rgb(); }),
              rect.width() * rect.height() / 2);
}

// On a screen at 200 % the notes are drawn as text rather than stamped, and each still keeps
// its place in alphabet order, row by row. Outside the game's own grid, at either scale, notes
// change nothing.
TEST_P(GridPixels, NotesKeepTheirPlacesAtTwiceTheScaleAndStayOutOfOtherViews) {
    const int n = GetParam();
    const Game game(n);
    const std::string alphabet(AlphabetFor(n));
    const GridCell open = game.FirstOpenOffTheDiagonal();
    NotesGrid notes{};
    const GridView view = game.View(Playing, false, &notes, alphabet);
    const auto render = [&](const GridView& shown, int scale) {
        QImage image(GridExtent(game.layout.Cells()) * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(kBackdrop);
        QPainter painter(&image);
        PaintGrid(painter, shown, game.layout.Cells(), std::nullopt, game.font);
        return image;
    };
    const QRect rect = Scaled(Cell(game, open), 2);
    const auto grey = [](QRgb p) { return p != kWhite; };
    // The corners of the mini-grid and its middle, each note alone: its ink, grey, where the
    // alphabet order puts it relative to the others.
    std::map<int, QPoint> centre;
    for (int i : {0, n - 1, n * n / 2, n * n - n, n * n - 1}) {
        SCOPED_TRACE(i);
        notes[open.row][open.column] = NoteBit(i);
        const QImage image = render(view, 2);
        QRect ink;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (grey(image.pixel(x, y)))
                    ink |= QRect(x, y, 1, 1);
        ASSERT_FALSE(ink.isEmpty());
        centre[i] = ink.center();
        EXPECT_EQ(Count(image, rect, [](QRgb p) { return qGreen(p) < 96; }), 0);
    }
    const int last = n * n - 1;
    EXPECT_LT(centre[0].x(), centre[n - 1].x());
    EXPECT_LT(centre[0].y(), centre[n * n - n].y());
    EXPECT_LT(centre[n * n - n].x(), centre[last].x());
    EXPECT_LT(centre[n - 1].y(), centre[last].y());
    EXPECT_NEAR(centre[0].y(), centre[n - 1].y(), 1);
    EXPECT_NEAR(centre[0].x(), centre[n * n - n].x(), 2);
    EXPECT_LT(centre[0].y(), centre[n * n / 2].y());
    EXPECT_LT(centre[n * n / 2].y(), centre[last].y());
    notes[open.row][open.column] = NoteBit(n * n) - 1;
    for (const std::uint8_t state : {PuzzleView, SolutionView, PlayingSolutionView})
        for (int scale : {1, 2}) {
            EXPECT_EQ(render(game.View(state, false, &notes, alphabet), scale),
                      render(game.View(state, false), scale))
                << "state " << int(state) << " at scale " << scale;
        }
}

// The tint lies under every cell of the selected symbol, givens and entries alike, and under
// nothing else; the givens stay blue over it.
TEST_P(GridPixels, HighlightTintsTheCellsOfTheSymbolOnly) {
    Game game(GetParam());
    const GridCell given = game.FirstGiven();
    const char symbol = game.puzzle[given.row][given.column];
    const GridCell open = game.FirstOpen();
    game.play[open.row][open.column] = symbol;
    for (const char highlight : {symbol, ' '}) {
        const GridView view = game.View(4, false, nullptr, {}, highlight);
        QImage image(GridExtent(game.layout.Cells()), QImage::Format_RGB32);
        QPainter painter(&image);
        PaintGrid(painter, view, game.layout.Cells(), std::nullopt, game.font);
        painter.end();
        const QRgb tint = kHighlightColour.rgb();
        for (int r = 0; r < game.Side(); ++r)
            for (int c = 0; c < game.Side(); ++c) {
                const QRect rect = Cell(game, {r, c}).adjusted(2, 2, -2, -2);
                const bool tinted = highlight != ' ' && game.play[r][c] == symbol;
                ASSERT_EQ(Count(image, rect, [&](QRgb p) { return p == tint; }) > 0, tinted)
                    << r << "," << c;
                if (tinted && game.puzzle[r][c] != ' ') {
                    EXPECT_GT(Count(image, rect, IsBlueInk), 0);
                }
            }
    }
}

INSTANTIATE_TEST_SUITE_P(AllSizes, GridPixels, ::testing::Values(3, 4, 5));

TEST(DrawGridCell, LeavesThePainterAsItWas) {
    const Game game(3);
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(kBackdrop);
    QPainter painter(&image);
    const QPen pen(QColor(10, 20, 30), 7, Qt::DashLine);
    const QBrush brush(QColor(1, 2, 3), Qt::Dense4Pattern);
    QFont font("Serif");
    font.setItalic(true);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The bottom-right cell of a box, focused, in a game with checking on: every step runs.
    Game repeat(3);
    const GridCell cell{2, 2};
    repeat.play[2][2] = repeat.play[2][1] != ' ' ? repeat.play[2][1] : '1';
    DrawGridCell(painter, repeat.View(4, true), cell.row, cell.column, QRect(5, 5, 44, 34), true,
                 CellFonts(repeat.font));
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), brush);
    EXPECT_EQ(painter.font().family(), font.family());
    EXPECT_TRUE(painter.font().italic());
    EXPECT_FALSE(painter.font().bold());
    EXPECT_EQ(painter.backgroundMode(), Qt::TransparentMode);
    painter.end();
    // Drawn only inside its rectangle and on the separator next to it.
    EXPECT_EQ(image.pixel(3, 20), kBackdrop);
    EXPECT_EQ(image.pixel(20, 3), kBackdrop);
    EXPECT_EQ(image.pixel(5 + 44 + 1, 20), kBlack);
    EXPECT_EQ(image.pixel(20, 5 + 34 + 1), kBlack);
    EXPECT_EQ(image.pixel(5 + 44 + 3, 20), kBackdrop);
}

} // namespace
