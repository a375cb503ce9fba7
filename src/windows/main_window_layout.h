#pragma once

#include "desktop/desktop_services.h"
#include "windows/main_window_controls.h"

class QMainWindow;

// Builds the main window's controls into `window` and hands them over: the top area with the
// banner, the generate button and the size selector; the grid in its panel, in a font of
// `gridFontPoints`; the right-hand column with the game's buttons, the game panel and the zoom
// buttons; the bottom bar with help and the maker's link. The link opens and the clock reads
// the time through `services`.
MainWindowControls LayOutMainWindow(QMainWindow& window, const DesktopServices& services,
                                    int gridFontPoints);
