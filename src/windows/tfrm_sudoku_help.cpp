#include "toolkit/seams.h"
#include "windows/help_pages.h"
#include "windows/tfrm_sudoku.h"

#include <QUrl>

void TfrmSudoku::showHelp(std::uint8_t state) {
    const HelpTarget target = HelpTargetFor(state);
    switch (target.kind) {
    case HelpTarget::OpenPage:
        // The browser's answer is not looked at: a page that cannot open changes nothing.
        CurrentSeams().openUrl(QUrl(target.text));
        break;
    case HelpTarget::ReportState:
        CurrentSeams().showMessage(this, target.text);
        break;
    case HelpTarget::Nothing:
        break;
    }
}

void TfrmSudoku::ActHelpExecute() {
    showHelp(GameState);
    FocusGridIfShown();
}
