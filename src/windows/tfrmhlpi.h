#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

// A window that is never shown: it carries the background picture of the printed page. The
// picture is page-sized, so it is made when a page asks for it and not held between pages.
class Tfrmhlpi : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmhlpi(QWidget* parent = nullptr);

    QLabel* imgWaterMark;

    // The background, made afresh; the caller drops it when its page is done.
    QImage watermark() const;
};
