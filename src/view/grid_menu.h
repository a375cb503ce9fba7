#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The grid's pop-up menu as data: the window turns each item into a menu entry and connects
// it to N11Click, N21Click or the bound action.

enum class GridMenuItemKind {
    Symbol,   // enters its tag (N11Click)
    Clear,    // enters a blank (N11Click)
    Checking, // flips the error-checking box (N21Click)
    Action,   // runs the bound action, enabled as the action is
};

enum class GridMenuAction { None, Play, ToggleView, Suggerisci };

struct GridMenuItem {
    GridMenuItemKind kind = GridMenuItemKind::Symbol;
    QString caption;
    char tag = 0;
    GridMenuAction action = GridMenuAction::None;
    friend bool operator==(const GridMenuItem&, const GridMenuItem&) = default;
};

// What the menu copies from the window when it is rebuilt.
struct GridMenuSource {
    QString alphabet;          // the symbol alphabet of the current box size
    QString playCaption;       // btnPlay's current text
    QString toggleViewCaption; // btnToggleView's current text
    QString checkingCaption;   // cbxControllo's text
    bool checkingTicked = false;
    QString hintCaption; // ActSuggerisci's caption
};

// The items for a state, top to bottom; none for states without a menu.
std::vector<GridMenuItem> GridMenuItems(std::uint8_t gameState, const GridMenuSource& source);
