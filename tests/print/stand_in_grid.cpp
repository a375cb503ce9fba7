#include "stand_in_grid.h"

#include "support/pattern_grids.h"

#include <QFont>
#include <QPainter>

StandInGrid MakeStandInGrid(int boxSize) {
    // Starting zoom (8 points): 9x9 cells are 44 x 34 with 3-pixel lines, larger grids
    // 34 x 24 with 2-pixel lines.
    StandInGrid grid;
    grid.boxSize = boxSize;
    grid.side = boxSize * boxSize;
    const bool small = boxSize == 3;
    grid.cellWidth = small ? 44 : 34;
    grid.cellHeight = small ? 34 : 24;
    grid.lineWidth = small ? 3 : 2;
    return grid;
}

QSize StandInGrid::NaturalSize() const {
    return {side * (cellWidth + lineWidth), side * (cellHeight + lineWidth)};
}

QPoint StandInGrid::CellOrigin(int row, int col) const {
    return {col * (cellWidth + lineWidth), row * (cellHeight + lineWidth)};
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
                const QRect cell(grid.CellOrigin(row, col), QSize(grid.cellWidth, grid.cellHeight));
                painter.fillRect(cell, kStandInCellColour);
                painter.drawText(cell, Qt::AlignCenter,
                                 QString(QChar(symbols[row * grid.side + col])));
            }
    };
    return picture;
}
