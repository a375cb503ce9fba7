#pragma once

#include <QPushButton>

class QAction;

// A push button bound to an action: clicking triggers the action, the button is enabled
// exactly when the action is, and it takes each new caption of the action unless it was given
// a text of its own with setOwnText.
class ActionButton : public QPushButton {
    Q_OBJECT
public:
    explicit ActionButton(QAction* action, QWidget* parent = nullptr);

    // Keeps this caption whatever the action's caption becomes.
    void setOwnText(const QString& text);

private:
    void followAction();

    QAction* Action;
    bool OwnText = false;
    QString LastActionText;
};
