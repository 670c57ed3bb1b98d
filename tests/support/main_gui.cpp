#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    sorbeta::test::dropFilePermissionOverrides();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
