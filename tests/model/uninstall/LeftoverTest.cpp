// What an application left behind: templates, names, order and safety.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "UninstallFixtures.h"
#include "model/uninstall/LeftoverSearch.h"
#include "model/uninstall/LinuxLaunchers.h"
#include "model/uninstall/LinuxLeftovers.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using Kind = Leftover::Kind;

namespace {

class LeftoverTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        where_ = test::uninstallPlaces(places(), outside() / "Applications");
    }
    // "<path below home>:<kind>" per leftover, in result order.
    std::vector<std::string> found(const InstalledApp& app, bool nameIsShared = false) const {
        std::vector<std::string> rows;
        for (const Leftover& l : Uninstaller::findLeftovers(app, false, nameIsShared, where_))
            rows.push_back(l.url.lexically_relative(home()).native() + ":" + std::to_string(int(l.kind)));
        return rows;
    }
    static std::string row(const std::string& path, Kind kind) { return path + ":" + std::to_string(int(kind)); }

    UninstallPlaces where_;
};

TEST(LeftoverNames, PlainIdentifiersAndNames) {
    using namespace Uninstaller;
    for (const char* id : {"example.tool", "a.b.c", "com.example.tool", "org.x-y.Z9"})
        EXPECT_TRUE(isPlainBundleID(id)) << id;
    for (const char* id :
         {"com.example", "IO.tool", "ab", "com.ex ample", "com.ex_ample", ".com.x", "com..x", "x.", "tool", "-a.b"})
        EXPECT_FALSE(isPlainBundleID(id)) << id;
    EXPECT_TRUE(isPlainLinuxID("my_tool"));
    EXPECT_TRUE(isPlainLinuxID("org.example.My_Tool"));
    for (const char* id : {"code", "Helper", "icons", "autostart", "to", "_tool", "com.tool", "my tool"})
        EXPECT_FALSE(isPlainLinuxID(id)) << id;
    EXPECT_TRUE(isPlainName("Tool Pro 2"));
    for (const QString& name :
         QStringList{"", ".Tool", "a..b", "a/b", "a:b", "a~", "a*", "a\nb", QStringLiteral("a\u2028b")})
        EXPECT_FALSE(isPlainName(name)) << name.toStdString();
    EXPECT_EQ(Leftover::label(Kind::cache), "缓存");
    EXPECT_EQ(Leftover::hint(Kind::agent), "开机时自动运行的小助手");
}

TEST_F(LeftoverTest, LibraryTemplatesInOrderLargestFirst) {
    test::FileTree tree(home() / "Library");
    tree.file("Application Support/com.example.tool/a", 40000);
    tree.file("Application Support/Tool/a", 90000);
    tree.file("Caches/com.example.tool", 100);
    tree.file("Preferences/com.example.tool.plist", 1000);
    tree.file("Preferences/ByHost/com.example.tool.ABC-123.plist", 1000);
    tree.file("LaunchAgents/com.example.tool.agent.plist", 1000);
    tree.file("LaunchAgents/com.example.toolbox.plist", 1000);  // reached by the wildcard, not its own
    tree.file("Group Containers/ABCDE12345.com.example.tool", 1000);
    tree.file("Logs/Tool", 1000);
    tree.file("Caches/Keychains/com.example.tool", 50);  // behind a secret store's name: never
    tree.file("Caches/tool/x", 5000);                    // the name keeps its case
    tree.file("com.example.tool", 5);                    // directly in ~/Library: never

    InstalledApp app{.url = outside() / "Applications/Tool.app", .name = "Tool", .bundleID = "com.example.tool"};
    const auto rows = found(app);
    ASSERT_EQ(rows.size(), 8u) << ::testing::PrintToString(rows);
    EXPECT_EQ(rows[0], row("Library/Application Support/Tool", Kind::support));
    EXPECT_EQ(rows[1], row("Library/Application Support/com.example.tool", Kind::support));
    // Equal sizes (one block each) keep template order.
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 2, rows.end()),
              (std::vector<std::string>{row("Library/Caches/com.example.tool", Kind::cache),
                                        row("Library/Preferences/com.example.tool.plist", Kind::prefs),
                                        row("Library/Preferences/ByHost/com.example.tool.ABC-123.plist", Kind::prefs),
                                        row("Library/Logs/Tool", Kind::logs),
                                        row("Library/LaunchAgents/com.example.tool.agent.plist", Kind::agent),
                                        row("Library/Group Containers/ABCDE12345.com.example.tool", Kind::container)}));

    // A shared or generic name is not searched by; an identifier too vague finds nothing.
    EXPECT_EQ(found(app, true).size(), 6u);
    app.name = "helper";
    EXPECT_EQ(found(app).size(), 6u);
    app.bundleID = "com.tool";
    EXPECT_TRUE(found(app).empty());
}

