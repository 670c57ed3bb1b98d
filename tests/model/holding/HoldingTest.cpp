#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FileTree.h"
#include "OnDisk.h"
#include "TestEnvironment.h"
#include "model/disk/Measure.h"
#include "model/holding/HoldingArea.h"
#include "platform/FileOps.h"
#include "platform/Places.h"

using namespace sorbeta;
namespace fs = std::filesystem;
using test::contents;
using test::present;

namespace {

QDateTime at(const char* text) { return *HoldingManifest::parseDate(QString::fromLatin1(text)); }

// A journal flush as a writer asks for it: what the journal listed then and
// which of those items were already in the files folder.
struct Flush {
    std::vector<std::string> listed;
    std::vector<bool> moved;
};
std::vector<Flush> flushes;
fs::path flushedFiles;  // the files folder of the batch being written
int flushesThatWork = INT_MAX;

bool recordFlush(int journalFd) {
    const fs::path journal = fs::read_symlink("/proc/self/fd/" + std::to_string(journalFd));
    Flush flush;
    if (const auto batch = HoldingManifest::decodeJournal(contents(journal))) {
        for (const auto& item : batch->items) {
            flush.listed.push_back(fs::path(item.original).filename().native());
            flush.moved.push_back(present(flushedFiles / item.stored));
        }
    }
    flushes.push_back(std::move(flush));
    return int(flushes.size()) <= flushesThatWork && platform::flushData(journalFd);
}

}  // namespace

class HoldingTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        area = std::make_unique<HoldingArea>(places().holdingFolder());
        tree = std::make_unique<test::FileTree>(home());
    }
    // One committed batch holding the given home-relative files.
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
    // Holds the files without a commit and cuts the journal's last line short,
    // as a power cut that kept the last move but not all of its line leaves
    // it: the last file is held and nothing lists it. Answers the batch folder.
    fs::path holdLosingTheLastLine(const std::vector<std::string>& relatives) {
        auto writer = area->makeWriter();
        for (const auto& relative : relatives) {
            tree->text(relative, relative);
            EXPECT_TRUE(writer->hold(home() / relative, 1)) << relative;
        }
        const fs::path folder = writer->batch();
        writer.reset();
        const fs::path journal = folder / "manifest.journal";
        const std::string text = contents(journal);
        const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
        fs::resize_file(journal, lastLine + (text.size() - lastLine) / 2);
        return folder;
    }

    std::unique_ptr<HoldingArea> area;
    std::unique_ptr<test::FileTree> tree;
};

TEST_F(HoldingTest, HoldNumbersNamesAndCommitsAManifest) {
    tree->text("x/a.log", "first");
    tree->text("y/a.log", "second");
    auto writer = area->makeWriter();
    EXPECT_FALSE(present(writer->batch()));  // nothing on disk before the first hold
    EXPECT_TRUE(writer->hold(home() / "x/a.log", 4096));
    EXPECT_FALSE(writer->hold(home() / "x/missing", 1));  // a failed move keeps the number free
    EXPECT_TRUE(writer->hold(home() / "y/a.log", 4096));
    ASSERT_EQ(writer->items().size(), 2u);
    EXPECT_EQ(writer->items()[0].stored, "0-a.log");
    EXPECT_EQ(writer->items()[1].stored, "1-a.log");
    EXPECT_EQ(contents(writer->batch() / "files/1-a.log"), "second");

    const QDateTime date = QDateTime::fromMSecsSinceEpoch(1772355600123, Qt::UTC);
    const auto batch = area->commit(*writer, QStringLiteral("缓存 / 日志"), date);
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->id.size(), 36u);
    EXPECT_EQ(QString::fromStdString(batch->id), QString::fromStdString(batch->id).toUpper());
    const std::string manifest = contents(folderOf(*batch) / "manifest.json");
    const std::string expected = "{\"id\":\"" + batch->id +
                                 "\",\"date\":\"2026-03-01T09:00:00Z\",\"title\":\"缓存 \\/ 日志\",\"items\":[" +
                                 "{\"original\":\"" + HoldingManifest::quote((home() / "x/a.log").native()).substr(1);
    EXPECT_EQ(manifest.substr(0, expected.size()), expected);
    EXPECT_NE(manifest.find("\"stored\":\"1-a.log\",\"bytes\":4096}]}"), std::string::npos);
    EXPECT_FALSE(present(folderOf(*batch) / "manifest.journal"));
    EXPECT_EQ(batch->date, date);  // as given, milliseconds and all
    HoldBatch stored = *batch;     // the manifest keeps whole seconds
    stored.date = QDateTime::fromSecsSinceEpoch(date.toSecsSinceEpoch(), Qt::UTC);
    EXPECT_EQ(area->batches(), std::vector<HoldBatch>{stored});

    // A writer that held nothing leaves nothing behind.
    auto empty = area->makeWriter();
    EXPECT_FALSE(area->commit(*empty, QStringLiteral("t"), date));
    EXPECT_FALSE(present(empty->batch()));
}

