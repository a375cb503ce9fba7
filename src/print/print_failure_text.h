#pragma once

#include "print/page_printer.h"

#include <QPrinter>
#include <QString>

// The message for a page that did not come out on printer: what failed, then the reason the
// printing system gives. Empty for a printed page and for one with no grid to print. For a
// PDF file the reason is asked of the file system again, without changing the file.
QString PrintFailureText(const QPrinter& printer, PageOutcome outcome);
