// The main of tests that need Qt's event loop: GoogleTest inside a QApplication when the
// test links Qt Widgets, inside a QCoreApplication otherwise. Windows go to the offscreen
// platform unless the environment names another; listing the tests (at build time) needs
// no application and no display.
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
#ifdef QT_WIDGETS_LIB
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
