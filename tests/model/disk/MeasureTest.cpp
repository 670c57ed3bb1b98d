#include "model/disk/Measure.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "FileTree.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "platform/EntryInfo.h"
#include "platform/Places.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;
using test::FileTree;

class DiskScannerTest : public test::HomeTest {
protected:
    void TearDown() override {
        DiskScanner::setLimited(false);
        test::HomeTest::TearDown();
    }
    static int64_t alloc(const fs::path& path) { return FileTree::allocated(path); }
};

TEST_F(DiskScannerTest, HardLinksCountOncePerInodeSet) {
    FileTree tree(home());
    const auto a = tree.file("tree/a.bin", 40000);
    const auto b = tree.hardlink("tree/a.bin", "tree/sub/b.bin");
    const auto c = tree.hardlink("tree/a.bin", "other/c.bin");
    const auto single = tree.file("tree/single.bin", 5000);
    const int64_t linked = alloc(a);
    ASSERT_GT(linked, 0);

    // One walk, two names.
    EXPECT_EQ(DiskScanner::size(tree.at("tree")), linked + alloc(single));
    // Two names handed to one list call share one set.
    EXPECT_EQ(DiskScanner::size(std::vector<fs::path>{a, b}), linked);
    // Separate walks without a shared set each count it.
    EXPECT_EQ(DiskScanner::size(b) + DiskScanner::size(c), 2 * linked);
    // A file with one link is never de-duplicated, even when named twice.
    EXPECT_EQ(DiskScanner::size(std::vector<fs::path>{single, single}), 2 * alloc(single));
    // A shared set carries across walks of different roots.
    DiskScanner::InodeSet shared;
    EXPECT_EQ(DiskScanner::size(tree.at("tree"), &shared), linked + alloc(single));
    EXPECT_EQ(DiskScanner::size(tree.at("other"), &shared), 0);
}

TEST_F(DiskScannerTest, InodeSetKeysOnDeviceAndInode) {
    DiskScanner::InodeSet set;
    EXPECT_TRUE(set.insert(1, 42));
    EXPECT_FALSE(set.insert(1, 42));
    EXPECT_TRUE(set.insert(2, 42));  // same inode number on another file system
}

TEST_F(DiskScannerTest, ConcurrentWalksShareOneSet) {
    FileTree tree(home());
    const auto original = tree.file("shared/original.bin", 100000);
    for (int i = 0; i < 8; ++i) {
        const std::string folder = "root" + std::to_string(i);
        tree.file(folder + "/own.bin", 8192);
        for (int k = 0; k < 20; ++k) tree.hardlink("shared/original.bin", folder + "/link" + std::to_string(k));
    }
    DiskScanner::InodeSet shared;
    std::atomic<int64_t> total{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&, i] { total += DiskScanner::size(tree.at("root" + std::to_string(i)), &shared); });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(total.load(), alloc(original) + 8 * alloc(tree.at("root0/own.bin")));
}

TEST_F(DiskScannerTest, CountsAllocatedBlocksNotLengths) {
    FileTree tree(home());
    const auto one = tree.file("one.bin", 1);
    EXPECT_GT(DiskScanner::size(one), 0);
    EXPECT_EQ(DiskScanner::size(one), alloc(one));

    const auto sparse = tree.sparse("sparse.img", 64 << 20);
    EXPECT_LT(DiskScanner::size(sparse), int64_t(64) << 20);
    EXPECT_EQ(DiskScanner::size(sparse), alloc(sparse));

    // Directories add nothing of their own.
    tree.dir("empty/a/b/c");
    tree.dir("empty/d");
    EXPECT_EQ(DiskScanner::size(tree.at("empty")), 0);

    // A root that does not exist measures 0.
    EXPECT_EQ(DiskScanner::size(home() / "missing"), 0);
}

