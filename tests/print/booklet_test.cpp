#include "game/booklet_puzzles.h"
#include "print/booklet_grid.h"
#include "print/booklet_layout.h"
#include "print/booklet_printer.h"
#include "print/pdf_page.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPdfWriter>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {

const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                      QPageLayout::Millimeter);

QPageLayout Turned(QPageLayout layout) {
    layout.setOrientation(QPageLayout::Landscape);
    return layout;
}

QSizeF PrintableMm(const QPageLayout& layout) {
    return layout.paintRect(QPageLayout::Millimeter).size();
}

// What a page of the layout measures in a PDF writer's units.
QSize PageUnits(const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(layout);
    return {writer.width(), writer.height()};
}

int Columns(const BookletPage& page) {
    QSet<int> lefts;
    for (const QRect& grid : page.grids)
        lefts.insert(grid.left());
    return int(lefts.size());
}

struct LayoutCase {
    const char* paper;
    QPageLayout layout;
    int boxSize;
    int wanted;
    int count;
    int puzzlesPerPage; // what fits legibly
    int puzzleColumns;
    int solutionsPerPage;
    int pages;
};

// A4 holds every choice; on landscape paper two pictures stand side by side; on A6 the
// puzzles come fewer to a page than asked, so that their cells stay wide enough to write in.
const LayoutCase kLayoutCases[] = {
    {"A4", kA4, 3, 1, 10, 1, 1, 12, 10 + 1},
    {"A4", kA4, 3, 2, 10, 2, 1, 12, 5 + 1},
    {"A4", kA4, 3, 4, 13, 4, 2, 12, 4 + 2},
    {"A4", kA4, 3, 6, 13, 6, 2, 12, 3 + 2},
    {"A4", kA4, 4, 1, 5, 1, 1, 9, 5 + 1},
    {"A4", kA4, 4, 2, 5, 2, 1, 9, 3 + 1},
    {"A4", kA4, 4, 4, 10, 4, 2, 9, 3 + 2},
    {"A4", kA4, 5, 1, 3, 1, 1, 4, 3 + 1},
    {"A4", kA4, 5, 2, 100, 2, 1, 4, 50 + 25},
    // Solutions no smaller than the puzzles where smaller ones would not be legible.
    {"A4 landscape", Turned(kA4), 5, 2, 4, 2, 2, 2, 2 + 2},
    {"A4 landscape", Turned(kA4), 3, 6, 6, 6, 3, 12, 1 + 1},
    {"A6",
     QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                 QPageLayout::Millimeter),
     4, 4, 4, 1, 1, 2, 4 + 2},
};

TEST(BookletLayoutTest, PagesHoldWhatFitsLegiblyInRowsAndColumns) {
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(testing::Message() << c.paper << ", box " << c.boxSize << ", " << c.wanted
                                        << " asked, " << c.count << " puzzles");
        const BookletPlan plan = PlanBooklet(c.boxSize, c.count, c.wanted, PrintableMm(c.layout));
        EXPECT_EQ(plan.puzzlesPerPage, c.puzzlesPerPage);
        EXPECT_EQ(plan.solutionsPerPage, c.solutionsPerPage);
        EXPECT_EQ(plan.Pages(), c.pages);

        const QSize page = PageUnits(c.layout);
        const BookletPage puzzles =
            LayOutBookletPage(page, plan.puzzlesPerPage, BookletGridShape(c.boxSize));
        ASSERT_EQ(int(puzzles.grids.size()), plan.puzzlesPerPage);
        EXPECT_EQ(Columns(puzzles), c.puzzleColumns);
        const QRect inside(QPoint(0, 0), page);
        for (std::size_t k = 0; k < puzzles.grids.size(); ++k) {
            const QRect grid = puzzles.grids[k];
            EXPECT_TRUE(inside.contains(grid)) << k;
            EXPECT_EQ(puzzles.labels[k].bottom() + 1, grid.top()) << k;
            EXPECT_GT(grid.top(), puzzles.heading.bottom()) << k;
            EXPECT_LT(grid.bottom(), puzzles.footer.top()) << k;
            for (std::size_t j = 0; j < k; ++j)
                EXPECT_FALSE(grid.intersects(puzzles.grids[j].united(puzzles.labels[j])))
                    << k << " overlaps " << j;
        }
        // Solutions are smaller than the puzzles, unless both come one to a page.
        const BookletPage solutions =
            LayOutBookletPage(page, plan.solutionsPerPage, BookletGridShape(c.boxSize));
        if (plan.solutionsPerPage > plan.puzzlesPerPage) {
            EXPECT_LT(solutions.grids.front().width(), puzzles.grids.front().width());
        }
    }
}

