#include "toolkit/link_label.h"

#include "toolkit/seams.h"

#include <QMouseEvent>
#include <QUrl>

QString WithSecureScheme(const QString& address) {
    const QString trimmed = address.trimmed();
    if (trimmed.contains(QStringLiteral("://")))
        return trimmed;
    return QStringLiteral("https://") + trimmed;
}

LinkLabel::LinkLabel(const QString& address, QWidget* parent) : QLabel(parent), Address(address) {
    setText(QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(WithSecureScheme(address).toHtmlEscaped(), address.toHtmlEscaped()));
    setTextFormat(Qt::RichText);
    // The click is ours, so the address goes through the seams rather than Qt's own opener.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        CurrentSeams().openUrl(QUrl(WithSecureScheme(Address)));
    QLabel::mouseReleaseEvent(event);
}
