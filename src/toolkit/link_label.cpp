#include "toolkit/link_label.h"

#include <QMouseEvent>

QString WithSecureScheme(const QString& address) {
    const QString trimmed = address.trimmed();
    if (trimmed.contains(QStringLiteral("://")))
        return trimmed;
    return QStringLiteral("https://") + trimmed;
}

LinkLabel::LinkLabel(const QString& address, UrlOpener open, QWidget* parent)
    : QLabel(parent), Address(address), Open(std::move(open)) {
    setText(QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(WithSecureScheme(address).toHtmlEscaped(), address.toHtmlEscaped()));
    setTextFormat(Qt::RichText);
    // The click is ours, so the address goes to our opener rather than Qt's own.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Open(QUrl(WithSecureScheme(Address)));
    QLabel::mouseReleaseEvent(event);
}