// ---- Reading the booklet back from its PDF ----

constexpr double kUnitsPerPoint = 1200.0 / 72.0;

struct ReadGrid {
    QString label;     // the words right above the grid
    std::string cells; // row by row, a blank where nothing was drawn; '?' for an odd word
};

// The grids of one page as pdftotext finds their words, placed by the layout's rectangles.
std::vector<ReadGrid> ReadPage(const QVector<PdfWord>& words, const BookletPage& laid,
                               QPointF origin, int side, int grids) {
    std::vector<ReadGrid> read(static_cast<std::size_t>(grids));
    const auto toPoints = [&](const QRect& r) {
        return QRectF(origin + QPointF(r.x(), r.y()) / kUnitsPerPoint,
                      QSizeF(r.width(), r.height()) / kUnitsPerPoint);
    };
    for (int k = 0; k < grids; ++k) {
        const QRectF label = toPoints(laid.labels[std::size_t(k)]);
        const QRectF grid = toPoints(laid.grids[std::size_t(k)]);
        ReadGrid& g = read[std::size_t(k)];
        g.cells.assign(std::size_t(side * side), ' ');
        QStringList labelWords;
        for (const PdfWord& word : words) {
            const QPointF centre = word.box.center();
            if (label.contains(centre))
                labelWords << word.text;
            if (!grid.contains(centre))
                continue;
            const int column = int((centre.x() - grid.left()) * side / grid.width());
            const int row = int((centre.y() - grid.top()) * side / grid.height());
            char& cell = g.cells[std::size_t(row * side + column)];
            cell = word.text.size() == 1 && cell == ' ' ? word.text.at(0).toLatin1() : '?';
        }
        g.label = labelWords.join(u' ');
    }
    return read;
}

// Every row, column and box holds each symbol once.
bool IsSolved(const std::string& cells, int boxSize, const std::string& alphabet) {
    const int side = boxSize * boxSize;
    for (int unit = 0; unit < side; ++unit) {
        std::string row, column, box;
        for (int i = 0; i < side; ++i) {
            row += cells[std::size_t(unit * side + i)];
            column += cells[std::size_t(i * side + unit)];
            const int r = (unit / boxSize) * boxSize + i / boxSize;
            const int c = (unit % boxSize) * boxSize + i % boxSize;
            box += cells[std::size_t(r * side + c)];
        }
        for (std::string* line : {&row, &column, &box}) {
            std::sort(line->begin(), line->end());
            if (*line != alphabet)
                return false;
        }
    }
    return true;
}

struct BookCase {
    int boxSize;
    int wanted;
    int count;
};

const BookCase kBookCases[] = {{3, 6, 7}, {3, 1, 2}, {4, 4, 5}, {5, 2, 3}};

