#include <gtest/gtest.h>
#include <regex.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "FileTree.h"
#include "LinuxHome.h"
#include "TestEnvironment.h"
#include "model/catalog/Catalog.h"
#include "model/catalog/LinuxCatalog.h"
#include "model/disk/Removal.h"
#include "model/disk/RowRoots.h"
#include "model/disk/Targets.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// A Linux rule root that begins in the settings or data folder may only name
// a cache or log leaf there, never an application's folder wholesale.
bool isCacheOrLogLeaf(const std::string& root) {
    static const std::set<std::string> exceptions{"{data}/Trash/files", "{data}/Trash/info", "{data}/pnpm/store"};
    if (exceptions.count(root)) return true;
    const std::string leaf = fs::path(root).filename().native();
    std::string lower = leaf;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    const bool named = lower.find("cache") != std::string::npos || lower == "logs" || lower == "log" ||
                       root.ends_with("/Crashpad/completed") || root.ends_with("/Crash Reports/completed");
    return named && leaf.find('*') == std::string::npos;
}

TEST(LinuxCatalogTest, LayersBelongToRowsAndRuleRootsNameOnlyLeaves) {
    for (const CategorySpec& spec : Catalog::categories()) (void)LinuxCatalog::category(spec.id);
    std::set<std::string> layered;
    for (const CleanSpec& spec : Catalog::cleanables()) {
        const LinuxCatalog::RuleLayer* layer = LinuxCatalog::rule(spec.id);
        if (!layer) continue;
        layered.insert(spec.id);
        for (const std::string& root : layer->roots) {
            EXPECT_TRUE(startsWith(root, "{") || startsWith(root, "~/")) << spec.id << ": " << root;
            if (startsWith(root, "{config}") || startsWith(root, "{data}")) {
                EXPECT_TRUE(isCacheOrLogLeaf(root)) << spec.id << ": " << root;
            }
            // Documents are the user's: only a rule that says so may reach them.
            if (startsWith(root, "{Documents}") || startsWith(root, "{Downloads}")) {
                EXPECT_TRUE(layer->allowUserFolders || spec.allowUserFolders) << spec.id << ": " << root;
            }
        }
        for (const LinuxCatalog::ChildPlaces& children : layer->children) {
            EXPECT_NE(children.folder, "{config}") << spec.id;
            EXPECT_NE(children.folder, "{data}") << spec.id;
        }
    }
    // Rows with a Linux counterpart; the Xcode, device, LINE and CapCut rows have none.
    for (const char* id :
         {"browser", "yarn", "pip", "brew", "spm", "gobuild", "devcaches", "logs", "partial", "installers", "pnpm",
          "trash", "appcache", "wechatcache", "wechatmedia", "qqcache", "discordcache", "slackcache", "telegrammedia"})
        EXPECT_TRUE(layered.count(id)) << id;
    for (const char* id :
         {"derived", "simcache", "devicesupport", "archives", "ipsw", "backups", "linecache", "capcut"})
        EXPECT_FALSE(layered.count(id)) << id;
    // An AppImage in Downloads is the installed application itself.
    for (const std::string& root : LinuxCatalog::rule("installers")->roots)
        EXPECT_EQ(root.find("AppImage"), std::string::npos);
}

// A row marked macOS-only is hidden from the rules a user can switch on: it
// must have no Linux places and only Xcode's own folders as roots.
TEST(LinuxCatalogTest, OnlyXcodeRowsWithoutLinuxPlacesAreMacOnly) {
    std::set<std::string> macOnly;
    for (const CleanSpec& spec : Catalog::cleanables()) {
        if (!LinuxCatalog::macOnly(spec.id)) continue;
        macOnly.insert(spec.id);
        EXPECT_EQ(LinuxCatalog::rule(spec.id), nullptr) << spec.id;
        for (const std::string& root : spec.roots)
            EXPECT_TRUE(startsWith(root, "~/Library/Developer/") ||
                        root.find("com.apple.dt.Xcode") != std::string::npos)
                << spec.id << ": " << root;
    }
    EXPECT_EQ(macOnly, (std::set<std::string>{"derived", "simcache", "xcodecache", "devicesupport", "archives"}));
    // CocoaPods keeps ~/Library/Caches/CocoaPods on Linux too.
    EXPECT_FALSE(LinuxCatalog::macOnly("pods"));
}

