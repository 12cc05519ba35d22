#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // Offscreen unless a test names its own display (the projector tests do).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
