#include "windows/print_command.h"

#include "print/page_printer.h"
#include "print/print_action.h"
#include "print/print_failure_text.h"

#include <QPrinter>

PrintCommand::PrintCommand() = default;

PrintCommand::~PrintCommand() = default;

bool PrintCommand::Run(const DesktopServices& services, QWidget* owner, const Page& page) {
    if (!Printer)
        Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *Printer;
    PrintActionSteps steps;
    steps.askPrinter = [&] { return services.printDialog(printer, owner); };
    steps.fitWindow = page.fitWindow;
    steps.repaintWindow = page.repaintWindow;
    steps.wait = services.wait;
    steps.printPage = [&] {
        const PageOutcome outcome =
            PrintPuzzlePage(printer, page.background(), page.grid(), page.boxSize);
        const QString failure = PrintFailureText(printer, outcome);
        if (!failure.isEmpty())
            services.showMessage(owner, failure);
        return bool(outcome);
    };
    steps.focusGridIfShown = page.focusGridIfShown;
    return RunPrintAction(steps);
}
