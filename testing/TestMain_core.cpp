#include <QCoreApplication>
#include <gtest/gtest.h>

// GoogleTest main that runs every test inside a QCoreApplication.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
