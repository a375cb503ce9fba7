#include "view/grid_sizing.h"

#include <cmath>

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
    // Each step above 16 points adds about a tenth, rounded to whole points.
    static constexpr int kLargeSteps[] = {
        18, 20, 22, 24, 26, 28, 32, 36, 40, 44, kMaxGridFontPoints};
    if (larger) {
        if (fontPoints < kLastPointStepFontPoints)
            return std::max(kMinGridFontPoints, fontPoints + 1);
        for (const int step : kLargeSteps)
            if (step > fontPoints)
                return step;
        return std::min(fontPoints, kMaxGridFontPoints);
    }
    if (fontPoints <= kMinGridFontPoints)
        return fontPoints;
    if (fontPoints <= kLastPointStepFontPoints + 1)
        return fontPoints - 1;
    int below = kLastPointStepFontPoints;
    for (const int step : kLargeSteps)
        if (step < fontPoints)
            below = step;
    return below;
}

QFont GridFont(int fontPoints) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(static_cast<int>(std::lround(fontPoints * 96.0 / 72.0)));
    return font;
}
