#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSignalSpy>
#include <QThreadPool>
#include <filesystem>

#include "AppModelTestSupport.h"
#include "PoolHold.h"
#include "model/catalog/Catalog.h"
#include "model/common/WorkPool.h"
#include "model/disk/Measure.h"
#include "model/disk/Targets.h"
#include "model/holding/HoldingArea.h"
#include "platform/Defaults.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;

std::vector<std::string> ids(const std::vector<CleanItem>& items) {
    std::vector<std::string> out;
    for (const CleanItem& item : items) out.push_back(item.spec.id);
    return out;
}

CleanItem item(const char* id, Safety safety, int64_t bytes, const char* category = "deps") {
    CleanItem i;
    i.spec.id = id;
    i.spec.safety = safety;
    i.spec.categoryID = category;
    i.bytes = bytes;
    return i;
}

class AppModelTest : public test::AppModelFixture {};

TEST_F(AppModelTest, BeforeAnyScanAndTheSelectionOperations) {
    AppModel model(environment);
    EXPECT_EQ(model.scanFraction(), 0);
    EXPECT_TRUE(model.fullDisk());
    EXPECT_TRUE(model.phase().isIdle());
    EXPECT_TRUE(model.safeItems().empty() && model.reviewItems().empty() && model.selectedItems().empty());
    EXPECT_EQ(model.heldBytes(), 0);

    QSignalSpy selected(&model, &AppModel::selectedChanged);
    QSignalSpy phase(&model, &AppModel::phaseChanged);
    model.setSelected({"a"});
    model.setSelected({"a"});  // equal: nobody hears it
    EXPECT_EQ(selected.count(), 1);
    model.toggle("b");
    EXPECT_EQ(model.selected(), (std::set<std::string>{"a", "b"}));
    model.toggle("a");
    EXPECT_EQ(model.selected(), (std::set<std::string>{"b"}));

    const std::vector<CleanItem> list = {item("a", Safety::safe, 5), item("b", Safety::review, 7)};
    model.toggleAll(list);  // partly ticked: ticks all
    EXPECT_EQ(model.selected(), (std::set<std::string>{"a", "b"}));
    EXPECT_EQ(model.selectedBytes(list), 12);
    EXPECT_EQ(model.selectedBytes({item("c", Safety::safe, 9)}), 0);
    model.toggleAll(list);
    EXPECT_TRUE(model.selected().empty());
    model.setSelected({"x"});
    model.toggleAll({});  // empty counts as wholly ticked and removes nothing
    EXPECT_EQ(model.selected(), (std::set<std::string>{"x"}));

    model.setPhase(Phase::scanning("a"));
    model.setPhase(Phase::scanning("b"));
    model.setPhase(Phase::scanning("b"));
    EXPECT_EQ(phase.count(), 2);
}

TEST_F(AppModelTest, AScanMeasuresEverythingAndPreselectsOnlyTheFirstTime) {
    buildHome();
    auto model = makeModel();
    std::vector<DiskSnapshot> snapshots;
    model->onSnapshot = [&](const DiskSnapshot& s) { snapshots.push_back(s); };
    QSignalSpy items(model.get(), &AppModel::itemsChanged);
    QSignalSpy categories(model.get(), &AppModel::categoriesChanged);
    std::vector<Phase> phases;
    QObject::connect(model.get(), &AppModel::phaseChanged, [&] { phases.push_back(model->phase()); });

    auto task = model->scan();
    EXPECT_TRUE(model->phase().isScanning());
    auto again = model->scan();  // ignored while scanning
    EXPECT_TRUE(again.isReady());
    test::finish(task);

    const int total = int(Catalog::categories().size() + Catalog::cleanables().size());
    EXPECT_EQ(model->scanTotal(), total);
    EXPECT_EQ(model->scanDone(), total);
    EXPECT_EQ(model->scanFraction(), 1.0);
    EXPECT_TRUE(model->phase().isIdle());
    EXPECT_TRUE(model->scanComplete());
    EXPECT_TRUE(model->hasScanned());
    EXPECT_GT(model->totalBytes(), 0);
    ASSERT_GE(phases.size(), 3u);
    EXPECT_EQ(phases.front(), Phase::scanning(QStringLiteral("磁盘")));
    EXPECT_TRUE(phases.back().isIdle());

    // Largest first; pip (below a million bytes) is not listed.
    EXPECT_EQ(ids(model->items()), (std::vector<std::string>{"npm", "browser", "yarn", "logs", "trash"}));
    EXPECT_EQ(model->selected(), (std::set<std::string>{"npm", "browser", "yarn", "logs"}));
    EXPECT_EQ(ids(model->reviewItems()), std::vector<std::string>{"trash"});
    EXPECT_GE(items.count(), 5);  // the first scan publishes items as they come

    // Category totals are what the measuring functions give for the same roots.
    ASSERT_EQ(model->categories().size(), Catalog::categories().size());
    for (const CategoryResult& result : model->categories()) {
        std::vector<fs::path> roots;
        for (const fs::path& root : DiskScanner::resolveRoots(result.spec.roots, result.spec.childrenOf,
                                                              result.spec.excludingChildren, {}, places()))
            if (fs::exists(root)) roots.push_back(root);
        EXPECT_EQ(result.urls, roots) << result.spec.id;
        EXPECT_EQ(result.bytes, DiskScanner::sizeWithParts(roots, AppModel::minPartBytes, places()).total)
            << result.spec.id;
    }
    EXPECT_EQ(categories.count(), int(Catalog::categories().size()) + 1);

    // The snapshot: figures, every category, and the big folder with its category.
    ASSERT_EQ(snapshots.size(), 1u);
    const DiskSnapshot& snapshot = snapshots[0];
    EXPECT_EQ(model->lastSnapshot(), snapshot);
    EXPECT_EQ(snapshot.total, model->totalBytes());
    EXPECT_EQ(snapshot.categories.size(), Catalog::categories().size());
    const std::string trip = (home() / "Pictures/Trip").string();
    ASSERT_EQ(snapshot.parts.count(trip), 1u);
    EXPECT_GE(snapshot.parts.at(trip), 21'000'000);
    EXPECT_EQ(snapshot.partCategory.at(trip), "media");
    EXPECT_EQ(snapshot.parts.size(), snapshot.partCategory.size());

    // A rescan keeps the user's ticks, ticks nothing new, drops ticks of
    // rules no longer listed, and still reports an identical snapshot.
    model->toggle("npm");
    model->toggle("trash");
    fs::remove_all(home() / "Library/Logs");
    items.clear();
    scan(*model);
    EXPECT_EQ(ids(model->items()), (std::vector<std::string>{"npm", "browser", "yarn", "trash"}));
    EXPECT_EQ(model->selected(), (std::set<std::string>{"browser", "yarn", "trash"}));
    EXPECT_EQ(items.count(), 1);  // later scans publish the list once, at the end
    EXPECT_EQ(snapshots.size(), 2u);
    scan(*model);
    EXPECT_EQ(snapshots.size(), 3u);
}

