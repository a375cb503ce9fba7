#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Lets a window see every key press aimed at it before its focused control does. The
// handler returns true to consume the key; otherwise the key goes on unchanged.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QKeyEvent&)>;

    // Installs itself on the application; `window` owns it.
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Window;
    Handler OnKey;
};
