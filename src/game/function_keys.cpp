#include "game/function_keys.h"

FunctionKeyCommand FunctionKeyFor(int key, Qt::KeyboardModifiers held, bool mouseButtonHeld) {
    if (mouseButtonHeld || (held & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        return FunctionKeyCommand::None;
    switch (key) {
    case Qt::Key_F1:
        return FunctionKeyCommand::Help;
    case Qt::Key_F4:
        return FunctionKeyCommand::Hint;
    case Qt::Key_F5:
        return FunctionKeyCommand::Play;
    case Qt::Key_F6:
        return FunctionKeyCommand::ToggleView;
    case Qt::Key_F7:
        return FunctionKeyCommand::Print;
    case Qt::Key_F8:
        return FunctionKeyCommand::Checking;
    case Qt::Key_F9:
        return FunctionKeyCommand::HideTimer;
    case Qt::Key_F10:
        return FunctionKeyCommand::Generate;
    default:
        return FunctionKeyCommand::None;
    }
}
