// The yardstick of tools/measure-startup.sh: an empty Qt main window, shown maximized, with
// nothing else loaded. It writes the game's start-up marks, so both are timed alike.
#include "app/startup_profile.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    ProfileMark("main");
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty Qt window"));
    ProfilePaints(app, window);
    window.showMaximized();
    ProfileMark("shown");
    return QApplication::exec();
}
