// What the safety test lets through and what a clean leaves on disk, asked
// with hostile inputs: every case checks the disk, not only the answer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>

#include "FileTree.h"
#include "OnDisk.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "model/disk/Removal.h"
#include "model/holding/HoldingArea.h"
#include "platform/RemoveTree.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using test::present;

namespace {

int64_t allocated(const fs::path& path) { return test::FileTree::allocated(path); }

}  // namespace

class DiskRemovalTest : public test::HomeTest {
protected:
    bool safe(const fs::path& path, bool allowUserFolders = false, bool removingRoot = false) {
        return DiskScanner::isSafeToTouch(path, allowUserFolders, removingRoot, places());
    }
    int64_t clean(const std::vector<fs::path>& urls, bool removeRoots, bool allowUserFolders,
                  DiskScanner::HoldSink* hold) {
        return DiskScanner::clean(urls, removeRoots, allowUserFolders, hold, places());
    }
};

TEST_F(DiskRemovalTest, OnlyPlacesInsideHomeAreEverSafe) {
    test::FileTree tree(home());
    tree.dir("Library/Caches/app");
    tree.dir(".cache/x");
    for (const fs::path& path :
         {home(), fs::path("/"), fs::path("/tmp"), fs::path("/Applications"), outside(), outside() / "x",
          home().parent_path(), home() / "..", home() / ".cache/..", home() / "Library/Caches/app/../../..",
          fs::path("relative/.cache"), fs::path(""), home() / "Library/Caches/app/../../../../outside"}) {
        for (bool allow : {false, true}) {
            for (bool root : {false, true}) EXPECT_FALSE(safe(path, allow, root)) << path << allow << root;
        }
    }
    // ".." that stays inside home is judged where it lands.
    EXPECT_TRUE(safe(home() / "Library/Caches/app/x/..", false, true));
    EXPECT_FALSE(safe(home() / "Library/Caches/app/..", false, true));
}

TEST_F(DiskRemovalTest, DepthRulesBelowHomeAndLibrary) {
    EXPECT_TRUE(safe(home() / ".cache", false, false));
    EXPECT_FALSE(safe(home() / ".cache", false, true));
    EXPECT_FALSE(safe(home() / "Downloads", true, false));  // depth 1 needs a dot
    EXPECT_TRUE(safe(home() / ".cache/thumbnails", false, true));
    EXPECT_FALSE(safe(home() / "Downloads/a.dmg", false, true));
    EXPECT_TRUE(safe(home() / "Downloads/a.dmg", true, true));
    EXPECT_FALSE(safe(home() / "Movies/x", false, false));
    EXPECT_TRUE(safe(home() / "Library/Logs", false, false));
    EXPECT_FALSE(safe(home() / "Library/Logs", false, true));
    EXPECT_FALSE(safe(home() / "Library/Caches", true, false));
    EXPECT_TRUE(safe(home() / "Library/Caches/com.app", false, true));
    EXPECT_TRUE(safe(home() / "Library/Caches/com.app/deep/er", false, true));
}

TEST_F(DiskRemovalTest, ProtectedNamesAtAnyDepth) {
    for (const char* relative :
         {"Library/Caches/Keychains", "Library/Containers/com.app/Data/Library/Preferences", "Library/Caches/x/Mail/y",
          "Library/Mobile Documents/com~apple", ".cache/CloudKit/x", "Library/Caches/com.apple.HomeKit", ".ssh",
          ".ssh/id_ed25519", ".gnupg/private-keys-v1.d", ".password-store/x.gpg", ".pki/nssdb",
          ".local/share/keyrings/login.keyring", ".cache/deep/.ssh/known_hosts"}) {
        EXPECT_FALSE(safe(home() / relative, true, false)) << relative;
        EXPECT_FALSE(safe(home() / relative, true, true)) << relative;
    }
    // Names are compared exactly, as this file system does.
    EXPECT_TRUE(safe(home() / "Library/Caches/preferences", false, true));
    EXPECT_TRUE(safe(home() / ".cache/SSH", false, true));
}

TEST_F(DiskRemovalTest, OurOwnDataFolderIsNeverTouched) {
    const fs::path data = places().appDataFolder();
    test::FileTree(data).text("Holding/B/files/0-a", "held");
    test::FileTree(data).text("history.json", "[]");
    for (const fs::path& path : {data, data / "history.json", data / "Holding", data / "Holding/B/files/0-a",
                                 home() / ".local/share", home() / ".local"}) {
        EXPECT_FALSE(safe(path, true, false)) << path;
        EXPECT_FALSE(safe(path, true, true)) << path;
    }
    EXPECT_EQ(clean({home() / ".local", home() / ".local/share", data}, false, true, nullptr), 0);
    EXPECT_TRUE(present(data / "Holding/B/files/0-a"));
    EXPECT_TRUE(present(data / "history.json"));
    EXPECT_TRUE(safe(home() / ".local/share/Trash/files/x", false, true));
}

