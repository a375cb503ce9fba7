#include "print/page_geometry.h"

#include "print/mul_div.h"

PageGeometry ComputePageGeometry(QSize page, QSize grid) {
    PageGeometry g;
    g.x0 = MulDiv(page.width(), 10, 100);
    g.w = MulDiv(page.width(), 80, 100);
    g.y0 = MulDiv(page.height(), 10, 100);
    g.hb = MulDiv(page.height(), 10, 100);
    g.yg = MulDiv(page.height(), 20, 100);
    g.gh = MulDiv(g.w, grid.height(), grid.width());
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
