#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Caselio");
    QMainWindow window;
    window.setWindowTitle("Caselio Vers.1.3");
    window.showMaximized();
    return QApplication::exec();
}
