#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLocale>
#include <QProcess>
#include <QSignalSpy>
#include <QTranslator>
#include <algorithm>
#include <filesystem>

#include "AppModelTestSupport.h"
#include "OnDisk.h"
#include "ScratchMount.h"
#include "model/catalog/Catalog.h"
#include "model/holding/HoldingArea.h"
#include "model/scan/CleanRun.h"
#include "platform/Defaults.h"
#include "platform/Places.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;
using Host = CandyDialog::Host;

std::vector<std::string> ids(const std::vector<CleanItem>& items) {
    std::vector<std::string> out;
    for (const CleanItem& item : items) out.push_back(item.spec.id);
    return out;
}

QStringList choiceTitles(const CandyDialog& dialog) {
    QStringList out;
    for (const auto& choice : dialog.choices) out << choice.title;
    return out;
}

class AppModelCleanTest : public test::AppModelFixture {
protected:
    void SetUp() override {
        AppModelFixture::SetUp();
        buildHome();
        model = makeModel();
        model->onHeld = [this] { ++held; };
        scan(*model);
    }
    void TearDown() override {
        model.reset();
        AppModelFixture::TearDown();
    }

    bool exists(const char* relative) const { return fs::exists(home() / relative); }
    CandyDialogCenter& center() { return dialogs; }
    bool waitForDialog() {
        return test::waitUntil([&] { return center().isShowing(); }, 5000);
    }

    std::unique_ptr<AppModel> model;
    int held = 0;
};

TEST_F(AppModelCleanTest, HeldCleanReportsAndRescans) {
    platform::Defaults().setValue(QStringLiteral("holdCleaned"), true);
    const int64_t npmBytes = model->items()[0].bytes;
    std::vector<CleanProgress> progress;
    QObject::connect(model.get(), &AppModel::cleanProgressChanged, [&] {
        if (model->cleanProgress()) progress.push_back(*model->cleanProgress());
    });
    std::vector<Phase> phases;
    QObject::connect(model.get(), &AppModel::phaseChanged, [&] { phases.push_back(model->phase()); });
    const int64_t freeBefore = model->freeBytes();

    auto task = model->cleanSelected(Host::main, {"npm", "logs"});
    EXPECT_FALSE(center().isShowing());  // nothing guards these rules
    test::finish(task);

    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_FALSE(exists("Library/Logs/app/crash.log"));
    EXPECT_TRUE(exists("Library/Caches/Yarn/v6/pkg.tgz"));  // ticked, but not confirmed
    ASSERT_TRUE(model->lastFreed());
    EXPECT_GE(*model->lastFreed(), npmBytes);
    EXPECT_TRUE(model->lastSkipped().isEmpty());
    EXPECT_TRUE(model->selected().empty());
    EXPECT_EQ(held, 1);
    EXPECT_FALSE(model->cleanProgress());
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), (CleanProgress{0, 2, model->lastReport()->items.front().name}));

    // The batch holds both rules' files, titled by the rule names.
    ASSERT_TRUE(model->lastBatch());
    EXPECT_EQ(model->lastBatch()->items.size(), 2u);
    const auto batches = HoldingArea::standard(places())->batches();
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].id, model->lastBatch()->id);

    ASSERT_TRUE(model->lastReport());
    EXPECT_EQ(model->lastReport()->items.size(), 2u);
    EXPECT_EQ(model->lastReport()->freed, *model->lastFreed());
    EXPECT_EQ(model->lastReport()->freeBefore, freeBefore);

    // Cleaning, idle, then the follow-up scan.
    ASSERT_GE(phases.size(), 3u);
    EXPECT_TRUE(phases[0].isCleaning());
    EXPECT_TRUE(phases[1].isIdle());
    EXPECT_TRUE(phases[2].isScanning());
    EXPECT_TRUE(model->phase().isIdle());
    EXPECT_EQ(ids(model->items()), (std::vector<std::string>{"browser", "yarn", "trash"}));
}

