#pragma once

#include "windows/main_window_controls.h"

class GameCore;

// What a screen reader hears of the main window's controls `ui`: the grid's cells by their
// content in `game`, and a name for every control that shows a picture or a sign instead of
// words. Nothing changes for the eye.
void NameForScreenReaders(const MainWindowControls& ui, const GameCore& game);

// The screen reader says the running game's time, as the clock reads it, shown or not.
void SayClockReading(const MainWindowControls& ui);
