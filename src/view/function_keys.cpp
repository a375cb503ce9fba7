#include "view/function_keys.h"

namespace {

std::optional<GameCommand> CommandForChord(int key, Qt::KeyboardModifiers held,
                                           std::string_view symbols) {
    const Qt::KeyboardModifiers chord =
        held & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_Z && chord == Qt::ControlModifier)
        return GameCommand::Undo;
    if (key == Qt::Key_Z && chord == (Qt::ControlModifier | Qt::ShiftModifier))
        return GameCommand::Redo;
    if (key == Qt::Key_Y && chord == Qt::ControlModifier &&
        symbols.find('Y') == std::string_view::npos)
        return GameCommand::Redo;
    return std::nullopt;
}

} // namespace

std::optional<GameCommand> CommandForKey(int key, Qt::KeyboardModifiers held, bool mouseButtonHeld,
                                         std::string_view symbols) {
    if (mouseButtonHeld)
        return std::nullopt;
    if (held & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return CommandForChord(key, held, symbols);
    switch (key) {
    case Qt::Key_F1:
        return GameCommand::Help;
    case Qt::Key_F2:
        return GameCommand::PencilMode;
    case Qt::Key_F3:
        return GameCommand::Highlight;
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
    case Qt::Key_F11:
        return GameCommand::FillCandidates;
    case Qt::Key_F12:
        return GameCommand::ReadClock;
    default:
        return std::nullopt;
    }
}
