#include <algorithm>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/disk/Access.h"
#include "model/disk/Measure.h"
#include "model/disk/Targets.h"
#include "platform/Listing.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;
using test::FileTree;
using Paths = std::vector<fs::path>;

class DiskTargetsTest : public test::HomeTest {
protected:
    void TearDown() override {
        DiskScanner::setLimited(false);
        test::HomeTest::TearDown();
    }
    // What a glob piece should give: the folder's matching names in listing order.
    static Paths listed(const fs::path& folder, const std::function<bool(const std::string&)>& keep) {
        Paths result;
        for (const auto& name : platform::listNames(folder).value_or(std::vector<std::string>{}))
            if (keep(name)) result.push_back(folder / name);
        return result;
    }
    static CleanSpec rule(std::vector<std::string> roots) {
        CleanSpec spec;
        spec.id = "test";
        spec.roots = std::move(roots);
        return spec;
    }
};

TEST_F(DiskTargetsTest, GlobsMatchDotNamesInListingOrder) {
    FileTree tree(home());
    for (const char* name : {"b.part", ".hidden.part", "a.part", "a.partial", "part", "z.PART"})
        tree.file(std::string("Downloads/") + name);
    const Paths expected = listed(home() / "Downloads", [](const std::string& name) {
        return name.size() >= 5 && name.compare(name.size() - 5, 5, ".part") == 0;
    });
    ASSERT_EQ(expected.size(), 3u);
    EXPECT_EQ(DiskScanner::expand("~/Downloads/*.part", places()), expected);

    // Candidates first, then each candidate's listing; fixed pieces are not checked.
    for (const char* device : {"D1", "D3", "D2"})
        tree.dir(std::string("Library/Developer/CoreSimulator/Devices/") + device);
    tree.dir("Library/Developer/CoreSimulator/Devices/D2/data/tmp");
    Paths devices;
    for (const auto& folder : listed(home() / "Library/Developer/CoreSimulator/Devices", [](auto&) { return true; }))
        devices.push_back(folder / "data/tmp");
    const Paths simTmp = DiskScanner::expand("~/Library/Developer/CoreSimulator/Devices/*/data/tmp", places());
    EXPECT_EQ(simTmp, devices);
    auto spec = rule({"~/Library/Developer/CoreSimulator/Devices/*/data/tmp"});
    EXPECT_EQ(DiskScanner::targets(spec, {}, places()),
              Paths{home() / "Library/Developer/CoreSimulator/Devices/D2/data/tmp"});

    // "?" and brackets work inside a piece with "*"; without "*" a piece is literal.
    tree.dir("g/ab1");
    tree.dir("g/ac2");
    tree.dir("g/a?x");
    EXPECT_EQ(DiskScanner::expand("~/g/a[b]*", places()), Paths{home() / "g/ab1"});
    EXPECT_EQ(DiskScanner::expand("~/g/a?x", places()), Paths{home() / "g/a?x"});
    EXPECT_EQ(DiskScanner::expand("~//g///a[c]?*/", places()), Paths{home() / "g/ac2"});
    // An unlistable or missing folder contributes nothing.
    EXPECT_TRUE(DiskScanner::expand("~/nothing/*", places()).empty());
}

TEST_F(DiskTargetsTest, PatternWithoutStarIsOnePathWhetherOrNotItExists) {
    EXPECT_EQ(DiskScanner::expand("~/Library/Caches/none", places()), Paths{home() / "Library/Caches/none"});
    EXPECT_EQ(DiskScanner::expand("/abs/path/", places()), Paths{"/abs/path"});
    EXPECT_TRUE(DiskScanner::targets(rule({"~/Library/Caches/none"}), {}, places()).empty());
}

TEST_F(DiskTargetsTest, ChildrenOfWithExclusions) {
    FileTree tree(home());
    for (const char* name : {"keep", "Keep2", "skip", "Skip", "GoogleUpdater", "google-x", "goo", ".dot"})
        tree.dir(std::string("Library/Caches/") + name);
    const auto roots =
        DiskScanner::resolveRoots({"~/Library/Logs", "~/missing"}, "~/Library/Caches", {"skip"}, {"google"}, places());
    const Paths children = listed(home() / "Library/Caches", [](const std::string& name) {
        return name != "skip" && name != "GoogleUpdater" && name != "google-x";
    });
    Paths expected{home() / "Library/Logs", home() / "missing"};
    expected.insert(expected.end(), children.begin(), children.end());
    EXPECT_EQ(roots, expected);
    EXPECT_NE(std::find(roots.begin(), roots.end(), home() / "Library/Caches/Skip"), roots.end());
    EXPECT_NE(std::find(roots.begin(), roots.end(), home() / "Library/Caches/.dot"), roots.end());

    // A folder that cannot be listed adds no children.
    EXPECT_TRUE(DiskScanner::resolveRoots({}, "~/absent", {}, {}, places()).empty());
}

