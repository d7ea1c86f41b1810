// The main of widget tests: GoogleTest inside a QApplication on the offscreen platform,
// also when the build lists the tests without a display, unless a platform is chosen.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
