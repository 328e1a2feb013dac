#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// Widgets need an application; without a display they run offscreen (the
// build lists the tests by running this program, too).
int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
