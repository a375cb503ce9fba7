#pragma once

#include <optional>

// A key press on the grid as the game reads it.
struct GridKey {
    // What the key puts into a cell, if anything: a blank clears it.
    std::optional<char> value;
    // Shift, Ctrl, Alt, AltGr, Meta, Caps Lock or Num Lock by itself: the first half of a
    // chord (Alt+F4, Alt+Tab...), never a key press of its own.
    bool modifierAlone = false;
};
