#include "platform/TreeWalk.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "FileTree.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/MountInfo.h"
#include "platform/StatInfo.h"

using namespace sorbeta;
using platform::EntryKind;
using platform::WalkError;
namespace fs = std::filesystem;

namespace {

struct Seen {
    EntryKind kind;
    WalkError error;
    uint64_t links;
    int64_t bytes;
};

// Every record of one walk by path; a path reported twice fails the test.
std::map<std::string, Seen> walkAll(const fs::path& root, platform::WalkOptions options = {}) {
    std::map<std::string, Seen> seen;
    platform::TreeWalk walk(root, std::move(options));
    while (const platform::WalkEntry* entry = walk.next()) {
        const bool fresh = seen.emplace(std::string(entry->path), Seen{entry->info.kind, entry->error,
                                                                       entry->info.links, entry->info.allocatedBytes})
                               .second;
        EXPECT_TRUE(fresh) << entry->path;
    }
    return seen;
}

}  // namespace

class TreeWalkTest : public test::HomeTest {};

TEST_F(TreeWalkTest, OneRecordPerEntryLinksAsThemselvesFailuresAsData) {
    test::FileTree tree(home());
    const auto file = tree.file("t/a.bin", 30000);
    tree.hardlink("t/a.bin", "t/sub/b.bin");
    tree.symlink(outside(), "t/out");
    tree.file("t/sub/" + test::FileTree::invalidUtf8Name(), 10);
    tree.file("t/locked/x", 10);
    const bool enforced = test::permissionsEnforced();
    if (enforced) tree.unreadable("t/locked");

    const auto seen = walkAll(tree.at("t"));
    const std::string t = tree.at("t").native();
    EXPECT_EQ(seen.at(t).kind, EntryKind::folder);
    EXPECT_EQ(seen.at(t + "/a.bin").kind, EntryKind::file);
    EXPECT_EQ(seen.at(t + "/a.bin").links, 2u);
    EXPECT_EQ(seen.at(t + "/a.bin").bytes, test::FileTree::allocated(file));
    EXPECT_EQ(seen.at(t + "/out").kind, EntryKind::symlink);  // reported, never followed
    EXPECT_EQ(seen.count(t + "/sub/" + test::FileTree::invalidUtf8Name()), 1u);
    if (enforced) {
        EXPECT_EQ(seen.at(t + "/locked").error, WalkError::unreadableFolder);
        EXPECT_EQ(seen.at(t + "/locked").kind, EntryKind::folder);
        EXPECT_EQ(seen.count(t + "/locked/x"), 0u);
    }
    for (const auto& [path, record] : seen) {
        if (path != t + "/locked") {
            EXPECT_EQ(record.error, WalkError::none) << path;
        }
    }

    // A root that is not there is one record that says so.
    const auto missing = walkAll(home() / "missing");
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing.begin()->second.error, WalkError::failedStat);
    // A link as the root is the link alone.
    const auto link = walkAll(tree.at("t/out"));
    ASSERT_EQ(link.size(), 1u);
    EXPECT_EQ(link.begin()->second.kind, EntryKind::symlink);
}

TEST_F(TreeWalkTest, SkippedFoldersAreReportedButNotEntered) {
    test::FileTree tree(home());
    tree.file("t/keep/a", 10);
    tree.file("t/skip/b", 10);
    platform::WalkOptions options;
    options.skipFolder = [](std::string_view path) { return path.ends_with("/skip"); };
    const auto seen = walkAll(tree.at("t"), std::move(options));
    const std::string t = tree.at("t").native();
    EXPECT_EQ(seen.count(t + "/skip"), 1u);
    EXPECT_EQ(seen.count(t + "/skip/b"), 0u);
    EXPECT_EQ(seen.count(t + "/keep/a"), 1u);
}

TEST_F(TreeWalkTest, EntryQuestionsTellMissingFromUnreachable) {
    test::FileTree tree(home());
    tree.symlink(home() / "nowhere", "dangling");
    tree.file("closed/inside", 10);
    EXPECT_EQ(platform::presenceOf(home() / "dangling"), platform::Presence::present);
    EXPECT_FALSE(platform::exists(home() / "dangling"));
    EXPECT_EQ(platform::presenceOf(home() / "none"), platform::Presence::absent);

    bool missing = false;
    EXPECT_EQ(platform::resolvedPath(home() / "closed/../closed/inside"), home() / "closed/inside");
    EXPECT_FALSE(platform::resolvedPath(home() / "none/x", &missing));
    EXPECT_TRUE(missing);
    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced";
    tree.unreadable("closed");
    EXPECT_EQ(platform::presenceOf(home() / "closed/inside"), platform::Presence::unknown);
    EXPECT_FALSE(platform::resolvedPath(home() / "closed/inside", &missing));
    EXPECT_FALSE(missing);
}

