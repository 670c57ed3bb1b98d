#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "TestEnvironment.h"
#include "platform/Updater.h"

namespace sorbeta::platform {
namespace {

// A feed that answers when the test says so, never over the network.
class FakeFeed final : public UpdateFeed {
public:
    struct State {
        int fetches = 0;
        int cancels = 0;
        std::function<void(FeedAnswer)> pending;
    };
    explicit FakeFeed(std::shared_ptr<State> state) : state_(std::move(state)) {}
    void fetch(std::function<void(FeedAnswer)> done) override {
        ++state_->fetches;
        state_->pending = std::move(done);
    }
    void cancel() override {
        ++state_->cancels;
        state_->pending = nullptr;
    }

private:
    std::shared_ptr<State> state_;
};

void answer(FakeFeed::State& state, FeedAnswer reply) {
    ASSERT_TRUE(state.pending);
    auto done = std::move(state.pending);
    state.pending = nullptr;
    done(std::move(reply));
}

FeedAnswer release(const char* version) { return {Release{version, QUrl("https://downloads.invalid/sorbeta")}, {}}; }

class UpdaterTest : public test::HomeTest {
protected:
    std::unique_ptr<Updater> make(bool withFeed = true, std::chrono::milliseconds watchdog = Updater::kWatchdog) {
        Updater::Setup setup;
        if (withFeed) setup.feed = std::make_unique<FakeFeed>(state);
        setup.currentVersion = QStringLiteral("1.2.0");
        setup.settings = Defaults(QString::fromLatin1(Defaults::appDomain), places().configHome);
        setup.now = [this] { return now; };
        setup.watchdog = watchdog;
        return std::make_unique<Updater>(std::move(setup));
    }
    std::shared_ptr<FakeFeed::State> state = std::make_shared<FakeFeed::State>();
    QDateTime now = QDateTime(QDate(2026, 5, 1), QTime(9, 0), Qt::UTC);
};

TEST_F(UpdaterTest, CanCheckOneTurnAfterStartAndNeverWithoutAFeed) {
    auto updater = make();
    QSignalSpy changed(updater.get(), &Updater::canCheckChanged);
    EXPECT_FALSE(updater->canCheck());
    updater->checkForUpdates(true);  // not started: ignored
    EXPECT_EQ(state->fetches, 0);
    updater->start();
    EXPECT_FALSE(updater->canCheck());  // not before the event loop turns
    QCoreApplication::processEvents();
    EXPECT_TRUE(updater->canCheck());
    EXPECT_EQ(changed.count(), 1);
    ASSERT_TRUE(updater->nextAutomaticCheck().has_value());
    EXPECT_LE(*updater->nextAutomaticCheck(), Updater::kFirstDelay);

    auto idle = make(false);
    idle->start();
    QCoreApplication::processEvents();
    EXPECT_FALSE(idle->started());
    EXPECT_FALSE(idle->canCheck());
    EXPECT_FALSE(idle->nextAutomaticCheck().has_value());
    idle->checkForUpdates(true);
    EXPECT_EQ(state->fetches, 0);
}

TEST_F(UpdaterTest, ASuccessfulCheckStoresItsDateAndTellsNewerFromCurrent) {
    auto updater = make();
    updater->start();
    QCoreApplication::processEvents();
    QSignalSpy finished(updater.get(), &Updater::checkFinished);
    EXPECT_FALSE(updater->lastUpdateCheckDate().has_value());

    updater->checkForUpdates(true);
    EXPECT_FALSE(updater->canCheck());  // one check at a time
    updater->checkForUpdates(true);
    EXPECT_EQ(state->fetches, 1);
    answer(*state, release("1.10.0"));
    ASSERT_EQ(finished.count(), 1);
    auto result = finished[0][0].value<UpdateCheckResult>();
    EXPECT_EQ(result.outcome, UpdateCheckResult::Outcome::newer);
    EXPECT_EQ(result.release.version, "1.10.0");
    EXPECT_TRUE(finished[0][1].toBool());
    EXPECT_TRUE(updater->canCheck());
    EXPECT_EQ(updater->lastUpdateCheckDate(), now);
    // The next automatic check is a day after this one.
    ASSERT_TRUE(updater->nextAutomaticCheck().has_value());
    EXPECT_GT(*updater->nextAutomaticCheck(), std::chrono::hours(23));

    now = now.addSecs(60);
    updater->checkForUpdates(false);
    answer(*state, release("1.2"));
    EXPECT_EQ(finished[1][0].value<UpdateCheckResult>().outcome, UpdateCheckResult::Outcome::upToDate);
    EXPECT_FALSE(finished[1][1].toBool());
    // Kept across instances (the engine's own settings group).
    EXPECT_EQ(make()->lastUpdateCheckDate(), now);
}

TEST_F(UpdaterTest, AFailedOrSilentFeedLeavesTheDateAndFreesTheButton) {
    auto updater = make(true, std::chrono::milliseconds(50));
    updater->start();
    QCoreApplication::processEvents();
    QSignalSpy finished(updater.get(), &Updater::checkFinished);

    updater->checkForUpdates(true);
    answer(*state, FeedAnswer{std::nullopt, QStringLiteral("Host not found")});
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished[0][0].value<UpdateCheckResult>().outcome, UpdateCheckResult::Outcome::failed);
    EXPECT_FALSE(updater->lastUpdateCheckDate().has_value());
    EXPECT_TRUE(updater->canCheck());
    // An automatic retry waits an hour, not a minute.
    ASSERT_TRUE(updater->nextAutomaticCheck().has_value());
    EXPECT_GT(*updater->nextAutomaticCheck(), std::chrono::minutes(59));