TEST(BookletPdfTest, TheSolutionNumberedNSolvesThePuzzleNumberedN) {
    QTemporaryDir dir;
    const char* const alphabets[] = {"123456789", "0123456789ABCDEF", "ABCDEFGHIJKLMNOPQRSTUVWXY"};
    for (const BookCase& c : kBookCases) {
        SCOPED_TRACE(testing::Message() << "box " << c.boxSize << ", " << c.wanted << " to a page, "
                                        << c.count << " puzzles");
        const int side = c.boxSize * c.boxSize;
        std::string alphabet = alphabets[c.boxSize - 3];
        std::sort(alphabet.begin(), alphabet.end());
        const QString path = dir.filePath(QStringLiteral("booklet-%1.pdf").arg(side));
        const auto puzzles = MakeBookletPuzzles(c.boxSize, c.count, 99u);
        const BookletFileResult result =
            WriteBookletPdf(path, kA4, {}, puzzles, c.boxSize, c.wanted, nullptr);
        ASSERT_EQ(result.outcome, BookletOutcome::Printed) << result.error.toStdString();

        const BookletPlan plan = PlanBooklet(c.boxSize, c.count, c.wanted, PrintableMm(kA4));
        const auto pages = PdfDocumentWords(path);
        ASSERT_EQ(pages.size(), plan.Pages());
        const QPointF origin = kA4.paintRect(QPageLayout::Point).topLeft();
        const QSize page = PageUnits(kA4);
        std::vector<ReadGrid> read;
        for (int p = 0; p < plan.Pages(); ++p) {
            const bool solutions = p >= plan.PuzzlePages();
            const int places = solutions ? plan.solutionsPerPage : plan.puzzlesPerPage;
            const int first = solutions ? (p - plan.PuzzlePages()) * places : p * places;
            const BookletPage laid = LayOutBookletPage(page, places, BookletGridShape(c.boxSize));
            const auto grids =
                ReadPage(pages[p], laid, origin, side, std::min(places, c.count - first));
            read.insert(read.end(), grids.begin(), grids.end());
        }
        ASSERT_EQ(int(read.size()), 2 * c.count);
        for (int n = 1; n <= c.count; ++n) {
            const ReadGrid& puzzle = read[std::size_t(n - 1)];
            const ReadGrid& solution = read[std::size_t(c.count + n - 1)];
            EXPECT_EQ(puzzle.label, QStringLiteral("N. %1").arg(n));
            EXPECT_EQ(solution.label, QStringLiteral("N. %1").arg(n));
            EXPECT_TRUE(IsSolved(solution.cells, c.boxSize, alphabet)) << n << solution.cells;
            int givens = 0;
            for (std::size_t i = 0; i < puzzle.cells.size(); ++i)
                if (puzzle.cells[i] != ' ') {
                    ++givens;
                    EXPECT_EQ(puzzle.cells[i], solution.cells[i])
                        << "puzzle " << n << " cell " << i;
                }
            EXPECT_GT(givens, side) << n;
            EXPECT_LT(givens, side * side / 2) << n;
        }
    }
}

TEST(BookletPdfTest, APageRangePrintsThosePagesWithTheirOwnNumbers) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("range.pdf"));
    QPageRanges pages;
    pages.addRange(2, 3);
    pages.addPage(9); // beyond the last page: nothing
    const auto puzzles = MakeBookletPuzzles(3, 10, 5u);
    ASSERT_EQ(WriteBookletPdf(path, kA4, pages, puzzles, 3, 4, nullptr).outcome,
              BookletOutcome::Printed);
    QStringList footers;
    for (const auto& page : PdfDocumentWords(path)) {
        QStringList words;
        for (const PdfWord& word : page)
            words << word.text;
        const QString text = words.join(u' ');
        footers << text.mid(text.indexOf(QStringLiteral("Pagina"))).section(u' ', 0, 3);
    }
    // 10 puzzles, 4 a page, then 12 solutions a page: 3 + 1 pages.
    EXPECT_EQ(footers, (QStringList{"Pagina 2 di 4", "Pagina 3 di 4"}));
}

TEST(BookletPdfTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/booklet.pdf"));
    const auto puzzles = MakeBookletPuzzles(3, 2, 1u);
    const BookletFileResult result = WriteBookletPdf(path, kA4, {}, puzzles, 3, 1, nullptr);
    EXPECT_EQ(result.outcome, BookletOutcome::NotStarted);
    EXPECT_TRUE(result.error.contains(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(BookletPdfTest, AStoppedBookletLeavesTheFileThatWasThere) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("booklet.pdf"));
    {
        QFile before(path);
        ASSERT_TRUE(before.open(QIODevice::WriteOnly));
        before.write("before");
    }
    int asked = 0;
    const auto puzzles = MakeBookletPuzzles(4, 8, 1u);
    const BookletFileResult result =
        WriteBookletPdf(path, kA4, {}, puzzles, 4, 1, [&](int done, int pages) {
            ++asked;
            EXPECT_LE(done, pages);
            return done < 3;
        });
    EXPECT_EQ(result.outcome, BookletOutcome::Cancelled);
    EXPECT_EQ(asked, 4);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray("before"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"booklet.pdf"});
}

} // namespace
