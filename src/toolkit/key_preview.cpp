#include "toolkit/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), Window(window), OnKey(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != Window)
        return false;
    // An unhandled key is offered again to each parent of its first receiver; only the
    // first delivery (to the focused control, or the window itself) is previewed.
    QWidget* focus = QApplication::focusWidget();
    if (focus ? widget != focus : widget != Window)
        return false;
    return OnKey(*static_cast<QKeyEvent*>(event));
}
