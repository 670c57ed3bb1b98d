// A launch after the product's rename: the former data folder becomes the
// data folder before the single-instance claim makes an empty one.
#include "app/LaunchClaim.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <fstream>
#include <sstream>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/holding/HoldingArea.h"
#include "model/holding/HoldingWriter.h"
#include "model/shell/RenameMigration.h"
#include "platform/SingleInstance.h"

using namespace sorbeta;
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

class LaunchClaimTest : public test::HomeTest {};

TEST_F(LaunchClaimTest, FormerHistoryAndHeldItemsSurviveTheFirstLaunch) {
    const fs::path former = places().dataHome / RenameMigration::formerFolder;
    test::FileTree tree(home());
    tree.text("Documents/report.txt", "kept for seven days");
    {
        HoldingArea area(former / "Holding", home());
        auto writer = area.makeWriter();
        ASSERT_TRUE(writer->hold(home() / "Documents/report.txt", 19));
        ASSERT_TRUE(area.commit(*writer, QStringLiteral("clean"), QDateTime::currentDateTimeUtc()));
    }
    std::ofstream(former / "history.json") << R"([{"date":"2026-12-01"}])";
    ASSERT_FALSE(fs::exists(home() / "Documents/report.txt"));

    platform::SingleInstance instance(places().appDataFolder());
    ASSERT_TRUE(claimLaunch(instance, places(), 0));

    // The former folder is the data folder now, lock and all.
    EXPECT_FALSE(fs::exists(former));
    EXPECT_EQ(readAll(places().appDataFolder() / "history.json"), R"([{"date":"2026-12-01"}])");
    const auto area = HoldingArea::standard(places());
    const auto batches = area->batches();
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(area->restore(batches.front()).restored, 1);
    EXPECT_EQ(readAll(home() / "Documents/report.txt"), "kept for seven days");

    // A later launch finds the one instance running and leaves it and the
    // data folder as they are.
    platform::SingleInstance second(places().appDataFolder());
    EXPECT_FALSE(claimLaunch(second, places(), 0));
    EXPECT_TRUE(instance.holdsLock());
    EXPECT_EQ(readAll(places().appDataFolder() / "history.json"), R"([{"date":"2026-12-01"}])");
}
