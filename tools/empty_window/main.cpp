// The yardstick of tools/measure-startup.sh: an empty Qt main window, shown maximized, with
// nothing else loaded.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty Qt window"));
    window.showMaximized();
    return QApplication::exec();
}
