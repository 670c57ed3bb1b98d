#include <gtest/gtest.h>

#include <qcoro/qcorotask.h>
#include <QSignalSpy>
#include <filesystem>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/disk/Measure.h"
#include "model/holding/HoldingModel.h"
#include "platform/Places.h"

using namespace sorbeta;
namespace fs = std::filesystem;

class HoldingModelTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        area = std::make_shared<HoldingArea>(places().holdingFolder());
        tree = std::make_unique<test::FileTree>(home());
    }
    HoldBatch hold(const std::vector<std::pair<std::string, int64_t>>& files, QDateTime date) {
        auto writer = area->makeWriter();
        for (const auto& [relative, bytes] : files) {
            tree->text(relative, relative);
            EXPECT_TRUE(writer->hold(home() / relative, bytes));
        }
        return *area->commit(*writer, QStringLiteral("t"), date);
    }

    std::shared_ptr<HoldingArea> area;
    std::unique_ptr<test::FileTree> tree;
};

TEST_F(HoldingModelTest, RestoreReloadsAndReportsSpace) {
    // Whole seconds, as batches read back from their manifests carry them.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
    const auto whole = hold({{"w/a", 100}, {"w/b", 200}}, now.addSecs(-60));
    const auto partial = hold({{"p/a", 1000}, {"p/b", 2000}}, now);
    HoldingModel model(area);
    EXPECT_EQ(model.total(), 0);
    int spaceCalls = 0;
    model.setOnSpaceChanged([&] { ++spaceCalls; });
    model.setBatches(area->batches());
    EXPECT_EQ(model.total(), 3300);

    QSignalSpy changed(&model, &HoldingModel::batchesChanged);
    model.setBatches(area->batches());  // equal: nobody is told
    EXPECT_EQ(changed.count(), 0);

    const auto result = QCoro::waitFor(model.restore(whole));
    EXPECT_EQ(result.restored, 2);
    EXPECT_EQ(model.batches(), std::vector<HoldBatch>{partial});
    EXPECT_EQ(model.total(), 3000);
    EXPECT_EQ(spaceCalls, 1);
    EXPECT_EQ(changed.count(), 1);

    tree->text("p/b", "in the way");
    const auto second = QCoro::waitFor(model.restore(partial));
    EXPECT_EQ(second.restored, 1);
    ASSERT_EQ(model.batches().size(), 1u);
    EXPECT_EQ(model.batches()[0].items.size(), 1u);
    EXPECT_EQ(model.total(), 2000);
    EXPECT_EQ(spaceCalls, 2);
}

TEST_F(HoldingModelTest, PurgeAlwaysReportsExpiryOnlyWhenItFreedSomething) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto batch = hold({{"a", 1}}, now);
    QDateTime clock = now;
    HoldingModel model(area, [&clock] { return clock; });
    model.setBatches(area->batches());
    int spaceCalls = 0;
    model.setOnSpaceChanged([&] { ++spaceCalls; });

    QCoro::waitFor(model.purgeExpired());
    EXPECT_EQ(spaceCalls, 0);
    EXPECT_EQ(model.batches().size(), 1u);

    clock = now.addDays(8);
    QCoro::waitFor(model.purgeExpired());
    EXPECT_EQ(spaceCalls, 1);
    EXPECT_TRUE(model.batches().empty());
    EXPECT_EQ(model.total(), 0);

    EXPECT_EQ(QCoro::waitFor(model.purge(batch)), 0);  // already gone, still reported
    EXPECT_EQ(spaceCalls, 2);
}

TEST_F(HoldingModelTest, OverlappingOperationsTakeTurns) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::vector<std::pair<std::string, int64_t>> files;
    for (int i = 0; i < 200; ++i) files.push_back({"many/f" + std::to_string(i), 1});
    const auto batch = hold(files, now.addDays(-30));
    HoldingModel model(area);
    model.setBatches(area->batches());
    // Two restores and an expiry of the same batch at once: every file ends
    // up either back in place or still held, never lost or half-moved.
    auto first = model.restore(batch);
    auto second = model.restore(batch);
    auto expiry = model.purgeExpired();
    const auto a = QCoro::waitFor(std::move(first));
    const auto b = QCoro::waitFor(std::move(second));
    QCoro::waitFor(std::move(expiry));
    EXPECT_EQ(a.restored + b.restored, 200);
    for (int i = 0; i < 200; ++i) EXPECT_TRUE(fs::exists(home() / ("many/f" + std::to_string(i))));
    EXPECT_TRUE(model.batches().empty());
}
