#include "windows/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void UseItalianQtTexts(QCoreApplication& app) {
    auto* texts = new QTranslator(&app);
    if (texts->load(QStringLiteral("qtbase_it"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(texts);
    else
        delete texts;
}
