#pragma once

#include "game/grid_key.h"

class QKeyEvent;

// A key press on the grid as the game reads it. Its value: the space bar a blank, the letter
// keys their upper-case letter whatever Shift or Caps Lock say, the digit keys of the main
// block their digit whatever is held and whatever the layout prints on them, the keypad's
// digits their digit. Every other key, function and navigation keys, Delete and Backspace
// included, enters nothing.
GridKey ReadGridKey(const QKeyEvent& key);
