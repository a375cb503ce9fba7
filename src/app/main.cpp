#include "app/startup_profile.h"
#include "windows/qt_translations.h"
#include "windows/tfrm_sudoku.h"
#include "windows/tfrmhlpi.h"

#include <QApplication>

int main(int argc, char** argv) {
    ProfileMark("main");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Caselio");
    ProfileMark("application");
    UseItalianQtTexts(app);
    ProfileMark("translations");
    // The main window first, then the hidden holder of the print background.
    TfrmSudoku frmSudoku;
    ProfileMark("window");
    Tfrmhlpi frmhlpi;
    frmSudoku.frmhlpi = &frmhlpi;
    ProfileMark("print holder");
    ProfilePaints(app, frmSudoku);
    frmSudoku.showMaximized();
    ProfileMark("shown");
    return QApplication::exec();
}