TEST_F(AppModelCleanTest, DeletingCleanWithNothingTickedOrNothingFreed) {
    // Nothing ticked: no dialog, no phase change.
    auto none = model->cleanSelected(Host::main, {});
    EXPECT_TRUE(none.isReady());
    auto gone = model->cleanSelected(Host::main, {"no-such-rule"});
    EXPECT_TRUE(gone.isReady());
    EXPECT_FALSE(model->lastFreed());

    // Without "holdCleaned" files go for good and no batch is made.
    auto task = model->cleanSelected(Host::main, {"yarn"});
    test::finish(task);
    EXPECT_FALSE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_FALSE(model->lastBatch());
    EXPECT_EQ(held, 1);
    EXPECT_TRUE(HoldingArea::standard(places())->batches().empty());

    // A rule whose files vanished since the scan frees 0: no report, lastFreed 0.
    fs::remove_all(home() / ".npm");
    auto empty = model->cleanSelected(Host::main, {"npm"});
    test::finish(empty);
    ASSERT_TRUE(model->lastFreed());
    EXPECT_EQ(*model->lastFreed(), 0);
    EXPECT_FALSE(model->lastReport());
    EXPECT_EQ(held, 2);
}

TEST_F(AppModelCleanTest, TheReportShowsWhatEachRuleFreedAndLeavesOutThoseThatFreedNothing) {
    const auto yarn = std::find_if(model->items().begin(), model->items().end(),
                                   [](const CleanItem& item) { return item.spec.id == "yarn"; });
    ASSERT_NE(yarn, model->items().end());
    const int64_t yarnFound = yarn->bytes;
    // Since the scan npm's files went elsewhere and most of yarn's did too.
    fs::remove_all(home() / ".npm/_cacache");
    fs::remove(home() / "Library/Caches/Yarn/v6/pkg.tgz");
    tree->file("Library/Caches/Yarn/v6/left.tgz", 300'000);

    auto task = model->cleanSelected(Host::main, {"npm", "yarn", "logs"});
    test::finish(task);
    ASSERT_TRUE(model->lastReport());
    const CleanReport& report = *model->lastReport();
    EXPECT_TRUE(model->lastSkipped().isEmpty());  // npm ran, it just found nothing
    ASSERT_EQ(report.items.size(), 2u);
    EXPECT_EQ(report.items[0].name, Catalog::cleanable("logs")->name);
    EXPECT_EQ(report.items[1].name, Catalog::cleanable("yarn")->name);
    EXPECT_GE(report.items[0].bytes, 1'500'000);
    EXPECT_GE(report.items[1].bytes, 300'000);
    EXPECT_LT(report.items[1].bytes, yarnFound);
    EXPECT_EQ(report.items[0].bytes + report.items[1].bytes, report.freed);
    EXPECT_EQ(report.freed, *model->lastFreed());
}

TEST_F(AppModelCleanTest, ItemsThatWouldNotGoAreCountedNotPassedOverInSilence) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced";
    // Since the scan yarn's folder became one whose files cannot be deleted.
    const fs::path locked = home() / "Library/Caches/Yarn/v6";
    ::chmod(locked.c_str(), 0555);
    auto task = model->cleanSelected(Host::main, {"yarn", "logs"});
    test::finish(task);
    ::chmod(locked.c_str(), 0755);
    EXPECT_TRUE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_FALSE(exists("Library/Logs/app/crash.log"));
    ASSERT_TRUE(model->lastFreed());
    EXPECT_GE(*model->lastFreed(), 1'500'000);
    EXPECT_EQ(model->lastFailed(), 1);
    EXPECT_TRUE(model->lastSkipped().isEmpty());

    // The next clean that takes everything clears the count.
    auto again = model->cleanSelected(Host::main, {"yarn"});
    test::finish(again);
    EXPECT_FALSE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_EQ(model->lastFailed(), 0);
}

TEST_F(AppModelCleanTest, AHeldBatchIsNamedOnlyAfterTheRulesItHolds) {
    platform::Defaults().setValue(QStringLiteral("holdCleaned"), true);
    fs::remove_all(home() / ".npm/_cacache");  // gone since the scan
    auto task = model->cleanSelected(Host::main, {"npm", "logs"});
    test::finish(task);
    const auto batches = HoldingArea::standard(places())->batches();
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].title, Catalog::cleanable("logs")->name);
}