TEST_F(HoldingTest, LongNamesAreShortenedToFit) {
    const std::string longName = std::string(248, 'L') + ".cache";
    tree->text("long/" + longName, "data");
    auto writer = area->makeWriter();
    for (int i = 0; i < 11; ++i) writer->hold(home() / "nothing", 0);  // numbers stay at 0
    ASSERT_TRUE(writer->hold(home() / "long" / longName, 1));
    const std::string stored = writer->items()[0].stored;
    EXPECT_LE(stored.size(), 255u);
    EXPECT_EQ(stored.substr(0, 2), "0-");
    EXPECT_EQ(contents(writer->batch() / "files" / stored), "data");
    const auto batch = area->commit(*writer, QStringLiteral("t"), at("2026-03-01T09:00:00Z"));
    EXPECT_EQ(area->restore(*batch).restored, 1);
    EXPECT_EQ(contents(home() / "long" / longName), "data");
}

TEST_F(HoldingTest, ListingIsNewestFirstAndSkipsWhatIsNotABatch) {
    EXPECT_TRUE(area->batches().empty());  // no root yet
    const auto nine = holdFiles({"a"}, "2026-03-01T09:00:00Z");
    const auto ten = holdFiles({"b"}, "2026-03-01T10:00:00Z");
    const auto list = area->batches();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], ten);
    EXPECT_EQ(list[1], nine);
}

TEST_F(HoldingTest, RestorePutsBackSkipsTakenPlacesAndRewritesTheManifest) {
    const auto batch = holdFiles({"docs/one", "docs/two", "gone/deep/three"});
    tree->text("docs/two", "new file in the way");
    fs::remove_all(home() / "gone");
    const auto result = area->restore(batch);
    EXPECT_EQ(result.restored, 2);
    EXPECT_EQ(result.skipped, std::vector<std::string>{(home() / "docs/two").native()});
    EXPECT_EQ(contents(home() / "docs/one"), "docs/one");
    EXPECT_EQ(contents(home() / "docs/two"), "new file in the way");
    EXPECT_EQ(contents(home() / "gone/deep/three"), "gone/deep/three");  // folders recreated
    const auto left = area->batches();
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(left[0].items.size(), 1u);
    EXPECT_EQ(left[0].items[0].original, (home() / "docs/two").native());

    // A dangling link in the way counts as taken: skipped, still held.
    fs::remove(home() / "docs/two");
    fs::create_symlink("nowhere", home() / "docs/two");
    const auto again = area->restore(left[0]);
    EXPECT_EQ(again.restored, 0);
    EXPECT_EQ(again.skipped.size(), 1u);
    EXPECT_TRUE(present(folderOf(batch) / "files" / left[0].items[0].stored));

    // All held files deleted by hand: the batch goes, nothing restored or skipped.
    fs::remove_all(folderOf(batch) / "files");
    EXPECT_EQ(area->restore(left[0]), HoldingArea::RestoreResult{});
    EXPECT_FALSE(present(folderOf(batch)));
}