TEST_F(DiskTargetsTest, LimitedModeDropsPromptingPlaces) {
    FileTree tree(home());
    tree.file("Documents/notes/a.txt");
    tree.file("Library/Containers/com.example.app/Data/Library/Caches/x/c.bin");
    tree.file("Library/Containers/com.other/Data/Library/Caches/c.bin");
    tree.dir("Library/Caches/com.apple.Safari");
    tree.dir("Library/Caches/Homebrew");
    DiskScanner::setLimited(true);  // as a scan without full disk access sets it

    EXPECT_TRUE(DiskScanner::expand("~/Documents/notes", places()).empty());
    EXPECT_TRUE(DiskScanner::expand("~/Documents/*", places()).empty());
    EXPECT_TRUE(DiskScanner::expand("~/Library/Containers/com.example.app/Data/Library/Caches/*", places()).empty());
    EXPECT_TRUE(
        DiskScanner::resolveRoots({"~/Library/Containers/*/Data/Library/Caches"}, std::nullopt, {}, {}, places())
            .empty());
    EXPECT_TRUE(DiskScanner::resolveRoots({}, "~/Documents", {}, {}, places()).empty());
    EXPECT_EQ(DiskScanner::resolveRoots({}, "~/Library/Caches", {}, {}, places()),
              Paths{home() / "Library/Caches/Homebrew"});
    EXPECT_TRUE(DiskScanner::targets(rule({"~/Documents/notes"}), {}, places()).empty());

    DiskScanner::setLimited(false);
    EXPECT_EQ(DiskScanner::targets(rule({"~/Documents/notes"}), {}, places()), Paths{home() / "Documents/notes"});
    EXPECT_EQ(DiskScanner::expand("~/Library/Containers/com.example.app/Data/Library/Caches/*", places()),
              Paths{home() / "Library/Containers/com.example.app/Data/Library/Caches/x"});
}

TEST_F(DiskTargetsTest, KeepNewestThenMinimumAge) {
    FileTree tree(home());
    tree.file("Archives/one/a");
    tree.file("Archives/one/b");
    tree.file("Archives/one/c");
    tree.file("Archives/two/lone");
    tree.setAgeDays("Archives/one/a", 40);
    tree.setAgeDays("Archives/one/b", 50);
    tree.setAgeDays("Archives/one/c", 60);
    tree.setAgeDays("Archives/two/lone", 100);

    auto spec = rule({"~/Archives/*/*"});
    spec.keepNewest = 2;
    EXPECT_EQ(DiskScanner::targets(spec, {}, places()), Paths{home() / "Archives/one/c"});

    // Ties keep their listing order: the first members stay.
    const auto tie = std::chrono::system_clock::now() - std::chrono::hours(24 * 45);
    for (const char* name : {"a", "b", "c"}) tree.setModified(std::string("Archives/one/") + name, tie);
    const Paths order = listed(home() / "Archives/one", [](auto&) { return true; });
    EXPECT_EQ(DiskScanner::targets(spec, {}, places()), Paths{order.back()});

    spec = rule({"~/Old/*"});
    tree.file("Old/day31");
    tree.file("Old/day29");
    tree.setAgeDays("Old/day31", 31);
    tree.setAgeDays("Old/day29", 29);
    spec.minAgeDays = 30;
    EXPECT_EQ(DiskScanner::targets(spec, {}, places()), Paths{home() / "Old/day31"});

    // The newest items are spared whatever their age; the age filter works on the rest.
    tree.file("Old/day1");
    tree.setAgeDays("Old/day1", 1);
    tree.file("Old/day90");
    tree.setAgeDays("Old/day90", 90);
    spec.keepNewest = 1;
    const Paths filtered = DiskScanner::targets(spec, {}, places());
    EXPECT_EQ(std::set<fs::path>(filtered.begin(), filtered.end()),
              (std::set<fs::path>{home() / "Old/day31", home() / "Old/day90"}));
}

TEST_F(DiskTargetsTest, RunningAppsAreSparedByExactName) {
    FileTree tree(home());
    for (const char* name : {"com.example.Editor", "com.example.editor.helper", "other"})
        tree.dir(std::string("Library/Caches/") + name);
    const auto spec = rule({"~/Library/Caches/*"});
    const auto all = DiskScanner::targets(spec, {}, places());
    EXPECT_EQ(all.size(), 3u);
    const auto spared = DiskScanner::targets(spec, {"com.example.editor"}, places());
    EXPECT_EQ(spared.size(), 2u);
    EXPECT_EQ(std::count(spared.begin(), spared.end(), home() / "Library/Caches/com.example.Editor"), 0);
}

TEST_F(DiskTargetsTest, TargetsKeepExistingItemsOfAnyName) {
    FileTree tree(home());
    tree.file(".cache/" + FileTree::spacedName());
    tree.file(".cache/" + FileTree::chineseName());
    tree.file(".cache/" + FileTree::invalidUtf8Name());
    tree.symlink(home() / "gone", ".cache/dangling");
    tree.symlink(outside(), ".cache/away");
    const auto found = DiskScanner::targets(rule({"~/.cache/*"}), {}, places());
    const std::set<fs::path> expected{home() / ".cache" / FileTree::spacedName(),
                                      home() / ".cache" / FileTree::chineseName(),
                                      home() / ".cache" / FileTree::invalidUtf8Name(), home() / ".cache/away"};
    EXPECT_EQ(std::set<fs::path>(found.begin(), found.end()), expected);
    // Duplicates are not removed.
    EXPECT_EQ(DiskScanner::targets(rule({"~/.cache/away", "~/.cache/away"}), {}, places()).size(), 2u);
}

}  // namespace
}  // namespace sorbeta
