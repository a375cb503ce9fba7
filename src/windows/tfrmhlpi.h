#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

// A window that is never shown: it only carries the background picture of the printed page.
class Tfrmhlpi : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmhlpi(QWidget* parent = nullptr);

    QLabel* imgWaterMark;

    void setWatermark(const QImage& image);
    const QImage& watermark() const { return Watermark; }

private:
    QImage Watermark;
};