TEST_F(HoldingTest, AManifestLeftOldByAFailedRewriteListsOnlyWhatIsStillHeld) {
    const auto batch = holdFiles({"m/one", "m/two"});
    const fs::path manifest = folderOf(batch) / "manifest.json";
    const std::string before = contents(manifest);
    tree->text("m/two", "in the way");
    // The new manifest cannot be written: a folder that takes no new file
    // here, as a full disk would refuse it.
    const bool refused = test::permissionsEnforced();
    if (refused) ::chmod(folderOf(batch).c_str(), 0555);
    const auto result = area->restore(batch);
    ::chmod(folderOf(batch).c_str(), 0700);
    if (!refused) test::FileTree(folderOf(batch)).text("manifest.json", before);
    EXPECT_EQ(result.restored, 1);
    EXPECT_EQ(contents(manifest), before);  // still lists the item that went back
    EXPECT_EQ(contents(home() / "m/one"), "m/one");

    const auto left = area->batches();
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(left[0].items.size(), 1u);
    EXPECT_EQ(left[0].items[0], batch.items[1]);

    // Once the last one went back too, nothing is listed any more.
    fs::remove(home() / "m/two");
    EXPECT_EQ(area->restore(left[0]).restored, 1);
    EXPECT_TRUE(area->batches().empty());
}

TEST_F(HoldingTest, AFolderHeldAfterItsContentGoesBackFirst) {
    tree->text(".cache/p/c/inner", "inner");
    tree->text(".cache/p/keep", "keep");
    // A clean holds what it takes out of a folder before the folder itself.
    const auto batch = holdFiles({".cache/p/c", ".cache/p"});
    EXPECT_FALSE(present(home() / ".cache/p"));
    const auto result = area->restore(batch);
    EXPECT_EQ(result.restored, 2);
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_EQ(contents(home() / ".cache/p/keep"), "keep");
    EXPECT_EQ(contents(home() / ".cache/p/c/inner"), "inner");
    EXPECT_TRUE(area->batches().empty());
    EXPECT_FALSE(present(folderOf(batch)));

    // Both kept back by a file in the folder's place: reported and still
    // listed in the order they were held, so a later restore works the same.
    const auto again = holdFiles({".cache/p/c", ".cache/p"});
    tree->text(".cache/p", "in the way");
    const auto blocked = area->restore(again);
    EXPECT_EQ(blocked.restored, 0);
    EXPECT_EQ(blocked.skipped,
              (std::vector<std::string>{(home() / ".cache/p/c").native(), (home() / ".cache/p").native()}));
    fs::remove(home() / ".cache/p");
    const auto left = area->batches();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].items, again.items);
    EXPECT_EQ(area->restore(left[0]).restored, 2);
    EXPECT_EQ(contents(home() / ".cache/p/keep"), "keep");
    EXPECT_EQ(contents(home() / ".cache/p/c/inner"), "inner");
}

TEST_F(HoldingTest, WhatCannotGoBackIsReportedAsFailedAndStaysHeld) {
    const auto batch = holdFiles({"docs/one", "docs/two"});
    // The manifest lists a place no file can take: a name longer than any
    // folder allows, as a disk that refuses the move would.
    const fs::path manifest = folderOf(batch) / "manifest.json";
    std::string text = contents(manifest);
    const std::string two = (home() / "docs/two").native(),
                      refused = (home() / "docs" / std::string(300, 'n')).native();
    const std::string quotedTwo = HoldingManifest::quote(two);
    ASSERT_NE(text.find(quotedTwo), std::string::npos);
    text.replace(text.find(quotedTwo), quotedTwo.size(), HoldingManifest::quote(refused));
    test::FileTree(folderOf(batch)).text("manifest.json", text);
    const auto result = area->restore(batch);
    EXPECT_EQ(result.restored, 1);
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_EQ(result.failed, std::vector<std::string>{refused});
    const auto left = area->batches();
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(left[0].items.size(), 1u);
    EXPECT_EQ(left[0].items[0].original, refused);
    EXPECT_TRUE(present(folderOf(batch) / "files" / left[0].items[0].stored));

    if (!test::permissionsEnforced()) return;
    const auto locked = holdFiles({"ro/a"});
    ::chmod((home() / "ro").c_str(), 0555);
    const auto refusedMove = area->restore(locked);
    ::chmod((home() / "ro").c_str(), 0755);
    EXPECT_EQ(refusedMove.restored, 0);
    EXPECT_EQ(refusedMove.failed, std::vector<std::string>{(home() / "ro/a").native()});
    EXPECT_EQ(area->restore(locked).restored, 1);  // once the folder lets it in
}

