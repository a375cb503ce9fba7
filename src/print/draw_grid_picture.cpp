#include "print/draw_grid_picture.h"

namespace {

// Puts the painter's pen, brush, clip and transform back however the scope is left.
class SavedPainterState {
public:
    explicit SavedPainterState(QPainter& painter) : painter_(painter) { painter_.save(); }
    ~SavedPainterState() { painter_.restore(); }
    SavedPainterState(const SavedPainterState&) = delete;
    SavedPainterState& operator=(const SavedPainterState&) = delete;

private:
    QPainter& painter_;
};

} // namespace

void DrawGridPicture(QPainter& canvas, const QRect& target, const GridPicture& grid) {
    const SavedPainterState saved(canvas);
    canvas.setClipRect(target);
    canvas.fillRect(target, Qt::white);
    canvas.translate(target.topLeft());
    canvas.scale(double(target.width()) / grid.size.width(),
                 double(target.height()) / grid.size.height());
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::NoBrush);
    grid.paint(canvas);
}
