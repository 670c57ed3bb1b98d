// The holding area against things that change under it: stale batches
// handed in, folders turned into links before a restore, a holding root that
// is not ours, manifests that cannot be read right now, counts that overflow.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "FileTree.h"
#include "OnDisk.h"
#include "TestEnvironment.h"
#include "model/disk/Measure.h"
#include "model/holding/HoldingArea.h"
#include "model/holding/HoldingModel.h"
#include "platform/Places.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using test::contents;
using test::present;

namespace {

QDateTime at(const char* text) { return *HoldingManifest::parseDate(QString::fromLatin1(text)); }

}  // namespace

class HoldingSafetyTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        area = std::make_unique<HoldingArea>(places().holdingFolder(), home());
        tree = std::make_unique<test::FileTree>(home());
    }
    HoldBatch holdFiles(const std::vector<std::string>& relatives, const char* date = "2026-03-01T09:00:00Z") {
        auto writer = area->makeWriter();
        for (const auto& relative : relatives) {
            const fs::path path = home() / relative;
            if (!present(path)) tree->text(relative, relative);
            EXPECT_TRUE(writer->hold(path, DiskScanner::size(path))) << relative;
        }
        return *area->commit(*writer, QStringLiteral("清理"), at(date));
    }
    fs::path folderOf(const HoldBatch& batch) const { return area->root() / batch.id; }

    std::unique_ptr<HoldingArea> area;
    std::unique_ptr<test::FileTree> tree;
};

TEST_F(HoldingSafetyTest, RestoreAndPurgeTouchOnlyWhatTheBatchListsNow) {
    const HoldBatch batch = holdFiles({"a", "b"});
    // Another writer's file lies in the batch's folder, unlisted, and the
    // copy handed in claims it.
    test::FileTree(folderOf(batch)).text("files/9-extra", "not listed");
    HoldBatch stale = batch;
    stale.items.push_back({(home() / "extra").native(), "9-extra", 10});

    const auto result = area->restore(stale);
    EXPECT_EQ(result.restored, 2);
    EXPECT_EQ(contents(home() / "a"), "a");
    EXPECT_FALSE(present(home() / "extra"));
    // The folder stays: something it did not list is still in it.
    EXPECT_EQ(contents(folderOf(batch) / "files/9-extra"), "not listed");
    // Handed in again, the restored batch does nothing.
    EXPECT_EQ(area->restore(batch).restored, 0);

    const HoldBatch second = holdFiles({"c", "d"});
    test::FileTree(folderOf(second)).text("files/9-extra", "not listed");
    stale = second;
    stale.items.push_back({(home() / "extra").native(), "9-extra", 10});
    EXPECT_GT(area->purge(stale), 0);
    EXPECT_EQ(contents(folderOf(second) / "files/9-extra"), "not listed");
    EXPECT_FALSE(present(folderOf(second) / "files/0-c"));
    // The manifest stays beside what nothing lists, but lists nothing that
    // is still held, so no batch shows.
    EXPECT_TRUE(present(folderOf(second) / "manifest.json"));
    EXPECT_TRUE(area->batches().empty());
}

TEST_F(HoldingSafetyTest, AFolderThatBecameALinkIsNeverRestoredThrough) {
    const HoldBatch batch = holdFiles({"docs/x/a", "docs/y/b", "docs/z/c"});
    test::FileTree(outside()).dir("target");
    fs::remove_all(home() / "docs/x");
    fs::create_directory_symlink(outside() / "target", home() / "docs/x");
    fs::remove_all(home() / "docs/y");
    tree->text("docs/y", "a file where the folder was");
    fs::remove_all(home() / "docs/z");  // simply gone: made again

    const auto result = area->restore(batch);
    EXPECT_EQ(result.restored, 1);
    EXPECT_EQ(result.skipped,
              (std::vector<std::string>{(home() / "docs/x/a").native(), (home() / "docs/y/b").native()}));
    EXPECT_TRUE(fs::is_empty(outside() / "target"));
    EXPECT_EQ(contents(home() / "docs/z/c"), "docs/z/c");
    EXPECT_TRUE(fs::is_directory(home() / "docs/z"));
    // What was skipped stays held and listed.
    const auto left = area->batches();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].items.size(), 2u);

    // An original outside home is never restored, even when listed.
    HoldBatch outsider = left[0];
    test::FileTree(folderOf(outsider)).text("files/9-out", "o");
    outsider.items = {{(outside() / "placed").native(), "9-out", 1}};
    const std::string bytes = *HoldingManifest::encode(outsider);
    test::FileTree(folderOf(outsider)).text("manifest.json", bytes);
    const auto outResult = area->restore(outsider);
    EXPECT_EQ(outResult.restored, 0);
    EXPECT_EQ(outResult.skipped, std::vector<std::string>{(outside() / "placed").native()});
    EXPECT_FALSE(present(outside() / "placed"));
}