TEST_F(DiskScannerTest, NeverFollowsLinks) {
    FileTree tree(home());
    FileTree away(outside());
    away.file("big/data.bin", 1 << 20);
    tree.file("big/data.bin", 1 << 20);
    const auto rootLink = tree.symlink(home() / "big", "rootlink");
    tree.symlink(outside() / "big", "tree/out");
    tree.symlink(home() / "nowhere", "tree/dangling");
    tree.symlink("../big", "tree/up");
    const auto file = tree.file("tree/file.bin", 3000);

    // A link as the root is the link alone.
    EXPECT_EQ(DiskScanner::size(rootLink), alloc(rootLink));
    EXPECT_LT(DiskScanner::size(rootLink), 1 << 20);
    // Links inside the tree count as links; neither target is walked, dangling ones do no harm.
    const int64_t links = alloc(tree.at("tree/out")) + alloc(tree.at("tree/dangling")) + alloc(tree.at("tree/up"));
    EXPECT_EQ(DiskScanner::size(tree.at("tree")), alloc(file) + links);
}

TEST_F(DiskScannerTest, UnreadableFoldersAddNothingAndTheWalkGoesOn) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced";
    FileTree tree(home());
    tree.file("tree/locked/inside.bin", 50000);
    tree.unreadable("tree/locked");
    const auto after = tree.file("tree/z/after.bin", 7000);
    EXPECT_EQ(DiskScanner::size(tree.at("tree")), alloc(after));
}

