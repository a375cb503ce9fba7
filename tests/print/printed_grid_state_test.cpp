// The page carries the grid as the window's own routine draws it in the current state.
#include "engine/tsd_board.h"
#include "pdf_page.h"
#include "print/page_geometry.h"
#include "print/page_printer.h"
#include "print/view_grid_picture.h"
#include "support/pattern_grids.h"
#include "view/grid_sizing.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kRenderDpi = 150;

const QColor kBackground{255, 150, 0};

bool IsRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}
bool IsBlue(QRgb p) {
    return qBlue(p) > 200 && qRed(p) < 90 && qGreen(p) < 90;
}

class PrintedGridState : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(board_.HasError()) << board_.GetErrorText();
        board_.ExportPuzzle(puzzle_);
        board_.ExportSolution(solution_);
        play_ = puzzle_;
        // Row 0 starts with an open cell; repeating the given beside it makes a conflict.
        ASSERT_EQ(puzzle_[0][0], ' ');
        ASSERT_NE(puzzle_[0][1], ' ');
        play_[0][0] = puzzle_[0][1];
    }

    // Prints the page in a state and returns, per cell, the rendered pixels of its inside.
    void Print(std::uint8_t state, int boxSize = 3, const CellGrid* grid = nullptr) {
        const CellGrid& play = grid ? *grid : play_;
        const CellGrid& puzzle = grid ? *grid : puzzle_;
        const std::string alphabet(AlphabetFor(boxSize));
        const GridView view =
            GridViewOf(GridContent{boxSize, state, play, puzzle, grid ? *grid : solution_, &board_,
                                   true, &notes_, alphabet});
        const GridLayout layout = *GridLayoutFor(boxSize, 8);
        const QString path = dir_.filePath(QStringLiteral("state%1.pdf").arg(state));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        const GridPicture picture = ViewGridPicture(view, layout.Cells(), focused_, GridFont(8));
        QImage background(794, 1123, QImage::Format_RGB32);
        background.fill(kBackground);
        ASSERT_TRUE(PrintPuzzlePage(printer, background, picture, boxSize));
        pixels_ = RenderPdfPage(path, kRenderDpi);
        ASSERT_FALSE(pixels_.isNull());
        const PageGeometry g =
            ComputePageGeometry(QSize(printer.width(), printer.height()), picture.size);
        const double scale = double(kRenderDpi) / printer.resolution();
        sx_ = scale * g.gw / picture.size.width();
        sy_ = scale * g.gh / picture.size.height();
        origin_ = QPointF(g.xg * scale, g.yg * scale);
        layout_ = layout;
    }

    int Count(GridCell cell, bool (*test)(QRgb)) const {
        const QRect r = CellRect(layout_.Cells(), cell);
        int count = 0;
        for (int y = int(origin_.y() + r.top() * sy_) + 1;
             y < int(origin_.y() + (r.bottom() + 1) * sy_) - 1; ++y)
            for (int x = int(origin_.x() + r.left() * sx_) + 1;
                 x < int(origin_.x() + (r.right() + 1) * sx_) - 1; ++x)
                count += test(pixels_.pixel(x, y));
        return count;
    }

    TsdBoard board_{3, AlphabetFor(3), PatternPuzzle(3), PatternSolution(3)};
    CellGrid puzzle_ = MakeCellGrid();
    CellGrid solution_ = MakeCellGrid();
    CellGrid play_ = MakeCellGrid();
    NotesGrid notes_{};
    GridCell focused_{6, 6};
    QTemporaryDir dir_;
    QImage pixels_;
    GridLayout layout_;
    double sx_ = 1, sy_ = 1;
    QPointF origin_;
};

TEST_F(PrintedGridState, PuzzleViewShowsGivensInBlueAndNoMarks) {
    Print(1);
    EXPECT_GT(Count({0, 1}, IsBlue), 5);
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            EXPECT_EQ(Count({row, column}, IsRed), 0) << column << "," << row;
}

TEST_F(PrintedGridState, GameShowsTheSelectionEllipseAndConflictStrokes) {
    Print(4);
    EXPECT_GT(Count({0, 1}, IsBlue), 5);
    EXPECT_GT(Count(focused_, IsRed), 20); // the ellipse
    EXPECT_GT(Count({0, 0}, IsRed), 10);   // the repeated entry
    EXPECT_GT(Count({0, 1}, IsRed), 10);   // and the given it repeats
    EXPECT_EQ(Count({8, 8}, IsRed), 0);
    EXPECT_EQ(Count({0, 4}, IsRed), 0);
}

// The notes reach the paper in their own grey, drawn as text rather than as the screen's
// ready-made pixels.
TEST_F(PrintedGridState, NotesArePrintedInTheirGrey) {
    const auto grey = [](QRgb p) {
        return qRed(p) > 60 && qRed(p) < 160 && qAbs(qRed(p) - qBlue(p)) < 20;
    };
    const auto black = [](QRgb p) { return qRed(p) < 40 && qBlue(p) < 40; };
    GridCell noted{-1, -1};
    GridCell bare{-1, -1};
    for (int row = 1; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            if (play_[row][column] == ' ')
                (noted.row < 0 ? noted : bare) = {row, column};
    ASSERT_GE(bare.row, 0);
    for (int i = 0; i < 9; ++i)
        notes_[noted.row][noted.column] |= NoteBit(i);
    Print(4);
    EXPECT_GT(Count(noted, grey), 20);
    EXPECT_EQ(Count(noted, black), 0);
    EXPECT_EQ(Count(bare, grey), 0);
}

bool IsBackground(QRgb p) {
    return NearColour(p, kBackground);
}

// The whole 25x25 grid, not only the part its control shows on screen, reaches the paper.
TEST_F(PrintedGridState, EveryCellOfTheFullTwentyFiveGridIsPrinted) {
    TsdBoard large(5, AlphabetFor(5), PatternPuzzle(5), PatternSolution(5));
    ASSERT_FALSE(large.HasError()) << large.GetErrorText();
    CellGrid solution = MakeCellGrid();
    large.ExportSolution(solution);
    Print(2, 5, &solution);
    int missing = 0;
    for (int row = 0; row < 25; ++row)
        for (int column = 0; column < 25; ++column) {
            const int covered = Count({row, column}, [](QRgb p) { return !IsBackground(p); });
            const int blank = Count({row, column}, IsBackground);
            missing += covered == 0 || blank > 0;
        }
    EXPECT_EQ(missing, 0);
}

} // namespace
