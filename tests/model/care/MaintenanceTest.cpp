#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSignalSpy>
#include <filesystem>
#include <functional>
#include <memory>

#include "../scan/AppModelTestSupport.h"
#include "PoolHold.h"
#include "model/care/Maintenance.h"
#include "model/catalog/Catalog.h"
#include "model/dialog/CandyDialog.h"
#include "model/history/HistoryModel.h"
#include "platform/Autostart.h"
#include "platform/Defaults.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;
using std::chrono::seconds;

constexpr int64_t GB = 1'000'000'000;

struct Posted {
    QString title, body;
};

class MaintenanceTest : public test::AppModelFixture {
protected:
    void SetUp() override {
        AppModelFixture::SetUp();
        model = makeModel();
        history = std::make_unique<HistoryModel>(HistoryStore::standard(places()));
        care = makeCare();
    }
    void TearDown() override {
        care.reset();
        history.reset();
        model.reset();
        AppModelFixture::TearDown();
    }

    std::unique_ptr<Maintenance> makeCare(bool historyVisible = false) {
        Maintenance::Environment env;
        env.places = places();
        env.now = [this] { return now; };
        env.volume = [this] {
            ++volumeReads;
            return volume;
        };
        env.memory = [this] {
            ++memoryReads;
            return memory;
        };
        env.notify = [this](const QString& title, const QString& body) { posted.push_back({title, body}); };
        env.schedule = [this](seconds delay, std::function<void()> wake) {
            delays.push_back(delay);
            pendingWake = std::move(wake);
        };
        env.historyVisible = historyVisible;
        env.program = QStringLiteral("/opt/Sorbeta/sorbeta");
        return std::make_unique<Maintenance>(*model, *history, env);
    }

    void tick() {
        auto task = care->tick(now);
        test::finish(task);
    }
    // With the clock set back `days` after an alert, the next comes exactly
    // `spacing` seconds after the correction: neither at once nor only when
    // the clock has caught up again.
    void expectSpacingFromACorrection(int days, qint64 spacing) {
        const std::size_t alerts = posted.size();
        now = now.addDays(-days);
        tick();
        EXPECT_EQ(posted.size(), alerts);
        now = now.addSecs(spacing - 1);
        tick();
        EXPECT_EQ(posted.size(), alerts);
        now = now.addSecs(1);
        tick();
        EXPECT_EQ(posted.size(), alerts + 1);
    }
    void runRules() {
        auto task = care->runRules();
        test::finish(task);
    }
    // Runs a pass and makes `change` while its sizes are still being
    // measured: the pool is held until then, so the pass cannot go on first.
    void runRulesChanging(const std::function<void()>& change) {
        test::PoolHold hold;
        auto task = care->runRules();
        change();
        hold.release();
        test::finish(task);
    }
    void setRules(std::vector<AutoRule> rules) {
        CareSettings settings = care->settings();
        settings.rules = std::move(rules);
        care->setSettings(settings);
    }
    platform::Defaults defaults() const {
        return platform::Defaults(QString::fromLatin1(platform::Defaults::appDomain), places().configHome);
    }
    bool exists(const char* relative) const { return fs::exists(home() / relative); }
    static QString name(const char* id) { return Catalog::cleanable(id)->name; }

    std::unique_ptr<AppModel> model;
    std::unique_ptr<HistoryModel> history;
    std::unique_ptr<Maintenance> care;
    QDateTime now = QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
    DiskScanner::Volume volume{1000 * GB, 500 * GB};
    MemoryBreakdown memory;
    int volumeReads = 0, memoryReads = 0;
    std::vector<Posted> posted;
    std::vector<seconds> delays;
    std::function<void()> pendingWake;
};

TEST_F(MaintenanceTest, OneLoopWhoseNextPassCountsFromTheEndOfTheLast) {
    care->start();
    care->start();
    ASSERT_EQ(delays, (std::vector<seconds>{seconds(90)}));
    EXPECT_EQ(volumeReads, 0);  // nothing runs before the first wake

    pendingWake();
    ASSERT_TRUE(test::waitUntil([&] { return delays.size() == 2; }));
    EXPECT_EQ(delays[1], seconds(1800));
    EXPECT_EQ(volumeReads, 1);
    EXPECT_EQ(model->totalBytes(), 1000 * GB);
    EXPECT_EQ(model->freeBytes(), 500 * GB);

    // A wake that arrives after the loop's owner is gone does nothing.
    auto wake = pendingWake;
    care.reset();
    wake();
    EXPECT_EQ(volumeReads, 1);
}

