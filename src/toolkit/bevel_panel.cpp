#include "toolkit/bevel_panel.h"

#include <QPainter>
#include <qdrawutil.h>

BevelPanel::BevelPanel(QWidget* parent, bool framed) : QFrame(parent), Framed(framed) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    if (Framed)
        setContentsMargins(2, 2, 2, 2);
}

void BevelPanel::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!Framed)
        return;
    QPainter painter(this);
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), true, 1);
}
