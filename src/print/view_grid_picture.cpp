#include "print/view_grid_picture.h"

GridPicture ViewGridPicture(const GridView& view, const GridGeometry& geometry,
                            std::optional<GridCell> focused, const QFont& font) {
    GridPicture picture;
    picture.size = GridExtent(geometry);
    picture.paint = [view, geometry, focused, font](QPainter& painter) {
        PaintGrid(painter, view, geometry, focused, font);
    };
    return picture;
}
