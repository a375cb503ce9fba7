#include "windows/booklet_command.h"

#include "game/booklet_puzzles.h"
#include "print/booklet_printer.h"
#include "print/page_printer.h"
#include "print/print_failure_text.h"

#include <QKeySequence>
#include <QPrinter>
#include <QProgressDialog>
#include <QShortcut>

namespace {

// The page print is F7; the booklet is its companion on the same key.
const QKeySequence kBookletKey(Qt::SHIFT | Qt::Key_F7);

PageOutcome AsPageOutcome(BookletOutcome outcome) {
    switch (outcome) {
    case BookletOutcome::NotStarted:
        return PageOutcome::NotStarted;
    case BookletOutcome::NotFinished:
        return PageOutcome::NotFinished;
    case BookletOutcome::Printed:
    case BookletOutcome::Cancelled:
        break;
    }
    return PageOutcome::Printed;
}

} // namespace

BookletCommand::BookletCommand(QWidget& window, const DesktopServices& services)
    : QObject(&window), window_(window), services_(services) {
    auto* shortcut = new QShortcut(kBookletKey, &window);
    connect(shortcut, &QShortcut::activated, this, &BookletCommand::Run);
}

BookletCommand::~BookletCommand() = default;

void BookletCommand::Run() {
    BookletDialog dialog(last_, &window_);
    if (!services_.askDialog || !services_.askDialog(dialog))
        return;
    last_ = dialog.Choice();

    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The file the dialog offers for printing to PDF.
        printer_->setDocName(QStringLiteral("libretto"));
    }
    QPrinter& printer = *printer_;
    if (!services_.printDialog(printer, &window_))
        return;

    const std::vector<BookletPuzzle> puzzles =
        MakeBookletPuzzles(last_.boxSize, last_.count, std::nullopt);
    QProgressDialog progress(QStringLiteral("Preparazione del libretto…"),
                             QStringLiteral("Annulla"), 0, 1, &window_);
    progress.setWindowTitle(QStringLiteral("Libretto di sudoku"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    const BookletProgress report = [&progress](int done, int pages) {
        progress.setMaximum(pages);
        progress.setLabelText(QStringLiteral("Pagina %1 di %2…").arg(done + 1).arg(pages));
        progress.setValue(done);
        return !progress.wasCanceled();
    };

    QString failure;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const BookletFileResult result = WriteBookletPdf(
            printer.outputFileName(), printer.pageLayout(),
            printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges(),
            puzzles, last_.boxSize, last_.perPage, report);
        failure = result.error;
    } else {
        const BookletOutcome outcome =
            PrintBooklet(printer, puzzles, last_.boxSize, last_.perPage, report);
        failure = PrintFailureText(printer, AsPageOutcome(outcome));
    }
    progress.reset();
    if (!failure.isEmpty())
        services_.showMessage(&window_, failure);
}
