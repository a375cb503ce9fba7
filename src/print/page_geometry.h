#pragma once

#include <QPolygon>
#include <QRect>
#include <QSize>

// Where everything sits on the printed page, in printer pixels of the printable area.
// All values are fractions of the page (see MulDiv), so the layout fits any paper.
struct PageGeometry {
    int x0 = 0; // left edge of the title box, the grid picture and the rules box
    int w = 0;  // their width
    int y0 = 0; // top of the title box
    int hb = 0; // height of the title box and of the rules box
    int yg = 0; // top of the grid picture
    int gh = 0; // height of the grid picture, keeping the grid's proportions
    int y1 = 0; // top of the rules box, right under the grid picture

    QRect TitleBoxRect() const { return {x0, y0, w, hb}; }
    QRect GridPictureRect() const { return {x0, yg, w, gh}; }
    QRect RulesBoxRect() const { return {x0, y1, w, hb}; }
};

// page: printable width and height; grid: the full grid's natural width and height.
PageGeometry ComputePageGeometry(QSize page, QSize grid);

// The closed outline of a framed box whose top-left corner is (x, y).
QPolygon BoxFramePolygon(int x, int y, int width, int height);
