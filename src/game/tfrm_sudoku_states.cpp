#include "engine/random_source.h"
#include "engine/symbol_alphabets.h"
#include "game/game_states.h"
#include "game/rules/elapsed_time.h"
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

void TfrmSudoku::ApplyGameState() {
    for (QAction* action : {ActGenera, ActPrint, ActToggleView, ActPlay, ActSuggerisci})
        action->setEnabled(false);
    Clock1->hide();
    pnlGameOn->hide();
    cbg1->setEnabled(false);
    cbgLivello->setEnabled(false);
    sg1->setAutoPopup(false);

    const StateLook look = StateLookFor(GameState);
    if (!look.known) {
        CurrentSeams().showMessage(this, UnknownStateMessage(GameState));
        return;
    }
    if (look.gamePanel) {
        pnlGameOn->show();
        // The clock shows again on every entry into a game view.
        cbxHideTimer->setChecked(false);
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
        BuildGridMenu(GameState);
        sg1->setAutoPopup(true);
        if (GridShown())
            sg1->viewport()->update();
    }
    if (look.gamePanel)
        FocusGridIfShown();
}

void TfrmSudoku::ActToggleViewExecute() {
    switch (GameState) {
    case 1:
        GameState = 2;
        break;
    case 2:
        GameState = 1;
        break;
    case 4:
        GameState = 5;
        break;
    case 5:
        GameState = 4;
        break;
    default:
        return;
    }
    ApplyGameState();
}

void TfrmSudoku::ActPlayExecute() {
    if (GameState == 4 || GameState == 5) {
        if (CurrentSeams().confirm(this, kAbandonQuestion) == ConfirmAnswer::Yes) {
            GameState = 1;
            ResetPlayGrid();
            ApplyGameState();
        } else {
            FocusGridIfShown();
        }
        return;
    }
    GameState = 4;
    ApplyGameState();
    PlayStartTime = DateTimeToDays(CurrentSeams().now());
    // The readout then reads 00:00:00 and counts the time since the start.
    const ClockOffset offset = ClockOffsetFor(PlayStartTime);
    Clock1->setTimeOffset(0, offset.hours, offset.minutes, offset.seconds);
}

void TfrmSudoku::cbxControlloClick() {
    if (GridShown()) {
        sg1->viewport()->update();
        sg1->setFocus();
    }
    if (GameState == 4)
        BuildGridMenu(4);
}

void TfrmSudoku::cbxHideTimerClick() {
    Clock1->setVisible(!cbxHideTimer->isChecked());
    if (GridShown()) {
        sg1->viewport()->update();
        sg1->setFocus();
    }
}

void TfrmSudoku::FormShow() {
    SeedRandom();
    sg1->hide();
    BoxSize = 3;
    Board.reset();
    SeparatorWidth = 3;
    ActPrint->setEnabled(false);
    FitWindowToBoxSize(3);
    for (int n = 3; n <= 5; ++n)
        SymbolAlphabets[n] = std::string(SymbolAlphabetFor(n));
    cbgLivello->setItemIndex(0);
    GameState = 0;
    ApplyGameState();
}

void TfrmSudoku::FormClose() {
    Board.reset();
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
    // Closing loses a running game as abandoning does, so it asks the same question; any
    // answer but Yes keeps the window, the game and its clock.
    if ((GameState == 4 || GameState == 5) &&
        CurrentSeams().confirm(this, kAbandonQuestion) != ConfirmAnswer::Yes) {
        event->ignore();
        FocusGridIfShown();
        return;
    }
    FormClose();
    event->accept();
}
