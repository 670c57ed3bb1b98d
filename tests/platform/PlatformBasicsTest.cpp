#include <gtest/gtest.h>

#include <QStringList>
#include <cstdlib>

#include "TestEnvironment.h"
#include "platform/Defaults.h"
#include "platform/FileOps.h"
#include "platform/Places.h"
#include "platform/RevealFiles.h"

using namespace sorbeta;

class PlatformBasicsTest : public test::HomeTest {};

TEST_F(PlatformBasicsTest, HomeAndTildeFollowTheTemporaryHome) {
    const auto places = platform::Places::fromEnvironment();
    EXPECT_EQ(places.home, home());
    EXPECT_EQ(places.expandTilde("~"), home());
    EXPECT_EQ(places.expandTilde("~/Library/Caches"), home() / "Library/Caches");
    EXPECT_EQ(places.expandTilde("/Applications"), std::filesystem::path("/Applications"));
    EXPECT_EQ(places.expandTilde("~other/x"), std::filesystem::path("~other/x"));
    EXPECT_EQ(places.holdingFolder(), home() / ".local/share/Sorbeta/Holding");
}

TEST_F(PlatformBasicsTest, PlacesAreReadWhenBuiltWithoutACache) {
    // A home reached through a link and written with a trailing slash is
    // resolved; XDG folders that are not absolute fall back to home.
    std::filesystem::create_symlink(home(), outside() / "alias");
    ::setenv("HOME", (outside().native() + "/alias/").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", "relative/cache", 1);
    ::setenv("XDG_STATE_HOME", (outside() / "state").c_str(), 1);
    const auto places = platform::Places::fromEnvironment();
    EXPECT_EQ(places.home, home());
    EXPECT_EQ(places.cacheHome, home() / ".cache");
    EXPECT_EQ(places.stateHome, outside() / "state");
    EXPECT_EQ(places.dataHome, home() / ".local/share");
    // Settings or caches set to the home folder itself, through a link, or
    // above it: every rule emptying them would empty the home.
    ::setenv("XDG_CACHE_HOME", (outside().native() + "/alias/").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", home().c_str(), 1);
    ::setenv("XDG_DATA_HOME", home().parent_path().c_str(), 1);
    ::setenv("XDG_STATE_HOME", "/", 1);
    const auto mistaken = platform::Places::fromEnvironment();
    EXPECT_EQ(mistaken.cacheHome, home() / ".cache");
    EXPECT_EQ(mistaken.configHome, home() / ".config");
    EXPECT_EQ(mistaken.dataHome, home() / ".local/share");
    EXPECT_EQ(mistaken.stateHome, home() / ".local/state");
    // A folder beside the home, or named like it, is as good as any.
    ::setenv("XDG_CACHE_HOME", (home().native() + "-cache").c_str(), 1);
    EXPECT_EQ(platform::Places::fromEnvironment().cacheHome, std::filesystem::path(home().native() + "-cache"));
    ::unsetenv("HOME");
    EXPECT_EQ(platform::Places::fromEnvironment().home, std::filesystem::path("/"));
}

TEST_F(PlatformBasicsTest, PlacesBelowAHomeReachedThroughALinkAreWrittenAsTheHome) {
    std::filesystem::create_directories(home() / ".cache");
    std::filesystem::create_symlink(home(), outside() / "alias");
    ::setenv("HOME", (outside() / "alias").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (outside() / "alias/.cache/").c_str(), 1);
    const auto places = platform::Places::fromEnvironment();
    EXPECT_EQ(places.cacheHome, home() / ".cache");
    EXPECT_EQ(places.expandPlace("{cache}/typescript"), places.expandTilde("~/.cache/typescript"));
}

TEST_F(PlatformBasicsTest, AppFoldersArePrivate) {
    const auto folder = places().holdingFolder();
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

TEST(FileUris, KeepTheBytesOfANameThatIsNotUtf8) {
    using platform::fileUri;
    EXPECT_EQ(fileUri("/h/caf\xe9 dir"), QByteArray("file:///h/caf%E9%20dir"));
    EXPECT_EQ(fileUri("/h/caf\xc3\xa9"), QByteArray("file:///h/caf%C3%A9"));
    EXPECT_EQ(fileUri("/h/50%#1?x"), QByteArray("file:///h/50%25%231%3Fx"));
    // Opening the folder: the same bytes, not a replacement character.
    EXPECT_EQ(platform::fileUrl("/h/caf\xe9").toEncoded(), QByteArray("file:///h/caf%E9"));
    EXPECT_EQ(platform::fileUrl("/h/caf\xc3\xa9").toLocalFile(), QString::fromUtf8("/h/caf\xc3\xa9"));
}
