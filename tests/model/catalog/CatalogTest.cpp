#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <map>

#include "model/catalog/Catalog.h"
#include "model/common/Flavor.h"

using namespace sorbeta;

namespace {

std::vector<std::string> ids(const auto& list) {
    std::vector<std::string> out;
    for (const auto& row : list) out.push_back(row.id);
    return out;
}

bool contains(const auto& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

TEST(CatalogTest, FlavorNames) {
    EXPECT_EQ(flavorFromName("cloud"), Flavor::cloud);
    EXPECT_EQ(flavorFromName("Cloud"), std::nullopt);
    EXPECT_EQ(flavorFromName(""), std::nullopt);
    ASSERT_EQ(allFlavors.size(), 13u);
    EXPECT_EQ(allFlavors.front(), Flavor::strawberry);
    EXPECT_EQ(allFlavors.back(), Flavor::cloud);
    for (std::size_t i = 0; i < allFlavors.size(); ++i) {
        EXPECT_EQ(flavorIndex(allFlavors[i]), int(i));
        EXPECT_EQ(flavorFromName(flavorName(allFlavors[i])), allFlavors[i]);
    }
}

TEST(CatalogTest, CategoriesInMapOrder) {
    const auto& categories = Catalog::categories();
    EXPECT_EQ(ids(categories), (std::vector<std::string>{"media", "docs", "projects", "xcode", "ai", "deps", "chat",
                                                         "mobile", "apps", "caches", "logs", "trash"}));
    std::set<Flavor> flavors;
    for (const auto& category : categories) {
        flavors.insert(category.flavor);
        EXPECT_FALSE(category.name.isEmpty()) << category.id;
        // Only "caches" measures children; every other category has roots.
        EXPECT_EQ(category.childrenOf.has_value(), category.id == "caches") << category.id;
        EXPECT_EQ(category.roots.empty(), category.id == "caches") << category.id;
    }
    EXPECT_EQ(flavors.size(), 12u);
    EXPECT_FALSE(flavors.contains(Flavor::cloud));

    const CategorySpec* apps = Catalog::category("apps");
    ASSERT_NE(apps, nullptr);
    EXPECT_EQ(apps->flavor, Flavor::mango);
    EXPECT_EQ(apps->roots, (std::vector<std::string>{"/Applications", "~/Applications"}));
    EXPECT_EQ(Catalog::category("media")->name, QStringLiteral("照片与媒体"));
    EXPECT_EQ(Catalog::category("xcode")->name, QStringLiteral("Xcode 与 iOS 开发"));
    EXPECT_EQ(Catalog::category("projects")->roots.size(), 9u);
    EXPECT_EQ(Catalog::category("chat")->roots.size(), 10u);
    EXPECT_EQ(Catalog::category("nope"), nullptr);
}

TEST(CatalogTest, DependencyCategoryRoots) {
    const auto& roots = Catalog::category("deps")->roots;
    ASSERT_EQ(roots.size(), 45u);
    EXPECT_EQ(roots.front(), "~/.npm");
    EXPECT_EQ(roots[13], "~/Library/Caches/pnpm");
    EXPECT_EQ(roots[14], "~/.cache/typescript");
    EXPECT_EQ(roots[42], "~/.tnpm/_cacache");
    EXPECT_EQ(roots[43], "~/Library/Caches/pypoetry");
    EXPECT_EQ(roots[44], "~/Library/Caches/composer");
    EXPECT_FALSE(contains(roots, "~/Library/Caches/pypoetry/artifacts"));
    EXPECT_FALSE(contains(roots, "~/Library/Caches/pypoetry/cache"));
    EXPECT_EQ(std::set<std::string>(roots.begin(), roots.end()).size(), roots.size());

    // Every root of "devcaches" is measured by "deps", itself or inside a whole folder.
    for (const auto& root : Catalog::cleanable("devcaches")->roots) {
        const bool covered = std::any_of(roots.begin(), roots.end(),
                                         [&](const std::string& r) { return root == r || root.starts_with(r + "/"); });
        EXPECT_TRUE(covered) << root;
    }
}

TEST(CatalogTest, CacheExclusionSets) {
    EXPECT_EQ(Catalog::devCacheNames(),
              (std::set<std::string>{"Yarn", "pip", "Homebrew", "CocoaPods", "org.swift.swiftpm", "pnpm", "go-build",
                                     "ms-playwright", "pypoetry", "composer"}));
    EXPECT_EQ(Catalog::separatelyCleaned(),
              (std::set<std::string>{"com.apple.dt.Xcode", "Google", "com.apple.Safari", "Firefox", "BraveSoftware",
                                     "Microsoft Edge", "company.thebrowser.Browser"}));

    const CategorySpec* caches = Catalog::category("caches");
    EXPECT_EQ(caches->childrenOf, "~/Library/Caches");
    EXPECT_EQ(caches->excludingChildren, Catalog::devCacheNames());
    EXPECT_TRUE(caches->excludingChildren.contains("Homebrew"));
    EXPECT_FALSE(caches->excludingChildren.contains("Google"));

    const CleanSpec* appcache = Catalog::cleanable("appcache");
    EXPECT_EQ(appcache->childrenOf, "~/Library/Caches");
    EXPECT_EQ(appcache->excludingChildren.size(), 17u);
    for (const char* name : {"Google", "pip", "com.apple.Safari", "Homebrew", "company.thebrowser.Browser"})
        EXPECT_TRUE(appcache->excludingChildren.contains(name)) << name;
    EXPECT_EQ(appcache->excludingPrefixes.size(), 16u);
    EXPECT_EQ(appcache->excludingPrefixes.front(), "com.apple.");
    EXPECT_TRUE(contains(appcache->excludingPrefixes, "com.1password"));
    EXPECT_EQ(appcache->excludingPrefixes.back(), "ms-playwright");
    EXPECT_TRUE(appcache->skipRunningAppDirs);
    EXPECT_TRUE(appcache->roots.empty());
}

TEST(CatalogTest, RulesInPanelOrder) {
    const auto& rules = Catalog::cleanables();
    EXPECT_EQ(ids(rules), (std::vector<std::string>{
                              "derived",     "simcache",      "devicesupport", "xcodecache",   "browser",    "npm",
                              "yarn",        "bun",           "pip",           "brew",         "pods",       "spm",
                              "gobuild",     "gradlecache",   "devcaches",     "logs",         "ipsw",       "partial",
                              "wechatcache", "linecache",     "qqcache",       "discordcache", "slackcache", "capcut",
                              "artifacts",   "appcache",      "pnpm",          "archives",     "backups",    "trash",
                              "wechatmedia", "telegrammedia", "installers"}));
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const CleanSpec& rule = rules[i];
        EXPECT_EQ(rule.safety, i < 24 ? Safety::safe : Safety::review) << rule.id;
        EXPECT_EQ(rule.selectedByDefault, rule.safety == Safety::safe) << rule.id;
        EXPECT_NE(Catalog::category(rule.categoryID), nullptr) << rule.id;
        EXPECT_FALSE(rule.note.isEmpty()) << rule.id;
        EXPECT_EQ(rule.source == CleanSpec::Source::projectArtifacts, rule.id == "artifacts") << rule.id;
        EXPECT_EQ(rule.roots.empty(), rule.id == "artifacts" || rule.id == "appcache") << rule.id;
        EXPECT_EQ(rule.childrenOf.has_value(), rule.id == "appcache") << rule.id;
        for (const auto& root : rule.roots) EXPECT_TRUE(root.starts_with("~/")) << rule.id << " " << root;
    }
    EXPECT_EQ(Catalog::cleanable("devcaches")->roots.size(), 32u);
    EXPECT_EQ(Catalog::cleanable("slackcache")->roots.size(), 7u);
    EXPECT_EQ(Catalog::cleanable("nope"), nullptr);
}

TEST(CatalogTest, FlagsThatDecideWhatIsRemoved) {
    std::map<std::string, std::tuple<bool, bool, int64_t, int64_t>> flagged;  // removeRoots, user folders, newest, age
    for (const auto& rule : Catalog::cleanables())
        if (rule.removeRoots || rule.allowUserFolders || rule.keepNewest || rule.minAgeDays)
            flagged[rule.id] = {rule.removeRoots, rule.allowUserFolders, rule.keepNewest, rule.minAgeDays};
    const std::map<std::string, std::tuple<bool, bool, int64_t, int64_t>> expected = {
        {"devicesupport", {true, false, 2, 0}}, {"ipsw", {true, false, 0, 0}},       {"partial", {true, true, 0, 1}},
        {"capcut", {false, true, 0, 0}},        {"artifacts", {true, true, 0, 0}},   {"backups", {true, false, 0, 0}},
        {"wechatmedia", {true, false, 0, 90}},  {"installers", {true, true, 0, 14}},
    };
    EXPECT_EQ(flagged, expected);
}

TEST(CatalogTest, Guards) {
    const std::vector<std::string> xcodeApps = {"com.apple.dt.Xcode", "com.apple.iphonesimulator"};
    const std::vector<std::string> xcodeTools = {"xcodebuild", "XCBBuildService", "swift-frontend"};
    for (const char* id : {"derived", "simcache", "xcodecache", "spm"}) {
        EXPECT_EQ(Catalog::cleanable(id)->guardBundleIDs, xcodeApps) << id;
        EXPECT_EQ(Catalog::cleanable(id)->guardProcesses, xcodeTools) << id;
    }
    EXPECT_EQ(Catalog::cleanable("gradlecache")->guardProcesses, std::vector<std::string>{"GradleDaemon"});
    EXPECT_EQ(Catalog::cleanable("browser")->guardBundleIDs.size(), 6u);
    EXPECT_EQ(Catalog::cleanable("discordcache")->guardBundleIDs, std::vector<std::string>{"com.hnc.Discord"});
    EXPECT_EQ(Catalog::cleanable("telegrammedia")->guardBundleIDs, std::vector<std::string>{"ru.keepcoder.Telegram"});
    EXPECT_EQ(Catalog::cleanable("capcut")->guardBundleIDs,
              (std::vector<std::string>{"com.lemon.lvoverseas", "com.lemon.lvpro"}));
    int guardedByProcess = 0;
    for (const auto& rule : Catalog::cleanables()) guardedByProcess += !rule.guardProcesses.empty();
    EXPECT_EQ(guardedByProcess, 5);
    for (const char* id : {"devicesupport", "npm", "logs", "artifacts", "appcache", "trash", "installers"})
        EXPECT_TRUE(Catalog::cleanable(id)->guardBundleIDs.empty()) << id;
}

// A translator that turns every key into a marked text, as another interface
// language would.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QString::fromLatin1(context) + QStringLiteral(":") + QString::fromUtf8(source);
    }
};

