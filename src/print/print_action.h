#pragma once

#include <functional>

// The steps of the print action, supplied by the main window so that the dialog, the
// window's own sizing and the blocking waits can be replaced in tests.
struct PrintActionSteps {
    std::function<bool()> askPrinter;       // the print dialog; false when cancelled
    std::function<void()> fitWindow;        // size the window for the current box size
    std::function<void()> repaintWindow;    // repaint at once, so the grid is up to date
    std::function<void(int)> wait;          // blocking wait, in milliseconds
    std::function<bool()> printPage;        // PrintPuzzlePage on the chosen printer
    std::function<void()> focusGridIfShown; // give the grid the focus back if visible
};

// The window is left to settle before the page is built, and the printer after it.
inline constexpr int kPrintSettleMilliseconds = 1000;

// Runs the print action: only the refocusing when the dialog is cancelled. Returns whether
// a page was printed.
bool RunPrintAction(const PrintActionSteps& steps);