TEST(LinuxCatalogTest, GuardsJoinTheRowsAndProcessPatternsNameTheExecutable) {
    const CleanSpec& browser = *Catalog::cleanable("browser");
    const auto ids = LinuxCatalog::guardIdentities(browser);
    EXPECT_EQ(std::vector<std::string>(ids.begin(), ids.begin() + long(browser.guardBundleIDs.size())),
              browser.guardBundleIDs);  // the row's own first
    for (const char* id : {"firefox", "google-chrome", "org.mozilla.firefox", "chromium"})
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());  // no repeats

    // pgrep -f matches POSIX extended expressions against whole command lines.
    auto runs = [](const char* rule, const std::string& commandLine) {
        bool found = false;
        for (const std::string& pattern : LinuxCatalog::guardProcesses(*Catalog::cleanable(rule))) {
            regex_t compiled;
            EXPECT_EQ(::regcomp(&compiled, pattern.c_str(), REG_EXTENDED | REG_NOSUB), 0) << pattern;
            found = found || ::regexec(&compiled, commandLine.c_str(), 0, nullptr, 0) == 0;
            ::regfree(&compiled);
        }
        return found;
    };
    EXPECT_TRUE(runs("browser", "/opt/google/chrome/chrome --type=renderer"));
    EXPECT_TRUE(runs("browser", "/usr/lib/firefox-esr/firefox-esr"));
    EXPECT_TRUE(runs("browser", "firefox"));
    EXPECT_FALSE(runs("browser", "/usr/lib/slack/chrome_crashpad_handler --monitor-self"));
    EXPECT_FALSE(runs("browser", "/usr/bin/chromedriver"));
    EXPECT_TRUE(runs("slackcache", "/usr/lib/slack/slack --enable-crashpad"));
    EXPECT_FALSE(runs("slackcache", "/usr/bin/slackcat"));
    EXPECT_TRUE(runs("discordcache", "/usr/share/discord/Discord"));
    EXPECT_TRUE(runs("gradlecache", "GradleDaemon"));  // the row's own guard stays
    // A torrent client's unfinished ".part" files are not a browser's.
    EXPECT_TRUE(runs("partial", "/usr/bin/transmission-gtk"));
    EXPECT_TRUE(runs("partial", "/usr/bin/transmission-daemon --foreground"));
    EXPECT_FALSE(runs("partial", "/usr/bin/transmission-remote --list"));
}

class LinuxHomeTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        test::FileTree tree(home());
        onLinux = test::LinuxHome::build(tree, places());
    }
    // A path as the fixture writes it: relative to home, or "/…" below the system root.
    std::string named(const fs::path& path) const {
        const std::string text = path.native();
        const std::string system = onLinux.systemRoot.native();
        if (startsWith(text, system + "/")) return text.substr(system.size());
        return path.lexically_relative(home()).native();
    }
    platform::Places onLinux;
};

TEST_F(LinuxHomeTest, EveryRuleFindsExactlyItsLinuxPlacesAndNeverAProtectedOne) {
    const auto expected = test::LinuxHome::expectedRuleTargets();
    std::map<std::string, std::set<std::string>> wanted;
    for (const auto& finds : expected) wanted[finds.rule] = {finds.paths.begin(), finds.paths.end()};

    for (const CleanSpec& spec : Catalog::cleanables()) {
        const auto found = DiskScanner::targets(spec, {}, onLinux);
        std::set<std::string> names;
        for (const fs::path& path : found) names.insert(named(path));
        EXPECT_EQ(names, wanted[spec.id]) << spec.id;
        EXPECT_EQ(names.size(), found.size()) << spec.id << " lists a place twice";
        for (const std::string& secret : test::LinuxHome::protectedFiles())
            for (const fs::path& path : found)
                EXPECT_FALSE(DiskScanner::isWithin(home() / secret, path)) << spec.id << " reaches " << secret;
    }
}