// Builds the tables under the translator in this process and exits 0 when
// every text but the three product names went through it.
[[noreturn]] void checkTranslatedTables() {
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const auto& rules = Catalog::cleanables();
    const auto& categories = Catalog::categories();
    QCoreApplication::removeTranslator(&translator);

    const QString mark = QStringLiteral("Sorbeta:");
    const std::set<std::string> verbatim = {"derived", "pnpm", "archives"};
    bool ok = true;
    auto check = [&](bool condition, const std::string& what) {
        if (!condition) std::fprintf(stderr, "wrong: %s\n", what.c_str());
        ok = ok && condition;
    };
    for (const auto& rule : rules) {
        check(rule.name.startsWith(mark) != verbatim.contains(rule.id), "name of " + rule.id);
        check(rule.note.startsWith(mark), "note of " + rule.id);
    }
    for (const auto& category : categories) check(category.name.startsWith(mark), "name of " + category.id);
    check(Catalog::cleanable("derived")->name == QStringLiteral("Xcode DerivedData"), "derived");
    check(Catalog::cleanable("pnpm")->name == QStringLiteral("pnpm store"), "pnpm");
    check(Catalog::cleanable("archives")->name == QStringLiteral("Xcode Archives"), "archives");
    check(Catalog::cleanable("backups")->note ==
              mark + QStringLiteral("设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。"),
          "backups note");
    std::fflush(stderr);
    std::exit(ok ? 0 : 1);
}

// The tables are built once per process, so this runs in a fresh one.
TEST(CatalogDeathTest, TextsAreTranslatedExceptThreeProductNames) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(checkTranslatedTables(), ::testing::ExitedWithCode(0), "");
}

TEST(CatalogTest, SharedAcrossThreads) {
    std::vector<std::future<const CleanSpec*>> reads;
    for (int i = 0; i < 8; ++i)
        reads.push_back(std::async(std::launch::async, [] { return &Catalog::cleanables().front(); }));
    for (auto& read : reads) EXPECT_EQ(read.get(), &Catalog::cleanables().front());
}
