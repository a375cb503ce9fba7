#pragma once

#include <QColor>
#include <QFrame>

// A panel with a single raised outer bevel and, when framed, a lowered inner bevel one
// pixel inside it.
class BevelPanel : public QFrame {
    Q_OBJECT
public:
    explicit BevelPanel(QWidget* parent = nullptr, bool framed = false);

    // Fills the panel with a colour of its own instead of the button face.
    void setBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool Framed;
};
