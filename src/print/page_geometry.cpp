#include "print/page_geometry.h"

#include "print/mul_div.h"

#include <algorithm>
#include <cstdint>

namespace {

// The widest picture of the grid whose height, MulDiv(width, grid height, grid width), is at
// most maxHeight. That height rounds to at most maxHeight exactly when
// width * gridHeight / gridWidth < maxHeight + 1/2.
int WidestGridPicture(int maxHeight, QSize grid) {
    if (grid.height() <= 0)
        return 0;
    const std::int64_t limit = (2 * std::int64_t(maxHeight) + 1) * grid.width() - 1;
    return int(std::max<std::int64_t>(0, limit / (2 * std::int64_t(grid.height()))));
}

} // namespace

PageGeometry ComputePageGeometry(QSize page, QSize grid) {
    PageGeometry g;
    g.x0 = MulDiv(page.width(), 10, 100);
    g.w = MulDiv(page.width(), 80, 100);
    g.y0 = MulDiv(page.height(), 10, 100);
    g.hb = MulDiv(page.height(), 10, 100);
    g.yg = MulDiv(page.height(), 20, 100);
    g.xg = g.x0;
    g.gw = g.w;
    g.gh = MulDiv(g.gw, grid.height(), grid.width());
    // The rules box must end by 90 % of the height, a bottom margin as wide as the top one.
    const int maxHeight = MulDiv(page.height(), 90, 100) - g.hb - g.yg;
    if (g.gh > maxHeight) {
        g.gw = WidestGridPicture(maxHeight, grid);
        g.gh = MulDiv(g.gw, grid.height(), grid.width());
        g.xg = g.x0 + (g.w - g.gw) / 2;
    }
    g.y1 = g.gh + MulDiv(page.height(), 20, 100);
    return g;
}

QPolygon BoxFramePolygon(int x, int y, int width, int height) {
    // Five points, the last closing the outline at the first; right and bottom edges sit
    // one pixel inside, as the frame has always been drawn.
    QPolygon outline;
    outline << QPoint(x, y) << QPoint(x + width - 2, y) << QPoint(x + width - 2, y + height - 1)
            << QPoint(x, y + height - 1) << QPoint(x, y);
    return outline;
}
