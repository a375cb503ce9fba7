// The grid's hooks: cell drawing, keys, mouse, the pop-up menu and its two click handlers,
// the hint and the completion test. The decisions live in the view and rules code; these
// handlers only hand them the window's game data and apply the answer.
#include "game/game_states.h"
#include "game/rules/completion_check.h"
#include "game/rules/elapsed_time.h"
#include "toolkit/action_button.h"
#include "toolkit/draw_grid.h"
#include "toolkit/seams.h"
#include "view/cell_input.h"
#include "view/cell_painter.h"
#include "view/grid_menu.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

GridView TfrmSudoku::CurrentGridView() const {
    return GridView{BoxSize,
                    GameState,
                    PlayGrid,
                    PuzzleGrid,
                    SolutionGrid,
                    Board.get(),
                    cbxControllo->isChecked(),
                    SeparatorWidth};
}

void TfrmSudoku::sg1DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool focused) {
    // The grid has already set the painter to its own font.
    DrawGridCell(painter, CurrentGridView(), col, row, rect, focused, painter.font());
}

void TfrmSudoku::StoreEntry(char value) {
    PlayGrid[sg1->currentRow()][sg1->currentCol()] = value;
    sg1->viewport()->update();
    CheckCompletion();
}

void TfrmSudoku::sg1KeyDown(QKeyEvent& key) {
    const GridKeyResponse response = RespondToGridKey(
        GameState, ReadGridKey(key), Board.get(), PuzzleGrid, sg1->currentRow(), sg1->currentCol());
    if (response.entry)
        StoreEntry(*response.entry);
    else if (!response.message.isEmpty())
        CurrentSeams().showMessage(this, response.message);
    // The key is left unconsumed, so the grid still moves its selection afterwards.
}

void TfrmSudoku::sg1MouseDown(QMouseEvent& event) {
    if (!PressSelectsCell(GameState, event.button()))
        return;
    // A press beyond the last column or row leaves the selection where it was.
    if (const auto cell = sg1->cellAt(event.position().toPoint())) {
        sg1->setCurrentCell(cell->x(), cell->y());
        sg1->viewport()->update();
    }
}

void TfrmSudoku::BuildGridMenu(std::uint8_t state) {
    // Removes the design-time items too, on the first build.
    popm1->clear();
    N11 = nullptr;
    N21 = nullptr;

    GridMenuSource source;
    source.alphabet = QString::fromStdString(SymbolAlphabets[BoxSize]);
    source.playCaption = btnPlay->text();
    source.toggleViewCaption = btnToggleView->text();
    source.checkingCaption = cbxControllo->text();
    source.checkingTicked = cbxControllo->isChecked();
    source.hintCaption = ActSuggerisci->text();

    auto boundAction = [this](GridMenuAction action) -> QAction* {
        switch (action) {
        case GridMenuAction::Play:
            return ActPlay;
        case GridMenuAction::ToggleView:
            return ActToggleView;
        case GridMenuAction::Suggerisci:
            return ActSuggerisci;
        case GridMenuAction::None:
            break;
        }
        return nullptr;
    };

    for (const GridMenuItem& entry : GridMenuItems(state, source)) {
        QAction* item = popm1->addAction(entry.caption);
        switch (entry.kind) {
        case GridMenuItemKind::Symbol:
        case GridMenuItemKind::Clear:
            item->setData(static_cast<int>(static_cast<unsigned char>(entry.tag)));
            connect(item, &QAction::triggered, this, [this, item] { N11Click(item); });
            break;
        case GridMenuItemKind::Checking:
            connect(item, &QAction::triggered, this, &TfrmSudoku::N21Click);
            break;
        case GridMenuItemKind::Action:
            if (QAction* action = boundAction(entry.action)) {
                // The item keeps its own caption but is enabled exactly as its action is.
                item->setEnabled(action->isEnabled());
                connect(action, &QAction::enabledChanged, item, &QAction::setEnabled);
                connect(item, &QAction::triggered, action, [action] {
                    if (action->isEnabled())
                        action->trigger();
                });
            }
            break;
        }
    }
}

void TfrmSudoku::N11Click(QAction* item) {
    if (!item)
        return;
    const char tag = static_cast<char>(item->data().toInt());
    if (const auto value = MenuEntryValue(GameState, GridShown(), Board.get(), PuzzleGrid,
                                          sg1->currentRow(), sg1->currentCol(), tag))
        StoreEntry(*value);
}

void TfrmSudoku::N21Click() {
    if (!cbxControllo->isVisible() || !cbxControllo->isEnabled())
        return;
    cbxControllo->setChecked(!cbxControllo->isChecked());
    cbxControlloClick();
}

void TfrmSudoku::ActSuggerisciExecute() {
    if (const auto hint =
            HintMessage(PuzzleGrid, SolutionGrid, sg1->currentRow(), sg1->currentCol()))
        CurrentSeams().showMessage(this, *hint);
    FocusGridIfShown();
}

// Any full grid without a repeat counts as solved, whatever the stored solution says.
void TfrmSudoku::CheckCompletion() {
    if (!Board || !IsGridSolved(*Board, PlayGrid))
        return;
    const double now = DateTimeToDays(CurrentSeams().now());
    const ElapsedTime elapsed = ComputeElapsedTime(now, PlayStartTime);
    CurrentSeams().showMessage(this, QString::fromStdString(CongratulationText(elapsed)));
}
