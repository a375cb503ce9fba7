#include "print/grid_picture.h"

#include "print/stretch_bitmap.h"

GridPicture GridPictureFromImage(QImage image) {
    GridPicture picture;
    picture.size = image.size();
    if (!image.isNull())
        picture.paint = [image = std::move(image)](QPainter& painter) {
            StretchBitmapToCanvas(painter, QRect(QPoint(0, 0), image.size()), image);
        };
    return picture;
}
