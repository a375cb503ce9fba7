#include "desktop/desktop_services.h"
#include "windows/qt_translations.h"
#include "windows/tfrm_sudoku.h"
#include "windows/tfrmhlpi.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Caselio");
    UseItalianQtTexts(app);
    // The main window first, then the hidden holder of the print background.
    TfrmSudoku frmSudoku(RealDesktopServices());
    Tfrmhlpi frmhlpi;
    frmSudoku.frmhlpi = &frmhlpi;
    frmSudoku.showMaximized();
    return QApplication::exec();
}
