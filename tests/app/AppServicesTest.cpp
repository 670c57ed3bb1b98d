#include "app/AppServices.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <fstream>

#include "TestEnvironment.h"
#include "model/care/Maintenance.h"
#include "model/dev/DevModel.h"
#include "model/drill/DrillModel.h"
#include "model/history/HistoryModel.h"
#include "model/holding/HoldingArea.h"
#include "model/holding/HoldingModel.h"
#include "model/scan/AppModel.h"
#include "model/uninstall/UninstallModel.h"
#include "platform/Defaults.h"
#include "platform/Places.h"

using namespace sorbeta;
namespace fs = std::filesystem;

namespace {

DiskSnapshot snapshotOn(int day) {
    DiskSnapshot snapshot;
    snapshot.date = QDateTime(QDate(2024, 5, day), QTime(12, 0), Qt::UTC);
    snapshot.total = 1000;
    snapshot.free = 100 + day;
    return snapshot;
}

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Opens a drill-down level over `folder` and waits until it is measured.
bool measure(DrillModel& drill, const fs::path& folder) {
    drill.open(DrillLevel{.title = QStringLiteral("level"), .urls = {folder}});
    return test::waitUntil([&] { return !drill.loading() && !drill.entries().empty(); }, 10000);
}

// Runs a task to its end on the event loop.
template <typename Task>
void finish(Task task) {
    bool done = false;
    [](Task t, bool& flag) -> QCoro::Task<> {
        co_await t;
        flag = true;
    }(std::move(task), done);
    ASSERT_TRUE(test::waitUntil([&] { return done; }, 10000));
}

}  // namespace

class AppServicesTest : public test::HomeTest {};

TEST_F(AppServicesTest, MigratesFirstThenReadsTheMovedHistorySorted) {
    // Only the former folder exists: it becomes ours before the history is read.
    const fs::path former = places().dataHome / "Plinto";
    writeText(former / "history.json", HistoryFile::encode({snapshotOn(3), snapshotOn(1), snapshotOn(2)}));
    platform::Defaults(QStringLiteral("com.vantolier.plinto")).setValue("holdCleaned", true);

    AppServices services;
    EXPECT_TRUE(platform::Defaults().boolValue("migratedFromOldName"));
    EXPECT_TRUE(platform::Defaults().boolValue("holdCleaned"));
    EXPECT_FALSE(fs::exists(former));
    ASSERT_EQ(services.history().snapshots().size(), 3u);
    EXPECT_EQ(services.history().snapshots()[0].date.date().day(), 1);
    EXPECT_EQ(services.history().snapshots()[2].date.date().day(), 3);
}

TEST_F(AppServicesTest, ABrokenHistoryStartsEmptyAndStaysOnDiskUntilTheNextRecord) {
    const fs::path file = places().appDataFolder() / "history.json";
    writeText(file, R"({"not":"a list"})");
    AppServices services;
    EXPECT_TRUE(services.history().snapshots().empty());
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, R"({"not":"a list"})");
}

TEST_F(AppServicesTest, AFinishedScanRecordsItsSnapshot) {
    AppServices services;
    QSignalSpy changed(&services.history(), &HistoryModel::snapshotsChanged);
    ASSERT_TRUE(services.model().onSnapshot);
    services.model().onSnapshot(snapshotOn(4));
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(services.history().snapshots().size(), 1u);
    EXPECT_EQ(services.historyStore().load(), services.history().snapshots());
}

TEST_F(AppServicesTest, SpaceChangesAskForAFreeSpaceRefreshAndHeldBytesComeFromTheHoldingModel) {
    AppServices services;
    AppModel& model = services.model();
    EXPECT_EQ(model.heldBytes(), services.holding().total());
    ASSERT_TRUE(services.holding().onSpaceChanged());
    EXPECT_EQ(model.totalBytes(), 0);
    services.holding().onSpaceChanged()();
    // The first re-read comes at once (after a zero wait).
    EXPECT_TRUE(test::waitUntil([&] { return model.totalBytes() > 0; }, 2000));
}

TEST_F(AppServicesTest, APurgeOfUninstalledItemsAsksForAFreeSpaceRefresh) {
    AppServices services;
    AppModel& model = services.model();
    ASSERT_TRUE(services.uninstall().onSpaceChanged);
    EXPECT_EQ(model.totalBytes(), 0);
    auto purge = services.uninstall().purge({});  // nothing to delete still re-reads the space
    EXPECT_TRUE(test::waitUntil([&] { return model.totalBytes() > 0; }, 2000));
}

