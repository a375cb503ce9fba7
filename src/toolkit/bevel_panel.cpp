#include "toolkit/bevel_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <qdrawutil.h>

namespace {

// Qt shows a plain QFrame to screen readers as a frame, the role of a window, and a reader's
// flat review stops at the first one: a panel is a pane inside the window.
QAccessibleInterface* BevelPanelFactory(const QString&, QObject* object) {
    if (auto* panel = qobject_cast<BevelPanel*>(object))
        return new QAccessibleWidget(panel, QAccessible::Pane);
    return nullptr;
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent, bool framed) : QFrame(parent), Framed(framed) {
    static const bool installed = [] {
        QAccessible::installFactory(BevelPanelFactory);
        return true;
    }();
    (void)installed;
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
