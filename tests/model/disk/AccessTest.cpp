#include <gtest/gtest.h>

#include <sys/stat.h>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/disk/Access.h"

using namespace sorbeta;

class AccessTest : public test::HomeTest {
protected:
    bool prompts(const std::string& relative) { return Access::wouldPrompt(home() / relative, places()); }
    bool promptsAt(const std::filesystem::path& path) { return Access::wouldPrompt(path, places()); }
    bool probe() { return Access::fullDiskProbe(places()); }
    static void lock(const std::filesystem::path& file) { ::chmod(file.c_str(), 0); }

    static constexpr const char* kTcc = "Library/Application Support/com.apple.TCC/TCC.db";
    static constexpr const char* kCloudTabs = "Library/Safari/CloudTabs.db";
    static constexpr const char* kBookmarks = "Library/Safari/Bookmarks.plist";
};

TEST_F(AccessTest, GuardedFoldersAndWhatLiesBelowThem) {
    EXPECT_TRUE(prompts("Documents"));
    EXPECT_TRUE(prompts("Documents/"));
    EXPECT_TRUE(prompts("Documents/a/b"));
    EXPECT_FALSE(prompts("Documents2"));
    EXPECT_FALSE(prompts("documents"));  // case-sensitive
    EXPECT_TRUE(prompts("Library/Containers/com.example.app/Data"));
    EXPECT_TRUE(prompts("Library/Group Containers/6N38VWS5BX.ru.keepcoder.Telegram"));
    EXPECT_TRUE(prompts("Library/Application Support/MobileSync/Backup/x"));
    EXPECT_TRUE(prompts(".Trash/x"));
    EXPECT_TRUE(prompts(".Trash"));
    EXPECT_FALSE(prompts(".Trash2"));
    EXPECT_FALSE(prompts("Library/Application Support/Slack"));
    EXPECT_FALSE(promptsAt(std::filesystem::path("/Applications")));
    EXPECT_FALSE(promptsAt(home()));
}

TEST_F(AccessTest, ContainerFoldersThemselvesAreNotFlagged) {
    // The two container entries end in a slash: only their insides are guarded.
    EXPECT_FALSE(prompts("Library/Containers"));
    EXPECT_FALSE(prompts("Library/Group Containers"));
    EXPECT_FALSE(prompts("Library/ContainersX/a"));
}

TEST_F(AccessTest, SystemCachesAndMediaLibraries) {
    EXPECT_TRUE(prompts("Library/Caches/com.apple.Safari"));
    EXPECT_TRUE(prompts("Library/Caches/com.apple.dt.Xcode"));
    EXPECT_TRUE(prompts("Library/Caches/com.apple.x/deeper"));
    EXPECT_FALSE(prompts("Library/Caches/Homebrew"));
    EXPECT_FALSE(prompts("Library/Caches/com.applex"));
    EXPECT_TRUE(promptsAt(std::filesystem::path("/Volumes/Ext/Photos Library.PhotosLibrary")));
    EXPECT_TRUE(promptsAt(std::filesystem::path("/tmp/x.PHOTOSLIBRARY")));
    EXPECT_TRUE(prompts("Music/Music Library.musiclibrary"));
    EXPECT_TRUE(promptsAt(std::filesystem::path("/data/TV.TvLibrary")));
    EXPECT_TRUE(promptsAt(std::filesystem::path("/data/iPhoto.photolibrary")));
    EXPECT_FALSE(promptsAt(std::filesystem::path("/data/x.photoslibrary/inside")));
    EXPECT_EQ(Access::promptingPackageSuffixes(),
              (std::vector<std::string>{".photoslibrary", ".musiclibrary", ".tvlibrary", ".photolibrary"}));
}

TEST_F(AccessTest, TablesFollowTheHomeFolder) {
    // The prefix tables are expanded against the home folder of the moment;
    // another test's home must not linger.
    EXPECT_TRUE(prompts("Downloads/x.dmg"));
    test::TempHome other;
    EXPECT_FALSE(Access::wouldPrompt(home() / "Downloads/x.dmg", other.places()));
    EXPECT_TRUE(Access::wouldPrompt(other.home() / "Downloads/x.dmg", other.places()));
    EXPECT_TRUE(prompts("Downloads/x.dmg"));
}

TEST_F(AccessTest, SettingsPage) {
    EXPECT_EQ(Access::settingsURL().toString(),
              "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles");
}

TEST_F(AccessTest, LinuxAnswersGranted) {
    EXPECT_TRUE(Access::hasFullDisk());  // no probe files at all in this home
}

TEST_F(AccessTest, ProbeOpensTheFirstExistingProbeFile) {
    test::FileTree tree(home());
    // Nothing there and no Safari folder: listing fails.
    EXPECT_FALSE(probe());

    // Only the Safari folder: its listing decides.
    tree.dir("Library/Safari");
    EXPECT_TRUE(probe());
    tree.file(kBookmarks, 10);
    EXPECT_TRUE(probe());

    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced here";
    lock(tree.at(kBookmarks));
    EXPECT_FALSE(probe());

    // An earlier probe file takes over: a readable CloudTabs.db wins over the locked bookmarks.
    tree.file(kCloudTabs, 10);
    EXPECT_TRUE(probe());

    // A locked TCC database says no, even though the Safari files are readable.
    ::chmod(tree.at(kBookmarks).c_str(), 0644);
    tree.file(kTcc, 10);
    lock(tree.at(kTcc));
    EXPECT_FALSE(probe());
    ::chmod(tree.at(kTcc).c_str(), 0644);
    EXPECT_TRUE(probe());
}

TEST_F(AccessTest, ProbeListingOfAnUnreadableSafariFolder) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced here";
    test::FileTree tree(home());
    tree.unreadable("Library/Safari");
    EXPECT_FALSE(probe());
}
