// The yardsticks of tools/measure-startup.sh: an empty Qt main window, shown maximized, with
// nothing else loaded; and, built with WITH_ONE_LABEL, the same window holding one line of
// text, which shows what text alone costs. Both write the game's start-up marks, so all are
// timed alike.
#include "app/startup_profile.h"

#include <QApplication>
#include <QMainWindow>
#ifdef WITH_ONE_LABEL
#include <QLabel>
#endif

int main(int argc, char** argv) {
    ProfileMark("main");
    QApplication app(argc, argv);
    QMainWindow window;
#ifdef WITH_ONE_LABEL
    window.setWindowTitle(QStringLiteral("Qt window with one label"));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(15);
    auto* label = new QLabel(QStringLiteral("Dimensione +/- dei caratteri e della griglia"));
    label->setFont(font);
    window.setCentralWidget(label);
#else
    window.setWindowTitle(QStringLiteral("Empty Qt window"));
#endif
    ProfilePaints(app, window);
    window.showMaximized();
    ProfileMark("shown");
    return QApplication::exec();
}
