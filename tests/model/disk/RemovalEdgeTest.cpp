// Removal and holding on the awkward places of a real disk: mounts, full and
// foreign file systems, names of every kind, very deep trees, a linked home.
// Every case checks what is left on disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FileTree.h"
#include "OnDisk.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "model/disk/Measure.h"
#include "model/disk/Removal.h"
#include "model/holding/HoldingArea.h"
#include "platform/Places.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using test::contents;
using test::present;

namespace {

// A chain of folders whose full path is longer than PATH_MAX, built with
// relative steps because the kernel refuses such paths whole.
fs::path deepChain(const fs::path& top, int levels) {
    fs::create_directories(top);
    const std::string step(200, 'd');
    const int base = ::open(top.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    int dir = base;
    fs::path path = top;
    for (int i = 0; i < levels; ++i) {
        ::mkdirat(dir, step.c_str(), 0700);
        const int next = ::openat(dir, step.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (dir != base) ::close(dir);
        dir = next;
        path /= step;
    }
    const int file = ::openat(dir, "leaf", O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    [[maybe_unused]] const ssize_t wrote = ::write(file, "deep", 4);
    ::close(file);
    if (dir != base) ::close(dir);
    ::close(base);
    return path / "leaf";
}

// Whether a path of any length is there, looked up one folder at a time.
bool presentAtAnyDepth(const fs::path& path) {
    int dir = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    const fs::path relative = path.relative_path();
    bool found = true;
    for (auto it = relative.begin(); found && it != relative.end(); ++it) {
        if (std::next(it) == relative.end()) {
            struct stat info {};
            found = ::fstatat(dir, it->c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
            break;
        }
        const int next = ::openat(dir, it->c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        found = next >= 0;
        ::close(dir);
        dir = next;
    }
    if (dir >= 0) ::close(dir);
    return found;
}

}  // namespace

class DiskRemovalEdgeTest : public test::HomeTest {
protected:
    int64_t clean(const std::vector<fs::path>& urls, bool removeRoots, bool allowUserFolders,
                  DiskScanner::HoldSink* hold) {
        return DiskScanner::clean(urls, removeRoots, allowUserFolders, hold, places());
    }
};

TEST_F(DiskRemovalEdgeTest, AFolderThatIsAMountPointIsNotEmptied) {
    test::FileTree tree(home());
    tree.file(".cache/plain/a", 4096);
    test::ScratchMount mount(home() / ".cache/mounted");
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount here";
    test::FileTree(home() / ".cache/mounted").text("disk/precious", "another disk's file");
    for (bool removeRoots : {false, true}) {
        EXPECT_EQ(clean({home() / ".cache/mounted"}, removeRoots, false, nullptr), 0);
        EXPECT_EQ(contents(home() / ".cache/mounted/disk/precious"), "another disk's file");
    }
    // The folder holding the mount is emptied, the mount itself not entered.
    clean({home() / ".cache"}, false, false, nullptr);
    EXPECT_FALSE(present(home() / ".cache/plain"));
    EXPECT_EQ(contents(home() / ".cache/mounted/disk/precious"), "another disk's file");
}

TEST_F(DiskRemovalEdgeTest, HoldingOnAnotherFileSystemLeavesEverythingInPlace) {
    test::FileTree tree(home());
    const auto a = tree.text(".cache/app/a.log", "a");
    const auto b = tree.text(".cache/app/sub/b.log", "b");
    test::ScratchMount mount(places().appDataFolder());
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount here";
    HoldingArea area(places().holdingFolder());
    auto writer = area.makeWriter();
    EXPECT_EQ(clean({home() / ".cache/app"}, false, false, writer.get()), 0);
    EXPECT_EQ(contents(a), "a");
    EXPECT_EQ(contents(b), "b");
    EXPECT_FALSE(area.commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc()));
    EXPECT_TRUE(area.batches().empty());
}

TEST_F(DiskRemovalEdgeTest, AFullDiskDuringHoldLeavesEverythingInPlace) {
    // Home's cache and the data folder share one tiny file system that is full.
    const fs::path disk = home() / ".cache/disk";
    test::ScratchMount mount(disk);
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount here";
    ::setenv("XDG_DATA_HOME", (disk / "share").c_str(), 1);
    const auto moved = platform::Places::fromEnvironment();
    test::FileTree tree(disk);
    const auto a = tree.text("cache/app/a.log", "a");
    {
        std::ofstream fill(disk / "filler", std::ios::binary);
        const std::string block(1 << 16, 'f');
        while (fill.write(block.data(), block.size())) {}
    }
    HoldingArea area(moved.holdingFolder());
    auto writer = area.makeWriter();
    EXPECT_EQ(DiskScanner::clean({disk / "cache/app"}, false, false, writer.get(), moved), 0);
    EXPECT_EQ(contents(a), "a");
    area.commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc());
    EXPECT_TRUE(area.batches().empty());

    // With room again the same clean holds it: the disk was the only obstacle.
    fs::remove(disk / "filler");
    auto second = area.makeWriter();
    EXPECT_GT(DiskScanner::clean({disk / "cache/app"}, false, false, second.get(), moved), 0);
    EXPECT_FALSE(present(a));
    EXPECT_TRUE(area.commit(*second, QStringLiteral("t"), QDateTime::currentDateTimeUtc()));
}

TEST_F(DiskRemovalEdgeTest, AnItemThatCannotMoveStaysAndTheRestAreHeld) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    test::FileTree tree(home());
    const auto stuck = tree.text(".cache/app/locked/stuck.log", "stuck");
    const auto free = tree.text(".cache/app/free.log", "free");
    ::chmod((home() / ".cache/app/locked").c_str(), 0555);
    HoldingArea area(places().holdingFolder());
    auto writer = area.makeWriter();
    const int64_t freeBytes = DiskScanner::size(free);
    // The locked folder itself can move (its parent is writable); what cannot
    // move is a file inside it when the locked folder is the target.
    EXPECT_EQ(clean({home() / ".cache/app/locked", home() / ".cache/app/free.log"}, false, false, writer.get()),
              freeBytes);
    ::chmod((home() / ".cache/app/locked").c_str(), 0755);
    EXPECT_EQ(contents(stuck), "stuck");
    EXPECT_FALSE(present(free));
    const auto batch = area.commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(batch);
    ASSERT_EQ(batch->items.size(), 1u);
    EXPECT_EQ(batch->items[0].stored, "0-free.log");
}

TEST_F(DiskRemovalEdgeTest, NamesWithNewlinesAndOtherBytesRoundTrip) {
    test::FileTree tree(home());
    const std::vector<std::string> names = {
        "line\nbreak", "tab\there", "quote\"back\\slash", "\x01\x7f", test::FileTree::invalidUtf8Name(), "中文 名字"};
    for (const auto& name : names) tree.text(".cache/app/" + name, name);
    HoldingArea area(places().holdingFolder());
    auto writer = area.makeWriter();
    clean({home() / ".cache/app"}, false, false, writer.get());
    EXPECT_TRUE(fs::is_empty(home() / ".cache/app"));
    area.commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc());
    const auto batches = area.batches();
    ASSERT_EQ(batches.size(), 1u);
    ASSERT_EQ(batches[0].items.size(), names.size());
    EXPECT_EQ(area.restore(batches[0]).restored, int64_t(names.size()));
    for (const auto& name : names) EXPECT_EQ(contents(home() / ".cache/app" / name), name);
}

TEST_F(DiskRemovalEdgeTest, TreesDeeperThanAPathCanBeAreRemovedOrHeldWhole) {
    const fs::path top = home() / "Library/Caches/deep";
    const fs::path leaf = deepChain(top, 30);
    ASSERT_GT(leaf.native().size(), std::size_t(PATH_MAX));
    clean({top}, true, false, nullptr);
    EXPECT_FALSE(present(top));

    // Held: the top folder moves in one piece and comes back in one piece.
    const fs::path again = home() / "Library/Caches/again";
    deepChain(again, 30);
    HoldingArea area(places().holdingFolder());
    auto writer = area.makeWriter();
    clean({again}, true, false, writer.get());
    EXPECT_FALSE(present(again));
    const auto batch = area.commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(batch);
    EXPECT_EQ(area.restore(*batch).restored, 1);
    EXPECT_TRUE(fs::is_directory(again / std::string(200, 'd')));
}

TEST_F(DiskRemovalEdgeTest, AnOriginalDeeperThanAPathCanBeIsHeldAndRestored) {
    const fs::path leaf = deepChain(home() / "Library/Caches/deep", 30);
    ASSERT_GT(leaf.native().size(), std::size_t(PATH_MAX));
    HoldingArea area(places().holdingFolder());
    auto writer = area.makeWriter();
    ASSERT_TRUE(writer->hold(leaf, 4096));
    EXPECT_FALSE(presentAtAnyDepth(leaf));
    const auto batch = area.commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(batch);
    const auto result = area.restore(*batch);
    EXPECT_EQ(result.restored, 1);
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_TRUE(presentAtAnyDepth(leaf));
    EXPECT_TRUE(area.batches().empty());
}

TEST_F(DiskRemovalEdgeTest, HardLinksToFilesOutsideHomeOnlyLoseTheirNameInside) {
    test::FileTree tree(home());
    test::FileTree out(outside());
    const auto precious = out.text("precious.db", "outside data");
    tree.hardlink(precious, ".cache/app/link.db");
    clean({home() / ".cache/app"}, false, false, nullptr);
    EXPECT_FALSE(present(home() / ".cache/app/link.db"));
    EXPECT_EQ(contents(precious), "outside data");
}

TEST_F(DiskRemovalEdgeTest, AHomeReachedThroughALinkIsJudgedByItsRealPlace) {
    const fs::path real = home();
    const fs::path link = outside() / "home-link";
    fs::create_directory_symlink(real, link);
    ::setenv("HOME", link.c_str(), 1);
    const auto linked = platform::Places::fromEnvironment();
    EXPECT_EQ(linked.home, real);
    test::FileTree tree(real);
    tree.text(".cache/app/a", "a");
    tree.text("Documents/keep", "keep");
    EXPECT_TRUE(DiskScanner::isSafeToTouch(link / ".cache/app", false, true, linked));
    EXPECT_FALSE(DiskScanner::isSafeToTouch(link / "Documents/keep", false, true, linked));
    DiskScanner::clean({link / ".cache/app", link / "Documents"}, true, false, nullptr, linked);
    EXPECT_FALSE(present(real / ".cache/app"));
    EXPECT_EQ(contents(real / "Documents/keep"), "keep");
}

TEST_F(DiskRemovalEdgeTest, NothingIsSafeWhenHomeIsTheRootFolder) {
    ::setenv("HOME", "/", 1);
    const auto rooted = platform::Places::fromEnvironment();
    for (const char* path : {"/.cache", "/.cache/x", "/tmp/x", "/Downloads/a.part", "/Library/Caches/x"}) {
        for (bool allow : {false, true}) {
            EXPECT_FALSE(DiskScanner::isSafeToTouch(path, allow, false, rooted)) << path;
            EXPECT_FALSE(DiskScanner::isSafeToTouch(path, allow, true, rooted)) << path;
        }
    }
}

TEST_F(DiskRemovalEdgeTest, ATrailingSlashNeverLeadsThroughALink) {
    // "link/" names the folder the link points to; emptying it would reach
    // through the link into Documents.
    test::FileTree tree(home());
    tree.text("Documents/thesis.tex", "years of work");
    tree.symlink(home() / "Documents", "Library/Caches/com.app");
    HoldingArea area(places().holdingFolder());
    const auto writer = area.makeWriter();
    for (HoldingWriter* hold : {static_cast<HoldingWriter*>(nullptr), writer.get()}) {
        clean({fs::path(home().native() + "/Library/Caches/com.app/")}, false, false, hold);
        EXPECT_EQ(contents(home() / "Documents/thesis.tex"), "years of work");
    }
    // Spelled with a slash, a real folder is still emptied.
    tree.text("Library/Caches/real/blob", "cache");
    clean({fs::path(home().native() + "/Library/Caches/real//")}, false, false, nullptr);
    EXPECT_TRUE(fs::is_directory(home() / "Library/Caches/real"));
    EXPECT_FALSE(present(home() / "Library/Caches/real/blob"));
}
