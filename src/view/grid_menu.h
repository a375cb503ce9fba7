#pragma once

#include "game/cell_notes.h"
#include "game/game_command.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The grid's pop-up menu as data: the window turns each item into a menu entry and connects
// it to N11Click, N21Click or the command's action.

enum class GridMenuItemKind {
    Symbol,   // enters its tag (N11Click)
    Clear,    // enters a blank (N11Click)
    Checking, // flips error checking (N21Click)
    Command,  // runs the command, enabled while it is available
    // The play comforts, after a separator during a game.
    Separator,
    NotesSubmenu, // the submenu holding the note items that follow
    Note,         // toggles its tag's note in the selected cell; checked while noted
    ClearNotes,   // clears the selected cell's notes
};

struct GridMenuItem {
    GridMenuItemKind kind = GridMenuItemKind::Symbol;
    QString caption;
    char tag = 0;
    std::optional<GameCommand> command = std::nullopt; // a command item: what it runs
    bool checked = false;                              // a note item: the symbol is noted
    bool enabled = true;
    friend bool operator==(const GridMenuItem&, const GridMenuItem&) = default;
};

// The items for a state, top to bottom, from the state's captions, the symbol alphabet of the
// current size and whether checking is on; none for states without a menu.
std::vector<GridMenuItem> GridMenuItems(std::uint8_t gameState, const QString& alphabet,
                                        bool checking);

// On a given, which refuses every entry and note, the items that would enter or note something
// are shown disabled.
void DisableCellEntries(std::vector<GridMenuItem>& items);

// The items a game adds after the others: a separator, the selected cell's notes as checkable
// symbols, clearing them, filling in candidates, undo and redo.
std::vector<GridMenuItem> NotesMenuItems(const QString& alphabet, CellNotes cellNotes);
