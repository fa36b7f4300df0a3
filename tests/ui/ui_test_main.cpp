#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Widget tests need no display; every window is drawn off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