TEST_F(AppModelCleanTest, WhatTheCleanWouldRefuseIsNeitherMeasuredNorOffered) {
    // npm's cache moved to another disk behind a link, and another file
    // system mounted on a cache folder that is only ever emptied.
    fs::rename(home() / ".npm", outside() / "npm");
    fs::create_directory_symlink(outside() / "npm", home() / ".npm");
    test::ScratchMount mount(home() / ".cache/thumbnails");
    if (mount.mounted()) tree->file(".cache/thumbnails/large/a.png", 2'000'000);
    scan(*model);
    const std::vector<std::string> offered = ids(model->items());
    EXPECT_EQ(std::count(offered.begin(), offered.end(), "npm"), 0);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), "appcache"), 0);

    auto task = model->cleanSelected(Host::main, {"npm", "appcache"});
    test::finish(task);
    EXPECT_TRUE(fs::exists(outside() / "npm/_cacache/index/blob"));
    if (mount.mounted()) {
        EXPECT_TRUE(exists(".cache/thumbnails/large/a.png"));
    }
}

TEST_F(AppModelCleanTest, QuitAndClean) {
    auto chrome = apps->add(QStringLiteral("com.google.chrome"), QStringLiteral("Google Chrome"));
    auto task = model->cleanSelected(Host::menuBar, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    const CandyDialog& dialog = *center().current();
    EXPECT_EQ(dialog.host, Host::menuBar);
    EXPECT_EQ(dialog.emoji, QStringLiteral("✋"));
    EXPECT_EQ(dialog.title, QStringLiteral("Google Chrome 还开着"));
    EXPECT_EQ(dialog.message, QStringLiteral("清理这几项需要先退出它们：\n· 浏览器缓存\n\n退出前记得保存手头的东西。"));
    EXPECT_EQ(choiceTitles(dialog), (QStringList{"退出并清理", "跳过这几项", "取消"}));
    EXPECT_TRUE(dialog.choices[0].isDefault);
    EXPECT_EQ(dialog.choices[1].flavor, Flavor::grape);
    EXPECT_TRUE(dialog.choices[2].isCancel);
    EXPECT_TRUE(model->phase().isIdle());  // the question comes before the clean

    center().choose(0);
    test::finish(task);
    EXPECT_EQ(chrome->terminateCalls, 1);
    EXPECT_FALSE(exists("Library/Caches/Google/Chrome/Default/Cache/data_1"));
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(model->lastSkipped().isEmpty());
}

TEST_F(AppModelCleanTest, QuitThatNeverHappensSkipsTheGuardedRule) {
    auto chrome = apps->add(QStringLiteral("COM.GOOGLE.CHROME"), {}, /*quitsOnTerminate=*/false);
    auto task = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    EXPECT_EQ(center().current()->title, QStringLiteral("COM.GOOGLE.CHROME 还开着"));  // no name: the identifier
    center().choose(0);
    test::finish(task);
    EXPECT_EQ(chrome->terminateCalls, 1);
    EXPECT_TRUE(exists("Library/Caches/Google/Chrome/Default/Cache/data_1"));
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_EQ(model->lastSkipped(), QStringList{QStringLiteral("浏览器缓存")});
    ASSERT_TRUE(model->lastReport());
    EXPECT_EQ(model->lastReport()->items.size(), 1u);  // only what was cleaned
}

TEST_F(AppModelCleanTest, TheHoldChoiceIsTheOneMadeBeforeTheQuestion) {
    platform::Defaults().setValue(QStringLiteral("holdCleaned"), true);
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"));
    auto task = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    // Turned off in the settings while the question is open: the promised
    // hold does not become a deletion.
    platform::Defaults().setValue(QStringLiteral("holdCleaned"), false);
    center().choose(0);
    test::finish(task);
    ASSERT_TRUE(model->lastBatch());
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_EQ(environment.holding->batches().size(), 1u);

    // A choice handed in is followed whatever the setting says.
    platform::Defaults().setValue(QStringLiteral("holdCleaned"), true);
    auto deleting = model->cleanSelected(Host::main, {"yarn"}, false);
    test::finish(deleting);
    EXPECT_FALSE(model->lastBatch());
    EXPECT_FALSE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_EQ(environment.holding->batches().size(), 1u);
}

TEST_F(AppModelCleanTest, SkipThese) {
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"), false);
    auto task = model->cleanSelected(Host::main, {"browser", "yarn"});
    ASSERT_TRUE(waitForDialog());
    center().choose(1);
    test::finish(task);
    EXPECT_TRUE(exists("Library/Caches/Google/Chrome/Default/Cache/data_1"));
    EXPECT_FALSE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_EQ(model->lastSkipped(), QStringList{QStringLiteral("浏览器缓存")});
    EXPECT_TRUE(model->selected().empty());  // skipped ticks go too
    EXPECT_EQ(ids(model->items()), (std::vector<std::string>{"npm", "browser", "logs", "trash"}));
}

TEST_F(AppModelCleanTest, EveryCleanAnnouncesItsResultEvenWhenItFreedAsMuchAsTheLast) {
    // The toast follows lastFreed: a clean that freed as much as the one
    // before (nothing, say) must still replace that one's toast, with its
    // own skipped rules.
    fs::remove_all(home() / ".npm");
    auto first = model->cleanSelected(Host::main, {"npm"});
    test::finish(first);
    ASSERT_EQ(model->lastFreed(), std::optional<int64_t>(0));
    ASSERT_TRUE(model->lastSkipped().isEmpty());
    std::vector<std::pair<std::optional<int64_t>, QStringList>> announced;
    QObject::connect(model.get(), &AppModel::lastFreedChanged,
                     [&] { announced.emplace_back(model->lastFreed(), model->lastSkipped()); });
    fs::remove_all(home() / "Library/Logs/app");  // gone since the scan: frees nothing
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"), false);
    auto second = model->cleanSelected(Host::main, {"browser", "logs"});
    ASSERT_TRUE(waitForDialog());
    center().choose(1);  // skip the browser's
    test::finish(second);
    ASSERT_FALSE(announced.empty());
    EXPECT_EQ(announced.back().first, std::optional<int64_t>(0));
    EXPECT_EQ(announced.back().second, QStringList{QStringLiteral("浏览器缓存")});
}

TEST_F(AppModelCleanTest, SkipTheseHoldsWhenTheAppQuitsBeforeTheCleanStarts) {
    auto chrome = apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"), false);
    auto task = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    chrome->terminated = true;  // closed by hand while the question is open
    center().choose(1);
    test::finish(task);
    EXPECT_TRUE(exists("Library/Caches/Google/Chrome/Default/Cache/data_1"));
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_EQ(model->lastSkipped(), QStringList{QStringLiteral("浏览器缓存")});
    ASSERT_TRUE(model->lastReport());
    EXPECT_EQ(model->lastReport()->items.size(), 1u);  // npm only
}

TEST_F(AppModelCleanTest, WithNoOneToAskRunningAppsKeepEverything) {
    environment.dialogs = nullptr;
    auto lonely = makeModel();
    scan(*lonely);
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"));
    auto task = lonely->cleanSelected(Host::main, {"browser", "yarn"});
    test::finish(task);
    EXPECT_FALSE(center().isShowing());
    EXPECT_TRUE(exists("Library/Caches/Google/Chrome/Default/Cache/data_1"));
    EXPECT_TRUE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_FALSE(lonely->lastFreed());
    EXPECT_TRUE(lonely->phase().isIdle());
}

TEST_F(AppModelCleanTest, NotNowChangesNothing) {
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"));
    apps->add(QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"));
    const auto selectedBefore = model->selected();
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto task = model->cleanSelected(Host::main, {"browser"});
    ASSERT_TRUE(waitForDialog());
    QLocale::setDefault(previous);
    EXPECT_EQ(center().current()->title, QStringLiteral("Chrome和Firefox 还开着"));
    EXPECT_EQ(choiceTitles(*center().current()), (QStringList{"退出并清理", "先不清理"}));
    EXPECT_TRUE(center().current()->choices[1].isCancel);
    center().choose(1);
    test::finish(task);
    EXPECT_TRUE(exists("Library/Caches/Google/Chrome/Default/Cache/data_1"));
    EXPECT_EQ(model->selected(), selectedBefore);
    EXPECT_FALSE(model->lastFreed());
    EXPECT_EQ(held, 0);
    EXPECT_TRUE(model->phase().isIdle());
}

TEST_F(AppModelCleanTest, GuardingProcessesAndRunningAppFoldersAreSpared) {
    // A probe that finds a running process skips the rule without a dialog.
    environment.isProcessRunning = [](const QString& name) { return name == QStringLiteral("GradleDaemon"); };
    tree->file(".gradle/daemon/8.0/daemon.log", 1'100'000);
    // The review rule for app caches spares the folders of running apps.
    tree->file("Library/Caches/com.example.Busy/blob", 1'000'000);
    tree->file("Library/Caches/com.example.Idle/blob", 1'000'000);
    apps->add(QStringLiteral("com.example.Busy"), QStringLiteral("Busy"));
    model = makeModel();
    scan(*model);
    ASSERT_GE(model->items().size(), 1u);

    auto task = model->cleanSelected(Host::main, {"gradlecache", "appcache"});
    test::finish(task);
    EXPECT_FALSE(center().isShowing());
    EXPECT_TRUE(exists(".gradle/daemon/8.0/daemon.log"));
    EXPECT_EQ(model->lastSkipped(), QStringList{QStringLiteral("Gradle 临时文件")});
    EXPECT_TRUE(exists("Library/Caches/com.example.Busy/blob"));
    EXPECT_FALSE(exists("Library/Caches/com.example.Idle/blob"));
}

// A program running from an idle project's dependencies (a server started
// from its .venv weeks ago) would lose its files midway: that folder stays,
// and is counted as one that did not go.
TEST_F(AppModelCleanTest, ProjectArtifactsARunningProgramHoldsAreSpared) {
    for (const char* project : {"Code/api", "Code/site"}) {
        const fs::path folder(project);
        tree->text(folder / "requirements.txt", "flask\n");
        tree->file(folder / ".venv/lib/python3.11/site-packages/flask/app.py", 1'200'000);
        for (const fs::path inner : {".venv/lib/python3.11/site-packages/flask", ".venv/lib/python3.11/site-packages",
                                     ".venv/lib/python3.11", ".venv/lib", ".venv"})
            tree->setAgeDays(folder / inner, 30);
    }
    const fs::path held = places().home / "Code/api/.venv/lib/python3.11/site-packages/flask/app.py";
    environment.placesInUse = [held] { return std::vector<fs::path>{held, "/usr/bin/python3.11"}; };
    model = makeModel();
    scan(*model);

    auto task = model->cleanSelected(Host::main, {"artifacts"});
    test::finish(task);
    EXPECT_TRUE(fs::exists(held));
    EXPECT_FALSE(exists("Code/site/.venv"));
    EXPECT_EQ(model->lastFailed(), 1);
}

TEST_F(AppModelCleanTest, OnlyTheConfirmedRulesAreCleanedEvenIfTicksChangeDuringTheDialog) {
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"), false);
    auto task = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    model->setSelected({"npm", "yarn", "logs"});  // the menu-bar panel ticks the safe items
    center().choose(1);
    test::finish(task);
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(exists("Library/Caches/Yarn/v6/pkg.tgz"));
    EXPECT_TRUE(exists("Library/Logs/app/crash.log"));
}

TEST_F(AppModelCleanTest, AScanStartedDuringTheDialogStopsTheClean) {
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"), false);
    std::vector<Phase::Kind> kinds;
    QObject::connect(model.get(), &AppModel::phaseChanged, [&] {
        if (kinds.empty() || kinds.back() != model->phase().kind()) kinds.push_back(model->phase().kind());
    });
    model->setSelected({"browser", "npm"});

    auto cleaning = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    auto scanning = model->scan();
    ASSERT_TRUE(model->phase().isScanning());
    center().choose(1);  // "skip these", answered while the scan runs
    test::finish(cleaning);
    test::finish(scanning);

    // Only the scan ran: the clean did not go on, and left everything as it was.
    EXPECT_EQ(kinds, (std::vector<Phase::Kind>{Phase::Kind::scanning, Phase::Kind::idle}));
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));
    EXPECT_EQ(model->selected(), (std::set<std::string>{"browser", "npm"}));
    EXPECT_FALSE(model->lastFreed().has_value());
    EXPECT_EQ(held, 0);

    // The same while an automatic clean holds the phase.
    auto again = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    model->setPhase(Phase::cleaning());
    center().choose(0);  // quit and clean
    test::finish(again);
    EXPECT_TRUE(model->phase().isCleaning());
    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));
    EXPECT_EQ(held, 0);
    model->setPhase(Phase::idle());
}

