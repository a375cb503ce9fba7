#pragma once

#include <QPolygon>
#include <QRect>
#include <QSize>

// Where everything sits on the printed page, in printer pixels of the printable area.
// All values are fractions of the page (see MulDiv), so the layout fits any paper: where the
// grid picture at the boxes' width would push the rules box past the bottom margin (as on
// landscape paper), the picture is made smaller, keeping its proportions, and centred.
struct PageGeometry {
    int x0 = 0; // left edge of the title box and the rules box
    int w = 0;  // their width
    int y0 = 0; // top of the title box
    int hb = 0; // height of the title box and of the rules box
    int xg = 0; // left edge of the grid picture: x0 unless the picture had to be made smaller
    int yg = 0; // top of the grid picture
    int gw = 0; // width of the grid picture: w unless it had to be made smaller
    int gh = 0; // height of the grid picture, keeping the grid's proportions
    int y1 = 0; // top of the rules box, right under the grid picture

    QRect TitleBoxRect() const { return {x0, y0, w, hb}; }
    QRect GridPictureRect() const { return {xg, yg, gw, gh}; }
    QRect RulesBoxRect() const { return {x0, y1, w, hb}; }
};

// page: printable width and height; grid: the full grid's natural width and height.
PageGeometry ComputePageGeometry(QSize page, QSize grid);

// The closed outline of a framed box whose top-left corner is (x, y).
QPolygon BoxFramePolygon(int x, int y, int width, int height);