TEST_F(LeftoverTest, LibraryLeftoversAreJudgedWhereTheyLie) {
    test::FileTree tree(home());
    tree.file("Library/Caches/com.example.tool/x", 100);
    tree.file(outside() / "Library/Caches/com.example.other/x", 100);
    tree.symlink(outside() / "Library/Caches", "Library/WebKit");
    tree.symlink(outside() / "Library/Caches/com.example.other", "Library/Caches/com.example.other");
    InstalledApp other{.url = outside() / "Applications/Other.app", .name = "Other", .bundleID = "com.example.other"};
    // The link itself lies in ~/Library/Caches: it goes, not what it leads to; a
    // parent that leads out of home is refused.
    EXPECT_EQ(found(other), (std::vector<std::string>{row("Library/Caches/com.example.other", Kind::cache)}));
    EXPECT_FALSE(Uninstaller::isSafeLeftover(home() / "Library/WebKit/com.example.other", where_));
    EXPECT_FALSE(Uninstaller::isSafeLeftover(home() / "Library/Caches", where_));
    EXPECT_FALSE(Uninstaller::isSafeLeftover(home() / "Library/Caches/../Caches/x", where_));
    EXPECT_FALSE(Uninstaller::isSafeLeftover(home() / "nowhere/Caches/x", where_));
    EXPECT_TRUE(Uninstaller::isSafeLeftover(home() / "Library/Caches/com.example.tool", where_));
}