TEST_F(HoldingTest, PurgeCountsOnlyWhatWent) {
    const auto batch = holdFiles({"p/a", "p/b"});
    const int64_t size = DiskScanner::size(folderOf(batch));
    EXPECT_GT(size, 0);
    EXPECT_EQ(area->purge(batch), size);  // manifest included
    EXPECT_FALSE(present(folderOf(batch)));
    EXPECT_EQ(area->purge(batch), 0);  // already gone

    if (!test::permissionsEnforced()) return;
    const auto stuck = holdFiles({"q/a", "q/b"});
    const fs::path files = folderOf(stuck) / "files";
    ::chmod(files.c_str(), 0555);
    // Nothing could go, so nothing is counted, and the batch stays listed
    // with what it still holds rather than hiding it without its manifest.
    EXPECT_EQ(area->purge(stuck), 0);
    ::chmod(files.c_str(), 0755);
    EXPECT_TRUE(present(files / "0-a"));
    EXPECT_EQ(area->batches(), std::vector<HoldBatch>{stuck});
}

TEST_F(HoldingTest, HeldFoldersThatWereReadOnlyStillGo) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    // Module caches (Go's among them) keep their folders read-only. Moved in
    // whole, they must still go when the batch is deleted or expires, or the
    // space they hold is never given back.
    const auto makeCache = [&](const std::string& name) {
        tree->text(name + "/m@v1/sub/f.go", "f");
        tree->text(name + "/shut/g", "g");
        ::chmod((home() / name / "m@v1/sub").c_str(), 0555);
        ::chmod((home() / name / "m@v1").c_str(), 0555);
        ::chmod((home() / name / "shut").c_str(), 0);
    };
    makeCache("mod");
    makeCache("old");
    // A link out of the held item is removed itself: what it leads to keeps
    // its permissions and its contents.
    tree->text("outside/kept", "kept");
    ::chmod((home() / "outside").c_str(), 0555);
    fs::create_symlink(home() / "outside", home() / "mod/out");
    const auto purged = holdFiles({"mod"});
    const auto expired = holdFiles({"old"}, "2026-03-01T09:00:00Z");
    const int64_t size = DiskScanner::size(folderOf(purged) / "files");
    EXPECT_GE(area->purge(purged), size);
    EXPECT_FALSE(present(folderOf(purged)));
    EXPECT_GT(area->purgeExpired(7, at("2026-03-10T12:00:00Z")), 0);
    EXPECT_FALSE(present(folderOf(expired)));
    EXPECT_TRUE(area->batches().empty());
    struct stat outside {};
    ASSERT_EQ(::stat((home() / "outside").c_str(), &outside), 0);
    EXPECT_EQ(outside.st_mode & 07777, 0555u);
    EXPECT_EQ(contents(home() / "outside/kept"), "kept");
}

