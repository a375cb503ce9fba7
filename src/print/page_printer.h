#pragma once

#include "print/grid_picture.h"

#include <QImage>
#include <QPaintDevice>

// Prints the puzzle page on printer (usually a QPrinter set up by the print dialog):
// background, framed title, the grid picture and the framed rules of boxSize, laid out on
// the printable area. Returns false, printing nothing, when the job cannot begin or there
// is no grid to print. The job is ended on every path; a failure thrown by the grid's
// painting routine still ends it and then goes on to the caller.
bool PrintPuzzlePage(QPaintDevice& printer, const QImage& watermark, const GridPicture& grid,
                     int boxSize);
