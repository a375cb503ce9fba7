#include "toolkit/seams.h"

#include <QApplication>
#include <QDesktopServices>
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

ConfirmAnswer RealConfirm(QWidget* owner, const QString& text) {
    const auto answer = QMessageBox::question(
        owner, QApplication::applicationName(), text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return ConfirmAnswer::Yes;
    return answer == QMessageBox::No ? ConfirmAnswer::No : ConfirmAnswer::Cancel;
}

bool RealPrintDialog(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

Seams& Installed() {
    static Seams seams = RealSeams();
    return seams;
}

} // namespace

Seams RealSeams() {
    Seams seams;
    seams.showMessage = RealShowMessage;
    seams.confirm = RealConfirm;
    seams.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    seams.now = [] { return QDateTime::currentDateTime(); };
    seams.wait = [](int milliseconds) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    };
    seams.printDialog = RealPrintDialog;
    return seams;
}

const Seams& CurrentSeams() {
    return Installed();
}

void InstallSeams(Seams seams) {
    const Seams real = RealSeams();
    if (!seams.showMessage)
        seams.showMessage = real.showMessage;
    if (!seams.confirm)
        seams.confirm = real.confirm;
    if (!seams.openUrl)
        seams.openUrl = real.openUrl;
    if (!seams.now)
        seams.now = real.now;
    if (!seams.wait)
        seams.wait = real.wait;
    if (!seams.printDialog)
        seams.printDialog = real.printDialog;
    Installed() = std::move(seams);
}
