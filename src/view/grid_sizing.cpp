#include "view/grid_sizing.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct SizeRow {
    int columnExtra; // column width = font points + this
    int rowExtra;    // row height = font points + this
    int lineWidth;
    WindowLayout window;
};

// Indexed by box size 3, 4, 5. The grid fills its panel, and a grid taller than the panel
// (25x25) scrolls inside it.
constexpr SizeRow kSizes[] = {
    {36, 26, 3, {598, 688}},
    {26, 16, 2, {752, 688}},
    {26, 16, 2, {752, 688}},
};

const SizeRow* RowFor(int boxSize) {
    if (boxSize < 3 || boxSize > 5)
        return nullptr;
    return &kSizes[boxSize - 3];
}

// Above the point steps a cell grows with its font, from the 16-point cell.
int CellSide(int extra, int fontPoints) {
    if (fontPoints <= kLastPointStepFontPoints)
        return fontPoints + extra;
    return static_cast<int>(
        std::lround((kLastPointStepFontPoints + extra) * static_cast<double>(fontPoints) /
                    kLastPointStepFontPoints));
}

} // namespace

std::optional<GridLayout> GridLayoutFor(int boxSize, int fontPoints) {
    const SizeRow* row = RowFor(boxSize);
    if (!row)
        return std::nullopt;
    GridLayout layout;
    layout.boxSize = boxSize;
    layout.side = boxSize * boxSize;
    layout.columnWidth = CellSide(row->columnExtra, fontPoints);
    layout.rowHeight = CellSide(row->rowExtra, fontPoints);
    layout.lineWidth = row->lineWidth;
    return layout;
}

std::optional<WindowLayout> WindowLayoutFor(int boxSize) {
    const SizeRow* row = RowFor(boxSize);
    if (!row)
        return std::nullopt;
    return row->window;
}

int ZoomStep(int fontPoints, bool larger) {
    // A point a step up to 16 points; above them about a tenth a step, in whole points.
    static constexpr int kSteps[] = {8,  9,  10, 11, 12, 13, 14, 15, 16, 18,
                                     20, 22, 24, 26, 28, 32, 36, 40, 44, 48};
    static_assert(kSteps[0] == kMinGridFontPoints && kSteps[8] == kLastPointStepFontPoints &&
                  std::end(kSteps)[-1] == kMaxGridFontPoints);
    if (larger) {
        const auto next = std::ranges::upper_bound(kSteps, fontPoints);
        return next != std::end(kSteps) ? *next : std::min(fontPoints, kMaxGridFontPoints);
    }
    const auto below = std::ranges::lower_bound(kSteps, fontPoints);
    return below != std::begin(kSteps) ? *std::prev(below) : fontPoints;
}

QFont GridFont(int fontPoints) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(static_cast<int>(std::lround(fontPoints * 96.0 / 72.0)));
    return font;
}