TEST_F(HoldingTest, ExpiryKeepsTheLimitAndOrphansOfLessThanADay) {
    const QDateTime now = at("2026-03-10T12:00:00Z");
    const auto exact = holdFiles({"e1"}, "2026-03-03T12:00:00Z");
    const auto older = holdFiles({"e2"}, "2026-03-03T11:59:59Z");
    const auto fresh = holdFiles({"e3"}, "2026-03-10T11:00:00Z");
    test::FileTree root(area->root());
    const auto setAge = [&](const char* name, double hours) {
        root.setModified(name, std::chrono::system_clock::from_time_t(now.toSecsSinceEpoch()) -
                                   std::chrono::seconds(int64_t(hours * 3600)));
    };
    root.text("young/stuff", "x");
    root.text("old/stuff", "x");
    root.text(".dot/stuff", "x");
    setAge("young", 23);
    setAge("old", 25);
    setAge(".dot", 1000);
    const int64_t expected = DiskScanner::size(folderOf(older)) + DiskScanner::size(area->root() / "old");
    EXPECT_EQ(area->purgeExpired(7, now), expected);
    EXPECT_TRUE(present(folderOf(exact)));
    EXPECT_FALSE(present(folderOf(older)));
    EXPECT_TRUE(present(folderOf(fresh)));
    EXPECT_TRUE(present(area->root() / "young"));
    EXPECT_FALSE(present(area->root() / "old"));
    EXPECT_TRUE(present(area->root() / ".dot"));
}

TEST_F(HoldingTest, AnInterruptedCleanIsListedFromItsJournal) {
    tree->text("j/a", "a");
    tree->text("j/b", "b");
    auto writer = area->makeWriter();
    ASSERT_TRUE(writer->hold(home() / "j/a", 10));
    ASSERT_TRUE(writer->hold(home() / "j/b", 20));
    EXPECT_TRUE(area->batches().empty());  // still being written
    const fs::path folder = writer->batch();
    const std::string id = writer->id();
    writer.reset();  // the clean dies before its commit
    // A torn last line, as a crash in mid-write leaves it.
    std::ofstream(folder / "manifest.journal", std::ios::app) << "{\"original\":\"/x";
    const auto list = area->batches();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].id, id);
    ASSERT_EQ(list[0].items.size(), 2u);
    EXPECT_EQ(list[0].items[1].bytes, 20);
    // It is a batch, so expiry does not take it for an orphan a day later.
    EXPECT_EQ(area->purgeExpired(7, QDateTime::currentDateTimeUtc().addDays(2)), 0);
    EXPECT_EQ(area->restore(list[0]).restored, 2);
    EXPECT_EQ(contents(home() / "j/b"), "b");
    EXPECT_FALSE(present(folder));
}

TEST_F(HoldingTest, EachJournalLineIsFlushedBeforeItsItemMoves) {
    tree->text("f/a", "a");
    tree->text("f/b", "b");
    const std::string id = "6F9619FF-8B86-D011-B42D-00C04FC96401";
    flushes.clear();
    flushedFiles = area->root() / id / "files";
    flushesThatWork = INT_MAX;
    HoldingWriter writer(*area, id, HoldingWriter::kJournalLimit, recordFlush);
    EXPECT_TRUE(writer.hold(home() / "f/a", 1));
    EXPECT_FALSE(writer.hold(home() / "f/missing", 1));
    EXPECT_TRUE(writer.hold(home() / "f/b", 1));
    // Once for the header, then once for each item tried, each time before
    // that item moved and after the one before it did.
    ASSERT_EQ(flushes.size(), 4u);
    EXPECT_TRUE(flushes[0].listed.empty());
    EXPECT_EQ(flushes[1].listed, (std::vector<std::string>{"a"}));
    EXPECT_EQ(flushes[1].moved, (std::vector<bool>{false}));
    EXPECT_EQ(flushes[2].listed, (std::vector<std::string>{"a", "missing"}));
    EXPECT_EQ(flushes[2].moved, (std::vector<bool>{true, false}));
    EXPECT_EQ(flushes[3].listed, (std::vector<std::string>{"a", "b"}));  // the failed move's undo went with it
    EXPECT_EQ(flushes[3].moved, (std::vector<bool>{true, false}));
    EXPECT_TRUE(area->commit(writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc()));
}

