#include "print/tfrmhlpi.h"

#include "print/watermark_image.h"

#include <QPixmap>

Tfrmhlpi::Tfrmhlpi(QWidget* parent)
    : QWidget(parent), imgWaterMark(new QLabel(this)), watermark_(MakeWatermarkImage()) {
    imgWaterMark->setPixmap(QPixmap::fromImage(watermark_));
    imgWaterMark->resize(watermark_.size());
}
