#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest main that runs every test inside a QApplication.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
