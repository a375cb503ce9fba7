// GoogleTest entry point for tests that need a QApplication.
#include "support/pinned_fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns on every window resize; that says nothing about our code.
void quietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (defaultHandler)
        defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    // Headless by default; a caller may still ask for a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    defaultHandler = qInstallMessageHandler(quietOffscreenNoise);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Caselio");
    PinTestFonts();
    return RUN_ALL_TESTS();
}