TEST_F(MaintenanceTest, LowSpaceAlertIsStrictlyBelowTheThresholdAndSpacedTwelveHours) {
    CareSettings settings = care->settings();
    settings.lowSpaceAlert = true;
    settings.lowSpaceGB = 30;
    care->setSettings(settings);

    volume = {1000 * GB, 30 * GB};  // exactly the threshold
    tick();
    EXPECT_TRUE(posted.empty());

    volume = {1000 * GB, 29'500'000'000};
    tick();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].title, QStringLiteral("磁盘快满了"));
    EXPECT_EQ(posted[0].body, QStringLiteral("只剩 29.5 G 可用，打开冰沙看看哪些可以清理。"));

    now = now.addSecs(43'199);
    tick();
    EXPECT_EQ(posted.size(), 1u);
    now = now.addSecs(1);
    tick();
    EXPECT_EQ(posted.size(), 2u);

    // A failed volume read is no news: no alert, and the figures stay.
    now = now.addSecs(86'400);
    volume = {0, 0};
    tick();
    EXPECT_EQ(posted.size(), 2u);
    EXPECT_EQ(model->totalBytes(), 1000 * GB);
    EXPECT_EQ(model->freeBytes(), 29'500'000'000);
    EXPECT_EQ(memoryReads, 0);  // the memory alert is off: memory is never read

    volume = {1000 * GB, 29'500'000'000};
    tick();
    ASSERT_EQ(posted.size(), 3u);
    expectSpacingFromACorrection(365, 43'200);
}

TEST_F(MaintenanceTest, MemoryAlertOnlyAtCriticalPressureAndSpacedTwoHours) {
    CareSettings settings = care->settings();
    settings.memoryAlert = true;
    care->setSettings(settings);

    memory.pressure = 2;
    tick();
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(memoryReads, 1);

    memory.pressure = 4;
    tick();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].title, QStringLiteral("内存很紧张"));
    EXPECT_EQ(posted[0].body, QStringLiteral("关掉几个不用的应用，或者在冰沙里释放内存。"));
    now = now.addSecs(7'199);
    tick();
    EXPECT_EQ(posted.size(), 1u);
    now = now.addSecs(1);
    tick();
    EXPECT_EQ(posted.size(), 2u);
    expectSpacingFromACorrection(30, 7'200);
}

TEST_F(MaintenanceTest, SettingsAreSavedOnlyWhenTheyChange) {
    QSignalSpy changed(care.get(), &Maintenance::settingsChanged);
    care->setSettings(care->settings());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(defaults().contains(QStringLiteral("careSettings")));

    RuleBinding logs = care->ruleBinding("logs");
    AutoRule rule = logs.get();
    EXPECT_EQ(rule, (AutoRule{"logs", false, 1}));
    rule.enabled = true;
    logs.set(rule);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(care->enabledRuleCount(), 1);
    EXPECT_EQ(CareSettings::load(defaults()), care->settings());
    // A new instance reads what was saved.
    EXPECT_EQ(makeCare()->settings().rules.back(), (AutoRule{"logs", true, 1}));
}

TEST_F(MaintenanceTest, LaunchAtLoginFollowsTheAutostartEntryOnDisk) {
    QSignalSpy changed(care.get(), &Maintenance::launchAtLoginChanged);
    EXPECT_FALSE(care->launchAtLogin());
    care->setLaunchAtLogin(true);
    EXPECT_TRUE(care->launchAtLogin());
    EXPECT_TRUE(fs::is_regular_file(platform::Autostart::entryPath(places())));
    // Someone else removing the entry is seen at once.
    fs::remove(platform::Autostart::entryPath(places()));
    EXPECT_FALSE(care->launchAtLogin());
    care->setLaunchAtLogin(true);
    care->setLaunchAtLogin(false);
    EXPECT_FALSE(fs::exists(platform::Autostart::entryPath(places())));
    EXPECT_EQ(changed.count(), 3);
}

class AutoCleanTest : public MaintenanceTest {
protected:
    void SetUp() override {
        MaintenanceTest::SetUp();
        buildHome();  // npm 3 MB, yarn 2 MB, logs 1.5 MB, pip 0.4 MB, browser, trash, media, documents
        tree->file("Library/Developer/Xcode/DerivedData/App-x/Build/obj.o", 2'000'000);
    }
};

TEST_F(AutoCleanTest, CleansExactlyTheDueSafeRulesOnceAndNothingElse) {
    setRules({
        {"npm", true, 0.002},     // 3 MB: due
        {"logs", true, 0.005},    // 1.5 MB: not yet
        {"yarn", true, 0.001},    // 2 MB: due
        {"pip", false, 0},        // off
        {"npm", true, 100},       // listed again: the first one counts
        {"trash", true, 0},       // a review rule never goes unasked
        {"nosuchrule", true, 0},  // names nothing
    });
    QSignalSpy phases(model.get(), &AppModel::phaseChanged);
    runRules();

    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_FALSE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_TRUE(exists("Library/Logs/app/crash.log"));
    EXPECT_TRUE(exists("Library/Caches/pip/http/small"));
    EXPECT_TRUE(exists(".Trash/old.zip"));
    EXPECT_TRUE(exists("Library/Caches/Google/Chrome/Default/Cache/data_1"));
    EXPECT_TRUE(exists("Pictures/Trip/clip.mov"));
    EXPECT_TRUE(exists("Documents/note.txt"));
    EXPECT_TRUE(exists(".npm"));  // the contents go, the rule's roots stay

    EXPECT_TRUE(model->phase().isIdle());
    EXPECT_EQ(phases.count(), 2);  // cleaning, then idle
    ASSERT_TRUE(care->lastAutoClean());
    EXPECT_GE(care->lastAutoClean()->bytes, 5'000'000);
    EXPECT_EQ(care->lastAutoClean()->names, (QStringList{name("npm"), name("yarn")}));
    EXPECT_EQ(care->lastAutoClean()->date, now);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_TRUE(posted[0].title.startsWith(QStringLiteral("自动清理了 ")));
    EXPECT_EQ(posted[0].body, QLocale().createSeparatedList({name("npm"), name("yarn")}));
    EXPECT_FALSE(model->hasScanned());  // never scanned: only free space is re-read
    EXPECT_TRUE(model->items().empty());
}

TEST_F(AutoCleanTest, SkippedRulesAreLeftOutAndAllSkippedPostsNothing) {
    apps->add(QStringLiteral("com.apple.dt.Xcode"), QStringLiteral("Xcode"));
    setRules({{"derived", true, 0.001}});
    runRules();
    EXPECT_TRUE(exists("Library/Developer/Xcode/DerivedData/App-x/Build/obj.o"));
    EXPECT_TRUE(posted.empty());
    EXPECT_FALSE(care->lastAutoClean());
    EXPECT_TRUE(model->phase().isIdle());

    setRules({{"derived", true, 0.001}, {"npm", true, 0.001}});
    runRules();
    EXPECT_TRUE(exists("Library/Developer/Xcode/DerivedData/App-x/Build/obj.o"));
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].body, name("npm"));
    EXPECT_EQ(care->lastAutoClean()->names, QStringList{name("npm")});
}

TEST_F(AutoCleanTest, ARuleThatFreedNothingIsNotNamed) {
    // Xcode's build folder empties between the measuring and the clean: the
    // look for its build tools, just before its turn, clears it.
    const fs::path derived = home() / "Library/Developer/Xcode/DerivedData/App-x";
    environment.isProcessRunning = [derived](const QString&) {
        fs::remove_all(derived);
        return false;
    };
    care.reset();
    model = makeModel();
    care = makeCare();
    setRules({{"derived", true, 0.001}, {"npm", true, 0.001}});
    runRules();
    EXPECT_FALSE(fs::exists(derived));
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].body, name("npm"));
    ASSERT_TRUE(care->lastAutoClean());
    EXPECT_EQ(care->lastAutoClean()->names, QStringList{name("npm")});
}

