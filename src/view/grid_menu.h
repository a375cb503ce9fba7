#pragma once

#include "game/game_command.h"

#include <QString>
#include <cstdint>
#include <vector>

// The grid's pop-up menu as data: the window turns each item into a menu entry and connects
// it to N11Click, N21Click or the command's action.

enum class GridMenuItemKind {
    Symbol,   // enters its tag (N11Click)
    Clear,    // enters a blank (N11Click)
    Checking, // flips error checking (N21Click)
    Command,  // runs the command, enabled while it is available
};

struct GridMenuItem {
    GridMenuItemKind kind = GridMenuItemKind::Symbol;
    QString caption;
    char tag = 0;
    GameCommand command = GameCommand::Play;
    friend bool operator==(const GridMenuItem&, const GridMenuItem&) = default;
};

// The items for a state, top to bottom, from the state's captions, the symbol alphabet of the
// current size and whether checking is on; none for states without a menu.
std::vector<GridMenuItem> GridMenuItems(std::uint8_t gameState, const QString& alphabet,
                                        bool checking);
