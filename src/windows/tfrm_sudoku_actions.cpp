// The window's actions and states: generate, play and abandon, show the solution, the two
// check boxes of the game panel, showing and closing. The game core decides; these handlers
// hand it the controls' values and apply its state to the controls.
#include "game/elapsed_time.h"
#include "game/game_texts.h"
#include "game/state_look.h"
#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "toolkit/seams.h"
#include "toolkit/segment_clock.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>

void TfrmSudoku::ActGeneraExecute() {
    const GameCore::GenerateOutcome outcome =
        Game.Generate(cbg1->itemIndex(), cbgLivello->itemIndex());
    if (outcome.generated)
        sg1->setFocus();
    if (!outcome.gaveUp && ActPrint->isEnabled())
        ActGenera->setText(QStringLiteral("Rigenera [F10]"));
}

void TfrmSudoku::ApplyGameState() {
    for (QAction* action : {ActGenera, ActPrint, ActToggleView, ActPlay, ActSuggerisci})
        action->setEnabled(false);
    Clock1->hide();
    pnlGameOn->hide();
    cbg1->setEnabled(false);
    cbgLivello->setEnabled(false);
    sg1->setAutoPopup(false);

    const StateLook look = StateLookFor(Game.GameState);
    if (!look.known) {
        ShowMessage(UnknownStateMessage(Game.GameState));
        return;
    }
    if (look.gamePanel) {
        pnlGameOn->show();
        // Shows the clock afresh, repaints the grid and gives it the focus.
        cbxHideTimerClick();
    }
    if (look.toggleViewText)
        btnToggleView->setText(*look.toggleViewText);
    if (look.playText)
        btnPlay->setText(*look.playText);
    ActGenera->setEnabled(look.genera);
    ActPrint->setEnabled(look.print);
    ActToggleView->setEnabled(look.toggleView);
    ActPlay->setEnabled(look.play);
    ActSuggerisci->setEnabled(look.suggerisci);
    cbg1->setEnabled(look.selectors);
    cbgLivello->setEnabled(look.selectors);
    if (look.popup) {
        BuildGridMenu(Game.GameState);
        sg1->setAutoPopup(true);
        if (GridShown())
            sg1->viewport()->update();
    }
}

void TfrmSudoku::ActToggleViewExecute() {
    Game.ToggleView();
}

void TfrmSudoku::ActPlayExecute() {
    switch (Game.Play()) {
    case GameCore::PlayOutcome::Started: {
        // The readout then reads 00:00:00 and counts the time since the start.
        const ClockOffset offset = ClockOffsetFor(Game.PlayStartTime);
        Clock1->setTimeOffset(0, offset.hours, offset.minutes, offset.seconds);
        break;
    }
    case GameCore::PlayOutcome::Kept:
        FocusGridIfShown();
        break;
    case GameCore::PlayOutcome::Abandoned:
    case GameCore::PlayOutcome::Refused:
        break;
    }
}

// The game's checking changed, by the box, F8 or the menu.
void TfrmSudoku::cbxControlloClick() {
    cbxControllo->setChecked(Game.Checking);
    if (GridShown()) {
        sg1->viewport()->update();
        sg1->setFocus();
    }
    if (Game.GameState == Playing)
        BuildGridMenu(Playing);
}

// The clock was hidden or shown, by the box or F9, or the game panel came back.
void TfrmSudoku::cbxHideTimerClick() {
    cbxHideTimer->setChecked(Game.TimerHidden);
    Clock1->setVisible(!Game.TimerHidden);
    if (GridShown()) {
        sg1->viewport()->update();
        sg1->setFocus();
    }
}

void TfrmSudoku::FormShow() {
    sg1->hide();
    ActPrint->setEnabled(false);
    FitWindowToBoxSize(3);
    cbgLivello->setItemIndex(0);
    Game.Start();
}

void TfrmSudoku::FormClose() {
    Game.End();
}

void TfrmSudoku::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring from the task bar shows the window again but is not a new start.
    if (!Shown && !event->spontaneous()) {
        Shown = true;
        FormShow();
    }
}

void TfrmSudoku::closeEvent(QCloseEvent* event) {
    // Closing loses a running game, so the game asks first; any answer but Yes keeps the
    // window, the game and its clock.
    if (!Game.MayClose()) {
        event->ignore();
        FocusGridIfShown();
        return;
    }
    FormClose();
    event->accept();
}

void TfrmSudoku::ShowMessage(const QString& text) {
    CurrentSeams().showMessage(this, text);
}

bool TfrmSudoku::ConfirmYes(const QString& question) {
    return CurrentSeams().confirm(this, question) == ConfirmAnswer::Yes;
}

QDateTime TfrmSudoku::Now() {
    return CurrentSeams().now();
}
