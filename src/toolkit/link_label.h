#pragma once

#include <QLabel>

// The address to open for a link: the secure web scheme is added when it has no scheme.
QString WithSecureScheme(const QString& address);

// A read-only, borderless link that shows its address and opens it through the seams on a
// single click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& address, QWidget* parent = nullptr);

    QString address() const { return Address; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString Address;
};
