// The window's key preview: the function keys. The game says which command a key is; the
// window runs it while the action behind it is available.
#include "game/function_keys.h"
#include "toolkit/bevel_panel.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>

namespace {

// Runs the action's handler (its triggered signal) when the action is enabled.
bool RunIfEnabled(QAction* action) {
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}

} // namespace

bool TfrmSudoku::FormKeyDown(QKeyEvent& key) {
    switch (
        FunctionKeyFor(key.key(), key.modifiers(), QApplication::mouseButtons() != Qt::NoButton)) {
    case FunctionKeyCommand::Help:
        return RunIfEnabled(ActHelp);
    case FunctionKeyCommand::Hint:
        return RunIfEnabled(ActSuggerisci);
    case FunctionKeyCommand::Play:
        return RunIfEnabled(ActPlay);
    case FunctionKeyCommand::ToggleView:
        return RunIfEnabled(ActToggleView);
    case FunctionKeyCommand::Print:
        return RunIfEnabled(ActPrint);
    case FunctionKeyCommand::Checking:
        // Only needs the box enabled, so it works in every state, also while hidden.
        if (!cbxControllo->isEnabled())
            return false;
        Game.SetChecking(!Game.Checking);
        return true;
    case FunctionKeyCommand::HideTimer:
        if (pnlGameOn->isHidden())
            return false;
        Game.SetTimerHidden(!Game.TimerHidden);
        return true;
    case FunctionKeyCommand::Generate:
        return RunIfEnabled(ActGenera);
    case FunctionKeyCommand::None:
        break;
    }
    return false;
}
