#pragma once

#include "desktop/desktop_services.h"
#include "print/grid_picture.h"

#include <QImage>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// The print action of the main window, with the one printer it keeps for the run, so that the
// dialog opens on the printer, file, orientation and paper chosen last time.
class PrintCommand {
public:
    // What the action needs of the window.
    struct Page {
        int boxSize = 3;
        std::function<GridPicture()> grid;      // the whole grid as the window draws it now
        std::function<QImage()> background;     // the page's background picture
        std::function<void()> fitWindow;        // size the window for the box size
        std::function<void()> repaintWindow;    // repaint at once
        std::function<void()> focusGridIfShown; // give the grid the keyboard back
    };

    PrintCommand();
    ~PrintCommand();

    // The dialog, the settling waits and the page; a page that does not come out is reported
    // with its reason. True when a page went to the printer.
    bool Run(const DesktopServices& services, QWidget* owner, const Page& page);

private:
    std::unique_ptr<QPrinter> Printer; // made at the first print
};
