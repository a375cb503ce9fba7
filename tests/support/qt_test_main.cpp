// GoogleTest entry point for tests that need a QApplication.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless by default; a caller may still ask for a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Caselio");
    return RUN_ALL_TESTS();
}
