#include "desktop/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>

namespace {

void RealShowMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    owner);
    box.exec();
}

// The question guards what a game would lose, so Enter answers No: a stray key keeps the game.
ConfirmAnswer RealConfirm(QWidget* owner, const QString& text) {
    const auto answer = QMessageBox::question(
        owner, QApplication::applicationName(), text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        return ConfirmAnswer::Yes;
    return answer == QMessageBox::No ? ConfirmAnswer::No : ConfirmAnswer::Cancel;
}

bool RealPrintDialog(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

DesktopServices RealDesktopServices() {
    DesktopServices services;
    services.showMessage = RealShowMessage;
    services.confirm = RealConfirm;
    services.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    services.now = [] { return QDateTime::currentDateTime(); };
    services.wait = [](int milliseconds) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    };
    services.printDialog = RealPrintDialog;
    services.askDialog = [](QDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    return services;
}
