#include "windows/tfrmhlpi.h"

#include "print/watermark_image.h"

#include <QLabel>

Tfrmhlpi::Tfrmhlpi(QWidget* parent) : QWidget(parent), imgWaterMark(new QLabel(this)) {
    setObjectName(QStringLiteral("frmhlpi"));
    imgWaterMark->setObjectName(QStringLiteral("imgWaterMark"));
}

QImage Tfrmhlpi::watermark() const {
    return MakeWatermarkImage();
}
