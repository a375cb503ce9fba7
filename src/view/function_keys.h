#pragma once

#include "game/game_command.h"

#include <Qt>
#include <optional>

// The command of a function key (a Qt::Key value), if it is one of the window's. A key is the
// window's only while nothing else is held: no Shift, Ctrl or Alt (the keypad flag is not a
// held key) and no mouse button.
std::optional<GameCommand> CommandForKey(int key, Qt::KeyboardModifiers held, bool mouseButtonHeld);
