#include "app/booklet_command_line.h"
#include "app/startup_profile.h"
#include "desktop/desktop_services.h"
#include "windows/qt_translations.h"
#include "windows/tfrm_sudoku.h"
#include "windows/tfrmhlpi.h"

#include <QApplication>
#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
    if (WantsBookletCommandLine(argc, argv))
        return RunBookletCommandLine(argc, argv);
    ProfileMark("main");
#ifdef __GLIBC__
    // A dropped page-sized picture (the print background) goes back to the system: left to
    // itself, glibc raises this threshold at the first such free and keeps every later one.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    // On Windows no such setting is needed: the heap gives every block above about 1 MB pages of
    // its own and returns them to the system when the block is freed.
    QApplication app(argc, argv);
    QApplication::setApplicationName("Caselio");
    ProfileMark("application");
    UseItalianQtTexts(app);
    ProfileMark("translations");
    // The main window first, then the hidden holder of the print background.
    TfrmSudoku frmSudoku(RealDesktopServices());
    ProfileMark("window");
    Tfrmhlpi frmhlpi;
    ProfileMark("print holder");
    ProfilePaints(app, frmSudoku);
    frmSudoku.showMaximized();
    ProfileMark("shown");
    return QApplication::exec();
}