TEST_F(HoldingSafetyTest, AHoldingRootThatIsNotARealFolderOfOursIsNeverUsed) {
    const HoldBatch batch = holdFiles({"a"});
    test::FileTree(area->root() / batch.id).setAgeDays("", 30);
    // The holding root swapped for a link to a copy of itself elsewhere.
    fs::rename(area->root(), outside() / "Holding");
    fs::create_directory_symlink(outside() / "Holding", area->root());
    EXPECT_TRUE(area->batches().empty());
    EXPECT_EQ(area->purgeExpired(7, at("2026-05-01T00:00:00Z")), 0);
    EXPECT_EQ(area->purge(batch), 0);
    EXPECT_EQ(area->restore(batch).restored, 0);
    EXPECT_TRUE(present(outside() / "Holding" / batch.id / "files/0-a"));
    tree->text("b", "b");
    auto writer = area->makeWriter();
    EXPECT_FALSE(writer->hold(home() / "b", 1));
    EXPECT_EQ(contents(home() / "b"), "b");

    // The data folder as a link is refused the same way.
    fs::remove(area->root());
    const fs::path data = area->root().parent_path();
    fs::rename(data, outside() / "data");
    fs::create_directory_symlink(outside() / "data", data);
    fs::rename(outside() / "Holding", outside() / "data/Holding");
    EXPECT_TRUE(area->batches().empty());
    EXPECT_EQ(area->purgeExpired(7, at("2026-05-01T00:00:00Z")), 0);
    EXPECT_TRUE(present(outside() / "data/Holding" / batch.id / "files/0-a"));
}

TEST_F(HoldingSafetyTest, AManifestThatCannotBeOpenedNowIsNotAnOrphan) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    const HoldBatch batch = holdFiles({"a"}, "2026-03-01T09:00:00Z");
    const fs::path manifest = folderOf(batch) / "manifest.json";
    test::FileTree(folderOf(batch)).setAgeDays("", 30);
    ::chmod(manifest.c_str(), 0);
    // Dated long ago, and its folder more than a day old: only the
    // unreadable manifest keeps it.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    EXPECT_EQ(area->purgeExpired(7, now), 0);
    ::chmod(manifest.c_str(), 0600);
    EXPECT_TRUE(present(folderOf(batch) / "files/0-a"));
    EXPECT_EQ(area->batches().size(), 1u);

    // One that reads but does not decode is an orphan; what it holds waits
    // out the full time from the last change to its files folder.
    test::FileTree(folderOf(batch)).text("manifest.json", "not json");
    test::FileTree(folderOf(batch)).setAgeDays("", 30);
    EXPECT_EQ(area->purgeExpired(7, now), 0);
    test::FileTree(folderOf(batch)).setAgeDays("files", 8);
    EXPECT_GT(area->purgeExpired(7, now), 0);
    EXPECT_FALSE(present(folderOf(batch)));
}

TEST_F(HoldingSafetyTest, CountsThatCannotAddUpAndOddTitlesAreHandled) {
    HoldBatch batch = holdFiles({"a", "b"});
    // Two counts whose sum overflows: not a manifest we wrote.
    batch.items[0].bytes = INT64_MAX;
    batch.items[1].bytes = INT64_MAX;
    test::FileTree(folderOf(batch)).text("manifest.json", *HoldingManifest::encode(batch));
    EXPECT_TRUE(area->batches().empty());

    // Large counts over several batches stop at the largest total.
    batch.items[1].bytes = 1;
    const HoldBatch other = [&] {
        HoldBatch copy = holdFiles({"c"});
        copy.items[0].bytes = INT64_MAX;
        return copy;
    }();
    HoldingModel model(std::make_shared<HoldingArea>(*area));
    model.setBatches({batch, other});
    EXPECT_EQ(model.total(), INT64_MAX);

    // A title with a surrogate that has no pair is written back unchanged.
    HoldBatch titled = other;
    titled.title = QStringLiteral("清理 ") + QChar(0xD83D) + QStringLiteral(" x ") + QChar(0xDE00);
    titled.items[0].bytes = 1;
    const auto decoded = HoldingManifest::decode(*HoldingManifest::encode(titled));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->title, titled.title);
    EXPECT_EQ(*decoded, titled);
}