// A tmpfs mounted below the measured root for the length of one test.
class ScopedTmpfs {
public:
    explicit ScopedTmpfs(const fs::path& where) : where_(where) {
        mounted_ = ::geteuid() == 0 && ::mount("sorbeta-test", where.c_str(), "tmpfs", 0, "size=8m") == 0;
    }
    ~ScopedTmpfs() {
        if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    fs::path where_;
    bool mounted_ = false;
};

TEST_F(DiskScannerTest, NeverEntersAnotherFileSystem) {
    FileTree tree(home());
    const auto own = tree.file("tree/own.bin", 20000);
    ScopedTmpfs mount(tree.dir("tree/mnt"));
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    const auto inside = tree.file("tree/mnt/inside.bin", 1 << 20);
    ASSERT_GT(alloc(inside), 0);
    EXPECT_EQ(DiskScanner::size(tree.at("tree")), alloc(own));
    // Measured on its own, the mounted folder is its own root and does count.
    EXPECT_EQ(DiskScanner::size(tree.at("tree/mnt")), alloc(inside));
    // A category measured child by child leaves it out all the same.
    const auto parts = DiskScanner::sizeWithParts({tree.at("tree")}, 0, places());
    EXPECT_EQ(parts.total, DiskScanner::size(tree.at("tree")));
    EXPECT_EQ(parts.parts.count(tree.at("tree/mnt").native()), 0u);
}

TEST_F(DiskScannerTest, ACategoryRootAnotherFileSystemIsMountedOnCountsNothing) {
    FileTree tree(home());
    const auto document = tree.file("Documents/own.bin", 20000);
    ScopedTmpfs music(tree.dir("Music"));
    if (!music.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    tree.file("Music/album/track.bin", 1 << 20);
    const auto parts = DiskScanner::sizeWithParts({tree.at("Music"), tree.at("Documents")}, 0, places());
    EXPECT_EQ(parts.total, alloc(document));
    EXPECT_EQ(parts.parts.count(tree.at("Music/album").native()), 0u);
    EXPECT_EQ(parts.parts.count(tree.at("Music").native()), 0u);

    // A place outside the home on a file system of its own, as /opt may be, is measured.
    const fs::path opt = outside() / "opt";
    fs::create_directories(opt);
    ScopedTmpfs apps(opt);
    ASSERT_TRUE(apps.mounted());
    FileTree elsewhere(outside());
    const auto app = elsewhere.file("opt/app/bin.bin", 1 << 20);
    ASSERT_GT(alloc(app), 0);
    const auto measured = DiskScanner::sizeWithParts({opt}, 0, places());
    EXPECT_EQ(measured.total, alloc(app));
    EXPECT_EQ(measured.parts.at((opt / "app").native()), alloc(app));
}

TEST_F(DiskScannerTest, AnotherMountOfTheHomeFileSystemCountsOnce) {
    FileTree tree(home());
    const auto clip = tree.file("Videos/clip.bin", 1 << 20);
    const auto own = tree.file("Public/own.bin", 20000);
    tree.dir("Public/v");
    tree.dir("Music");
    tree.file("data/music/track.bin", 1 << 20);
    test::BindMount videos(tree.at("Videos"), tree.at("Public/v"));
    if (!videos.mounted()) GTEST_SKIP() << "cannot bind-mount here";
    test::BindMount musicMount(tree.at("data/music"), tree.at("Music"));
    ASSERT_TRUE(musicMount.mounted());
    const auto bound = platform::entryInfo(tree.at("Public/v"));
    ASSERT_TRUE(bound);
    EXPECT_EQ(bound->device, platform::entryInfo(tree.at("Public"))->device);
    EXPECT_TRUE(platform::isMountedFolder(tree.at("Public/v"), *bound));
    EXPECT_FALSE(platform::isMountedFolder(tree.at("Videos"), *platform::entryInfo(tree.at("Videos"))));

    // ~/Videos bound on ~/Public/v counts where it lies, not again as a part of ~/Public.
    const auto parts = DiskScanner::sizeWithParts({tree.at("Public"), tree.at("Videos")}, 0, places());
    EXPECT_EQ(parts.total, alloc(clip) + alloc(own));
    EXPECT_EQ(parts.parts.count(tree.at("Public/v").native()), 0u);
    EXPECT_EQ(parts.parts.at(tree.at("Videos/clip.bin").native()), alloc(clip));
    // A folder of the same disk bound on a category root is that category's.
    const auto music = DiskScanner::sizeWithParts({tree.at("Music"), tree.at("Public")}, 0, places());
    EXPECT_EQ(music.total, alloc(tree.at("data/music/track.bin")) + alloc(own));
    EXPECT_EQ(music.parts.count(tree.at("Music/track.bin").native()), 1u);
}

TEST_F(DiskScannerTest, LimitedModePrunesMediaLibraries) {
    FileTree tree(home());
    const auto photo = tree.file("Pictures/Photos Library.photoslibrary/database/a.db", 30000);
    const auto music = tree.file("Music/Old.MusicLibrary/b.bin", 30000);
    const auto plain = tree.file("Pictures/holiday.jpg", 30000);
    const auto lookalike = tree.file("Pictures/library/c.bin", 30000);

    DiskScanner::setLimited(true);
    EXPECT_EQ(DiskScanner::size(tree.at("Pictures")), alloc(plain) + alloc(lookalike));
    EXPECT_EQ(DiskScanner::size(tree.at("Music")), 0);
    // The root itself is pruned too.
    EXPECT_EQ(DiskScanner::size(tree.at("Pictures/Photos Library.photoslibrary")), 0);

    DiskScanner::setLimited(false);
    EXPECT_EQ(DiskScanner::size(tree.at("Pictures")), alloc(photo) + alloc(plain) + alloc(lookalike));
    EXPECT_EQ(DiskScanner::size(tree.at("Music")), alloc(music));
}

TEST_F(DiskScannerTest, SizeWithPartsListsMeasuredUnits) {
    FileTree tree(home());
    const auto big = tree.file("cat/big/data.bin", 200000);
    tree.dir("cat/empty");
    const auto small = tree.file("cat/.hidden", 10);
    tree.hardlink("cat/big/data.bin", "second/link.bin");
    const auto file = tree.file("loose.bin", 90000);
    tree.symlink(home() / "cat", "linkroot");

    const auto all = DiskScanner::sizeWithParts(
        {tree.at("cat"), tree.at("second"), tree.at("missing"), file, tree.at("linkroot")}, 0, places());
    const std::string cat = tree.at("cat").native();
    EXPECT_EQ(all.parts.count(cat), 0u);  // measured through its children
    EXPECT_EQ(all.parts.at(cat + "/big"), alloc(big));
    EXPECT_EQ(all.parts.at(cat + "/empty"), 0);
    EXPECT_EQ(all.parts.at(cat + "/.hidden"), alloc(small));
    EXPECT_EQ(all.parts.at(tree.at("second/link.bin").native()), 0);  // counted once, under cat
    EXPECT_EQ(all.parts.at(file.native()), alloc(file));
    EXPECT_EQ(all.parts.at(tree.at("linkroot").native()), alloc(tree.at("linkroot")));
    EXPECT_EQ(all.parts.size(), 6u);
    EXPECT_EQ(all.total, alloc(big) + alloc(small) + alloc(file) + alloc(tree.at("linkroot")));

    // A measure asked to stop (the program is leaving) ends with what it had.
    std::stop_source stop;
    stop.request_stop();
    EXPECT_LT(DiskScanner::sizeWithParts({tree.at("cat")}, 0, places(), nullptr, stop.get_token()).total, alloc(big));
    EXPECT_LT(DiskScanner::size(std::vector<fs::path>{tree.at("cat")}, nullptr, stop.get_token()), alloc(big));

    const auto large = DiskScanner::sizeWithParts({tree.at("cat"), file}, alloc(file) + 1, places());
    EXPECT_EQ(large.parts.size(), 1u);
    EXPECT_EQ(large.parts.count(cat + "/big"), 1u);
    EXPECT_EQ(large.total, alloc(big) + alloc(small) + alloc(file));
}

TEST_F(DiskScannerTest, SizeWithPartsMeasuresAnUnlistableFolderWhole) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced";
    FileTree tree(home());
    tree.file("locked/x.bin", 1000);
    const auto locked = tree.unreadable("locked");
    const auto result = DiskScanner::sizeWithParts({locked}, 0, places());
    EXPECT_EQ(result.total, 0);
    ASSERT_EQ(result.parts.size(), 1u);
    EXPECT_EQ(result.parts.begin()->first, locked.native());
}

TEST_F(DiskScannerTest, SizeWithPartsSkipsPromptingChildrenWhenLimited) {
    FileTree tree(home());
    const auto docs = tree.file("Documents/report.pdf", 50000);
    const auto dot = tree.file(".config/x", 5000);
    DiskScanner::setLimited(true);
    auto result = DiskScanner::sizeWithParts({home()}, 0, places());
    EXPECT_EQ(result.parts.count(tree.at("Documents").native()), 0u);
    EXPECT_EQ(result.total, alloc(dot));
    DiskScanner::setLimited(false);
    result = DiskScanner::sizeWithParts({home()}, 0, places());
    EXPECT_EQ(result.parts.at(tree.at("Documents").native()), alloc(docs));
}

TEST_F(DiskScannerTest, NamesNeedNotBeUtf8) {
    FileTree tree(home());
    const auto a = tree.file("names/" + FileTree::spacedName() + "/a", 4000);
    const auto b = tree.file("names/" + FileTree::chineseName(), 4000);
    const auto c = tree.file("names/" + FileTree::invalidUtf8Name() + "/c", 4000);
    EXPECT_EQ(DiskScanner::size(tree.at("names")), alloc(a) + alloc(b) + alloc(c));
    EXPECT_EQ(DiskScanner::size(tree.at("names/" + FileTree::invalidUtf8Name())), alloc(c));
    const auto parts = DiskScanner::sizeWithParts({tree.at("names")}, 0, places());
    EXPECT_EQ(parts.parts.at(tree.at("names/" + FileTree::invalidUtf8Name()).native()), alloc(c));
}

TEST_F(DiskScannerTest, VolumeOfTheHomeFileSystem) {
    const auto figures = DiskScanner::volume(places());
    EXPECT_GT(figures.total, 0);
    EXPECT_GE(figures.free, 0);
    EXPECT_LE(figures.free, figures.total);

    const std::string saved = home().native();
    ::setenv("HOME", (outside() / "does/not/exist").c_str(), 1);
    const auto failed = DiskScanner::volume(platform::Places::fromEnvironment());
    ::setenv("HOME", saved.c_str(), 1);
    EXPECT_EQ(failed.total, 0);
    EXPECT_EQ(failed.free, 0);
}

TEST_F(DiskScannerTest, ModifiedDates) {
    FileTree tree(home());
    tree.file("f");
    const auto when = std::chrono::system_clock::time_point(std::chrono::seconds(1'600'000'000));
    tree.setModified("f", when);
    EXPECT_EQ(DiskScanner::modified(tree.at("f")).toSecsSinceEpoch(), 1'600'000'000);
    EXPECT_EQ(DiskScanner::modified(tree.at("f")).timeSpec(), Qt::UTC);

    // A link's own date, not its target's.
    tree.symlink(tree.at("f"), "link");
    tree.setModified("link", when + std::chrono::hours(24));
    EXPECT_EQ(DiskScanner::modified(tree.at("link")).toSecsSinceEpoch(), 1'600'000'000 + 86400);

    EXPECT_EQ(DiskScanner::modified(tree.at("missing")), DiskScanner::distantPast());
    EXPECT_EQ(DiskScanner::distantPast().date().year(), 1);
}

}  // namespace
}  // namespace sorbeta
