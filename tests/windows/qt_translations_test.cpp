// Qt's own boxes speak the program's language.
#include "desktop/desktop_services.h"
#include "game/game_texts.h"
#include "windows/qt_translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

TEST(ItalianQtTexts, ConfirmationBoxAnswersSiNoAnnulla) {
    UseItalianQtTexts(*qApp);
    QStringList captions;
    // The real box is modal: read its buttons once it is up, then answer Cancel.
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        for (QAbstractButton* button : box->buttons())
            captions << button->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::Cancel)->click();
    });
    answer.start();
    EXPECT_EQ(RealDesktopServices().confirm(nullptr, kAbandonQuestion), ConfirmAnswer::Cancel);
    captions.sort();
    EXPECT_EQ(captions, QStringList({"Annulla", "No", "Sì"}));
}
