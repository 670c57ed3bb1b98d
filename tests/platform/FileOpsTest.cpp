#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FileTree.h"
#include "OnDisk.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "platform/FileOps.h"

using namespace sorbeta;
using platform::ParentLinks;
namespace fs = std::filesystem;
using test::contents;
using test::present;

class FileOpsTest : public test::HomeTest {};

TEST_F(FileOpsTest, MoveNeverReplacesAndNeverFollowsOrCopies) {
    test::FileTree tree(home());
    tree.text("a/one", "one");
    tree.text("b/one", "other");
    EXPECT_EQ(platform::moveNoReplace(home() / "a/one", home() / "b/one"), EEXIST);
    EXPECT_EQ(contents(home() / "a/one"), "one");
    EXPECT_EQ(contents(home() / "b/one"), "other");

    // A dangling link at the destination is an entry too.
    tree.symlink("nowhere", "b/link");
    EXPECT_EQ(platform::moveNoReplace(home() / "a/one", home() / "b/link"), EEXIST);
    EXPECT_TRUE(present(home() / "a/one"));

    // A folder moves whole, and a link moves as itself.
    tree.text("a/sub/deep", "deep");
    tree.symlink(outside(), "a/out");
    EXPECT_EQ(platform::moveNoReplace(home() / "a/sub", home() / "b/sub"), 0);
    EXPECT_EQ(platform::moveNoReplace(home() / "a/out", home() / "b/out"), 0);
    EXPECT_EQ(contents(home() / "b/sub/deep"), "deep");
    EXPECT_TRUE(fs::is_symlink(home() / "b/out"));
    EXPECT_TRUE(fs::exists(outside()));

    // With links refused on the way, a linked folder is not passed through.
    tree.symlink(home() / "a", "alias");
    EXPECT_NE(platform::moveNoReplace(home() / "alias/one", home() / "b/two", ParentLinks::refuse), 0);
    EXPECT_TRUE(present(home() / "a/one"));
    EXPECT_EQ(platform::moveNoReplace(home() / "alias/one", home() / "b/two", ParentLinks::follow), 0);
}

TEST_F(FileOpsTest, MoveAcrossFileSystemsFailsAndLeavesTheSource) {
    test::FileTree tree(home());
    tree.text("item", "data");
    test::ScratchMount mount(home() / "mnt");
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount here";
    EXPECT_EQ(platform::moveNoReplace(home() / "item", home() / "mnt/item"), EXDEV);
    EXPECT_EQ(contents(home() / "item"), "data");
    EXPECT_FALSE(present(home() / "mnt/item"));
}

TEST_F(FileOpsTest, RemovalNeverFollowsLinks) {
    test::FileTree tree(home());
    test::FileTree out(outside());
    out.text("precious/file", "keep");
    tree.text("target/a", "a");
    tree.symlink(outside() / "precious", "target/link-to-folder");
    tree.symlink(outside() / "precious/file", "target/link-to-file");
    const auto removal = platform::removeTree(home() / "target", ParentLinks::refuse);
    EXPECT_TRUE(removal.complete);
    EXPECT_EQ(removal.removed, 4);
    EXPECT_FALSE(present(home() / "target"));
    EXPECT_EQ(contents(outside() / "precious/file"), "keep");

    // A link as the thing to remove goes itself.
    tree.symlink(outside() / "precious", "lonely");
    EXPECT_TRUE(platform::removeTree(home() / "lonely", ParentLinks::refuse).complete);
    EXPECT_EQ(contents(outside() / "precious/file"), "keep");

    // A link among the folders on the way refuses the whole removal.
    tree.symlink(outside(), "via");
    const auto refused = platform::removeTree(home() / "via/precious", ParentLinks::refuse);
    EXPECT_FALSE(refused.complete);
    EXPECT_EQ(refused.removed, 0);
    EXPECT_EQ(contents(outside() / "precious/file"), "keep");
}

