// The print action: the dialog, the window's own sizing and the two settling waits go
// through the seams; the page shows the whole grid as the window draws it. A page that does
// not come out is reported with its reason.
#include "print/page_printer.h"
#include "print/print_action.h"
#include "print/print_failure_text.h"
#include "print/view_grid_picture.h"
#include "print/watermark_image.h"
#include "toolkit/draw_grid.h"
#include "toolkit/seams.h"
#include "view/cell_painter.h"
#include "view/grid_sizing.h"
#include "windows/tfrm_sudoku.h"
#include "windows/tfrmhlpi.h"

#include <QPrinter>

void TfrmSudoku::ActPrintExecute() {
    // One printer for the run, made at the first print: the dialog opens on the printer, file,
    // orientation and paper chosen last time.
    if (!Printer)
        Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *Printer;
    PrintActionSteps steps;
    steps.askPrinter = [&] { return CurrentSeams().printDialog(printer, this); };
    steps.fitWindow = [this] { FitWindowToBoxSize(Game.BoxSize); };
    steps.repaintWindow = [this] { repaint(); };
    steps.wait = [](int milliseconds) { CurrentSeams().wait(milliseconds); };
    steps.printPage = [&] { return PrintPuzzlePage(printer); };
    steps.focusGridIfShown = [this] { FocusGridIfShown(); };
    RunPrintAction(steps);
}

bool TfrmSudoku::PrintPuzzlePage(QPrinter& printer) {
    const auto layout = GridLayoutFor(Game.BoxSize, GridFontPoints);
    if (!layout)
        return false;
    // The selection ellipse is on the page exactly when it is on screen.
    std::optional<GridCell> focused;
    if (sg1->isActiveControl())
        focused = GridCell{sg1->currentCol(), sg1->currentRow()};
    const QImage background = frmhlpi ? frmhlpi->watermark() : MakeWatermarkImage();
    const PageOutcome outcome = ::PrintPuzzlePage(
        printer, background,
        ViewGridPicture(GridViewOf(Game), layout->Cells(), focused, GridFont(GridFontPoints)),
        Game.BoxSize);
    const QString failure = PrintFailureText(printer, outcome);
    if (!failure.isEmpty())
        ShowMessage(failure);
    return bool(outcome);
}