TEST_F(HoldingTest, AJournalLineThatMayNotBeOnTheDiskMovesNothing) {
    tree->text("f/a", "a");
    tree->text("f/b", "b");
    const std::string id = "6F9619FF-8B86-D011-B42D-00C04FC96402";
    flushes.clear();
    flushedFiles = area->root() / id / "files";
    flushesThatWork = 1;  // the header's
    HoldingWriter writer(*area, id, HoldingWriter::kJournalLimit, recordFlush);
    EXPECT_FALSE(writer.hold(home() / "f/a", 1));
    EXPECT_FALSE(writer.hold(home() / "f/b", 1));  // nothing more is taken
    EXPECT_EQ(flushes.size(), 2u);
    EXPECT_EQ(contents(home() / "f/a"), "a");
    EXPECT_EQ(contents(home() / "f/b"), "b");
    EXPECT_FALSE(area->commit(writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc()));
    EXPECT_FALSE(present(area->root() / id));
}

TEST_F(HoldingTest, ARecordStaysWhileItsFilesFolderHoldsWhatNothingLists) {
    const fs::path folder = holdLosingTheLastLine({"k/a", "k/b", "k/c"});
    auto list = area->batches();
    ASSERT_EQ(list.size(), 1u);
    ASSERT_EQ(list[0].items.size(), 2u);  // k/c is held but not listed
    tree->text("k/b", "in the way");
    EXPECT_EQ(area->restore(list[0]).restored, 1);
    ASSERT_TRUE(present(folder / "manifest.json"));  // now lists k/b alone
    fs::remove(home() / "k/b");
    list = area->batches();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(area->restore(list[0]).restored, 1);
    EXPECT_TRUE(area->batches().empty());
    EXPECT_EQ(contents(folder / "files/2-c"), "k/c");
    EXPECT_TRUE(present(folder / "manifest.json"));

    // Purged, a batch still read from its journal keeps the journal.
    const fs::path purged = holdLosingTheLastLine({"p/a", "p/b"});
    list = area->batches();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_GT(area->purge(list[0]), 0);
    EXPECT_EQ(contents(purged / "files/1-b"), "p/b");
    EXPECT_TRUE(present(purged / "manifest.journal"));

    // Once its files folder is empty, a batch folder goes whole.
    fs::remove(folder / "files/2-c");
    HoldBatch handed;
    handed.id = folder.filename().native();
    EXPECT_EQ(area->restore(handed), HoldingArea::RestoreResult{});
    EXPECT_FALSE(present(folder));
}

TEST_F(HoldingTest, HeldFilesNothingListsAreKeptTheFullTime) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const fs::path restored = holdLosingTheLastLine({"r/a", "r/b"});
    ASSERT_EQ(area->batches().size(), 1u);
    EXPECT_EQ(area->restore(area->batches()[0]).restored, 1);
    const fs::path purged = holdLosingTheLastLine({"u/a", "u/b"});
    ASSERT_EQ(area->batches().size(), 1u);
    EXPECT_GT(area->purge(area->batches()[0]), 0);
    // A power cut that kept the moves but none of the journal: no date reads.
    const fs::path headless = holdLosingTheLastLine({"h/a", "h/b"});
    fs::resize_file(headless / "manifest.journal", 0);
    EXPECT_TRUE(area->batches().empty());

    EXPECT_EQ(area->purgeExpired(7, now.addDays(2)), 0);
    EXPECT_EQ(contents(restored / "files/1-b"), "r/b");
    EXPECT_EQ(contents(purged / "files/1-b"), "u/b");
    EXPECT_EQ(contents(headless / "files/0-a"), "h/a");
    EXPECT_EQ(area->purgeExpired(7, now.addSecs(7 * 86400 - 60)), 0);
    EXPECT_TRUE(present(headless / "files/1-b"));

    // Past their time they go like any batch.
    EXPECT_GT(area->purgeExpired(7, now.addDays(8)), 0);
    EXPECT_FALSE(present(restored));
    EXPECT_FALSE(present(purged));
    EXPECT_FALSE(present(headless));
}

