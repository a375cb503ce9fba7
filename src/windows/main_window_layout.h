#pragma once

class TfrmSudoku;

// Builds the main window's controls into `window`: the top area with the banner, the generate
// button and the size selector; the grid in its panel; the right-hand column with the game's
// buttons, the game panel and the zoom buttons; the bottom bar with help and the maker's link.
void LayOutMainWindow(TfrmSudoku& window);