TEST_F(AutoCleanTest, ItemsThatWouldNotGoAreToldInTheNotification) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    // Yarn's cache folder holds a file that cannot be deleted.
    const fs::path locked = home() / "Library/Caches/Yarn/v6";
    ::chmod(locked.c_str(), 0555);
    const std::unique_ptr<const char, void (*)(const char*)> unlock(locked.c_str(),
                                                                    [](const char* path) { ::chmod(path, 0755); });
    setRules({{"npm", true, 0.001}, {"yarn", true, 0.001}});
    runRules();
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].body, name("npm") + QStringLiteral("\n有 1 项没能清理掉，还在原处"));
    ASSERT_TRUE(care->lastAutoClean());
    EXPECT_EQ(care->lastAutoClean()->names, QStringList{name("npm")});

    // Nothing freed at all: still no notification, whatever stayed.
    setRules({{"yarn", true, 0.001}});
    runRules();
    EXPECT_TRUE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_EQ(posted.size(), 1u);
}

TEST_F(AutoCleanTest, AScanThatStartsWhileSizesAreMeasuredKeepsTheModel) {
    setRules({{"npm", true, 0.001}});
    // Nothing is measured while the model is busy.
    model->setPhase(Phase::cleaning());
    runRules();
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));
    model->setPhase(Phase::idle());

    runRulesChanging([&] { model->setPhase(Phase::scanning(QStringLiteral("x"))); });
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));
    EXPECT_EQ(model->phase(), Phase::scanning(QStringLiteral("x")));
    EXPECT_TRUE(posted.empty());
}

