#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

// A window that is never shown: it only carries the printed page's background picture,
// made once at start-up.
class Tfrmhlpi : public QWidget {
    Q_OBJECT

public:
    explicit Tfrmhlpi(QWidget* parent = nullptr);

    const QImage& WatermarkImage() const { return watermark_; }

    QLabel* imgWaterMark;

private:
    QImage watermark_;
};
