#include "print/print_failure_text.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kNotStarted = QStringLiteral("Impossibile avviare la stampa.");
const QString kNotFinished = QStringLiteral("La stampa non è stata completata.");
const QString kFileNotWritable = QStringLiteral("Impossibile scrivere il file “%1” (%2).");
const QString kPrinterGone = QStringLiteral("La stampante “%1” non è più disponibile.");
const QString kPrinterError = QStringLiteral("La stampante segnala un errore.");
const QString kNoPrintableArea = QStringLiteral("La pagina selezionata non ha un’area stampabile.");
const QString kNoReason = QStringLiteral("Il sistema di stampa non ne indica il motivo.");

// Why path cannot be written, or nothing when it can. Appending leaves what is there, and a
// file made only to find out is removed again.
QString FileError(const QString& path) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    file.close();
    if (!existed)
        file.remove();
    return {};
}

QString Reason(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString error = FileError(printer.outputFileName());
        if (!error.isEmpty())
            return FileNotWritableText(printer.outputFileName(), error);
    } else if (PrinterHasGoneAway(printer)) {
        return kPrinterGone.arg(printer.printerName());
    }
    if (printer.printerState() == QPrinter::Error)
        return kPrinterError;
    if (printer.width() <= 0 || printer.height() <= 0)
        return kNoPrintableArea;
    return kNoReason;
}

} // namespace

QString FileNotWritableText(const QString& path, const QString& reason) {
    return kFileNotWritable.arg(path, reason);
}

QString PrintFailureText(const QPrinter& printer, PageOutcome outcome) {
    switch (outcome.kind) {
    case PageOutcome::NotStarted:
        return kNotStarted + u'\n' + Reason(printer);
    case PageOutcome::NotFinished:
        return kNotFinished + u'\n' + Reason(printer);
    case PageOutcome::Printed:
    case PageOutcome::NothingToPrint:
        break;
    }
    return {};
}
