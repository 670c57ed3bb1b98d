#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/disk/Measure.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;
using test::FileTree;

class SharedFoldersTest : public test::HomeTest {
protected:
    void TearDown() override {
        DiskScanner::setLimited(false);
        test::HomeTest::TearDown();
    }
    static int64_t alloc(const fs::path& path) { return FileTree::allocated(path); }

    // A cache place with a rule's folder inside it, hard links between that
    // folder, the rest of the place and a place outside both.
    void buildCaches(FileTree& tree) {
        tree.file("caches/app/rule/a.bin", 40000);
        tree.file("caches/app/rule/deeper/b.bin", 9000);
        tree.file("caches/app/other.bin", 12000);
        tree.file("caches/loose.bin", 3000);
        tree.hardlink("caches/app/rule/a.bin", "caches/app/again.bin");  // same place, outside the rule's folder
        tree.file("elsewhere/c.bin", 25000);
        tree.hardlink("elsewhere/c.bin", "caches/app/rule/c-link.bin");  // inside the rule's folder
    }
};

TEST_F(SharedFoldersTest, EveryUserGetsWhatItsOwnWalkWouldCountInEitherOrder) {
    FileTree tree(home());
    buildCaches(tree);
    const fs::path rule = tree.at("caches/app/rule");
    const std::vector<fs::path> category{tree.at("caches"), tree.at("elsewhere")};
    const std::vector<fs::path> ruleTargets{rule, tree.at("elsewhere")};

    // The figures without sharing anything.
    const int64_t ruleAlone = DiskScanner::size(ruleTargets);
    const DiskScanner::SizedParts categoryAlone = DiskScanner::sizeWithParts(category, 0, places());
    const int64_t elsewhereAfterRule = [&] {
        DiskScanner::InodeSet set;
        DiskScanner::size(rule, &set);
        return DiskScanner::size(tree.at("elsewhere"), &set);
    }();
    ASSERT_EQ(elsewhereAfterRule, 0);  // the link inside the rule's folder came first

    for (const bool ruleFirst : {true, false}) {
        DiskScanner::SharedFolders shared;
        shared.add(rule);
        int64_t ruleBytes = 0;
        DiskScanner::SizedParts parts;
        if (ruleFirst) ruleBytes = DiskScanner::size(ruleTargets, &shared);
        parts = DiskScanner::sizeWithParts(category, 0, places(), &shared);
        if (!ruleFirst) ruleBytes = DiskScanner::size(ruleTargets, &shared);
        EXPECT_EQ(ruleBytes, ruleAlone) << ruleFirst;
        EXPECT_EQ(parts.total, categoryAlone.total) << ruleFirst;
        EXPECT_EQ(parts.parts, categoryAlone.parts) << ruleFirst;
    }
}

TEST_F(SharedFoldersTest, AFolderIsReadOnceThenAddedUp) {
    FileTree tree(home());
    buildCaches(tree);
    DiskScanner::SharedFolders shared;
    shared.add(tree.at("caches/app/rule"));
    const int64_t first = DiskScanner::size(tree.at("caches"), nullptr, {}, &shared);
    EXPECT_EQ(first, DiskScanner::size(tree.at("caches")));

    // What was read stands for the rest of the scan: a file written since
    // shows only in a walk that does not share.
    const auto later = tree.file("caches/app/rule/later.bin", 50000);
    EXPECT_EQ(DiskScanner::size(tree.at("caches/app/rule"), nullptr, {}, &shared),
              DiskScanner::size(tree.at("caches/app/rule")) - alloc(later));
    EXPECT_EQ(DiskScanner::size(tree.at("caches"), nullptr, {}, &shared), first);
    EXPECT_EQ(DiskScanner::size(tree.at("caches")), first + alloc(later));
}

TEST_F(SharedFoldersTest, OnlyRealFoldersAreShared) {
    FileTree tree(home());
    const auto data = tree.file("real/data.bin", 30000);
    const auto link = tree.symlink(tree.at("real"), "place/link-to-real");
    const auto file = tree.file("place/file.bin", 8000);
    DiskScanner::SharedFolders shared;
    shared.add(link);                // a link to a folder: measured as the link it is
    shared.add(file);                // a file: nothing to share
    shared.add(tree.at("missing"));  // nothing there
    EXPECT_EQ(DiskScanner::size(tree.at("place"), nullptr, {}, &shared), alloc(link) + alloc(file));
    EXPECT_EQ(DiskScanner::size(link, nullptr, {}, &shared), alloc(link));
    EXPECT_EQ(DiskScanner::size(tree.at("real"), nullptr, {}, &shared), alloc(data));
}

TEST_F(SharedFoldersTest, LimitedModePrunesInsideAndAtASharedFolder) {
    FileTree tree(home());
    const auto plain = tree.file("Pictures/holiday.jpg", 30000);
    tree.file("Pictures/Photos Library.photoslibrary/a.db", 30000);
    tree.file("Movies/a.TVLibrary/v.bin", 30000);
    DiskScanner::setLimited(true);
    DiskScanner::SharedFolders shared;
    shared.add(tree.at("Pictures"));
    shared.add(tree.at("Movies/a.TVLibrary"));
    EXPECT_EQ(DiskScanner::size(tree.at("Pictures"), nullptr, {}, &shared), alloc(plain));
    EXPECT_EQ(DiskScanner::size(home(), nullptr, {}, &shared), DiskScanner::size(home()));
    EXPECT_EQ(DiskScanner::size(tree.at("Movies"), nullptr, {}, &shared), 0);  // however short its name
    EXPECT_EQ(DiskScanner::size(tree.at("Movies/a.TVLibrary"), nullptr, {}, &shared), 0);
}

TEST_F(SharedFoldersTest, ManyThreadsMeetingTheSameFoldersAgreeWithOneWalk) {
    FileTree tree(home());
    for (int i = 0; i < 30; ++i) {
        const std::string folder = "cache/f" + std::to_string(i);
        tree.file(folder + "/own.bin", 4000 + i * 100);
        tree.file(folder + "/sub/deep.bin", 2000);
        if (i > 0) tree.hardlink("cache/f0/own.bin", folder + "/link.bin");
    }
    DiskScanner::SharedFolders shared;
    for (int i = 0; i < 30; i += 3) shared.add(tree.at("cache/f" + std::to_string(i)));
    const int64_t expected = DiskScanner::size(tree.at("cache"));
    std::vector<int64_t> totals(8);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < totals.size(); ++t)
        threads.emplace_back([&, t] { totals[t] = DiskScanner::size(tree.at("cache"), nullptr, {}, &shared); });
    for (std::thread& thread : threads) thread.join();
    for (const int64_t total : totals) EXPECT_EQ(total, expected);
}

}  // namespace
}  // namespace sorbeta
