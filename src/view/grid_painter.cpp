#include "view/grid_painter.h"

#include <QPainter>

void PaintGrid(QPainter& painter, const GridView& view, const GridGeometry& geometry,
               std::optional<GridCell> focused, const QFont& font) {
    // The lines are what the cells leave uncovered.
    painter.fillRect(QRect(QPoint(0, 0), GridExtent(geometry)), kGridLineColour);
    const CellFonts fonts(font);
    // Cells outside the clip are skipped, which matters for the 25x25 grid scrolled inside
    // its control. The clip is in the painter's own coordinates, whatever the device adds
    // (the widget's place in its window, the screen's pixel ratio).
    std::optional<QRect> visible;
    if (painter.hasClipping())
        visible = painter.clipBoundingRect().toAlignedRect();
    // Separators reach past the cell by up to half their width.
    const int reach = view.separatorWidth / 2 + 1;
    for (int row = 0; row < geometry.rows; ++row)
        for (int column = 0; column < geometry.columns; ++column) {
            const GridCell cell{row, column};
            const QRect rect = CellRect(geometry, cell);
            if (visible && !visible->intersects(rect.adjusted(-reach, -reach, reach, reach)))
                continue;
            DrawGridCell(painter, view, row, column, rect, focused == cell, fonts);
        }
}
