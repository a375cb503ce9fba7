// The texts of the printed page.
#include "print/box_text.h"
#include "print/page_geometry.h"
#include "print/rules_text.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(JoinWithDashes, PutsADashBetweenNeighboursOnly) {
    EXPECT_EQ(JoinWithDashes(""), "");
    EXPECT_EQ(JoinWithDashes("A"), "A");
    EXPECT_EQ(JoinWithDashes("AB"), "A-B");
    EXPECT_EQ(JoinWithDashes("0123456789ABCDEF"), "0-1-2-3-4-5-6-7-8-9-A-B-C-D-E-F");
    // A dash in the text is a character like any other.
    EXPECT_EQ(JoinWithDashes("a-b"), "a---b");
    EXPECT_EQ(JoinWithDashes("  "), " - ");
}

TEST(RulesLines, NineByNineNamesEightyOneCellsAndTheDigits) {
    const QStringList lines = RulesLines(3);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Bisogna riempire la griglia di 81 caselle con queste regole:");
    EXPECT_EQ(lines[1], "In ogni riga devono apparire tutti i numeri da 1 a 9 (non ripetuti)");
    EXPECT_EQ(lines[2], "In ogni colonna devono apparire tutti i numeri da 1 a 9 (non ripetuti)");
    EXPECT_EQ(lines[3], "In ogni riquadro 3x3 devono apparire tutti i numeri 1 a 9 (non ripetuti)");
}

TEST(RulesLines, LargerGridsListTheirSymbolsJoinedByDashes) {
    const QStringList sixteen = RulesLines(4);
    ASSERT_EQ(sixteen.size(), 4);
    EXPECT_EQ(sixteen[0], "Bisogna riempire la griglia di 256 caselle con queste regole:");
    EXPECT_EQ(sixteen[1], "Ognuno di questi caratteri: 0-1-2-3-4-5-6-7-8-9-A-B-C-D-E-F");
    EXPECT_EQ(sixteen[2],
              "Deve apparire almeno e non piu' di 1 volta in ogni riga e in ogni colonna.");
    EXPECT_EQ(sixteen[3], "Deve apparire almeno e non piu' di 1 volta in ogni riquadro 4x4.");

    const QStringList twentyFive = RulesLines(5);
    ASSERT_EQ(twentyFive.size(), 4);
    EXPECT_EQ(twentyFive[0], "Bisogna riempire la griglia di 25x25 caselle con queste regole:");
    EXPECT_EQ(twentyFive[1], "Ognuno di questi caratteri: "
                             "A-B-C-D-E-F-G-H-I-J-K-L-M-N-O-P-Q-R-S-T-U-V-W-X-Y");
    EXPECT_EQ(twentyFive[2], sixteen[2]);
    EXPECT_EQ(twentyFive[3], "Deve apparire almeno e non piu' di 1 volta in ogni riquadro 5x5.");
}

TEST(RulesLines, AnyOtherSizeGivesFourEmptyLines) {
    for (const int boxSize : {0, 2, 6, -3}) {
        const QStringList lines = RulesLines(boxSize);
        ASSERT_EQ(lines.size(), 4) << boxSize;
        for (const QString& line : lines)
            EXPECT_TRUE(line.isEmpty()) << boxSize;
    }
}

// A line must end a whole blank before the right frame line: one that would end only half a
// blank before it is written smaller, and then keeps the blank.
TEST(FontFittingBox, LeavesABlankBeforeTheRightFrame) {
    const QImage page(2000, 400, QImage::Format_RGB32);
    const QFont font(QStringLiteral("DejaVu Sans"), 12);
    const QStringList lines{RulesLines(3)[0]};
    const auto room = [&](const QFont& f, const QRect& box) {
        const QFontMetrics metrics(f, &page);
        const int right = BoxFramePolygon(box.x(), box.y(), box.width(), box.height())[1].x();
        return right - box.x() - metrics.horizontalAdvance(lines[0]) -
               2 * metrics.horizontalAdvance(u' ');
    };
    QRect box(10, 10, 1000, 300);
    const int blank = QFontMetrics(font, &page).horizontalAdvance(u' ');
    box.setWidth(box.width() - room(font, box) - blank / 2);
    ASSERT_LT(room(font, box), 0);
    const QFont fitted = FontFittingBox(font, lines, box, 10, &page);
    EXPECT_LT(fitted.pointSizeF(), font.pointSizeF());
    EXPECT_GE(room(fitted, box), 0);
    // With a blank to spare, the font stays.
    box.setWidth(box.width() + blank);
    EXPECT_EQ(FontFittingBox(font, lines, box, 10, &page).pointSizeF(), font.pointSizeF());
}

} // namespace