TEST_F(FileOpsTest, RemovalStopsAtMountsAndRemovesWhatItCan) {
    test::FileTree tree(home());
    tree.text("target/a", "a");
    tree.text("target/sub/b", "b");
    test::ScratchMount mount(home() / "target/mnt");
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount here";
    test::FileTree(home() / "target/mnt").text("inside", "other file system");
    const auto removal = platform::removeTree(home() / "target", ParentLinks::refuse);
    EXPECT_FALSE(removal.complete);
    EXPECT_EQ(removal.removed, 3);  // a, sub/b, sub
    EXPECT_EQ(contents(home() / "target/mnt/inside"), "other file system");
    EXPECT_FALSE(present(home() / "target/a"));
    EXPECT_FALSE(present(home() / "target/sub"));

    // A bind mount of the same file system is another mount too.
    test::FileTree(outside()).text("bound/secret", "s");
    fs::create_directories(home() / "second/bind");
    if (::mount(outside().c_str(), (home() / "second/bind").c_str(), nullptr, MS_BIND, nullptr) == 0) {
        EXPECT_FALSE(platform::removeTree(home() / "second", ParentLinks::refuse).complete);
        ::umount2((home() / "second/bind").c_str(), MNT_DETACH);
        EXPECT_EQ(contents(outside() / "bound/secret"), "s");
    }
}

TEST_F(FileOpsTest, RemovalGoesOnPastWhatCannotGo) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    test::FileTree tree(home());
    tree.text("target/a", "a");
    tree.text("target/locked/stuck", "stuck");
    tree.text("target/z", "z");
    tree.unreadable("target/closed");
    tree.text("target/unreadable/x", "x");
    ::chmod((home() / "target/locked").c_str(), 0555);
    ::chmod((home() / "target/unreadable").c_str(), 0);
    const auto removal = platform::removeTree(home() / "target", ParentLinks::refuse);
    ::chmod((home() / "target/locked").c_str(), 0755);
    ::chmod((home() / "target/unreadable").c_str(), 0755);
    EXPECT_FALSE(removal.complete);
    EXPECT_EQ(removal.removed, 3);  // a, z and the empty unreadable folder
    EXPECT_FALSE(present(home() / "target/a"));
    EXPECT_FALSE(present(home() / "target/z"));
    EXPECT_FALSE(present(home() / "target/closed"));
    EXPECT_EQ(contents(home() / "target/locked/stuck"), "stuck");
    EXPECT_EQ(contents(home() / "target/unreadable/x"), "x");
}

TEST_F(FileOpsTest, NamesFitTheFileSystem) {
    EXPECT_EQ(platform::fitName("0-", "a.log", 255), "0-a.log");
    const std::string longName = std::string(300, 'n') + ".log";
    const std::string fitted = platform::fitName("12-", longName, 255);
    EXPECT_EQ(fitted.size(), 255u);
    EXPECT_EQ(fitted.substr(0, 3), "12-");
    EXPECT_EQ(fitted.substr(fitted.size() - 4), ".log");
    // Chinese characters are three bytes each: never cut in the middle.
    std::string chinese;
    for (int i = 0; i < 100; ++i) chinese += "文";
    const std::string cut = platform::fitName("3-", chinese, 255);
    EXPECT_LE(cut.size(), 255u);
    EXPECT_EQ((cut.size() - 2) % 3, 0u);
    EXPECT_EQ(platform::nameMax(home()), std::size_t(NAME_MAX));

    EXPECT_TRUE(platform::isPlainName("a b"));
    for (const char* bad : {"", ".", "..", "a/b", "/"}) EXPECT_FALSE(platform::isPlainName(bad)) << bad;
    EXPECT_FALSE(platform::isPlainName(std::string("a\0b", 3)));
}

TEST_F(FileOpsTest, AtomicWritesAndCarefulReads) {
    const fs::path file = home() / "store.json";
    ASSERT_TRUE(platform::writeFileAtomically(file, "first"));
    ASSERT_TRUE(platform::writeFileAtomically(file, "second"));
    EXPECT_EQ(contents(file), "second");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(home()), fs::directory_iterator()), 1);  // no temporary left

    std::string read;
    EXPECT_TRUE(platform::readSmallFile(file, 100, read));
    EXPECT_EQ(read, "second");
    EXPECT_FALSE(platform::readSmallFile(file, 3, read));
    // A pipe, a link or a folder in a file's place is not read (and never hangs).
    ASSERT_EQ(::mkfifo((home() / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(platform::readSmallFile(home() / "pipe", 100, read));
    fs::create_symlink(file, home() / "link");
    EXPECT_FALSE(platform::readSmallFile(home() / "link", 100, read));
    EXPECT_FALSE(platform::readSmallFile(home(), 100, read));
    EXPECT_FALSE(platform::readSmallFile(home() / "missing", 100, read));
}
