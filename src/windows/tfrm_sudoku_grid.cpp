// The grid's hooks: drawing, keys, mouse, the pop-up menu and its two click handlers, and the
// hint. They read the event, hand it to the game core and repaint; the core decides.
#include "toolkit/action_button.h"
#include "toolkit/draw_grid.h"
#include "view/cell_input.h"
#include "view/cell_painter.h"
#include "view/grid_menu.h"
#include "view/grid_painter.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

void TfrmSudoku::sg1DrawCell(QPainter& painter, std::optional<GridCell> focused) {
    // The grid has already set the painter to its own font.
    PaintGrid(painter, GridViewOf(Game), sg1->cellGeometry(), focused, painter.font());
}

void TfrmSudoku::sg1KeyDown(QKeyEvent& key) {
    Game.PressKey(ReadGridKey(key), sg1->currentRow(), sg1->currentCol());
    // The key is left unconsumed, so the grid still moves its selection afterwards.
}

void TfrmSudoku::sg1MouseDown(QMouseEvent& event) {
    if (event.button() != Qt::RightButton || !Game.RightPressSelects())
        return;
    // A press beyond the last column or row leaves the selection where it was.
    if (const auto cell = sg1->cellAt(event.position().toPoint())) {
        sg1->setCurrentCell(cell->column, cell->row);
        sg1->viewport()->update();
    }
}

void TfrmSudoku::BuildGridMenu(std::uint8_t state) {
    // Removes the design-time items too, on the first build.
    popm1->clear();
    N11 = nullptr;
    N21 = nullptr;

    GridMenuSource source;
    source.alphabet = QString::fromStdString(Game.SymbolAlphabets[Game.BoxSize]);
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
    if (item)
        Game.EnterFromMenu(static_cast<char>(item->data().toInt()), sg1->currentRow(),
                           sg1->currentCol());
}

void TfrmSudoku::N21Click() {
    if (cbxControllo->isVisible() && cbxControllo->isEnabled())
        Game.SetChecking(!Game.Checking);
}

void TfrmSudoku::ActSuggerisciExecute() {
    Game.Hint(sg1->currentRow(), sg1->currentCol());
    FocusGridIfShown();
}
