#include "print/view_grid_picture.h"

GridPicture ViewGridPicture(const GridView& view, const GridLayout& layout,
                            std::optional<GridCell> focused, const QFont& font) {
    GridPicture picture;
    picture.size = GridExtent(layout);
    picture.paint = [view, layout, focused, font](QPainter& painter) {
        PaintGrid(painter, view, layout, focused, font);
    };
    return picture;
}
