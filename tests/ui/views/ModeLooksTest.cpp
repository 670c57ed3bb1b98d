#include "ui/views/ModeLooks.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sorbeta;

TEST(AppModeTable, OrderTitlesAndVisibleModes) {
    ASSERT_EQ(allAppModes.size(), 6u);
    EXPECT_EQ(allAppModes[0], AppMode::clean);
    EXPECT_EQ(allAppModes[5], AppMode::status);
    EXPECT_EQ((std::vector<AppMode>(visibleAppModes.begin(), visibleAppModes.end())),
              (std::vector<AppMode>{AppMode::clean, AppMode::uninstall, AppMode::status}));
    EXPECT_FALSE(isVisible(AppMode::history));
    EXPECT_EQ(appModeTitle(AppMode::clean), QStringLiteral("清理"));
    EXPECT_EQ(appModeTitle(AppMode::history), QStringLiteral("变化"));
    EXPECT_EQ(modeFlavor(AppMode::uninstall), Flavor::grape);
    EXPECT_EQ(modeFlavor(AppMode::status), Flavor::mint);
}
