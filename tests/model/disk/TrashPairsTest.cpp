#include <gtest/gtest.h>

#include <QDateTime>
#include <algorithm>
#include <filesystem>
#include <set>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/catalog/Catalog.h"
#include "model/disk/Measure.h"
#include "model/disk/Removal.h"
#include "model/disk/Targets.h"
#include "model/disk/TrashPairs.h"
#include "model/holding/HoldingArea.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

bool present(const fs::path& path) { return fs::exists(fs::symlink_status(path)); }

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().native());
    std::sort(names.begin(), names.end());
    return names;
}

class TrashPairsTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        tree = std::make_unique<test::FileTree>(home());
        trash = home() / ".local/share/Trash";
        tree->file(".local/share/Trash/files/old.zip", 40'000);
        tree->text(".local/share/Trash/info/old.zip.trashinfo", "[Trash Info]\nPath=/a/old.zip\n");
        tree->file(".local/share/Trash/files/folder/inner.txt", 40'000);
        tree->text(".local/share/Trash/info/folder.trashinfo", "[Trash Info]\nPath=/a/folder\n");
        tree->text(".local/share/Trash/info/gone.trashinfo", "[Trash Info]\nPath=/a/gone\n");
        tree->text(".local/share/Trash/info/notes.txt", "not a description");
        tree->text(".local/share/Trash/directorysizes", "40960 1 folder\n");
    }
    // Cleans the rule "trash" as a clean run does, holding into `hold`.
    int64_t cleanTrash(DiskScanner::HoldSink* hold) {
        int64_t freed = 0;
        for (const auto& group : DiskScanner::targetGroups(*Catalog::cleanable("trash"), {}, places()))
            freed += DiskScanner::clean(group.paths, false, group.allowUserFolders, hold, places());
        return freed;
    }

    std::unique_ptr<test::FileTree> tree;
    fs::path trash;
};

TEST_F(TrashPairsTest, EmptiedInPairsWithOrphansAndSizeCacheAndHeldPairsComeBackTogether) {
    const auto targets = DiskScanner::targets(*Catalog::cleanable("trash"), {}, places());
    EXPECT_EQ(targets, (std::vector<fs::path>{trash / "files", trash / "info"}));
    const int64_t measured = DiskScanner::size(targets);
    EXPECT_EQ(measured, DiskScanner::size(trash / "files") + DiskScanner::size(trash / "info"));

    HoldingArea area(places().holdingFolder());
    auto writer = area.makeWriter();
    EXPECT_GE(cleanTrash(writer.get()), measured);
    // The folders stay, empty but for what is not ours to judge.
    EXPECT_TRUE(namesIn(trash / "files").empty());
    EXPECT_EQ(namesIn(trash / "info"), std::vector<std::string>{"notes.txt"});
    EXPECT_FALSE(present(trash / "directorysizes"));

    const auto batch = area.commit(*writer, QStringLiteral("废纸篓"), QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(batch);
    std::vector<std::string> originals;
    for (const auto& item : batch->items) originals.push_back(fs::path(item.original).lexically_relative(trash));
    // Each item (in listing order) is followed by its description; the size
    // cache and the orphan come after.
    ASSERT_EQ(originals.size(), 6u);
    for (std::size_t i : {0u, 2u})
        EXPECT_EQ(TrashPairs::partnerOf(batch->items[i].original), batch->items[i + 1].original) << originals[i];
    EXPECT_EQ(
        std::set<std::string>(originals.begin(), originals.begin() + 4),
        (std::set<std::string>{"files/folder", "info/folder.trashinfo", "files/old.zip", "info/old.zip.trashinfo"}));
    EXPECT_EQ(originals[4], "directorysizes");
    EXPECT_EQ(originals[5], "info/gone.trashinfo");

    // Something new took one item's place: that pair stays held, whole.
    tree->text(".local/share/Trash/files/old.zip", "a newer one");
    const auto result = area.restore(*batch);
    std::vector<std::string> skipped = result.skipped;
    std::sort(skipped.begin(), skipped.end());
    EXPECT_EQ(skipped, (std::vector<std::string>{(trash / "files/old.zip").native(),
                                                 (trash / "info/old.zip.trashinfo").native()}));
    EXPECT_TRUE(present(trash / "files/folder/inner.txt"));
    EXPECT_TRUE(present(trash / "info/folder.trashinfo"));
    EXPECT_FALSE(present(trash / "info/old.zip.trashinfo"));
    const auto left = area.batches();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].items.size(), 2u);
}