TEST_F(DiskRemovalTest, LinksAreJudgedByWhereTheyLieAndFoldersByTheirTarget) {
    test::FileTree tree(home());
    test::FileTree out(outside());
    out.text("precious/file", "keep");
    tree.dir("Documents/work");
    tree.symlink(outside() / "precious", "Library/Caches/to-outside");
    tree.symlink(home() / "Documents", "Library/Caches/to-documents");
    // A link at the end is judged as the link.
    EXPECT_TRUE(safe(home() / "Library/Caches/to-outside", false, true));
    // A linked folder in the middle is judged by its target.
    EXPECT_FALSE(safe(home() / "Library/Caches/to-outside/file", true, true));
    EXPECT_FALSE(safe(home() / "Library/Caches/to-documents/work", false, true));
    EXPECT_TRUE(safe(home() / "Library/Caches/to-documents/work", true, true));

    const int64_t linkBytes = allocated(home() / "Library/Caches/to-outside");
    EXPECT_EQ(clean({home() / "Library/Caches/to-outside"}, false, false, nullptr), linkBytes);
    EXPECT_FALSE(present(home() / "Library/Caches/to-outside"));
    EXPECT_EQ(test::FileTree::allocated(outside() / "precious/file"), allocated(outside() / "precious/file"));
    EXPECT_TRUE(present(outside() / "precious/file"));

    tree.symlink(outside() / "precious", "Library/Caches/again");
    EXPECT_EQ(clean({home() / "Library/Caches/again/file"}, true, true, nullptr), 0);
    EXPECT_TRUE(present(outside() / "precious/file"));
}

TEST_F(DiskRemovalTest, CleanRemovesContentsOrItemsAsTheRuleSays) {
    test::FileTree tree(home());
    const auto a = tree.file(".cache/app/a", 5000);
    const auto b = tree.file(".cache/app/sub/b", 10000);
    tree.file(".cache/.hidden", 100);
    const int64_t expected = allocated(a) + allocated(b) + allocated(home() / ".cache/.hidden");
    EXPECT_EQ(clean({home() / ".cache"}, false, false, nullptr), expected);
    EXPECT_TRUE(fs::is_directory(home() / ".cache"));
    EXPECT_TRUE(fs::is_empty(home() / ".cache"));

    // A dot-folder in home is never removed whole, and home itself never.
    tree.file(".cache/c", 10);
    EXPECT_EQ(clean({home() / ".cache", home()}, true, true, nullptr), 0);
    EXPECT_TRUE(present(home() / ".cache/c"));

    // Missing and dangling targets are passed over.
    tree.symlink("nowhere", "Library/Caches/dangling");
    EXPECT_EQ(clean({home() / "Library/Caches/none", home() / "Library/Caches/dangling"}, true, false, nullptr), 0);
    EXPECT_TRUE(present(home() / "Library/Caches/dangling"));
}

TEST_F(DiskRemovalTest, WhatReallyHappensDecidesTheTest) {
    test::FileTree tree(home());
    test::FileTree out(outside());
    tree.text(".bash_history", "history");
    out.text("logs/app.log", "log");
    tree.dir("Library");
    tree.symlink(outside() / "logs", "Library/Logs");
    // Without removeRoots only contents would go, but a file or a link goes
    // itself: a dot-file in home and a link at ~/Library/Logs stay.
    EXPECT_EQ(clean({home() / ".bash_history", home() / "Library/Logs"}, false, false, nullptr), 0);
    EXPECT_TRUE(present(home() / ".bash_history"));
    EXPECT_TRUE(fs::is_symlink(home() / "Library/Logs"));
    EXPECT_TRUE(present(outside() / "logs/app.log"));
}

TEST_F(DiskRemovalTest, ALinkSwappedInForAFolderGoesAsALink) {
    test::FileTree tree(home());
    tree.text("Documents/thesis.tex", "years of work");
    tree.text("Library/Caches/com.app/blob", "cache");
    // The rule found a folder; by the time it is cleaned a link stands there.
    fs::remove_all(home() / "Library/Caches/com.app");
    tree.symlink(home() / "Documents", "Library/Caches/com.app");
    clean({home() / "Library/Caches/com.app"}, false, false, nullptr);
    EXPECT_FALSE(present(home() / "Library/Caches/com.app"));
    EXPECT_TRUE(present(home() / "Documents/thesis.tex"));
}

TEST_F(DiskRemovalTest, AMountBelowATargetIsNotEntered) {
    test::FileTree tree(home());
    const auto a = tree.file("Library/Caches/com.app/a", 8192);
    test::ScratchMount mount(home() / "Library/Caches/com.app/mnt");
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount here";
    test::FileTree(home() / "Library/Caches/com.app/mnt").file("other", 4096);
    const int64_t aBytes = allocated(a);
    EXPECT_EQ(clean({home() / "Library/Caches/com.app"}, true, false, nullptr), aBytes);
    EXPECT_TRUE(present(home() / "Library/Caches/com.app/mnt/other"));
    EXPECT_FALSE(present(a));
}

