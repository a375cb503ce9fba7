#include "toolkit/seams.h"
#include "windows/help_pages.h"
#include "windows/tfrm_sudoku.h"

void TfrmSudoku::showHelp(std::uint8_t state) {
    const HelpTarget target = HelpTargetFor(state, HelpFolder());
    switch (target.kind) {
    case HelpTarget::OpenPage:
        // The browser's answer is not looked at: a page that cannot open changes nothing.
        CurrentSeams().openUrl(target.page);
        break;
    case HelpTarget::ReportState:
        CurrentSeams().showMessage(this, target.message);
        break;
    case HelpTarget::Nothing:
        break;
    }
}

void TfrmSudoku::ActHelpExecute() {
    showHelp(Game.GameState);
    FocusGridIfShown();
}
