#include "print/print_action.h"

bool RunPrintAction(const PrintActionSteps& steps) {
    if (!steps.askPrinter()) {
        steps.focusGridIfShown(); // the grid gets the focus back whether or not a page came out
        return false;
    }
    steps.fitWindow();
    steps.repaintWindow();
    steps.wait(kPrintSettleMilliseconds);
    const bool printed = steps.printPage();
    steps.wait(kPrintSettleMilliseconds);
    steps.focusGridIfShown();
    return printed;
}
