// The main of logic tests that need Qt's event loop (queued calls from another thread):
// GoogleTest inside a QCoreApplication, without any display.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