TEST_F(AppModelCleanTest, ARuleTakesOnlyTheTargetsTheScanListed) {
    // Places the rules' patterns meet only after the scan: the list never showed them.
    tree->file(".npm/_logs/late.log", 500'000);
    tree->file(".config/NewApp/logs/late.log", 500'000);
    auto task = model->cleanSelected(Host::main, {"npm", "logs"});
    test::finish(task);

    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_FALSE(exists("Library/Logs/app/crash.log"));
    EXPECT_TRUE(exists(".npm/_logs/late.log"));
    EXPECT_TRUE(exists(".config/NewApp/logs/late.log"));
}

TEST_F(AppModelCleanTest, EmptyingTheTrashTakesOnlyWhatTheScanSawThere) {
    const auto info = [](const char* path) { return "[Trash Info]\nPath=/x/" + std::string(path) + "\n"; };
    tree->file(".local/share/Trash/files/seen.iso", 1'000'000);
    tree->text(".local/share/Trash/info/seen.iso.trashinfo", info("seen.iso"));
    tree->file(".local/share/Trash/files/reused.txt", 1000);
    tree->text(".local/share/Trash/info/reused.txt.trashinfo", info("reused.txt"));
    tree->text(".local/share/Trash/info/orphan.trashinfo", info("orphan"));
    scan(*model);

    // Trashed after the scan: a new pair, a description whose item is still
    // on its way, another file under a name the scan saw, one more in ~/.Trash.
    tree->file(".local/share/Trash/files/late.zip", 1000);
    tree->text(".local/share/Trash/info/late.zip.trashinfo", info("late.zip"));
    tree->text(".local/share/Trash/info/inflight.trashinfo", info("inflight"));
    tree->file("elsewhere/reused.txt", 2000);
    fs::rename(home() / "elsewhere/reused.txt", home() / ".local/share/Trash/files/reused.txt");
    tree->file(".Trash/late.txt", 1000);

    auto task = model->cleanSelected(Host::main, {"trash"});
    test::finish(task);

    EXPECT_FALSE(exists(".local/share/Trash/files/seen.iso"));
    EXPECT_FALSE(exists(".local/share/Trash/info/seen.iso.trashinfo"));
    EXPECT_FALSE(exists(".local/share/Trash/info/orphan.trashinfo"));
    EXPECT_FALSE(exists(".Trash/old.zip"));
    EXPECT_TRUE(exists(".local/share/Trash/files/late.zip"));
    EXPECT_TRUE(exists(".local/share/Trash/info/late.zip.trashinfo"));
    EXPECT_TRUE(exists(".local/share/Trash/info/inflight.trashinfo"));
    EXPECT_TRUE(exists(".local/share/Trash/files/reused.txt"));
    EXPECT_TRUE(exists(".local/share/Trash/info/reused.txt.trashinfo"));
    EXPECT_TRUE(exists(".Trash/late.txt"));
}

TEST_F(AppModelCleanTest, AScanThatEndedDuringTheDialogStopsTheClean) {
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"), false);
    auto cleaning = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    // A new scan ends before the answer: its list, with npm's new logs, is
    // not the one the user confirmed.
    tree->file(".npm/_logs/debug-0.log", 1'000'000);
    auto scanning = model->scan();
    test::finish(scanning);
    ASSERT_TRUE(model->phase().isIdle());
    ASSERT_TRUE(center().isShowing());
    center().choose(1);  // skip these
    test::finish(cleaning);

    EXPECT_TRUE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(exists(".npm/_logs/debug-0.log"));
    EXPECT_TRUE(model->phase().isIdle());
    EXPECT_FALSE(model->lastFreed().has_value());
    EXPECT_EQ(held, 0);

    // Asked again about the new list, the clean goes on.
    auto again = model->cleanSelected(Host::main, {"browser", "npm"});
    ASSERT_TRUE(waitForDialog());
    center().choose(1);
    test::finish(again);
    EXPECT_FALSE(exists(".npm/_cacache/index/blob"));
    EXPECT_TRUE(model->lastFreed().has_value());
}

// Marks every text looked up in the application's one context.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != "Sorbeta") return {};
        return QStringLiteral("<") + QString::fromUtf8(source) + QStringLiteral(">");
    }
};

