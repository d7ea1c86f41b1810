// The main of widget tests: GoogleTest inside a QApplication (offscreen by the test's
// environment).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
