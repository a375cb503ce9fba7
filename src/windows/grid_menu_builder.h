#pragma once

#include "view/grid_menu.h"

#include <functional>
#include <vector>

class QAction;
class QMenu;

// What the grid's menu items do.
struct GridMenuHandlers {
    std::function<void(QAction* item)> enter;       // a symbol or the clear item: its tag
    std::function<void()> toggleChecking;           // the checking item
    std::function<QAction*(GameCommand)> actionFor; // the action that runs a command
    std::function<void(QAction* item)> toggleNote;  // a note item: its tag
    std::function<void()> clearNotes;
};

// Fills `menu` afresh with `items`; the note items go into a submenu under their caption, and so
// do the symbols when the menu would otherwise be taller than its screen, where it would split
// into columns and cover the title bar. A command item keeps its own
// caption but is enabled exactly as the command's action is, and runs the action only while it
// is enabled; the other items are enabled as they say.
void FillGridMenu(QMenu& menu, const std::vector<GridMenuItem>& items,
                  const GridMenuHandlers& handlers);
