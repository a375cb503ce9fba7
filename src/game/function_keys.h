#pragma once

#include <Qt>

// What the window's function keys ask for. Each runs only while its action is available.
enum class FunctionKeyCommand {
    None,       // not the window's: the key goes on to the focused control
    Help,       // F1
    Hint,       // F4
    Play,       // F5, also abandons a game
    ToggleView, // F6
    Print,      // F7
    Checking,   // F8, error checking on or off
    HideTimer,  // F9
    Generate,   // F10
};

// The command of a key (a Qt::Key value). A key is the window's only while nothing else is
// held: no Shift, Ctrl or Alt (the keypad flag is not a held key) and no mouse button.
FunctionKeyCommand FunctionKeyFor(int key, Qt::KeyboardModifiers held, bool mouseButtonHeld);