TEST_F(LinuxHomeTest, CategoriesCountEveryFileOnceAndLeaveEachToTheRightOne) {
    std::map<std::string, std::vector<fs::path>> roots;
    for (const CategorySpec& spec : Catalog::categories()) {
        for (const fs::path& root : DiskScanner::categoryRoots(spec, onLinux))
            if (fs::exists(fs::symlink_status(root))) roots[spec.id].push_back(root);
    }
    auto owners = [&](const fs::path& file) {
        std::vector<std::string> ids;
        for (const auto& [id, list] : roots)
            for (const fs::path& root : list)
                if (DiskScanner::isWithin(file, root)) ids.push_back(id);
        return ids;
    };
    // No file lies under two roots, of one category or of two.
    for (const fs::path& top : {home(), onLinux.systemRoot}) {
        for (auto it = fs::recursive_directory_iterator(top); it != fs::recursive_directory_iterator(); ++it) {
            if (!it->is_regular_file()) continue;
            EXPECT_LE(owners(it->path()).size(), 1u) << named(it->path());
        }
    }
    const std::map<std::string, std::string> ownedBy{
        {".cache/yarn/v6/pkg.tgz", "deps"},
        {".yarn/berry/cache/a.zip", "deps"},
        {".cache/pypoetry/virtualenvs/proj/pyvenv.cfg", "deps"},
        {".local/share/pnpm/store/v3/files/00/a", "deps"},
        {".cache/huggingface/hub/model.bin", "ai"},
        {".cache/torch/hub/checkpoints/resnet50.pth", "ai"},
        {".cache/whisper/large-v3.pt", "ai"},
        {".cache/google-chrome/Default/Cache/Cache_Data/data_1", "caches"},  // browsers stay in caches
        {".cache/thumbnails/large/a.png", "caches"},
        {".var/app/com.slack.Slack/cache/fontconfig/z", "caches"},
        {"snap/code/common/.cache/x", "caches"},
        {".config/Slack/Cache/Cache_Data/x", "chat"},
        {".config/Slack/logs/browser.log", "logs"},
        {".cache/JetBrains/IntelliJIdea2024.1/log/idea.log", "logs"},
        {".cache/JetBrains/IntelliJIdea2024.1/caches/index", "caches"},
        {".config/google-chrome/Crash Reports/completed/a1.dmp", "logs"},
        {".var/app/com.slack.Slack/config/Slack/logs/browser.log", "logs"},
        {"snap/discord/42/.cache/fontconfig/c", "caches"},
        {"snap/discord/x1/.cache/fontconfig/c", "caches"},
        {"文档/xwechat_files/wxid_a/cache/x", "chat"},
        {"下载/tool.deb", "docs"},
        {"图片/trip.jpg", "media"},
        {"视频/clip.mp4", "media"},
        {".local/share/Trash/info/gone.trashinfo", "trash"},
        {".local/share/flatpak/app/com.slack.Slack/files/slack", "apps"},
    };
    for (const auto& [file, id] : ownedBy) EXPECT_EQ(owners(home() / file), std::vector<std::string>{id}) << file;
    for (const char* file : {"opt/google/chrome/chrome", "var/lib/flatpak/app/org.gimp.GIMP/files/gimp",
                             "var/lib/snapd/snaps/firefox_1.snap"})
        EXPECT_EQ(owners(onLinux.systemRoot / file), std::vector<std::string>{"apps"}) << file;
    // Only the packed snaps, never snapd's partial downloads or mounted trees.
    EXPECT_TRUE(owners(onLinux.systemRoot / "var/lib/snapd/snaps/partial/x").empty());
}

