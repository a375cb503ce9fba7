#include "view/function_keys.h"

std::optional<GameCommand> CommandForKey(int key, Qt::KeyboardModifiers held,
                                         bool mouseButtonHeld) {
    if (mouseButtonHeld || (held & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        return std::nullopt;
    switch (key) {
    case Qt::Key_F1:
        return GameCommand::Help;
    case Qt::Key_F4:
        return GameCommand::Hint;
    case Qt::Key_F5:
        return GameCommand::Play;
    case Qt::Key_F6:
        return GameCommand::ToggleView;
    case Qt::Key_F7:
        return GameCommand::Print;
    case Qt::Key_F8:
        return GameCommand::Checking;
    case Qt::Key_F9:
        return GameCommand::HideTimer;
    case Qt::Key_F10:
        return GameCommand::Generate;
    default:
        return std::nullopt;
    }
}
