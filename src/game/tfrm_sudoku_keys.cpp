#include "toolkit/bevel_panel.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>

namespace {

// A key is the window's only while nothing else is held: no Shift, Ctrl or Alt (the keypad
// flag is not a held key) and no mouse button.
bool IsPlainKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return held == Qt::NoModifier && QApplication::mouseButtons() == Qt::NoButton;
}

// Runs the action's handler (its triggered signal) when the action is enabled.
bool RunIfEnabled(QAction* action) {
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}

} // namespace

bool TfrmSudoku::FormKeyDown(QKeyEvent& key) {
    if (!IsPlainKey(key))
        return false;
    switch (key.key()) {
    case Qt::Key_F1:
        return RunIfEnabled(ActHelp);
    case Qt::Key_F4:
        return RunIfEnabled(ActSuggerisci);
    case Qt::Key_F5:
        return RunIfEnabled(ActPlay);
    case Qt::Key_F6:
        return RunIfEnabled(ActToggleView);
    case Qt::Key_F7:
        return RunIfEnabled(ActPrint);
    case Qt::Key_F8:
        // Only needs the box enabled, so it works in every state, also while hidden.
        if (!cbxControllo->isEnabled())
            return false;
        cbxControllo->setChecked(!cbxControllo->isChecked());
        cbxControlloClick();
        return true;
    case Qt::Key_F9:
        if (pnlGameOn->isHidden())
            return false;
        cbxHideTimer->setChecked(!cbxHideTimer->isChecked());
        cbxHideTimerClick();
        return true;
    case Qt::Key_F10:
        return RunIfEnabled(ActGenera);
    default:
        return false;
    }
}
