// Moving an application and its leftovers to the Trash, and deleting for
// good exactly what was moved.
#include <gtest/gtest.h>

#include <filesystem>

#include "OnDisk.h"
#include "UninstallFixtures.h"
#include "model/uninstall/UninstallTrash.h"
#include "platform/EntryInfo.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using test::present;

namespace {

class UninstallTrashTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        where_ = test::uninstallPlaces(places(), outside() / "Applications");
    }
    bool inRoot(const fs::path& p) const { return Uninstaller::isInAppRoot(p, where_); }

    UninstallPlaces where_;
};

TEST_F(UninstallTrashTest, ApplicationFoldersAreJudgedWithTheirLinksResolved) {
    test::FileTree tree(outside());
    test::FileTree user(home());
    const fs::path apps = outside() / "Applications";
    tree.dir("Applications/Utilities/Tool.app");
    tree.dir("Applications/Folder/Sub/Tool.app");
    tree.dir("Elsewhere/Tool.app");
    tree.dir("Elsewhere/Deep/Tool.app");
    user.dir("Applications/Tool.app");
    user.dir("Downloads/Tool.app");
    EXPECT_TRUE(inRoot(apps / "Tool.app"));  // judged by where it would lie: it need not exist yet
    EXPECT_TRUE(inRoot(apps / "Utilities/Tool.app"));
    EXPECT_TRUE(inRoot(home() / "Applications/Tool.app/"));
    EXPECT_FALSE(inRoot(apps / "Folder/Sub/Tool.app"));
    EXPECT_FALSE(inRoot(apps / "Tool.APP"));
    EXPECT_FALSE(inRoot(apps / "../Elsewhere/Tool.app"));
    EXPECT_FALSE(inRoot(home() / "Downloads/Tool.app"));
    // A link inside a root that leads out of it lets nothing outside pass.
    tree.symlink(outside() / "Elsewhere", "Applications/Linked");
    tree.symlink(outside() / "Elsewhere/Deep", "Applications/Utilities/Deep");
    EXPECT_FALSE(inRoot(apps / "Linked/Deep/Tool.app"));
    EXPECT_FALSE(inRoot(apps / "Utilities/Deep/Tool.app"));

    // Linux applications: AppImages in ~/Applications (or one folder down) and
    // ~/.local/bin, folders in ~/Applications or one folder down.
    const fs::path image = test::program(user, "Applications/Tool.AppImage");
    const fs::path grouped = test::program(user, "Applications/Group/Tool.AppImage");
    const fs::path cli = test::program(user, ".local/bin/tool.appimage");
    const fs::path deep = test::program(user, "Applications/A/B/Tool.AppImage");
    const fs::path folder = test::program(user, "Applications/Unpacked/tool").parent_path();
    const fs::path groupedFolder =
        test::program(user, "Applications/JetBrains/idea/bin/idea.sh").parent_path().parent_path();
    const fs::path deepFolder = test::program(user, "Applications/A/B/C/tool").parent_path();
    const fs::path downloaded = test::program(user, "Downloads/Tool.AppImage");
    const fs::path plain = test::program(user, "Applications/tool");
    user.symlink(downloaded, "Applications/Link.AppImage");
    for (const fs::path& p : {image, grouped, cli, folder, groupedFolder}) EXPECT_TRUE(inRoot(p)) << p;
    for (const fs::path& p : {deep, deepFolder, downloaded, plain, home() / "Applications/Link.AppImage",
                              home() / "Applications/Group", home() / "Applications"})
        EXPECT_FALSE(inRoot(p)) << p;
}

