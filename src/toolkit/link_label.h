#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

// The address to open for a link: the secure web scheme is added when it has no scheme.
QString WithSecureScheme(const QString& address);

// A read-only, borderless link that shows its address and hands it, on a single click, to the
// opener it was given.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    LinkLabel(const QString& address, UrlOpener open, QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString Address;
    UrlOpener Open;
};