TEST_F(AppServicesTest, RemovalsOnTheFilesAndDeveloperPagesAskForAFreeSpaceRefresh) {
    const auto page = [] {
        return new DevModel(
            DevModel::filesTexts(), Flavor::lemon, [] { return std::vector<DevGroup>{}; },
            [](const std::vector<DevEntry>&) {
                return DevModel::Result{1000, 0};
            });
    };
    DevEntry entry;
    entry.id = QStringLiteral("build:a");
    entry.bytes = 1000;
    entry.action = DevEntry::Artifacts{{home() / "code" / "a" / "target"}};
    for (const bool files : {true, false}) {
        SCOPED_TRACE(files ? "files page" : "developer page");
        AppServices services;
        services.setToolkits(new Toolkits(page(), page()));
        AppModel& model = services.model();
        ASSERT_EQ(model.totalBytes(), 0);
        DevModel& removing = files ? services.toolkits().files() : services.toolkits().dev();
        finish(removing.run({entry}));
        ASSERT_TRUE(removing.lastResult());
        EXPECT_TRUE(test::waitUntil([&] { return model.totalBytes() > 0; }, 2000));
    }
}

TEST(AppServicesHomes, EachHomeKeepsItsOwnHistoryFile) {
    // The history file follows the data folder of the moment, so a second
    // home in the same process never writes into the first one.
    fs::path first;
    {
        test::TempHome home;
        AppServices services;
        first = services.historyStore().url;
        EXPECT_EQ(first, home.places().appDataFolder() / "history.json");
        EXPECT_TRUE(first.string().starts_with(home.root().string()));
    }
    test::TempHome home;
    AppServices services;
    EXPECT_NE(services.historyStore().url, first);
    EXPECT_TRUE(services.historyStore().url.string().starts_with(home.root().string()));
    EXPECT_EQ(HistoryStore::standard(home.places()).url, services.historyStore().url);
}

TEST_F(AppServicesTest, ExpiredBatchesGoShortlyAfterLaunchAndAHeldCleanReloadsTheBatches) {
    // One batch held 8 days ago: read at start, gone once the launch's expiry
    // pass has run, and the freed space asks for a free-space reading.
    const auto area = HoldingArea::standard(places());
    {
        std::ofstream(home() / "old.log") << "old";
        auto writer = area->makeWriter();
        ASSERT_TRUE(writer->hold(home() / "old.log", 3));
        ASSERT_TRUE(area->commit(*writer, QStringLiteral("old"), QDateTime::currentDateTimeUtc().addDays(-8)));
    }
    AppServices services;
    EXPECT_EQ(services.holding().batches().size(), 1u);  // read synchronously at creation
    ASSERT_TRUE(test::waitUntil([&] { return services.holding().batches().empty(); }, 2000));
    EXPECT_TRUE(test::waitUntil([&] { return services.model().totalBytes() > 0; }, 2000));

    // A clean that held files makes the model call onHeld: the list is read again.
    {
        std::ofstream(home() / "new.log") << "new";
        auto writer = area->makeWriter();
        ASSERT_TRUE(writer->hold(home() / "new.log", 3));
        ASSERT_TRUE(area->commit(*writer, QStringLiteral("new"), QDateTime::currentDateTimeUtc()));
    }
    EXPECT_TRUE(services.holding().batches().empty());
    ASSERT_TRUE(services.model().onHeld);
    services.model().onHeld();
    ASSERT_EQ(services.holding().batches().size(), 1u);
    EXPECT_EQ(services.holding().batches()[0].title, QStringLiteral("new"));
    EXPECT_EQ(services.model().heldBytes(), services.holding().total());
}

TEST_F(AppServicesTest, ARestoreFromTheHoldingSheetStartsAFullRescan) {
    AppServices services;
    AppModel& model = services.model();
    ASSERT_TRUE(model.phase().isIdle());
    services.rescanAfterRestore();
    EXPECT_FALSE(model.phase().isIdle());
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 20000));
}

TEST_F(AppServicesTest, UpkeepGetsTheHoldingModelAndItsLoopStarts) {
    AppServices services;
    EXPECT_EQ(services.care().holding(), &services.holding());
    EXPECT_TRUE(services.care().started());
    EXPECT_EQ(services.care().settings(), CareSettings{});
}

TEST_F(AppServicesTest, DrillSizesAreMeasuredAfreshAfterARescan) {
    AppServices services;
    const fs::path box = home() / "Projects" / "box";
    writeText(box / "a" / "small.bin", std::string(4096, 'x'));
    DrillModel& drill = services.drill();
    ASSERT_TRUE(measure(drill, box));
    const int64_t before = drill.entries().front().bytes;
    drill.popTo(0);

    // 8 MB more in the folder, then a full rescan (the one after a restore).
    writeText(box / "a" / "big.bin", std::string(8 << 20, 'y'));
    services.rescanAfterRestore();
    ASSERT_TRUE(
        test::waitUntil([&] { return services.model().scanComplete() && services.model().phase().isIdle(); }, 20000));

    ASSERT_TRUE(measure(drill, box));
    EXPECT_GE(drill.entries().front().bytes, before + (8 << 20));
}