TEST_F(AppModelTest, AFailedVolumeReadKeepsTheLastFigures) {
    buildHome();
    auto model = makeModel();
    scan(*model);
    const int64_t total = model->totalBytes();
    ASSERT_GT(total, 0);

    // Without its home folder the volume cannot be read.
    fs::rename(home(), home().parent_path() / "away");
    scan(*model);
    model->refreshFreeSoon();
    test::waitUntil([] { return false; }, 30);
    fs::rename(home().parent_path() / "away", home());
    EXPECT_EQ(model->totalBytes(), total);
    EXPECT_GT(model->freeBytes(), 0);
    ASSERT_TRUE(model->lastSnapshot());
    EXPECT_EQ(model->lastSnapshot()->total, total);
}

TEST_F(AppModelTest, AModelThatGoesMidScanIsLeftAloneByTheMeasurementsStillRunning) {
    // A project whose artifact asks git while the scan finds its targets; this
    // git says so and answers only when let go, so the test knows when the
    // measurements are about to be queued.
    tree->file("Code/web/package.json");
    tree->file("Code/web/node_modules/x.js", 100);
    tree->setAgeDays("Code/web/node_modules/x.js", 8);
    tree->setAgeDays("Code/web/node_modules", 8);
    tree->dir("Code/web/.git");
    const fs::path asked = outside() / "asked", answer = outside() / "answer";
    const auto script =
        tree->text(outside() / "waiting-git", "#!/bin/sh\n: > '" + asked.native() + "'\nwhile [ ! -e '" +
                                                  answer.native() + "' ]; do sleep 0.01; done\nexit 1\n");
    ::chmod(script.c_str(), 0755);
    environment.git = {script, std::chrono::seconds(20)};
    auto model = makeModel();
    auto task = model->scan();
    ASSERT_TRUE(test::waitUntil([&] { return fs::exists(asked); }));

    // Every thread of the pool is held once git has answered. The scan hears
    // that its targets are found only on this thread's next look at its
    // events, so every measurement it then queues waits behind the hold.
    tree->text(answer, "");
    test::PoolHold hold;
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(model->scanDone(), 0);
    EXPECT_TRUE(model->phase().isScanning());
    model.reset();
    hold.release();
    workPool()->waitForDone();
    test::finish(task);  // the scan ends quietly, having applied nothing
}

TEST_F(AppModelTest, RefreshingFreeSpaceRestartsTheSeries) {
    environment.freeRefreshDelays = {std::chrono::milliseconds(0), std::chrono::milliseconds(5),
                                     std::chrono::milliseconds(5)};
    auto model = makeModel();
    QSignalSpy total(model.get(), &AppModel::totalBytesChanged);
    model->refreshFreeSoon();
    model->refreshFreeSoon();
    EXPECT_TRUE(test::waitUntil([&] { return model->totalBytes() > 0; }, 2000));
    EXPECT_EQ(total.count(), 1);  // later reads of the same figure notify nobody
    EXPECT_GT(model->freeBytes(), 0);
    model.reset();  // a series outliving its model stops quietly
    test::waitUntil([] { return false; }, 30);
}

}  // namespace
}  // namespace sorbeta