TEST_F(TrashPairsTest, AnItemThatStaysKeepsItsDescription) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    tree->file(".local/share/Trash/files/stuck/locked/x", 4096);
    tree->text(".local/share/Trash/info/stuck.trashinfo", "[Trash Info]\nPath=/a/stuck\n");
    tree->unreadable(".local/share/Trash/files/stuck/locked");
    int stayed = 0;
    for (const auto& group : DiskScanner::targetGroups(*Catalog::cleanable("trash"), {}, places()))
        DiskScanner::clean(group.paths, false, group.allowUserFolders, nullptr, places(), nullptr, &stayed);
    EXPECT_EQ(stayed, 1);  // the item; its description stays by design
    EXPECT_TRUE(present(trash / "files/stuck/locked"));
    EXPECT_TRUE(present(trash / "info/stuck.trashinfo"));
    EXPECT_FALSE(present(trash / "files/old.zip"));
    EXPECT_FALSE(present(trash / "info/old.zip.trashinfo"));
    EXPECT_FALSE(present(trash / "info/gone.trashinfo"));
    EXPECT_TRUE(present(trash));
}

TEST_F(TrashPairsTest, PartnersAreOnlyPairsOfATrash) {
    EXPECT_EQ(TrashPairs::partnerOf("/h/.local/share/Trash/files/a b"), "/h/.local/share/Trash/info/a b.trashinfo");
    EXPECT_EQ(TrashPairs::partnerOf("/h/.local/share/Trash/info/x.trashinfo"), "/h/.local/share/Trash/files/x");
    EXPECT_EQ(TrashPairs::partnerOf("/h/.local/share/Trash/info/.trashinfo"), "");
    EXPECT_EQ(TrashPairs::partnerOf("/h/.local/share/Trash/info/notes.txt"), "");
    EXPECT_EQ(TrashPairs::partnerOf("/h/Documents/files/a"), "");
    EXPECT_EQ(TrashPairs::partnerOf("/h/.local/share/Trash/files/a/b"), "");  // inside an item
}

TEST_F(TrashPairsTest, LinuxSecretsAreRefusedAtAnyDepthAndSnapIsLikeADotFolder) {
    auto safe = [&](const char* relative, bool removingRoot = true) {
        return DiskScanner::isSafeToTouch(home() / relative, true, removingRoot, places());
    };
    for (const char* secret :
         {".mozilla/firefox/p/cache2", ".thunderbird/p/ImapMail", ".local/share/kwalletd/kdewallet.kwl",
          ".aws/cli/cache", ".kube/cache", ".docker/buildx", ".config/gcloud/logs", "文档/xwechat_files/w/db_storage",
          ".config/QQ/nt_qq/nt_db", ".cache/x/.SSH/id", ".var/app/org.mozilla.firefox/.Mozilla/p",
          ".local/share/keyrings/login.keyring"})
        EXPECT_FALSE(safe(secret)) << secret;
    EXPECT_FALSE(safe("snap"));
    EXPECT_TRUE(safe("snap", false));
    EXPECT_TRUE(safe("snap/code/common/.cache"));
    EXPECT_TRUE(safe(".cache/mozilla/firefox/p/cache2"));  // the cache, not the profile
}

}  // namespace
}  // namespace sorbeta
