#include <QApplication>
#include <gtest/gtest.h>

// One main for every test program: the widget tests need a QApplication, which the
// offscreen platform makes cheap for the others.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
