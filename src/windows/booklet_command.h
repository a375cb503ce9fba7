#pragma once

#include "desktop/desktop_services.h"
#include "windows/booklet_dialog.h"

#include <QObject>
#include <memory>

class QPrinter;
class QWidget;

// The booklet from the window: Shift+F7 asks what it should hold, then the print dialog (on
// a printer kept for the run, so it opens on the last choices), then prints it with a
// progress box that can stop it. A failure is reported with its reason. Nothing of the game
// changes.
class BookletCommand : public QObject {
public:
    BookletCommand(QWidget& window, const DesktopServices& services);
    ~BookletCommand() override;

    void Run();

private:
    QWidget& window_;
    const DesktopServices& services_;
    BookletChoice last_;
    std::unique_ptr<QPrinter> printer_; // made at the first booklet
};