    // A feed that never answers is given up, and its late answer is dropped.
    updater->checkForUpdates(false);
    auto late = state->pending;
    ASSERT_TRUE(test::waitUntil([&] { return finished.count() == 2; }, 2000));
    EXPECT_EQ(finished[1][0].value<UpdateCheckResult>().outcome, UpdateCheckResult::Outcome::failed);
    EXPECT_EQ(state->cancels, 1);
    EXPECT_TRUE(updater->canCheck());
    late(release("9.0"));
    EXPECT_EQ(finished.count(), 2);
    EXPECT_FALSE(updater->lastUpdateCheckDate().has_value());
}

TEST_F(UpdaterTest, TheAutomaticFlagPersistsAndStopsTheSchedule) {
    auto updater = make();
    EXPECT_TRUE(updater->automaticallyChecksForUpdates());
    updater->start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(updater->nextAutomaticCheck().has_value());
    updater->setAutomaticallyChecksForUpdates(false);
    EXPECT_FALSE(updater->nextAutomaticCheck().has_value());
    EXPECT_FALSE(make()->automaticallyChecksForUpdates());
    updater->setAutomaticallyChecksForUpdates(true);
    EXPECT_TRUE(updater->nextAutomaticCheck().has_value());
    EXPECT_TRUE(make()->automaticallyChecksForUpdates());
}

TEST(UpdateFeedTest, ReadsOnlyAWellFormedRelease) {
    EXPECT_EQ(parseReleaseFeed(R"({"version":"1.4.2","downloadPage":"https://example.invalid/get"})"),
              (Release{"1.4.2", QUrl("https://example.invalid/get")}));
    EXPECT_FALSE(parseReleaseFeed("not json"));
    EXPECT_FALSE(parseReleaseFeed(R"({"version":"1.4.2"})"));
    EXPECT_FALSE(parseReleaseFeed(R"({"version":"latest","downloadPage":"https://example.invalid/"})"));
    EXPECT_FALSE(parseReleaseFeed(R"({"version":"1.4","downloadPage":"file:///etc/passwd"})"));
    EXPECT_FALSE(parseReleaseFeed(R"j({"version":"1.4","downloadPage":"javascript:alert(1)"})j"));
    EXPECT_FALSE(parseReleaseFeed(R"(["1.4"])"));

    EXPECT_GT(compareVersions("1.10", "1.9"), 0);
    EXPECT_EQ(compareVersions("1.0", "1"), 0);
    EXPECT_LT(compareVersions("1.0.0", "1.0.1"), 0);
    EXPECT_EQ(compareVersions("2.0.0", "2.0.0"), 0);
}

}  // namespace
}  // namespace sorbeta::platform
