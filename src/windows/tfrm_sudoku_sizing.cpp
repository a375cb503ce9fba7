// The grid's shape for each box size, the window size that goes with it, and the zoom
// buttons. The table and the zoom steps come from the view's sizing rules.
#include "toolkit/draw_grid.h"
#include "view/grid_sizing.h"
#include "windows/tfrm_sudoku.h"

void TfrmSudoku::PrepareGrid(std::int32_t boxSize, bool newBoxSize) {
    if (newBoxSize)
        FitWindowToBoxSize(boxSize);
    if (sg1->isHidden())
        sg1->show();
    sg1->setCurrentCell(0, 0);
    if (const auto layout = GridLayoutFor(boxSize, GridFontPoints)) {
        sg1->setRowCount(layout->side);
        sg1->setColCount(layout->side);
        sg1->setDefaultColWidth(layout->columnWidth);
        sg1->setDefaultRowHeight(layout->rowHeight);
        sg1->setGridLineWidth(layout->lineWidth);
        // The grid fills its panel, which has the last word on its height; a grid taller
        // than the control (25x25) scrolls inside it.
        RequestedGridHeight = layout->controlHeight;
    }
    update();
    sg1->setCurrentCell(0, 0);
    sg1->viewport()->update();
}

void TfrmSudoku::FitWindowToBoxSize(std::int32_t boxSize) {
    const auto window = WindowLayoutFor(boxSize);
    if (!window)
        return;
    RequestedWindowWidth = window->windowWidth;
    RequestedGridPanelWidth = window->panelWidth;
    RequestedWindowHeight = window->windowHeight;
    // A maximized window keeps the screen's size.
    if (!isMaximized() && !isFullScreen()) {
        // The sizes are outer sizes; the frame takes the difference from the client area.
        const QSize frame = frameGeometry().size() - geometry().size();
        resize(RequestedWindowWidth - frame.width(), RequestedWindowHeight - frame.height());
        CentreOnScreen();
    }
}

// One step of the font and the cells together; nothing at either end of the range.
void TfrmSudoku::ApplyZoom(bool larger) {
    GridZoom zoom{GridFontPoints, sg1->defaultColWidth(), sg1->defaultRowHeight()};
    if (!(larger ? ZoomIn(zoom) : ZoomOut(zoom)))
        return;
    GridFontPoints = zoom.fontPoints;
    sg1->setFont(GridFont(zoom.fontPoints));
    sg1->setDefaultColWidth(zoom.columnWidth);
    sg1->setDefaultRowHeight(zoom.rowHeight);
    update();
}

// The grid takes the keyboard back after a step, as after the other buttons.
void TfrmSudoku::btnFontPiuClick() {
    ApplyZoom(true);
    FocusGridIfShown();
}

void TfrmSudoku::btnFontMenoClick() {
    ApplyZoom(false);
    FocusGridIfShown();
}
