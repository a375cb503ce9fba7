#include "windows/tfrmhlpi.h"

#include <QLabel>
#include <QPixmap>

Tfrmhlpi::Tfrmhlpi(QWidget* parent) : QWidget(parent), imgWaterMark(new QLabel(this)) {
    setObjectName(QStringLiteral("frmhlpi"));
    imgWaterMark->setObjectName(QStringLiteral("imgWaterMark"));
    // A blank white page until the printing code supplies the picture.
    QImage blank(794, 1123, QImage::Format_RGB888);
    blank.fill(Qt::white);
    setWatermark(blank);
}

void Tfrmhlpi::setWatermark(const QImage& image) {
    Watermark = image;
    imgWaterMark->setPixmap(QPixmap::fromImage(image));
    imgWaterMark->resize(image.size());
}
