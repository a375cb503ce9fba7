#include "view/grid_painter.h"

#include "view/cell_painter_detail.h"

#include <QPainter>

QRect CellRect(const GridLayout& layout, GridCell cell) {
    return QRect(cell.column * (layout.columnWidth + layout.lineWidth),
                 cell.row * (layout.rowHeight + layout.lineWidth), layout.columnWidth,
                 layout.rowHeight);
}

std::optional<GridCell> CellAt(const GridLayout& layout, QPoint point) {
    const int pitchX = layout.columnWidth + layout.lineWidth;
    const int pitchY = layout.rowHeight + layout.lineWidth;
    if (point.x() < 0 || point.y() < 0 || pitchX <= 0 || pitchY <= 0)
        return std::nullopt;
    const GridCell cell{point.x() / pitchX, point.y() / pitchY};
    if (cell.column >= layout.side || cell.row >= layout.side)
        return std::nullopt;
    if (point.x() % pitchX >= layout.columnWidth || point.y() % pitchY >= layout.rowHeight)
        return std::nullopt;
    return cell;
}

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

void PaintGrid(QPainter& painter, const GridView& view, const GridLayout& layout,
               std::optional<GridCell> focused, const QFont& font) {
    // The lines are what the cells leave uncovered.
    painter.fillRect(QRect(QPoint(0, 0), GridExtent(layout)), kGridLineColour);
    const CellFonts fonts(font);
    const std::optional<QRect> visible = VisibleArea(painter);
    // Separators reach past the cell by up to half their width.
    const int reach = view.separatorWidth / 2 + 1;
    for (int row = 0; row < layout.side; ++row)
        for (int column = 0; column < layout.side; ++column) {
            const GridCell cell{column, row};
            const QRect rect = CellRect(layout, cell);
            if (visible && !visible->intersects(rect.adjusted(-reach, -reach, reach, reach)))
                continue;
            DrawGridCellWith(painter, view, column, row, rect, focused == cell, fonts);
        }
}