TEST_F(AutoCleanTest, NothingIsCleanedWhileTheUserIsBeingAsked) {
    // A question on screen is most often the confirmation of a clean, or its
    // question about running applications: an automatic clean under it
    // would make the user's answered clean find the model busy and drop it.
    auto question = [] {
        CandyDialog dialog;
        dialog.title = QStringLiteral("清理这些？");
        dialog.choices = {{QStringLiteral("清理"), Flavor::strawberry, true, false},
                          {QStringLiteral("再想想"), Flavor::cloud, false, true}};
        return dialog;
    };
    setRules({{"npm", true, 0.001}});
    dialogs.confirm(question(), [] {});
    runRules();
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(model->phase().isIdle());
    EXPECT_TRUE(posted.empty());
    dialogs.choose(1);

    // Asked while the sizes are measured: the pass leaves it too.
    runRulesChanging([&] { dialogs.confirm(question(), [] {}); });
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(posted.empty());
    dialogs.choose(1);

    // Answered: the next pass cleans.
    runRules();
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_EQ(posted.size(), 1u);
}

TEST_F(AutoCleanTest, SettingsChangedWhileSizesAreMeasuredDecideWhatIsCleaned) {
    // Switched off while the pass measures: nothing is cleaned.
    setRules({{"npm", true, 0.001}});
    runRulesChanging([&] { setRules({{"npm", false, 0.001}}); });
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));

    // Threshold raised above the measured 3 MB meanwhile: not yet due.
    setRules({{"npm", true, 0.001}});
    runRulesChanging([&] { setRules({{"npm", true, 0.01}}); });
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));

    // Switched on meanwhile: never measured, so left for a later pass.
    setRules({{"npm", true, 0.001}});
    runRulesChanging([&] { setRules({{"npm", true, 0.001}, {"yarn", true, 0}}); });
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    ASSERT_TRUE(care->lastAutoClean());
    EXPECT_EQ(care->lastAutoClean()->names, QStringList{name("npm")});
    EXPECT_TRUE(model->phase().isIdle());
}

TEST_F(AutoCleanTest, AScannedModelIsRescannedAfterAnAutomaticClean) {
    scan(*model);
    ASSERT_TRUE(model->hasScanned());
    ASSERT_FALSE(model->itemsIn("deps").empty());
    setRules({{"npm", true, 0.001}});
    runRules();
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    for (const CleanItem& item : model->items()) EXPECT_NE(item.spec.id, "npm");
    EXPECT_TRUE(model->phase().isIdle());
}

TEST_F(AutoCleanTest, DailySnapshotOnlyWhereTheHistoryPageIsOffered) {
    CareSettings settings = care->settings();
    ASSERT_TRUE(settings.dailySnapshot);
    tick();
    EXPECT_FALSE(model->hasScanned());

    care = makeCare(/*historyVisible=*/true);
    tick();
    EXPECT_TRUE(model->hasScanned());  // empty history: the day's scan ran
    ASSERT_TRUE(model->lastSnapshot());
    // A snapshot from today: no second scan the same day.
    history->setSnapshots({DiskSnapshot{now.addSecs(-3600)}});
    QSignalSpy scans(model.get(), &AppModel::scanCompleteChanged);
    tick();
    EXPECT_EQ(scans.count(), 0);
    // Nor when a snapshot taken while the clock ran a year ahead is the
    // latest: today's is there, so no pass scans again.
    history->setSnapshots({DiskSnapshot{now.addSecs(-3600)}, DiskSnapshot{now.addDays(365)}});
    tick();
    tick();
    EXPECT_EQ(scans.count(), 0);
}

}  // namespace
}  // namespace sorbeta