TEST_F(TreeWalkTest, StaysOnItsFileSystemAndNeverGoesRoundInACircle) {
    test::FileTree tree(home());
    tree.file("t/a.bin", 10);
    const fs::path inner = tree.dir("t/inner/again");
    test::ScratchMount scratch(tree.at("t/mnt"));
    if (!scratch.mounted()) GTEST_SKIP() << "cannot mount here";
    tree.file("t/mnt/inside.bin", 10);
    // A bind mount of a folder inside itself: the same file system, the same inodes.
    ASSERT_EQ(::mount(tree.at("t").c_str(), inner.c_str(), nullptr, MS_BIND, nullptr), 0);
    const auto seen = walkAll(tree.at("t"));
    ::umount2(inner.c_str(), MNT_DETACH);

    const std::string t = tree.at("t").native();
    EXPECT_EQ(seen.at(t + "/mnt").kind, EntryKind::folder);  // reported, not entered
    EXPECT_EQ(seen.at(t + "/mnt").error, WalkError::none);
    EXPECT_EQ(seen.count(t + "/mnt/inside.bin"), 0u);
    EXPECT_EQ(seen.at(t + "/inner/again").error, WalkError::cycle);
    EXPECT_EQ(seen.count(t + "/inner/again/a.bin"), 0u);
    EXPECT_EQ(seen.size(), 5u);  // t, a.bin, inner, inner/again, mnt
}

TEST_F(TreeWalkTest, AnotherMountOfTheSameFileSystemIsReportedButNotEntered) {
    test::FileTree tree(home());
    tree.file("t/Videos/clip.bin", 10);
    tree.file("t/Public/v/under.bin", 10);
    tree.file("t/Public/unsure/kept.bin", 10);
    const std::string t = tree.at("t").native();
    // Mounts a test cannot make, told as the kernel would: "v" is another
    // mount of the root's file system, "unsure" one whose mount is unknown.
    const auto mounts = [](std::optional<uint64_t> root) {
        return [root](int, const char* name) -> std::optional<uint64_t> {
            const std::string_view text(name);
            if (text.starts_with("/")) return root;
            if (text == "v") return 8;
            if (text == "unsure") return std::nullopt;
            return 7;
        };
    };
    platform::WalkOptions options;
    options.mountIdAt = mounts(7);
    auto seen = walkAll(tree.at("t"), std::move(options));
    EXPECT_EQ(seen.at(t + "/Public/v").kind, EntryKind::folder);  // reported, not entered
    EXPECT_EQ(seen.at(t + "/Public/v").error, WalkError::none);
    EXPECT_EQ(seen.count(t + "/Public/v/under.bin"), 0u);
    EXPECT_EQ(seen.count(t + "/Public/unsure/kept.bin"), 1u);
    EXPECT_EQ(seen.count(t + "/Videos/clip.bin"), 1u);
    // A root whose mount cannot be told is walked as before: by device alone.
    options = {};
    options.mountIdAt = mounts(std::nullopt);
    seen = walkAll(tree.at("t"), std::move(options));
    EXPECT_EQ(seen.count(t + "/Public/v/under.bin"), 1u);

    // The same with a real bind mount, where the process may make one.
    fs::remove_all(tree.at("t/Public/v/under.bin"));
    test::BindMount bound(tree.at("t/Videos"), tree.at("t/Public/v"));
    if (!bound.mounted()) GTEST_SKIP() << "cannot bind-mount here";
    // The kernel tells the bound folder's mount, the one /proc lists for it, from its parent's.
    const auto boundMount = platform::mountIdAt(AT_FDCWD, tree.at("t/Public/v").c_str());
    ASSERT_TRUE(boundMount);
    EXPECT_NE(boundMount, platform::mountIdAt(AT_FDCWD, tree.at("t/Public").c_str()));
    std::string mountInfo;
    ASSERT_TRUE(platform::readSmallFile("/proc/self/mountinfo", 4 << 20, mountInfo));
    bool listed = false;
    for (const platform::MountEntry& mount : platform::parseMountInfo(mountInfo))
        listed = listed || (mount.mountPoint == tree.at("t/Public/v").native() && mount.id == *boundMount);
    EXPECT_TRUE(listed);

    seen = walkAll(tree.at("t"));
    EXPECT_EQ(seen.count(t + "/Public/v"), 1u);
    EXPECT_EQ(seen.count(t + "/Public/v/clip.bin"), 0u);
    EXPECT_EQ(seen.count(t + "/Videos/clip.bin"), 1u);
    // As a root of its own, the bound folder is walked.
    EXPECT_EQ(walkAll(tree.at("t/Public/v")).count(t + "/Public/v/clip.bin"), 1u);
}