TEST_F(UninstallTrashTest, TrashesWhatMayGoAndPurgesExactlyThat) {
    test::FileTree user(home());
    const fs::path app = test::program(user, "Applications/Tool.AppImage");
    const fs::path settings = user.file(".config/org.example.Tool/settings", 50000).parent_path();
    const fs::path cache = user.file("Library/Caches/com.example.tool", 9000);
    const fs::path unsafe = user.file("Documents/report.txt", 10);
    const fs::path parentStep = home() / ".config/../.config/org.example.Tool";
    const fs::path missing = home() / ".cache/org.example.Tool";
    const int64_t cacheBytes = test::FileTree::allocated(cache);

    // Something else removed the cache folder before the move: not a failure.
    const auto outcome = Uninstaller::trash({app, unsafe, parentStep, settings, cache, missing}, app, where_);
    EXPECT_EQ(outcome.failed, (std::vector<fs::path>{unsafe, parentStep}));
    ASSERT_EQ(outcome.inTrash.size(), 3u);
    const fs::path files = places().dataHome / "Trash/files";
    EXPECT_EQ(outcome.inTrash[0].path, files / "Tool.AppImage");
    EXPECT_EQ(outcome.inTrash[1].path, files / "org.example.Tool");
    EXPECT_EQ(outcome.inTrash[2].path, files / "com.example.tool");
    EXPECT_GT(outcome.trashed, 50000 + 9000);
    EXPECT_FALSE(present(app));
    EXPECT_FALSE(present(settings));
    EXPECT_TRUE(present(unsafe));
    EXPECT_TRUE(present(places().dataHome / "Trash/info/Tool.AppImage.trashinfo"));

    // The same application, opened from Downloads, never goes.
    const fs::path downloaded = test::program(user, "Downloads/Tool.AppImage");
    EXPECT_EQ(Uninstaller::trash({downloaded}, downloaded, where_).failed, (std::vector<fs::path>{downloaded}));
    EXPECT_TRUE(present(downloaded));
    // Gone before it was judged, a refused item is not counted either; a
    // dangling link is still something there.
    const fs::path link = user.symlink(home() / "nowhere", "Downloads/link");
    EXPECT_EQ(Uninstaller::trash({home() / "Downloads/gone", link}, downloaded, where_).failed,
              (std::vector<fs::path>{link}));

    // Something else took a trashed item's name since (perhaps with the same
    // inode number again): it stays.
    fs::remove_all(outcome.inTrash[2].path);
    user.file(outcome.inTrash[2].path, 10);
    const int64_t freed = Uninstaller::purgeFromTrash(outcome.inTrash, where_);
    EXPECT_EQ(freed, outcome.trashed - cacheBytes);
    EXPECT_FALSE(present(files / "Tool.AppImage"));
    EXPECT_FALSE(present(files / "org.example.Tool"));
    EXPECT_FALSE(present(places().dataHome / "Trash/info/Tool.AppImage.trashinfo"));
    EXPECT_TRUE(present(files / "com.example.tool"));
    EXPECT_EQ(Uninstaller::purgeFromTrash(outcome.inTrash, where_), 0);  // a second purge finds nothing
}

TEST_F(UninstallTrashTest, OnlyItemsStrictlyInsideATrash) {
    const auto inTrash = [this](const fs::path& p) { return Uninstaller::isInTrash(p, where_); };
    test::FileTree user(home());
    user.file(".Trash/Tool.app/x", 1);
    user.file(".local/share/Trash/files/Tool.AppImage", 1);
    EXPECT_TRUE(inTrash(home() / ".Trash/Tool.app"));
    EXPECT_TRUE(inTrash(home() / ".local/share/Trash/files/Tool.AppImage"));
    EXPECT_FALSE(inTrash(home() / ".Trash"));
    EXPECT_FALSE(inTrash(home() / ".Trash/../.Trash/Tool.app"));
    EXPECT_FALSE(inTrash("/Volumes/Disk/.Trashes"));
    EXPECT_FALSE(inTrash("/Volumes/Disk/.Trashes/501"));
    EXPECT_FALSE(inTrash(home() / ".local/share/Trash/files"));
    EXPECT_FALSE(inTrash(home() / ".local/share/Trash/info/Tool.AppImage.trashinfo"));

    // A purge asked for something outside a Trash removes nothing.
    const fs::path kept = user.file("Documents/keep", 10);
    const auto info = platform::entryInfo(kept);
    EXPECT_EQ(Uninstaller::purgeFromTrash({{kept, info->device, info->inode}}, where_), 0);
    EXPECT_TRUE(present(kept));
}

}  // namespace
