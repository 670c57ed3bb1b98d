// A held clean killed between two rules: at the next launch the holding area
// lists every file that moved, the rest is still in place, and a new scan
// agrees with both.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QProcess>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "AppModelTestSupport.h"
#include "model/catalog/Catalog.h"
#include "model/holding/HoldingArea.h"
#include "model/scan/CleanRun.h"
#include "platform/Places.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;

constexpr int kDiedOnPurpose = 42;
// Set only by the parent test for its child, whose HOME is the parent's
// temporary home: run any other way, the child would clean the real one.
constexpr const char* kChildMarker = "SORBETA_INTERRUPT_CHILD";

std::vector<CleanSpec> rulesByID(std::initializer_list<const char*> ids) {
    std::vector<CleanSpec> rules;
    for (const char* id : ids) rules.push_back(*Catalog::cleanable(id));
    return rules;
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Run only as a child of the test below, in its home folder: cleans three
// rules into the holding area and dies as the third one starts.
TEST(AppModelInterruptChild, DISABLED_CleanAndDie) {
    if (!std::getenv(kChildMarker)) GTEST_SKIP() << "runs only as the interrupt test's child";
    const auto places = platform::Places::fromEnvironment();
    auto task = CleanRun::clean(
        rulesByID({"npm", "yarn", "logs"}), HoldingArea::standard(places),
        [](int position, const QString&) {
            if (position == 2) ::_exit(kDiedOnPurpose);
        },
        ModelEnvironment::system(places));
    test::finish(task);
    FAIL() << "the clean should have died";
}

class AppModelInterruptTest : public test::AppModelFixture {};

TEST_F(AppModelInterruptTest, ACleanKilledBetweenRulesLeavesModelAndHoldingAreaConsistent) {
    buildHome();
    const std::string npm = contents(home() / ".npm/_cacache/index/blob");

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildMarker), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=AppModelInterruptChild.DISABLED_CleanAndDie")});
    ASSERT_TRUE(child.waitForFinished(20'000));
    ASSERT_EQ(child.exitCode(), kDiedOnPurpose) << child.readAllStandardOutput().toStdString();

    // The next launch.
    auto model = makeModel();
    scan(*model);
    const auto batches = HoldingArea::standard(places())->batches();
    ASSERT_EQ(batches.size(), 1u);
    std::set<std::string> originals;
    for (const auto& item : batches[0].items) {
        originals.insert(item.original);
        EXPECT_TRUE(fs::exists(places().holdingFolder() / batches[0].id / "files" / item.stored)) << item.stored;
    }
    EXPECT_EQ(originals, (std::set<std::string>{(home() / ".npm/_cacache/index").string(),
                                                (home() / "Library/Caches/Yarn/v6").string()}));
    EXPECT_FALSE(fs::exists(home() / ".npm/_cacache/index/blob"));
    EXPECT_TRUE(fs::exists(home() / "Library/Logs/app/crash.log"));

    // The scan no longer lists what moved, and still lists what did not.
    std::set<std::string> listed;
    for (const CleanItem& item : model->items()) listed.insert(item.spec.id);
    EXPECT_EQ(listed.count("npm") + listed.count("yarn"), 0u);
    EXPECT_EQ(listed.count("logs"), 1u);

    // Everything comes back.
    const auto result = HoldingArea::standard(places())->restore(batches[0]);
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_EQ(contents(home() / ".npm/_cacache/index/blob"), npm);
    EXPECT_TRUE(fs::exists(home() / "Library/Caches/Yarn/v6/pkg.tgz"));
}

}  // namespace
}  // namespace sorbeta
