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

void PaintGrid(QPainter& painter, const GridView& view, const GridLayout& layout,
               std::optional<GridCell> focused, const QFont& font) {
    // The lines are what the cells leave uncovered.
    painter.fillRect(QRect(QPoint(0, 0), GridExtent(layout)), kGridLineColour);
    const CellFonts fonts(font);
    for (int row = 0; row < layout.side; ++row)
        for (int column = 0; column < layout.side; ++column) {
            const GridCell cell{column, row};
            DrawGridCellWith(painter, view, column, row, CellRect(layout, cell), focused == cell,
                             fonts);
        }
}
