#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>

#include "TestEnvironment.h"
#include "model/common/WorkPool.h"

// Coroutines still suspended when a test ends and Qt's own caches read as
// leaks; memory errors still abort the test.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Nothing a test does may reach the desktop the tests were started from.
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    sorbeta::test::dropFilePermissionOverrides();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    sorbeta::finishWork();
    return failed;
}
