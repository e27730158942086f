#include <QGuiApplication>
#include <gtest/gtest.h>

// GoogleTest main that runs every test inside a QGuiApplication.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
