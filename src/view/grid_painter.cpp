#include "view/grid_painter.h"

#include <QPainter>

namespace {

// The part of the grid, in grid pixels, that can reach the device: cells elsewhere are
// skipped, which matters for the 25x25 grid scrolled inside its control. Everything when
// the device does not say how big it is.
std::optional<QRect> VisibleArea(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device || device->width() <= 0 || device->height() <= 0)
        return std::nullopt;
    bool invertible = false;
    const QTransform toGrid = painter.deviceTransform().inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    QRectF area = toGrid.mapRect(QRectF(0, 0, device->width(), device->height()));
    if (painter.hasClipping())
        area &= painter.clipBoundingRect();
    return area.toAlignedRect();
}

} // namespace

void PaintGrid(QPainter& painter, const GridView& view, const GridGeometry& geometry,
               std::optional<GridCell> focused, const QFont& font) {
    // The lines are what the cells leave uncovered.
    painter.fillRect(QRect(QPoint(0, 0), GridExtent(geometry)), kGridLineColour);
    const CellFonts fonts(font);
    const std::optional<QRect> visible = VisibleArea(painter);
    // Separators reach past the cell by up to half their width.
    const int reach = view.separatorWidth / 2 + 1;
    for (int row = 0; row < geometry.rows; ++row)
        for (int column = 0; column < geometry.columns; ++column) {
            const GridCell cell{column, row};
            const QRect rect = CellRect(geometry, cell);
            if (visible && !visible->intersects(rect.adjusted(-reach, -reach, reach, reach)))
                continue;
            DrawGridCell(painter, view, column, row, rect, focused == cell, fonts);
        }
}
