#pragma once

#include "print/grid_picture.h"

#include <QPainter>
#include <QRect>

// The grid as vector drawing scaled into target: crisp at printer resolution and small in
// the print file. The rectangle is first made white and opaque, as a copied picture would be,
// and nothing is drawn outside it. The painter comes back as it was.
void DrawGridPicture(QPainter& canvas, const QRect& target, const GridPicture& grid);