TEST_F(LeftoverTest, LinuxTemplatesAgentsAndLaunchersByWhatTheyRun) {
    test::FileTree tree(home());
    const fs::path image = test::program(tree, "Applications/Tool.AppImage");
    // Sizes on disk: the cache is the largest, the rest weigh the same.
    tree.file(".config/org.example.Tool/settings", 10);
    tree.file(".config/Tool Pro/x", 10);      // the localised name
    tree.file(".local/share/tool-wm/x", 10);  // StartupWMClass, as Electron names folders
    tree.file(".cache/org.example.Tool/x", 400000);
    tree.file(".local/state/Tool Pro/x", 10);
    tree.file(".var/app/org.example.Tool/x", 10);
    tree.file(".local/share/icons/hicolor/48x48/apps/org.example.Tool.png", 5);
    tree.file(".local/share/icons/hicolor/48x48/apps/org.example.Toolbox.png", 5);
    tree.file(".local/share/icons/hicolor/scalable/apps/org.example.Tool.svg", 5);
    tree.file(".local/share/icons/org.example.Tool.xpm", 5);
    // The user's icon theme draws the same name: the theme keeps it.
    tree.file(".local/share/icons/Papirus/48x48/apps/org.example.Tool.svg", 5);
    tree.file(".local/share/icons/hicolor/48x48/mimetypes/org.example.Tool.png", 5);
    tree.text(".config/autostart/tool.desktop", "[Desktop Entry]\nExec=env A=1 " + image.native() + " --tray\n");
    tree.text(".config/autostart/other.desktop", "[Desktop Entry]\nName=Tool Pro\nExec=/usr/bin/other\n");
    tree.text(".config/systemd/user/tool-sync.service", "[Service]\nExecStart=-%h/Applications/Tool.AppImage --sync\n");
    tree.text(".config/systemd/user/tool-sync.timer", "[Timer]\nOnCalendar=daily\n");
    tree.text(".config/systemd/user/other.service", "[Service]\nExecStart=/usr/bin/other\n");
    tree.symlink("../tool-sync.timer", ".config/systemd/user/timers.target.wants/tool-sync.timer");
    tree.symlink("../other.service", ".config/systemd/user/default.target.wants/other.service");
    const fs::path launcher = test::desktopEntry(places(), "org.example.Tool",
                                                 "Name=Tool\nName[zh_CN]=Tool Pro\nStartupWMClass=tool-wm\n"
                                                 "Icon=org.example.Tool\nExec=" +
                                                     image.native() + " %U\n");
    tree.file(".config/applications/x", 1);  // a shared desktop folder is never claimed by name
    tree.file(".local/share/Trash/files/org.example.Tool", 1);

    InstalledApp app{.url = image, .name = "Tool Pro", .bundleID = "org.example.Tool", .kind = AppKind::appImage};
    app.desktop.aliases = {"Tool", "tool-wm"};
    const auto leftovers = Uninstaller::findLeftovers(app, false, false, where_);
    std::vector<std::string> rows;
    for (const Leftover& l : leftovers)
        rows.push_back(l.url.lexically_relative(home()).native() + ":" + std::to_string(int(l.kind)));
    std::vector<std::string> expected{
        row(".cache/org.example.Tool", Kind::cache), row(".config/org.example.Tool", Kind::prefs),
        row(".config/Tool Pro", Kind::prefs),        row(".local/share/tool-wm", Kind::support),
        row(".local/state/Tool Pro", Kind::state),   row(".var/app/org.example.Tool", Kind::container),
    };
    ASSERT_GE(rows.size(), expected.size()) << ::testing::PrintToString(rows);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 6), expected) << ::testing::PrintToString(rows);
    std::vector<std::string> small(rows.begin() + 6, rows.end());
    std::sort(small.begin(), small.end());
    std::vector<std::string> agentsAndLaunchers{
        row(".config/autostart/tool.desktop", Kind::agent),
        row(".config/systemd/user/timers.target.wants/tool-sync.timer", Kind::agent),
        row(".config/systemd/user/tool-sync.service", Kind::agent),
        row(".config/systemd/user/tool-sync.timer", Kind::agent),
        row(".local/share/applications/org.example.Tool.desktop", Kind::other),
        row(".local/share/icons/hicolor/48x48/apps/org.example.Tool.png", Kind::other),
        row(".local/share/icons/hicolor/scalable/apps/org.example.Tool.svg", Kind::other),
        row(".local/share/icons/org.example.Tool.xpm", Kind::other),
    };
    EXPECT_EQ(small, agentsAndLaunchers);
    EXPECT_TRUE(fs::exists(launcher));
    // Read once for a whole listing, the launchers give the same answer.
    EXPECT_EQ(Uninstaller::findLeftovers(app, false, false, where_, Uninstaller::LinuxLaunchers::read(where_)),
              leftovers);

    // A Flatpak of that id owns ~/.var/app/<id>.
    tree.dir(".local/share/flatpak/app/org.example.Tool");
    const auto again = Uninstaller::findLeftovers(app, false, false, where_);
    EXPECT_TRUE(std::none_of(again.begin(), again.end(), [](const Leftover& l) { return l.kind == Kind::container; }));
}

