#include <gtest/gtest.h>

#include <QStringList>

#include "TestEnvironment.h"
#include "platform/Defaults.h"
#include "platform/Paths.h"

using namespace sorbeta;

class PlatformBasicsTest : public test::HomeTest {};

TEST_F(PlatformBasicsTest, HomeAndTildeFollowTheTemporaryHome) {
    EXPECT_EQ(platform::home(), home());
    EXPECT_EQ(platform::expandTilde("~"), home());
    EXPECT_EQ(platform::expandTilde("~/Library/Caches"), home() / "Library/Caches");
    EXPECT_EQ(platform::expandTilde("/Applications"), std::filesystem::path("/Applications"));
    EXPECT_EQ(platform::expandTilde("~other/x"), std::filesystem::path("~other/x"));
    EXPECT_EQ(platform::holdingFolder(), home() / ".local/share/Sorbeta/Holding");
}

TEST_F(PlatformBasicsTest, AppFoldersArePrivate) {
    const auto folder = platform::holdingFolder();
    ASSERT_TRUE(platform::makeAppFolder(folder));
    EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    EXPECT_TRUE(platform::makeAppFolder(folder));
}

TEST_F(PlatformBasicsTest, StrictBoolReading) {
    platform::Defaults defaults;
    EXPECT_FALSE(defaults.boolValue("holdCleaned"));
    defaults.setValue("holdCleaned", true);
    EXPECT_TRUE(defaults.boolValue("holdCleaned"));
    defaults.setValue("holdCleaned", QStringLiteral("true"));
    EXPECT_TRUE(platform::Defaults().boolValue("holdCleaned"));
    for (const QVariant& other : {QVariant(QStringLiteral("TRUE")), QVariant(1), QVariant(QStringLiteral("yes"))}) {
        defaults.setValue("holdCleaned", other);
        EXPECT_FALSE(defaults.boolValue("holdCleaned")) << other.toString().toStdString();
    }
    defaults.setValue("AppleLanguages", QStringList{"en"});
    EXPECT_EQ(defaults.stringList("AppleLanguages"), QStringList{"en"});
    defaults.setValue("AppleLanguages", QStringLiteral("en"));
    EXPECT_FALSE(defaults.stringList("AppleLanguages").has_value());
}
