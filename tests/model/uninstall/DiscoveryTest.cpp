// Which applications the uninstaller lists, and how it names them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "UninstallFixtures.h"
#include "model/uninstall/AppDiscovery.h"
#include "model/uninstall/LinuxApps.h"

using namespace sorbeta;
namespace fs = std::filesystem;

namespace {

class DiscoveryTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        where_ = test::uninstallPlaces(places(), outside() / "Applications");
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> paths;
        for (const InstalledApp& app : Uninstaller::listApps(where_)) paths.push_back(app.url.native());
        return paths;
    }
    const InstalledApp* find(const std::vector<InstalledApp>& apps, const fs::path& url) const {
        const auto it = std::find_if(apps.begin(), apps.end(), [&](const InstalledApp& a) { return a.url == url; });
        return it == apps.end() ? nullptr : &*it;
    }

    UninstallPlaces where_;
};

TEST_F(DiscoveryTest, BundlesOfBothRootsOnceEachAtMostOneFolderDownSortedByName) {
    test::FileTree system(outside() / "Applications");
    test::FileTree user(home() / "Applications");
    const fs::path tool = test::bundle(
        system, "Tool.app", {{"CFBundleIdentifier", "com.example.tool"}, {"CFBundleShortVersionString", "1.0"}});
    test::bundle(user, "Tool Copy.app", {{"CFBundleIdentifier", "com.example.tool"}});  // same id: the first wins
    const fs::path util = test::bundle(system, "Utilities/App 10.app", {{"CFBundleIdentifier", "org.example.ten"}});
    const fs::path two = test::bundle(user, "App 2.app", {{"CFBundleIdentifier", "org.example.two"}});
    const fs::path three = test::bundle(user, "app 3.app", {{"CFBundleIdentifier", "org.example.three"}});
    test::bundle(system, "Folder/Sub/Deep.app", {{"CFBundleIdentifier", "org.example.deep"}});
    test::bundle(system, "Utilities/Caps.APP", {{"CFBundleIdentifier", "org.example.caps"}});
    test::bundle(system, ".Hidden.app", {{"CFBundleIdentifier", "org.example.hidden"}});
    test::bundle(system, ".group/Inside.app", {{"CFBundleIdentifier", "org.example.inside"}});
    test::bundle(system, "Safari.app", {{"CFBundleIdentifier", "com.Apple.Safari"}});
    test::bundle(user, "Sorbeta.app", {{"CFBundleIdentifier", "com.rovek.Sorbeta"}});
    system.text("NoId.app/Contents/Info.plist", test::plist({{"CFBundleName", "NoId"}}));
    system.file("Broken.app", 10);  // a file by that name is no bundle

    EXPECT_EQ(listed(), (std::vector<std::string>{two, three, util, tool}));
    const auto apps = Uninstaller::listApps(where_);
    EXPECT_EQ(find(apps, tool)->version, "1.0");
    EXPECT_EQ(find(apps, tool)->name, "Tool");
    EXPECT_EQ(find(apps, util)->version, "");
    EXPECT_EQ(find(apps, util)->kind, AppKind::bundle);
    EXPECT_TRUE(Uninstaller::isProtected("org.example.x", "/System/Applications/X.app", where_));
    EXPECT_FALSE(Uninstaller::isProtected("org.example.x", "/Applications/System/X.app", where_));

    // Missing roots are normal.
    where_.systemApplications = outside() / "nowhere";
    fs::remove_all(home() / "Applications");
    EXPECT_TRUE(listed().empty());
}

TEST_F(DiscoveryTest, DisplayNamesFallBackFromFileNameToInfoToTheBareName) {
    EXPECT_EQ(Uninstaller::displayName("/A/ Editor.app ", {}), "Editor");
    EXPECT_EQ(Uninstaller::displayName("/A/Tool.app", {{"CFBundleDisplayName", "Other"}}), "Tool");
    const QVariantMap blank{{"CFBundleDisplayName", "  \n"}, {"CFBundleName", ""}};
    EXPECT_EQ(Uninstaller::displayName("/A/ .app", blank), " ");
    EXPECT_EQ(Uninstaller::displayName("/A/.app", {{"CFBundleDisplayName", "Shown.APP"}}), "Shown");
    EXPECT_EQ(Uninstaller::displayName("/A/.app", {{"CFBundleName", 7}}), "");
}