TEST_F(HoldingTest, StrictDates) {
    EXPECT_TRUE(HoldingManifest::parseDate("2026-03-01T09:30:00Z"));
    for (const char* bad :
         {"2026-03-01T09:30:00.5Z", "2026-03-01T09:30:00+00:00", "2026-03-01 09:30:00Z", "2026-02-30T09:30:00Z",
          "2026-03-01T24:00:00Z", "2026-3-01T09:30:00Z", "２026-03-01T09:30:00Z", "2026-03-01T09:30:00z", ""}) {
        EXPECT_FALSE(HoldingManifest::parseDate(QString::fromUtf8(bad))) << bad;
    }
    EXPECT_EQ(*HoldingManifest::formatDate(at("2026-12-31T23:59:59Z")), "2026-12-31T23:59:59Z");
}

TEST_F(HoldingTest, NamesThatAreNotUtf8SurviveTheManifest) {
    const std::string odd = test::FileTree::invalidUtf8Name();
    const auto batch = holdFiles({odd, test::FileTree::chineseName(), "quote\"back\\slash\ttab"});
    const auto list = area->batches();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], batch);
    EXPECT_EQ(area->restore(list[0]).restored, 3);
    EXPECT_EQ(contents(home() / odd), odd);
}

TEST_F(HoldingTest, ExpiryNeverTakesABatchStillBeingWritten) {
    tree->text("w/a", "a");
    auto writer = area->makeWriter();
    ASSERT_TRUE(writer->hold(home() / "w/a", 1));
    // Backdate the folder: only the writer at work says it is not an orphan.
    test::FileTree(area->root()).setAgeDays(writer->id(), 3);
    EXPECT_EQ(area->purgeExpired(7, QDateTime::currentDateTimeUtc()), 0);
    EXPECT_TRUE(present(writer->batch() / "files/0-a"));
    ASSERT_TRUE(area->commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc()));
    EXPECT_EQ(area->batches().size(), 1u);
}

TEST_F(HoldingTest, ARestoreThatCannotLookAtTheBatchSaysNothingWentBack) {
    // A batch another clean is still writing cannot be touched: what the
    // sheet listed stays held, and the restore says so rather than "0 items".
    tree->text("w/a", "a");
    auto writer = area->makeWriter();
    ASSERT_TRUE(writer->hold(home() / "w/a", 1));
    HoldBatch listed;
    listed.id = writer->id();
    listed.items.push_back(HoldBatch::Item{(home() / "w/a").native(), "0-a", 1});
    const auto result = area->restore(listed);
    EXPECT_EQ(result.restored, 0);
    EXPECT_EQ(result.failed, std::vector<std::string>{(home() / "w/a").native()});
    EXPECT_TRUE(present(writer->batch() / "files/0-a"));
    EXPECT_FALSE(present(home() / "w/a"));
}

TEST_F(HoldingTest, AFullBatchTakesNothingMoreAndStaysReadable) {
    for (int i = 0; i < 5; ++i) tree->text("many/f" + std::to_string(i), "x");
    // Room for the header and about two item lines.
    const std::string id = "6F9619FF-8B86-D011-B42D-00C04FC964FF";
    const std::size_t limit = HoldingManifest::journalHeader(id, QDateTime::currentDateTimeUtc())->size() +
                              2 * HoldingManifest::journalItem({(home() / "many/f0").native(), "0-f0", 1}).size() + 8;
    auto writer = std::make_unique<HoldingWriter>(*area, id, limit);
    int held = 0;
    for (int i = 0; i < 5; ++i) held += writer->hold(home() / ("many/f" + std::to_string(i)), 1);
    EXPECT_EQ(held, 2);
    for (int i = 2; i < 5; ++i) EXPECT_EQ(contents(home() / ("many/f" + std::to_string(i))), "x");
    ASSERT_TRUE(area->commit(*writer, QStringLiteral("t"), QDateTime::currentDateTimeUtc()));
    const auto list = area->batches();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].items.size(), 2u);
}