namespace {
std::function<void()> beforeFirstFolder;
void runBeforeFirstFolder(int, const char*) {
    if (auto run = std::exchange(beforeFirstFolder, nullptr)) run();
}
}  // namespace

TEST_F(DiskRemovalTest, AFileSystemMountedOverATargetMidCleanIsNeverEmptied) {
    test::FileTree tree(home());
    const fs::path target = home() / "Library/Caches/com.app";
    for (const char* name : {"a", "b", "c"}) tree.text(target / name / "cache", "cache");
    // Once the clean is under way, another file system is mounted on the
    // target itself, holding folders of the same names.
    std::unique_ptr<test::ScratchMount> mount;
    beforeFirstFolder = [&] {
        mount = std::make_unique<test::ScratchMount>(target);
        if (!mount->mounted()) return;
        for (const char* name : {"a", "b", "c"}) test::FileTree(target).text(fs::path(name) / "mounted", "keep");
    };
    platform::setRemovalFolderHookForTesting(&runBeforeFirstFolder);
    clean({target}, false, false, nullptr);
    platform::setRemovalFolderHookForTesting(nullptr);
    if (!mount || !mount->mounted()) GTEST_SKIP() << "cannot mount here";
    // The clean went on in the folder it had opened, now hidden below the mount.
    for (const char* name : {"a", "b", "c"}) EXPECT_TRUE(present(target / name / "mounted")) << name;
    mount.reset();
    EXPECT_TRUE(fs::is_empty(target));
}

TEST_F(DiskRemovalTest, UndeletableFilesAreLeftAndNotCounted) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    test::FileTree tree(home());
    const auto gone1 = tree.file("Library/Caches/app/a", 4096 * 3);
    const auto gone2 = tree.file("Library/Caches/app/locked/../z", 4096);
    const auto stuck = tree.file("Library/Caches/app/locked/stuck", 4096 * 5);
    tree.file("Library/Caches/app/closed/hidden", 4096);
    const int64_t goneBytes = allocated(gone1) + allocated(gone2);
    ::chmod((home() / "Library/Caches/app/locked").c_str(), 0555);
    ::chmod((home() / "Library/Caches/app/closed").c_str(), 0);
    int stayed = 0;
    const int64_t freed =
        DiskScanner::clean({home() / "Library/Caches/app"}, true, false, nullptr, places(), nullptr, &stayed);
    EXPECT_EQ(stayed, 1);  // the folder that was to go whole
    // Emptied instead, each folder that would not go is one item left behind;
    // what went, or had gone by itself, is not.
    tree.file("Library/Caches/app/b", 4096);
    stayed = 0;
    DiskScanner::clean({home() / "Library/Caches/app", home() / "Library/Caches/gone"}, false, false, nullptr, places(),
                       nullptr, &stayed);
    EXPECT_EQ(stayed, 2);
    EXPECT_FALSE(present(home() / "Library/Caches/app/b"));
    ::chmod((home() / "Library/Caches/app/locked").c_str(), 0755);
    ::chmod((home() / "Library/Caches/app/closed").c_str(), 0755);
    EXPECT_EQ(freed, goneBytes);
    EXPECT_FALSE(present(gone1));
    EXPECT_FALSE(present(gone2));
    EXPECT_TRUE(present(stuck));
    EXPECT_TRUE(present(home() / "Library/Caches/app/closed/hidden"));
}

TEST_F(DiskRemovalTest, HeldItemsMoveAndRefusedOnesStay) {
    test::FileTree tree(home());
    const auto a = tree.file(".cache/app/a.log", 4096);
    const auto b = tree.file(".cache/app/b.log", 8192);
    const int64_t aBytes = allocated(a), bBytes = allocated(b);
    HoldingArea area(places().holdingFolder());
    auto writer = area.makeWriter();
    EXPECT_EQ(clean({home() / ".cache/app"}, false, false, writer.get()), aBytes + bBytes);
    EXPECT_FALSE(present(a));
    EXPECT_EQ(writer->items().size(), 2u);
    for (const auto& item : writer->items()) EXPECT_TRUE(present(writer->batch() / "files" / item.stored));

    // A holding area that cannot take anything: the user's files stay put,
    // and are counted as left behind.
    tree.text("blocked", "a file where the holding folder should be");
    HoldingArea blocked(home() / "blocked/Holding");
    auto refusing = blocked.makeWriter();
    const auto c = tree.file(".cache/app/c.log", 4096);
    const auto d = tree.file(".cache/app/d.log", 4096);
    int stayed = 0;
    EXPECT_EQ(DiskScanner::clean({home() / ".cache/app"}, false, false, refusing.get(), places(), nullptr, &stayed), 0);
    EXPECT_TRUE(present(c));
    EXPECT_TRUE(present(d));
    EXPECT_EQ(stayed, 2);
}
