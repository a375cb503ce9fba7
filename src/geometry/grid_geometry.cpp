#include "geometry/grid_geometry.h"

namespace {

int ColumnPitch(const GridGeometry& geometry) {
    return geometry.columnWidth + geometry.lineWidth;
}

int RowPitch(const GridGeometry& geometry) {
    return geometry.rowHeight + geometry.lineWidth;
}

} // namespace

QRect CellRect(const GridGeometry& geometry, GridCell cell) {
    return QRect(cell.column * ColumnPitch(geometry), cell.row * RowPitch(geometry),
                 geometry.columnWidth, geometry.rowHeight);
}

std::optional<GridCell> CellAt(const GridGeometry& geometry, QPoint point) {
    if (point.x() < 0 || point.y() < 0 || ColumnPitch(geometry) <= 0 || RowPitch(geometry) <= 0)
        return std::nullopt;
    const GridCell cell{point.y() / RowPitch(geometry), point.x() / ColumnPitch(geometry)};
    if (cell.column >= geometry.columns || cell.row >= geometry.rows)
        return std::nullopt;
    return cell;
}

QSize GridExtent(const GridGeometry& geometry) {
    return QSize(geometry.columns * ColumnPitch(geometry), geometry.rows * RowPitch(geometry));
}
