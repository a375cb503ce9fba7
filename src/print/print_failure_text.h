#pragma once

#include "print/page_printer.h"

#include <QPrinter>
#include <QString>

// The message for a page that did not come out on printer: what failed, then the reason the
// printing system gives. Empty for a printed page and for one with no grid to print. For a
// PDF file the reason is asked of the file system again, without changing the file.
QString PrintFailureText(const QPrinter& printer, PageOutcome outcome);

// The message for a file that cannot be written at path, with the reason the system gives.
QString FileNotWritableText(const QString& path, const QString& reason);