TEST_F(AppServicesTest, TheDrillDownForgetsItsSizesWhenTheDiskChangesAndKeepsThemOtherwise) {
    UninstallEngine uninstall = UninstallEngine::system(UninstallPlaces::system(places()));
    uninstall.processes = [](const InstalledApp&) { return std::vector<AppProcess>{}; };
    uninstall.trash = [](const std::vector<Path>&, const Path&) { return Uninstaller::Outcome{}; };
    uninstall.purge = [](const std::vector<platform::TrashedItem>&) { return int64_t(0); };
    AppServices services(ModelEnvironment::system(places()), StatusModel::Sources::system(), uninstall);
    writeText(home() / "box" / "a" / "file.bin", std::string(4096, 'x'));
    DrillModel& drill = services.drill();
    AppModel& model = services.model();
    const auto measured = [&] {
        drill.popTo(0);
        return measure(drill, home() / "box") && drill.cacheCount() > 0;
    };

    // A scan's start forgets them; a new label or the scan's end does not.
    ASSERT_TRUE(measured());
    model.setPhase(Phase::scanning(QStringLiteral("one")));
    EXPECT_EQ(drill.cacheCount(), 0u);
    ASSERT_TRUE(measured());
    model.setPhase(Phase::scanning(QStringLiteral("two")));
    model.setPhase(Phase::idle());
    EXPECT_GT(drill.cacheCount(), 0u);

    // A clean closes the drill-down as it starts and forgets again as it
    // ends, whatever was measured meanwhile.
    model.setPhase(Phase::cleaning());
    EXPECT_TRUE(drill.stack().empty());
    ASSERT_TRUE(measured());
    model.setPhase(Phase::idle());
    EXPECT_EQ(drill.cacheCount(), 0u);

    // Space that changed in the holding area (a restore, a purge).
    ASSERT_TRUE(measured());
    services.holding().onSpaceChanged()();
    EXPECT_EQ(drill.cacheCount(), 0u);

    // An uninstall's move to the Trash, then the purge of what it moved.
    ASSERT_TRUE(measured());
    finish(services.uninstall().uninstall(InstalledApp{.url = home() / "box", .name = QStringLiteral("Box")}));
    ASSERT_TRUE(services.uninstall().lastResult());
    EXPECT_EQ(drill.cacheCount(), 0u);
    ASSERT_TRUE(measured());
    finish(services.uninstall().purge({}));
    EXPECT_EQ(drill.cacheCount(), 0u);
}

TEST_F(AppServicesTest, WhatTheFilesAndDeveloperPagesRemoveMakesTheDrillDownMeasureAfresh) {
    AppServices services;
    const fs::path file = home() / "box" / "a" / "file.bin";
    writeText(file, std::string(4096, 'x'));
    DrillModel& drill = services.drill();
    ASSERT_TRUE(measure(drill, home() / "box"));
    ASSERT_GT(drill.cacheCount(), 0u);

    // A file the files page moves to the Trash leaves its folder smaller.
    DevEntry entry;
    entry.id = QStringLiteral("big:file");
    entry.bytes = 4096;
    entry.action = DevEntry::TrashFile{file, DevEntry::FileIdentity::of(file), {}, std::nullopt};
    finish(services.toolkits().files().run({entry}));
    ASSERT_TRUE(services.toolkits().files().lastResult());
    ASSERT_FALSE(fs::exists(file));
    EXPECT_EQ(drill.cacheCount(), 0u);

    // So does what the developer page deletes, on pages put in place later too.
    const auto page = [] {
        return new DevModel(
            DevModel::filesTexts(), Flavor::lemon, [] { return std::vector<DevGroup>{}; },
            [](const std::vector<DevEntry>&) {
                return DevModel::Result{1000, 0};
            });
    };
    services.setToolkits(new Toolkits(page(), page()));
    drill.popTo(0);
    writeText(home() / "box" / "b" / "file.bin", std::string(4096, 'y'));
    ASSERT_TRUE(measure(drill, home() / "box"));
    ASSERT_GT(drill.cacheCount(), 0u);
    finish(services.toolkits().dev().run({entry}));
    ASSERT_TRUE(services.toolkits().dev().lastResult());
    EXPECT_EQ(drill.cacheCount(), 0u);
}
