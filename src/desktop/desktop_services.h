#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>

class QDialog;
class QPrinter;
class QWidget;

// The answers of the one question the program asks.
enum class ConfirmAnswer { Yes, No, Cancel };

// Everything the program needs from the desktop that a test must be able to replace: modal
// boxes, the browser, the clock, blocking waits and the print dialog. The program hands one
// set to its main window; tests hand in their own.
struct DesktopServices {
    // A plain modal box with the application title and one OK button.
    std::function<void(QWidget* owner, const QString& text)> showMessage;
    // A modal question (question icon) with Yes, No and Cancel; closing it counts as Cancel.
    std::function<ConfirmAnswer(QWidget* owner, const QString& text)> confirm;
    // Hands an address to the desktop's browser; the result is only informative.
    std::function<bool(const QUrl& url)> openUrl;
    // The current local date and time.
    std::function<QDateTime()> now;
    // Blocks the calling thread for the given milliseconds.
    std::function<void(int milliseconds)> wait;
    // Shows the print dialog for `printer`; true when the user confirmed.
    std::function<bool(QPrinter& printer, QWidget* owner)> printDialog;
    // Shows one of the program's own modal dialogs; true when the user confirmed it. Left
    // empty, such a dialog is taken as cancelled.
    std::function<bool(QDialog& dialog)> askDialog;
};

// The desktop's own services.
DesktopServices RealDesktopServices();
