#include "stand_in_grid.h"

#include "support/pattern_grids.h"
#include "view/grid_sizing.h"

#include <QFont>
#include <QPainter>

StandInGrid MakeStandInGrid(int boxSize) {
    // Cells at the starting zoom: 9x9 cells are 44 x 34 with 3-pixel lines, larger grids
    // 34 x 24 with 2-pixel lines.
    StandInGrid grid;
    grid.boxSize = boxSize;
    grid.side = boxSize * boxSize;
    grid.cells = GridLayoutFor(boxSize, kMinGridFontPoints)->Cells();
    return grid;
}

QSize StandInGrid::NaturalSize() const {
    return GridExtent(cells);
}

QPoint StandInGrid::CellOrigin(int row, int col) const {
    return CellRect(cells, {row, col}).topLeft();
}

GridPicture StandInGrid::Picture() const {
    GridPicture picture;
    picture.size = NaturalSize();
    const StandInGrid grid = *this;
    const std::string symbols = PatternSolution(boxSize);
    picture.paint = [grid, symbols](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), grid.NaturalSize()), kStandInLineColour);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int row = 0; row < grid.side; ++row)
            for (int col = 0; col < grid.side; ++col) {
                const QRect cell = CellRect(grid.cells, {row, col});
                painter.fillRect(cell, kStandInCellColour);
                painter.drawText(cell, Qt::AlignCenter,
                                 QString(QChar(symbols[row * grid.side + col])));
            }
    };
    return picture;
}
