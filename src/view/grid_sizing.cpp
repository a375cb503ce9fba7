#include "view/grid_sizing.h"

#include <cmath>

namespace {

struct SizeRow {
    int columnExtra; // column width = font points + this
    int rowExtra;    // row height = font points + this
    int lineWidth;
    int controlHeight;
    WindowLayout window;
};

// Indexed by box size 3, 4, 5. The 9x9 and 16x16 controls fit their rows exactly
// (rows with lines + 2); the 25x25 grid is taller than its control and scrolls.
constexpr SizeRow kSizes[] = {
    {36, 26, 3, 335, {598, 688, 428}},
    {26, 16, 2, 418, {752, 688, 582}},
    {26, 16, 2, 507, {752, 688, 582}},
};

const SizeRow* RowFor(int boxSize) {
    if (boxSize < 3 || boxSize > 5)
        return nullptr;
    return &kSizes[boxSize - 3];
}

} // namespace

std::optional<GridLayout> GridLayoutFor(int boxSize, int fontPoints) {
    const SizeRow* row = RowFor(boxSize);
    if (!row)
        return std::nullopt;
    GridLayout layout;
    layout.boxSize = boxSize;
    layout.side = boxSize * boxSize;
    layout.columnWidth = fontPoints + row->columnExtra;
    layout.rowHeight = fontPoints + row->rowExtra;
    layout.lineWidth = row->lineWidth;
    layout.controlHeight = row->controlHeight;
    return layout;
}

std::optional<WindowLayout> WindowLayoutFor(int boxSize) {
    const SizeRow* row = RowFor(boxSize);
    if (!row)
        return std::nullopt;
    return row->window;
}

bool ZoomIn(GridZoom& zoom) {
    if (zoom.fontPoints >= kMaxGridFontPoints)
        return false;
    ++zoom.fontPoints;
    ++zoom.columnWidth;
    ++zoom.rowHeight;
    return true;
}

bool ZoomOut(GridZoom& zoom) {
    if (zoom.fontPoints <= kMinGridFontPoints)
        return false;
    --zoom.fontPoints;
    --zoom.columnWidth;
    --zoom.rowHeight;
    return true;
}

QFont GridFont(int fontPoints) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(static_cast<int>(std::lround(fontPoints * 96.0 / 72.0)));
    return font;
}
