// GoogleTest's main with a QApplication around the tests, for windows and event loops.
// Listing the tests (at build time) needs no display and gets none.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
