#include "print/booklet_grid.h"

#include "game/game_state.h"
#include "view/cell_painter.h"
#include "view/grid_painter.h"
#include "view/grid_sizing.h"

GridGeometry BookletGridGeometry(int boxSize) {
    const auto layout = GridLayoutFor(boxSize, kMaxGridFontPoints);
    if (!layout)
        return {};
    GridGeometry cells = layout->Cells();
    // Paper has room to write in: cells as tall as they are wide.
    cells.rowHeight = cells.columnWidth;
    return cells;
}

QSize BookletGridShape(int boxSize) {
    return GridExtent(BookletGridGeometry(boxSize));
}

GridPicture BookletGridPicture(const BookletPuzzle& puzzle, int boxSize, bool solution) {
    GridPicture picture;
    const GridGeometry geometry = BookletGridGeometry(boxSize);
    if (geometry.rows == 0)
        return picture;
    picture.size = GridExtent(geometry);
    picture.paint = [&puzzle, boxSize, solution, geometry](QPainter& painter) {
        const GridView view =
            GridViewOf(GridContent{boxSize, solution ? SolutionView : PuzzleView, puzzle.puzzle,
                                   puzzle.puzzle, puzzle.solution});
        PaintGrid(painter, view, geometry, std::nullopt, GridFont(kMaxGridFontPoints));
    };
    return picture;
}