// A sandbox's cache folder is the cache folder of the application inside:
// what "appcache" leaves in ~/.cache it leaves there too, entry by entry.
TEST_F(LinuxHomeTest, SandboxCachesKeepWhatTheCacheFolderKeeps) {
    test::FileTree tree(home());
    const std::vector<fs::path> kept{
        tree.file(".var/app/org.gnome.Evolution/cache/evolution/mail/1234/folders/INBOX/cur/1.eml", 400),
        tree.file("snap/foo/common/.cache/rclone/vfs/gdrive/Documents/report.odt", 400),
        tree.file(".var/app/org.gnome.Evolution/cache/ibus/libpinyin/user_bigram.db", 400)};
    const fs::path fonts = tree.file(".var/app/org.gnome.Evolution/cache/fontconfig/cache-1", 400);
    const fs::path thumbnail = tree.file("snap/foo/common/.cache/thumbnails/large/a.png", 400);

    const CleanSpec& appcache = *Catalog::cleanable("appcache");
    std::set<std::string> offered;
    for (const fs::path& target : DiskScanner::cleanableTargets(appcache, {}, onLinux)) {
        offered.insert(named(target));
        for (const fs::path& file : kept) EXPECT_FALSE(DiskScanner::isWithin(file, target)) << target;
    }
    EXPECT_TRUE(offered.contains(".var/app/org.gnome.Evolution/cache/fontconfig"));
    EXPECT_TRUE(offered.contains("snap/foo/common/.cache/thumbnails"));

    for (const DiskScanner::TargetGroup& group : DiskScanner::targetGroups(appcache, {}, onLinux))
        DiskScanner::clean(group.paths, appcache.removeRoots, group.allowUserFolders, nullptr, onLinux);
    for (const fs::path& file : kept) EXPECT_TRUE(fs::exists(file)) << file;
    EXPECT_FALSE(fs::exists(fonts));
    EXPECT_FALSE(fs::exists(thumbnail));
}

// A cache or settings folder linked to the home itself (~/.cache -> ~): the
// home's own folders are no children of that place, for any rule or category.
class PlaceLinkedToHomeTest : public test::HomeTest {
protected:
    // The user's files, none of which any rule may reach.
    std::vector<fs::path> ownFiles;

    platform::Places linkToHome(const std::string& place) {
        test::FileTree tree(home());
        for (const char* file : {".purple/logs/jabber/friend/2020.html", ".weechat/logs/irc.libera.weechatlog",
                                 ".var/app/org.game.Game/data/save.dat", ".steam/steamapps/game.bin",
                                 ".local/share/notes/notes.db", "Documents/report.odt"})
            ownFiles.push_back(tree.file(file, 5000));
        tree.symlink(home(), place);
        return platform::Places::fromEnvironment();
    }

    void expectHomeLeftAlone(const platform::Places& linked) {
        for (const CleanSpec& spec : Catalog::cleanables()) {
            for (const fs::path& target : DiskScanner::targets(spec, {}, linked)) {
                const auto real = DiskScanner::normalised(target);
                ASSERT_TRUE(real.has_value()) << target;
                for (const fs::path& file : ownFiles)
                    EXPECT_FALSE(DiskScanner::isWithin(file, *real)) << spec.id << " offers " << target;
            }
        }
        std::map<fs::path, std::vector<std::string>> owners;
        for (const CategorySpec& spec : Catalog::categories()) {
            for (const fs::path& root : DiskScanner::categoryRoots(spec, linked)) {
                const auto real = DiskScanner::normalised(root);
                if (!real || !fs::exists(fs::symlink_status(*real))) continue;
                for (const fs::path& file : ownFiles)
                    if (DiskScanner::isWithin(file, *real)) owners[file].push_back(spec.id);
            }
        }
        for (const auto& [file, ids] : owners) EXPECT_LE(ids.size(), 1u) << file << " counted by " << ids.front();
        for (const CleanSpec& spec : Catalog::cleanables())
            for (const DiskScanner::TargetGroup& group : DiskScanner::targetGroups(spec, {}, linked))
                DiskScanner::clean(group.paths, spec.removeRoots, group.allowUserFolders, nullptr, linked);
        for (const fs::path& file : ownFiles) EXPECT_TRUE(fs::exists(file)) << file;
    }
};

TEST_F(PlaceLinkedToHomeTest, CacheLinkedToHomeListsNoneOfTheHome) {
    ownFiles.push_back(test::FileTree(home()).file(".config/someapp/settings.conf", 5000));
    const platform::Places linked = linkToHome(".cache");
    ASSERT_EQ(linked.cacheHome, home() / ".cache");
    expectHomeLeftAlone(linked);
}

TEST_F(PlaceLinkedToHomeTest, SettingsLinkedToHomeListNoneOfTheHome) {
    test::FileTree(home()).file(".cache/someapp/cached", 5000);
    const platform::Places linked = linkToHome(".config");
    ASSERT_EQ(linked.configHome, home() / ".config");
    expectHomeLeftAlone(linked);
}

}  // namespace
}  // namespace sorbeta
