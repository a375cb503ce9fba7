// MulDiv and the page layout computed from it.
#include "print/mul_div.h"
#include "print/page_geometry.h"

#include <QPageSize>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(15, 10, 100), 2); // 1.5
    EXPECT_EQ(MulDiv(14, 10, 100), 1); // 1.4
    EXPECT_EQ(MulDiv(16, 10, 100), 2); // 1.6
    EXPECT_EQ(MulDiv(-15, 10, 100), -2);
    EXPECT_EQ(MulDiv(15, -10, 100), -2);
    EXPECT_EQ(MulDiv(15, 10, -100), -2);
    EXPECT_EQ(MulDiv(-15, -10, -100), -2);
    EXPECT_EQ(MulDiv(-14, 10, 100), -1);
    EXPECT_EQ(MulDiv(7, 1, 3), 2); // 2.33
    EXPECT_EQ(MulDiv(8, 1, 3), 3); // 2.67
}

TEST(MulDiv, KeepsTheWholeProductInSixtyFourBits) {
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(MulDiv(big, big, big), big);
    EXPECT_EQ(MulDiv(2'000'000'000, 3, 4), 1'500'000'000);
    EXPECT_EQ(MulDiv(100'000, 100'000, 1'000'000), 10'000);
}

TEST(MulDiv, ZeroDenominatorOrOverflowGivesMinusOne) {
    EXPECT_EQ(MulDiv(10, 10, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int>::max(), 2, 1), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int>::min(), 2, 1), -1);
}

// The layout worked out by hand for a small odd page: 95 x 135 printer pixels and the
// 9x9 grid at its starting size, 423 x 333 screen pixels.
TEST(PageGeometry, SmallOddPageWorkedByHand) {
    const PageGeometry g = ComputePageGeometry(QSize(95, 135), QSize(423, 333));
    EXPECT_EQ(g.x0, 10); // 9.5
    EXPECT_EQ(g.w, 76);
    EXPECT_EQ(g.y0, 14); // 13.5
    EXPECT_EQ(g.hb, 14);
    EXPECT_EQ(g.yg, 27);
    EXPECT_EQ(g.gh, 60); // 76 * 333 / 423 = 59.83
    EXPECT_EQ(g.y1, 87);
    EXPECT_EQ(g.TitleBoxRect(), QRect(10, 14, 76, 14));
    EXPECT_EQ(g.GridPictureRect(), QRect(10, 27, 76, 60));
    EXPECT_EQ(g.RulesBoxRect(), QRect(10, 87, 76, 14));
}

// The same page turned sideways: at the boxes' width of 108 the picture would be 85 high,
// but the rules box must end by 86 (85.5), which leaves 86 - 10 - 19 = 57. Width 73 gives
// 57.47, rounded to 57; width 74 would give 58.26.
TEST(PageGeometry, SmallOddPageSidewaysShrinksTheGridJustEnough) {
    const PageGeometry g = ComputePageGeometry(QSize(135, 95), QSize(423, 333));
    EXPECT_EQ(g.TitleBoxRect(), QRect(14, 10, 108, 10));
    EXPECT_EQ(g.GridPictureRect(), QRect(31, 19, 73, 57)); // 31 + 73 + 31 = 135
    EXPECT_EQ(g.RulesBoxRect(), QRect(14, 76, 108, 10));
}

int Fraction(double value, double numerator, double denominator) {
    return int(std::lround(value * numerator / denominator));
}

struct PaperCase {
    QPageSize::PageSizeId paper;
    int dpi;
    bool landscape;
};

class PaperGeometry : public ::testing::TestWithParam<PaperCase> {};

// Every rectangle on A4 and Letter at 300 and 600 dpi, for the three grids at their
// starting size and at the largest zoom, against the fractions in floating point. Upright,
// everything sits at its fraction; sideways, the grid picture alone is made just small
// enough for the rules box to end by 90 % of the height.
TEST_P(PaperGeometry, EveryRectangleIsTheRoundedFractionOfThePageOrTheGridShrinksToFit) {
    QSize page = QPageSize(GetParam().paper).sizePixels(GetParam().dpi);
    ASSERT_FALSE(page.isEmpty());
    if (GetParam().landscape)
        page.transpose();
    for (const QSize grid :
         {QSize(423, 333), QSize(495, 405), QSize(576, 416), QSize(900, 650), QSize(1100, 850)}) {
        const PageGeometry g = ComputePageGeometry(page, grid);
        const int x0 = Fraction(page.width(), 10, 100);
        const int w = Fraction(page.width(), 80, 100);
        const int y0 = Fraction(page.height(), 10, 100);
        const int yg = Fraction(page.height(), 20, 100);
        const int bottom = Fraction(page.height(), 90, 100);
        EXPECT_EQ(g.TitleBoxRect(), QRect(x0, y0, w, y0));
        EXPECT_EQ(g.RulesBoxRect(), QRect(x0, g.gh + yg, w, y0));
        EXPECT_LE(g.RulesBoxRect().bottom() + 1, bottom);
        // The title box ends where the grid picture starts, give or take rounding.
        EXPECT_NEAR(g.y0 + g.hb, g.yg, 1);
        EXPECT_NEAR(2 * g.x0 + g.w, page.width(), 1);
        if (!GetParam().landscape) {
            EXPECT_EQ(g.GridPictureRect(),
                      QRect(x0, yg, w, Fraction(w, grid.height(), grid.width())));
            continue;
        }
        EXPECT_EQ(g.gh, Fraction(g.gw, grid.height(), grid.width()));
        EXPECT_LT(g.gw, w);
        EXPECT_GT(Fraction(g.gw + 1, grid.height(), grid.width()), bottom - y0 - yg)
            << "a wider picture would still fit";
        EXPECT_NEAR(g.xg - g.x0, g.x0 + g.w - (g.xg + g.gw), 1) << "not centred";
    }
}

INSTANTIATE_TEST_SUITE_P(
    A4AndLetter, PaperGeometry,
    ::testing::Values(PaperCase{QPageSize::A4, 300, false}, PaperCase{QPageSize::A4, 600, false},
                      PaperCase{QPageSize::Letter, 300, false},
                      PaperCase{QPageSize::Letter, 600, false}, PaperCase{QPageSize::A4, 300, true},
                      PaperCase{QPageSize::A4, 600, true}, PaperCase{QPageSize::Letter, 300, true},
                      PaperCase{QPageSize::Letter, 600, true}));

TEST(PageGeometry, FlatterGridMovesTheRulesBoxUp) {
    const QSize page(2480, 3508);
    const PageGeometry narrow = ComputePageGeometry(page, QSize(423, 333));
    const PageGeometry wide = ComputePageGeometry(page, QSize(900, 333));
    EXPECT_LT(wide.gh, narrow.gh);
    EXPECT_LT(wide.y1, narrow.y1);
    EXPECT_EQ(wide.yg, narrow.yg);
}

TEST(BoxFramePolygon, FivePointsClosingAtTheStartOnePixelInside) {
    const QPolygon frame = BoxFramePolygon(10, 20, 100, 50);
    ASSERT_EQ(frame.size(), 5);
    EXPECT_EQ(frame[0], QPoint(10, 20));
    EXPECT_EQ(frame[1], QPoint(108, 20));
    EXPECT_EQ(frame[2], QPoint(108, 69));
    EXPECT_EQ(frame[3], QPoint(10, 69));
    EXPECT_EQ(frame[4], frame[0]);
}

} // namespace
