#include "print/booklet_layout.h"

#include "print/booklet_grid.h"

#include <algorithm>

namespace {

// Fractions of the page, in hundredths of its height or width.
constexpr int kMarginPercent = 4;  // all round, of the shorter side
constexpr int kHeadingPercent = 5; // of the height
constexpr int kFooterPercent = 4;
constexpr int kLabelPercent = 3;
constexpr int kGapPercent = 3; // between places, of the shorter side

// Solution counts to a page, most first.
constexpr int kSolutionChoices[] = {12, 9, 6, 4, 2, 1};

// The width of one cell of the first grid of a page laid out for `places` pictures, in the
// page's units.
double CellWidth(QSize page, int places, int boxSize) {
    const QSize grid = BookletGridShape(boxSize);
    const BookletPage laid = LayOutBookletPage(page, places, grid);
    if (laid.grids.empty())
        return 0;
    return double(laid.grids.front().width()) / (boxSize * boxSize);
}

} // namespace

std::vector<int> PuzzlesPerPageChoices(int boxSize) {
    switch (boxSize) {
    case 3:
        return {1, 2, 4, 6};
    case 4:
        return {1, 2, 4};
    case 5:
        return {1, 2};
    default:
        return {};
    }
}

int DefaultPuzzlesPerPage(int boxSize) {
    return boxSize == 3 ? 4 : boxSize == 4 ? 2 : 1;
}

BookletPlan PlanBooklet(int boxSize, int count, int wantedPerPage, QSizeF paperMm) {
    BookletPlan plan;
    plan.boxSize = boxSize;
    plan.count = count;
    // Tenths of a millimetre, so the layout's whole units are fine enough to judge by.
    const QSize page(int(paperMm.width() * 10), int(paperMm.height() * 10));
    const auto fits = [&](int places, double minMm) {
        return CellWidth(page, places, boxSize) >= minMm * 10;
    };
    for (int choice : PuzzlesPerPageChoices(boxSize))
        if (choice <= wantedPerPage && (choice == 1 || fits(choice, kMinPuzzleCellMm)))
            plan.puzzlesPerPage = choice;
    plan.solutionsPerPage = plan.puzzlesPerPage;
    for (int choice : kSolutionChoices)
        if (choice > plan.puzzlesPerPage && fits(choice, kMinSolutionCellMm)) {
            plan.solutionsPerPage = choice;
            break;
        }
    return plan;
}

BookletPage LayOutBookletPage(QSize page, int places, QSize grid) {
    BookletPage laid;
    if (page.isEmpty() || grid.isEmpty() || places < 1)
        return laid;
    const int shorter = std::min(page.width(), page.height());
    const int margin = shorter * kMarginPercent / 100;
    const int headingHeight = page.height() * kHeadingPercent / 100;
    const int footerHeight = page.height() * kFooterPercent / 100;
    const int labelHeight = page.height() * kLabelPercent / 100;
    const int gap = shorter * kGapPercent / 100;
    const int width = page.width() - 2 * margin;
    laid.heading = QRect(margin, margin, width, headingHeight);
    laid.footer = QRect(margin, page.height() - margin - footerHeight, width, footerHeight);
    const QRect content(margin, laid.heading.bottom() + 1, width,
                        laid.footer.top() - laid.heading.bottom() - 1);

    // The arrangement whose pictures come out largest; fewer columns first on a tie.
    int bestColumns = 1;
    double bestScale = -1;
    for (int columns = 1; columns <= places; ++columns) {
        const int rows = (places + columns - 1) / columns;
        const double across = double(content.width() - (columns - 1) * gap) / columns;
        const double down = double(content.height() - (rows - 1) * gap) / rows - labelHeight;
        const double scale = std::min(across / grid.width(), down / grid.height());
        if (scale > bestScale) {
            bestScale = scale;
            bestColumns = columns;
        }
    }
    if (bestScale <= 0)
        return laid;
    const int columns = bestColumns;
    const int rows = (places + columns - 1) / columns;
    const int placeWidth = (content.width() - (columns - 1) * gap) / columns;
    const int placeHeight = (content.height() - (rows - 1) * gap) / rows;
    const int pictureWidth = int(grid.width() * bestScale);
    const int pictureHeight = int(grid.height() * bestScale);
    for (int k = 0; k < places; ++k) {
        const int left = content.left() + (k % columns) * (placeWidth + gap);
        const int top = content.top() + (k / columns) * (placeHeight + gap);
        const int x = left + (placeWidth - pictureWidth) / 2;
        const int y = top + (placeHeight - labelHeight - pictureHeight) / 2;
        laid.labels.emplace_back(x, y, pictureWidth, labelHeight);
        laid.grids.emplace_back(x, y + labelHeight, pictureWidth, pictureHeight);
    }
    return laid;
}