TEST_F(AppModelCleanTest, TextsAreLookedUpInTheOneContext) {
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    std::vector<Phase> phases;
    QObject::connect(model.get(), &AppModel::phaseChanged, [&] { phases.push_back(model->phase()); });
    apps->add(QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"));
    auto task = model->cleanSelected(Host::main, {"browser"});
    ASSERT_TRUE(waitForDialog());
    const CandyDialog dialog = *center().current();
    center().choose(1);
    test::finish(task);
    auto scanning = model->scan();
    test::finish(scanning);
    QCoreApplication::removeTranslator(&marker);

    EXPECT_EQ(dialog.title, QStringLiteral("<Chrome 还开着>"));
    EXPECT_TRUE(dialog.message.startsWith(QStringLiteral("<清理这几项需要先退出它们：\n· ")));
    EXPECT_EQ(choiceTitles(dialog), (QStringList{"<退出并清理>", "<先不清理>"}));
    ASSERT_FALSE(phases.empty());
    EXPECT_EQ(phases.front(), Phase::scanning(QStringLiteral("<磁盘>")));
}

TEST_F(AppModelCleanTest, TheProcessProbeRunsPgrep) {
    EXPECT_FALSE(CleanRun::isProcessRunning(QStringLiteral("sorbeta-no-such-process-7f3a"), places()));
    QProcess child;
    child.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("sleep 5; true"), QStringLiteral("sorbeta-guard-7f3a")});
    ASSERT_TRUE(child.waitForStarted(2000));
    // pgrep -f reads the command line, which the kernel lays out a moment
    // after the new program is named: wait until it is there.
    const std::string commandLine = "/proc/" + std::to_string(child.processId()) + "/cmdline";
    ASSERT_TRUE(test::waitUntil(
        [&] { return test::contents(commandLine).find("sorbeta-guard-7f3a") != std::string::npos; }, 2000));
    EXPECT_TRUE(CleanRun::isProcessRunning(QStringLiteral("sorbeta-guard-7f3a"), places()));
    child.kill();
    child.waitForFinished(2000);
}

}  // namespace
}  // namespace sorbeta