TEST_F(LeftoverTest, AnAppImageNamedLikeAnInstalledProgramClaimsNoFolderByName) {
    test::FileTree tree(home());
    const fs::path image = test::program(tree, "Applications/nvim.AppImage");
    tree.file(".config/nvim/init.lua", 10);  // the user's own settings, often a repository
    tree.file(".local/state/nvim/undo/x", 10);
    test::FileTree bin(outside() / "bin");
    where_.programFolders = {outside() / "bin", home() / ".local/bin"};
    // Named from its file, as an AppImage without a launcher is.
    const InstalledApp app{.url = image, .name = "nvim", .bundleID = "nvim", .kind = AppKind::appImage};

    // Alone, or reached through a link of its own on the command line, it is nvim.
    tree.symlink(image, ".local/bin/nvim");
    const std::vector<std::string> own{row(".config/nvim", Kind::prefs), row(".local/state/nvim", Kind::state)};
    auto sorted = [](std::vector<std::string> rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(sorted(found(app)), own);

    // Beside a distribution's nvim those folders are that nvim's as much.
    test::program(bin, "nvim");
    EXPECT_TRUE(found(app).empty()) << ::testing::PrintToString(found(app));
    // A plain file of that name is no program.
    fs::remove(outside() / "bin/nvim");
    bin.file("nvim", 10);
    EXPECT_EQ(sorted(found(app)), own);
}

TEST_F(LeftoverTest, AProgramInAnyLetterCaseOrBesideAFolderAppKeepsItsFolders) {
    test::FileTree tree(home());
    test::FileTree bin(outside() / "bin");
    where_.programFolders = {outside() / "bin", home() / ".local/bin"};
    auto sorted = [](std::vector<std::string> rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    };

    // Debian's gimp keeps its settings in ~/.config/GIMP, the name a GIMP
    // AppImage without a launcher is searched by.
    const fs::path image = test::program(tree, "Applications/GIMP-3.0.2-x86_64.AppImage");
    tree.file(".config/GIMP/2.10/gimprc", 10);
    const InstalledApp gimp{.url = image, .name = "GIMP", .bundleID = "GIMP", .kind = AppKind::appImage};
    EXPECT_EQ(found(gimp), (std::vector<std::string>{row(".config/GIMP", Kind::prefs)}));
    test::program(bin, "gimp");
    EXPECT_TRUE(found(gimp).empty()) << ::testing::PrintToString(found(gimp));

    // An unpacked Blender is its own program, whether run from its folder or
    // through a link of its own on the command line.
    const fs::path folder = home() / "Applications/blender-4.1.1-linux-x64";
    const fs::path program = test::program(tree, "Applications/blender-4.1.1-linux-x64/blender");
    test::desktopEntry(places(), "blender", "Name=Blender\nExec=" + program.native() + " %F\n");
    tree.file(".config/blender/4.1/config/userpref.blend", 10);
    tree.file(".cache/blender/x", 10);
    InstalledApp blender{.url = folder, .name = "Blender", .bundleID = "blender", .kind = AppKind::folder};
    const std::vector<std::string> own{row(".cache/blender", Kind::cache), row(".config/blender", Kind::prefs),
                                       row(".local/share/applications/blender.desktop", Kind::other)};
    EXPECT_EQ(sorted(found(blender)), own);
    tree.symlink(program, ".local/bin/blender");
    EXPECT_EQ(sorted(found(blender)), own);
    // Beside Debian's blender those folders are that Blender's as much; its
    // launcher is still its own.
    test::program(bin, "blender");
    EXPECT_EQ(found(blender),
              (std::vector<std::string>{row(".local/share/applications/blender.desktop", Kind::other)}));
}

TEST_F(LeftoverTest, AnotherCopyOfTheSameAppImageKeepsTheFoldersItUses) {
    test::FileTree tree(home());
    const fs::path image = test::program(tree, "Applications/Foo-1.2.AppImage");
    tree.file(".config/Foo/settings", 10);
    tree.file(".cache/Foo/x", 10);
    const fs::path launcher = test::desktopEntry(places(), "foo", "Name=Foo\nExec=" + image.native() + "\n");
    // Named from its file, as the listing names it.
    const InstalledApp app{.url = image, .name = "Foo", .bundleID = "Foo", .kind = AppKind::appImage};
    auto sorted = [](std::vector<std::string> rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    const std::string own = row(".local/share/applications/foo.desktop", Kind::other);

    // Alone, or beside a link of its own, the folders are its own.
    tree.symlink(image, ".local/bin/Foo.AppImage");
    EXPECT_EQ(sorted(found(app)),
              (std::vector<std::string>{row(".cache/Foo", Kind::cache), row(".config/Foo", Kind::prefs), own}));

    // A newer copy in Downloads, not yet made runnable, goes by the same name:
    // only what runs this copy goes.
    const fs::path newer = tree.file("Downloads/Foo-1.3-x86_64.AppImage", 10);
    EXPECT_EQ(found(app), (std::vector<std::string>{own}));
    fs::remove(newer);
    // So does one a launcher runs from anywhere, or one grouped in ~/Applications.
    const fs::path elsewhere = test::program(tree, "Programs/foo.AppImage");
    test::desktopEntry(places(), "foo-old", "Name=Foo (old)\nExec=" + elsewhere.native() + " %U\n");
    EXPECT_EQ(found(app), (std::vector<std::string>{own}));
    fs::remove(places().dataHome / "applications/foo-old.desktop");
    test::program(tree, "Applications/Old/foo-1.0.AppImage");
    EXPECT_EQ(found(app), (std::vector<std::string>{own}));
    EXPECT_TRUE(fs::exists(launcher));
}

TEST_F(LeftoverTest, AnIconAnotherLauncherShowsStays) {
    test::FileTree tree(home());
    const fs::path image = test::program(tree, "Applications/Tool.AppImage");
    const fs::path png = tree.file(".local/share/icons/hicolor/48x48/apps/tool.png", 5);
    const fs::path xpm = tree.file(".local/share/icons/tool.xpm", 5);
    test::desktopEntry(places(), "tool", "Name=Tool\nIcon=tool\nExec=" + image.native() + "\n");
    // A second launcher of its own names the icon too: it goes with the rest.
    test::desktopEntry(places(), "tool-new-window",
                       "Name=Tool\nIcon=" + xpm.native() + "\nExec=" + image.native() + " --new-window\n");
    const InstalledApp app{.url = image, .name = "Tool", .bundleID = "org.example.Tool", .kind = AppKind::appImage};
    const std::string pngRow = row(".local/share/icons/hicolor/48x48/apps/tool.png", Kind::other);
    const std::string xpmRow = row(".local/share/icons/tool.xpm", Kind::other);
    auto icons = [&] {
        std::vector<std::string> rows;
        for (const std::string& r : found(app))
            if (r == pngRow || r == xpmRow) rows.push_back(r);
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(icons(), (std::vector<std::string>{pngRow, xpmRow}));

    // Another application's launcher shows one file by its path: that file stays.
    test::desktopEntry(places(), "other", "Name=Other\nIcon=" + xpm.native() + "\nExec=/usr/bin/other\n");
    EXPECT_EQ(icons(), (std::vector<std::string>{pngRow}));
    // By the theme name, it shows them all.
    test::desktopEntry(places(), "other", "Name=Other\nIcon=tool\nExec=/usr/bin/other\n");
    EXPECT_TRUE(icons().empty()) << ::testing::PrintToString(icons());
    EXPECT_TRUE(fs::exists(png));
}

TEST_F(LeftoverTest, ProgramFoldersAreTheAbsoluteFoldersOfThePath) {
    const QByteArray before = qgetenv("PATH");
    qputenv("PATH", "/usr/local/bin:bin::/usr/bin:");
    const auto folders = UninstallPlaces::system(places()).programFolders;
    qputenv("PATH", before);
    EXPECT_EQ(folders, (std::vector<fs::path>{"/usr/local/bin", "/usr/bin"}));
}

TEST_F(LeftoverTest, LinuxSafetyKeepsSharedFoldersAndOurOwnData) {
    test::FileTree tree(home());
    tree.file(".config/autostart/x.desktop", 1);
    tree.file(".config/tool/x", 1);
    tree.file(".local/share/Sorbeta/history.json", 1);
    tree.file(".local/share/keyrings/login.keyring", 1);
    tree.file(".local/share/applications/sub/x.desktop", 1);
    tree.symlink(outside(), ".config/out");
    const auto safe = [this](const fs::path& p) { return Uninstaller::isSafeLeftover(home() / p, where_); };
    EXPECT_TRUE(safe(".config/tool"));
    EXPECT_TRUE(safe(".config/autostart/x.desktop"));
    EXPECT_FALSE(safe(".config"));
    EXPECT_FALSE(safe(".config/autostart"));
    EXPECT_FALSE(safe(".local/share/applications/sub"));
    EXPECT_FALSE(safe(".local/share/keyrings/login.keyring"));
    EXPECT_FALSE(safe(".local/share/Sorbeta"));
    EXPECT_FALSE(safe(".config/out/x"));
    EXPECT_FALSE(safe("Documents/tool"));
    EXPECT_FALSE(safe(".config/missing/x"));
}

}  // namespace
