#include "windows/tfrmhlpi.h"

#include <QLabel>

Tfrmhlpi::Tfrmhlpi(QWidget* parent) : QWidget(parent), imgWaterMark(new QLabel(this)) {
    setObjectName(QStringLiteral("frmhlpi"));
    imgWaterMark->setObjectName(QStringLiteral("imgWaterMark"));
}
