#pragma once

#include "game/game_command.h"

#include <Qt>
#include <optional>
#include <string_view>

// The command of a key (a Qt::Key value), if it is one of the window's. A function key is the
// window's only while nothing else is held: no Shift, Ctrl or Alt (the keypad flag is not a
// held key) and no mouse button. Undo and redo are chords no symbol uses: Ctrl+Z undoes,
// Ctrl+Shift+Z redoes, and so does Ctrl+Y where Y is not one of the game's `symbols`.
std::optional<GameCommand> CommandForKey(int key, Qt::KeyboardModifiers held, bool mouseButtonHeld,
                                         std::string_view symbols = {});