TEST_F(DiscoveryTest, AppImagesAndUnpackedFoldersAUserInstalled) {
    test::FileTree tree(home());
    const fs::path bare = test::program(tree, "Applications/Tool-1.2.3-x86_64.AppImage");
    const fs::path editor = test::program(tree, "Applications/Editor.appimage");
    test::desktopEntry(places(), "org.example.Editor",
                       "Name=Editor\nName[zh_CN]=编辑器\nStartupWMClass=editor-app\nX-AppImage-Version=2.0\n"
                       "Icon=org.example.Editor\nExec=\"" +
                           editor.native() + "\" %U\n");
    const fs::path grouped = test::program(tree, "Applications/Group/Grouped.AppImage");
    test::program(tree, "Applications/Group/Sub/TooDeep.AppImage");
    const fs::path unpacked = test::program(tree, "Applications/Unpacked/bin/unpacked");
    test::desktopEntry(places(), "unpacked-app",
                       "Name=Unpacked App\nTryExec=" + unpacked.native() + "\nExec=unpacked\n");
    test::program(tree, "Applications/Stray/bin/stray");  // no desktop entry runs it
    const fs::path cli = test::program(tree, ".local/bin/Cli.AppImage");
    const fs::path downloaded = test::program(tree, "Downloads/Dl.AppImage");
    test::desktopEntry(places(), "dl", "Exec=" + downloaded.native() + "\n");
    tree.symlink(bare, "Applications/Link.AppImage");  // not a second application
    tree.file("Applications/NoExec.AppImage", 10);
    const fs::path own = test::program(tree, "Applications/Sorbeta-1.0.AppImage");
    where_.ownAppImage = own;
    const fs::path ownFolder = test::program(tree, "Applications/SorbetaDir/sorbeta");
    test::desktopEntry(places(), "com.rovek.sorbeta", "Exec=" + ownFolder.native() + "\n");
    const fs::path hidden = test::program(tree, "Applications/Gone.AppImage");
    test::desktopEntry(places(), "org.example.Gone", "Hidden=true\nExec=" + hidden.native() + "\n");

    const auto apps = Uninstaller::listApps(where_);
    std::vector<std::string> urls;
    for (const InstalledApp& app : apps) urls.push_back(app.url.native());
    std::vector<std::string> expected{bare, editor, grouped, home() / "Applications/Unpacked", cli, hidden};
    std::sort(urls.begin(), urls.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(urls, expected);

    const InstalledApp* plain = find(apps, bare);
    EXPECT_EQ(plain->kind, AppKind::appImage);
    EXPECT_EQ(plain->name, "Tool");
    EXPECT_EQ(plain->bundleID, "Tool");
    EXPECT_EQ(plain->version, "1.2.3");
    EXPECT_TRUE(plain->desktop.entry.empty());
    const InstalledApp* named = find(apps, editor);
    EXPECT_EQ(named->name, "编辑器");
    EXPECT_EQ(named->bundleID, "org.example.Editor");
    EXPECT_EQ(named->version, "2.0");
    EXPECT_EQ(named->desktop.aliases, (std::vector<QString>{"Editor", "editor-app"}));
    EXPECT_EQ(named->desktop.icon, "org.example.Editor");
    const InstalledApp* folder = find(apps, home() / "Applications/Unpacked");
    EXPECT_EQ(folder->kind, AppKind::folder);
    EXPECT_EQ(folder->bundleID, "unpacked-app");
    EXPECT_EQ(folder->name, "Unpacked App");
    EXPECT_EQ(folder->desktop.program, unpacked);
    EXPECT_EQ(find(apps, hidden)->bundleID, "Gone");  // a hidden entry names nothing
}

TEST_F(DiscoveryTest, AFolderOfUnpackedAppsListsEachOnItsOwn) {
    // Two IDEs unpacked side by side in one folder: uninstalling one must
    // never take the other.
    test::FileTree tree(home());
    const fs::path idea = test::program(tree, "Applications/JetBrains/idea/bin/idea.sh");
    const fs::path pycharm = test::program(tree, "Applications/JetBrains/pycharm/bin/pycharm.sh");
    test::desktopEntry(places(), "jetbrains-idea", "Name=IntelliJ IDEA\nExec=" + idea.native() + "\n");
    test::desktopEntry(places(), "jetbrains-pycharm", "Name=PyCharm\nExec=" + pycharm.native() + "\n");
    // One application whose two launchers run from one folder inside stays one.
    const fs::path office = test::program(tree, "Applications/Office/program/soffice");
    test::desktopEntry(places(), "office", "Name=Office\nExec=" + office.native() + "\n");
    test::desktopEntry(places(), "office-start", "Name=Office Start\nExec=" + office.native() + " --start\n");
    // A launcher of a program lying in the folder itself makes it one application.
    const fs::path suite = test::program(tree, "Applications/Suite/suite");
    const fs::path tool = test::program(tree, "Applications/Suite/tools/tool");
    test::desktopEntry(places(), "suite", "Name=Suite\nExec=" + suite.native() + "\n");
    test::desktopEntry(places(), "suite-tool", "Name=Suite Tool\nExec=" + tool.native() + "\n");

    const auto apps = Uninstaller::listApps(where_);
    std::vector<std::string> urls;
    for (const InstalledApp& app : apps) urls.push_back(app.url.native());
    std::sort(urls.begin(), urls.end());
    const std::vector<std::string> expected{home() / "Applications/JetBrains/idea",
                                            home() / "Applications/JetBrains/pycharm", home() / "Applications/Office",
                                            home() / "Applications/Suite"};
    EXPECT_EQ(urls, expected);
    EXPECT_EQ(find(apps, home() / "Applications/JetBrains/idea")->name, "IntelliJ IDEA");
    EXPECT_EQ(find(apps, home() / "Applications/JetBrains/pycharm")->desktop.program, pycharm);
}

TEST_F(DiscoveryTest, NamesAndVersionsFromAppImageFileNames) {
    const auto parts = [](const std::string& file) {
        const auto found = Uninstaller::nameFromFile(file);
        return (found.name + "|" + found.version).toStdString();
    };
    EXPECT_EQ(parts("Tool-1.2.3-x86_64.AppImage"), "Tool|1.2.3");
    EXPECT_EQ(parts("My-Tool-v2.0.1.AppImage"), "My-Tool|2.0.1");
    EXPECT_EQ(parts("tool_aarch64.APPIMAGE"), "tool|");
    EXPECT_EQ(parts("Tool.AppImage"), "Tool|");
    EXPECT_EQ(parts("2048-x86_64.AppImage"), "2048|");
    EXPECT_TRUE(Uninstaller::isAppImageName("a.aPpImAgE"));
    EXPECT_FALSE(Uninstaller::isAppImageName(".AppImage"));
    EXPECT_FALSE(Uninstaller::isAppImageName("Tool.AppImage.zs"));
}

}  // namespace
