#include "windows/tfrmhlpi.h"

#include "print/watermark_image.h"

#include <QLabel>
#include <QPixmap>

Tfrmhlpi::Tfrmhlpi(QWidget* parent) : QWidget(parent), imgWaterMark(new QLabel(this)) {
    setObjectName(QStringLiteral("frmhlpi"));
    imgWaterMark->setObjectName(QStringLiteral("imgWaterMark"));
    setWatermark(MakeWatermarkImage());
}

void Tfrmhlpi::setWatermark(const QImage& image) {
    Watermark = image;
    imgWaterMark->setPixmap(QPixmap::fromImage(image));
    imgWaterMark->resize(image.size());
}
