#pragma once

#include <QWidget>

class QLabel;

// A window that is never shown, the holder of the printed page's background. The picture is
// page-sized, so its label stays empty: each page makes the picture as it prints and drops it
// when done.
class Tfrmhlpi : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmhlpi(QWidget* parent = nullptr);

    QLabel* imgWaterMark;
};
