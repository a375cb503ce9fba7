#include "toolkit/action_button.h"

#include <QAction>

ActionButton::ActionButton(QAction* action, QWidget* parent) : QPushButton(parent), Action(action) {
    setFlat(false);
    connect(this, &QPushButton::clicked, Action, [this] { Action->trigger(); });
    connect(Action, &QAction::changed, this, &ActionButton::followAction);
    setText(Action->text());
    followAction();
}

void ActionButton::setOwnText(const QString& text) {
    OwnText = true;
    setText(text);
}

void ActionButton::followAction() {
    setEnabled(Action->isEnabled());
    // Only a new action caption replaces the text: a caption set on the button itself
    // stays through later enable / disable changes.
    if (!OwnText && Action->text() != LastActionText)
        setText(Action->text());
    LastActionText = Action->text();
}
