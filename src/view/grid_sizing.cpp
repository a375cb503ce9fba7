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
