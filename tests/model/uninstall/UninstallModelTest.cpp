#include <gtest/gtest.h>

#include <qcoro/qcorotask.h>
#include <QSignalSpy>
#include <QThreadPool>
#include <atomic>
#include <map>
#include <mutex>
#include <semaphore>
#include <thread>

#include "TestEnvironment.h"
#include "model/common/WorkPool.h"
#include "model/uninstall/UninstallModel.h"

using namespace sorbeta;
using test::waitUntil;

namespace {

InstalledApp app(const std::string& path, const QString& name, const QString& id = {}) {
    InstalledApp a;
    a.url = path;
    a.name = name;
    a.bundleID = id.isEmpty() ? QStringLiteral("org.example.") + name.toLower() : id;
    return a;
}

Leftover leftover(const std::string& path, int64_t bytes, Leftover::Kind kind = Leftover::Kind::cache) {
    return Leftover{.url = path, .kind = kind, .bytes = bytes};
}

// An engine whose every answer the test decides. Weighings of the paths in
// `held` wait until the test releases them, so the order results arrive in
// is the test's; a held listing waits the same way, so a load cannot run
// ahead of what the test looks at.
struct FakeSystem {
    std::vector<InstalledApp> listed;
    std::map<std::string, Uninstaller::Weighed> weights;
    std::map<std::string, std::unique_ptr<std::binary_semaphore>> held;
    std::unique_ptr<std::binary_semaphore> listingHeld;
    std::mutex lock;
    std::vector<std::pair<std::string, bool>> weighedNames;  // (path, nameIsShared)
    std::vector<AppProcess> running;
    std::set<std::string> present;  // what exists after a move
    Uninstaller::Outcome outcome;
    std::vector<std::vector<Path>> trashed;
    int64_t purged = 0;
    std::atomic<int> purges = 0;
    std::atomic<int> lists = 0;
    std::vector<QString> quits;
    bool limited = false;
    std::atomic<bool> limitedSeen = false;

    void hold(const std::string& path) { held[path] = std::make_unique<std::binary_semaphore>(0); }
    void release(const std::string& path) { held.at(path)->release(); }
    void holdListing() { listingHeld = std::make_unique<std::binary_semaphore>(0); }
    void releaseListing() { listingHeld->release(); }

    UninstallEngine engine() {
        UninstallEngine e;
        e.list = [this] {
            if (listingHeld) listingHeld->acquire();
            ++lists;
            UninstallEngine::Listing listing;
            listing.apps = listed;
            listing.weigh = [this](const InstalledApp& a, bool isLimited, bool shared) {
                if (auto gate = held.find(a.url.native()); gate != held.end()) gate->second->acquire();
                std::lock_guard guard(lock);
                weighedNames.emplace_back(a.url.native(), shared);
                limitedSeen = isLimited;
                auto found = weights.find(a.url.native());
                return found != weights.end() ? found->second : Uninstaller::Weighed{a.url, 0, {}};
            };
            return listing;
        };
        e.processes = [this](const InstalledApp&) { return running; };
        e.trash = [this](const std::vector<Path>& urls, const Path&) {
            trashed.push_back(urls);
            return outcome;
        };
        e.purge = [this](const std::vector<platform::TrashedItem>&) {
            ++purges;
            return purged;
        };
        e.exists = [this](const Path& path) { return present.count(path.native()) > 0; };
        e.quit = [this](InstalledApp a) -> QCoro::Task<> {
            quits.push_back(a.name);
            co_return;
        };
        e.limited = [this] { return limited; };
        return e;
    }
};

// Runs one task of the model to its end on the event loop.
template <typename Task>
bool finish(Task task) {
    bool done = false;
    [](Task t, bool& flag) -> QCoro::Task<> {
        co_await t;
        flag = true;
    }(std::move(task), done);
    return waitUntil([&] { return done; });
}

class UninstallModelTest : public test::HomeTest {
protected:
    FakeSystem sys;
    std::unique_ptr<UninstallModel> model;

    void make() { model = std::make_unique<UninstallModel>(sys.engine()); }
    void TearDown() override {
        workPool()->waitForDone();  // nothing on the pool reads the fake afterwards
        model.reset();
        test::HomeTest::TearDown();
    }
    void loadAll() {
        make();
        ASSERT_TRUE(finish(model->load()));
    }
};

TEST_F(UninstallModelTest, LoadAppliesResultsAsTheyArriveAndDropsStrayOnes) {
    sys.listed = {app("/apps/A.app", "A"), app("/apps/B.app", "B"), app("/apps/C.app", "c")};
    sys.weights["/apps/A.app"] = {"/apps/A.app", 100, {leftover("/h/.cache/a", 5)}};
    sys.weights["/apps/B.app"] = {"/apps/B.app", 200, {}};
    // C's weighing answers for a bundle that is not listed: dropped.
    sys.weights["/apps/C.app"] = {"/elsewhere/C.app", 300, {}};
    sys.hold("/apps/A.app");
    sys.hold("/apps/B.app");
    sys.limited = true;
    make();
    QSignalSpy loading(model.get(), &UninstallModel::loadingChanged);

    bool done = false;
    [](UninstallModel& m, bool& flag) -> QCoro::Task<> {
        auto t = m.load();
        co_await t;
        flag = true;
    }(*model, done);
    EXPECT_TRUE(model->loading());
    // A second load while one runs does nothing.
    bool second = false;
    [](UninstallModel& m, bool& flag) -> QCoro::Task<> {
        auto t = m.load();
        co_await t;
        flag = true;
    }(*model, second);
    EXPECT_TRUE(second);

    // The list shows before any weighing is in: sizes 0.
    ASSERT_TRUE(waitUntil([&] { return model->apps().size() == 3; }));
    EXPECT_EQ(model->apps()[1].appBytes, 0);
    EXPECT_EQ(model->weighed(), 0);

    sys.release("/apps/B.app");
    ASSERT_TRUE(waitUntil([&] { return model->weighed() == 1; }));
    EXPECT_EQ(model->apps()[1].appBytes, 200);
    EXPECT_EQ(model->apps()[0].appBytes, 0);  // A still out
    EXPECT_TRUE(model->loading());
    EXPECT_FALSE(model->loaded());

    sys.release("/apps/A.app");
    ASSERT_TRUE(waitUntil([&] { return done; }));
    EXPECT_EQ(model->weighed(), 2);  // C's stray result is not counted
    EXPECT_EQ(model->apps()[0].totalBytes(), 105);
    EXPECT_EQ(model->apps()[2].appBytes, 0);
    EXPECT_FALSE(model->loading());
    EXPECT_TRUE(model->loaded());
    EXPECT_EQ(loading.count(), 2);
    EXPECT_TRUE(sys.limitedSeen);
    EXPECT_EQ(sys.lists, 1);
}

TEST_F(UninstallModelTest, ReloadResetsTheCountAndSharedNamesAreMarked) {
    sys.listed = {app("/a/Notes.app", "Notes"), app("/b/notes.app", "notes"), app("/a/Mail.app", "Mail")};
    loadAll();
    std::map<std::string, bool> shared(sys.weighedNames.begin(), sys.weighedNames.end());
    EXPECT_TRUE(shared["/a/Notes.app"]);
    EXPECT_TRUE(shared["/b/notes.app"]);
    EXPECT_FALSE(shared["/a/Mail.app"]);

    sys.listed.pop_back();
    // Held: a listing that is done before the load awaits it lets an unheld
    // weighing apply at once, so it would count before the check below.
    sys.holdListing();
    sys.hold("/a/Notes.app");
    QSignalSpy weighed(model.get(), &UninstallModel::weighedChanged);
    bool done = false;
    [](UninstallModel& m, bool& flag) -> QCoro::Task<> {
        auto t = m.load();
        co_await t;
        flag = true;
    }(*model, done);
    EXPECT_EQ(model->weighed(), 0);  // reset before the listing
    EXPECT_TRUE(model->loaded());    // stays true
    sys.releaseListing();
    sys.release("/a/Notes.app");
    ASSERT_TRUE(waitUntil([&] { return done; }));
    EXPECT_EQ(model->apps().size(), 2u);
    EXPECT_EQ(model->weighed(), 2);
}

TEST_F(UninstallModelTest, VisibleAppsSortAndSearch) {
    auto a = app("/x/Alpha.app", "Alpha", "com.adobe.alpha");
    a.appBytes = 10;
    auto b = app("/x/Beta.app", "Beta");
    b.appBytes = 50;
    b.lastUsed = QDateTime(QDate(2020, 5, 1), QTime(0, 0), Qt::UTC);
    auto c = app("/x/Gamma.app", "Gamma");
    c.appBytes = 30;
    c.lastUsed = QDateTime::currentDateTimeUtc().addDays(-1);
    auto d = app("/x/Delta.app", "Delta");
    d.appBytes = 30;  // same total as Gamma: name (listing) order kept
    auto e = app("/x/Eps.app", "Eps");
    e.appBytes = 10;
    e.lastUsed = b.lastUsed;  // same date as Beta, listed after it
    sys.listed = {a, b, c, d, e};
    for (const auto& each : sys.listed) sys.weights[each.url.native()] = {each.url, each.appBytes, {}};
    loadAll();

    auto names = [&] {
        QStringList out;
        for (const auto& each : model->visibleApps()) out << each.name;
        return out.join(',');
    };
    EXPECT_EQ(names(), "Beta,Gamma,Delta,Alpha,Eps");
    QSignalSpy sorted(model.get(), &UninstallModel::sortChanged);
    model->setSort(UninstallModel::Sort::unused);
    model->setSort(UninstallModel::Sort::unused);
    EXPECT_EQ(sorted.count(), 1);
    // 2020 before yesterday, both before the undated (larger first, ties in name order).
    EXPECT_EQ(names(), "Beta,Eps,Gamma,Delta,Alpha");

    model->setSearch(QStringLiteral("ADOBE"));
    EXPECT_EQ(names(), "Alpha");
    model->setSearch(QStringLiteral("et"));
    EXPECT_EQ(names(), "Beta");
    // Used as typed: a trailing blank matches nothing here.
    model->setSearch(QStringLiteral("beta "));
    EXPECT_EQ(names(), "");
    EXPECT_EQ(model->apps().size(), 5u);

    EXPECT_EQ(sortKey(UninstallModel::Sort::unused), "unused");
    EXPECT_EQ(sortFromKey(QStringLiteral("size")), UninstallModel::Sort::size);
    EXPECT_EQ(sortFromKey(QStringLiteral("Size")), std::nullopt);
}

TEST_F(UninstallModelTest, PicksStartAllTickedAndToggleOneAtATime) {
    auto a = app("/x/A.app", "A");
    sys.listed = {a};
    sys.weights["/x/A.app"] = {"/x/A.app", 100, {leftover("/h/.cache/a", 7), leftover("/h/.config/a", 3)}};
    loadAll();
    const InstalledApp& listed = model->apps()[0];
    EXPECT_EQ(model->pickedURLs(listed).size(), 3u);
    EXPECT_EQ(model->pickedBytes(listed), listed.totalBytes());

    QSignalSpy picks(model.get(), &UninstallModel::pickedChanged);
    model->togglePick(listed.url, listed);
    EXPECT_FALSE(model->isPicked(listed.url, listed));
    EXPECT_TRUE(model->isPicked("/h/.cache/a", listed));
    EXPECT_EQ(model->pickedURLs(listed), (std::vector<Path>{"/h/.cache/a", "/h/.config/a"}));
    EXPECT_EQ(model->pickedBytes(listed), 10);
    model->togglePick("/h/.cache/a", listed);
    model->togglePick("/h/.config/a", listed);
    EXPECT_TRUE(model->pickedURLs(listed).empty());
    EXPECT_EQ(model->pickedBytes(listed), 0);
    model->togglePick("/h/.config/a", listed);
    EXPECT_EQ(model->pickedBytes(listed), 3);
    EXPECT_EQ(picks.count(), 4);
    // Another application keeps its implicit all-ticked state.
    auto other = app("/x/B.app", "B");
    EXPECT_TRUE(model->isPicked(other.url, other));
}

TEST_F(UninstallModelTest, UninstallIsRefusedWhileAnythingRunsOrBusy) {
    sys.listed = {app("/x/A.app", "A")};
    sys.weights["/x/A.app"] = {"/x/A.app", 100, {}};
    loadAll();
    sys.running = {AppProcess{.process = {.pid = 42}, .isMain = false}};
    QSignalSpy busy(model.get(), &UninstallModel::busyChanged);
    ASSERT_TRUE(finish(model->uninstall(model->apps()[0])));
    EXPECT_EQ(busy.count(), 0);
    EXPECT_TRUE(sys.trashed.empty());
    EXPECT_FALSE(model->lastResult());
    EXPECT_EQ(model->apps().size(), 1u);

    EXPECT_EQ(UninstallModel::runStateOf({}), UninstallModel::RunState::none);
    EXPECT_EQ(UninstallModel::runStateOf(sys.running), UninstallModel::RunState::helpers);
    sys.running.push_back(AppProcess{.process = {.pid = 43}, .isMain = true});
    EXPECT_EQ(UninstallModel::runStateOf(sys.running), UninstallModel::RunState::app);
    auto state = model->runState(model->apps()[0]);
    ASSERT_TRUE(waitUntil([&] { return state.isFinished(); }));
    EXPECT_EQ(state.result(), UninstallModel::RunState::app);

    model->quit(model->apps()[0]);
    EXPECT_EQ(sys.quits, (std::vector<QString>{"A"}));
}

TEST_F(UninstallModelTest, UninstallThatMovedTheBundleRemovesTheApp) {
    auto a = app("/x/A.app", "A");
    sys.listed = {a, app("/x/B.app", "B")};
    sys.weights["/x/A.app"] = {"/x/A.app", 100, {leftover("/h/.cache/a", 7)}};
    loadAll();
    model->setSelectedID(model->apps()[0].id());
    model->togglePick("/h/.cache/a", model->apps()[0]);
    sys.outcome.trashed = 100;
    sys.outcome.inTrash = {platform::TrashedItem{.path = "/h/.local/share/Trash/files/A.app", .inode = 9}};
    sys.present = {"/h/.cache/a", "/x/B.app"};
    int spaceCalls = 0;
    model->onSpaceChanged = [&] { ++spaceCalls; };
    QSignalSpy busy(model.get(), &UninstallModel::busyChanged);

    ASSERT_TRUE(finish(model->uninstall(model->apps()[0])));
    ASSERT_EQ(sys.trashed.size(), 1u);
    EXPECT_EQ(sys.trashed[0], (std::vector<Path>{"/x/A.app"}));  // the unticked leftover stays
    EXPECT_EQ(busy.count(), 2);
    EXPECT_FALSE(model->busy());
    ASSERT_EQ(model->apps().size(), 1u);
    EXPECT_EQ(model->apps()[0].name, "B");
    EXPECT_FALSE(model->selectedID());
    EXPECT_TRUE(model->picked().empty());
    ASSERT_TRUE(model->lastResult());
    EXPECT_EQ(model->lastResult()->name, "A");
    EXPECT_EQ(model->lastResult()->bytes, 100);
    EXPECT_EQ(model->lastResult()->failed, 0);
    EXPECT_FALSE(model->lastResult()->appStayed);
    EXPECT_EQ(model->lastResult()->inTrash, sys.outcome.inTrash);
    EXPECT_EQ(spaceCalls, 0);  // only a purge frees space

    // Purge: clears the result and reports space, even for nothing.
    sys.purged = 100;
    int64_t freed = -1;
    bool done = false;
    [](UninstallModel& m, int64_t& out, bool& flag, std::vector<platform::TrashedItem> items) -> QCoro::Task<> {
        auto t = m.purge(std::move(items));
        out = co_await t;
        flag = true;
    }(*model, freed, done, model->lastResult()->inTrash);
    ASSERT_TRUE(waitUntil([&] { return done; }));
    EXPECT_EQ(freed, 100);
    EXPECT_FALSE(model->lastResult());
    EXPECT_EQ(spaceCalls, 1);
    sys.purged = 0;
    ASSERT_TRUE(finish(model->purge({})));
    EXPECT_EQ(spaceCalls, 2);
    EXPECT_EQ(sys.purges, 2);
}

TEST_F(UninstallModelTest, APurgeLeavesANewerResultAlone) {
    // A's purge still runs when B is uninstalled: B's result (its failures,
    // its items to purge) outlives A's purge.
    sys.listed = {app("/x/A.app", "A"), app("/x/B.app", "B")};
    std::binary_semaphore gate{0};
    UninstallEngine engine = sys.engine();
    engine.purge = [&gate](const std::vector<platform::TrashedItem>&) {
        gate.acquire();
        return int64_t(100);
    };
    model = std::make_unique<UninstallModel>(std::move(engine));
    ASSERT_TRUE(finish(model->load()));
    sys.outcome.trashed = 100;
    sys.outcome.inTrash = {platform::TrashedItem{.path = "/t/files/A.app", .inode = 1}};
    ASSERT_TRUE(finish(model->uninstall(model->apps()[0])));
    bool purged = false;
    [](UninstallModel& m, std::vector<platform::TrashedItem> items, bool& flag) -> QCoro::Task<> {
        auto t = m.purge(std::move(items));
        co_await t;
        flag = true;
    }(*model, model->lastResult()->inTrash, purged);
    sys.outcome.trashed = 7;
    sys.outcome.failed = {"/h/.config/b"};
    sys.outcome.inTrash = {platform::TrashedItem{.path = "/t/files/B.app", .inode = 2}};
    ASSERT_TRUE(finish(model->uninstall(model->apps()[0])));
    ASSERT_EQ(model->lastResult()->name, "B");
    gate.release();
    ASSERT_TRUE(waitUntil([&] { return purged; }));
    ASSERT_TRUE(model->lastResult());
    EXPECT_EQ(model->lastResult()->name, "B");
    EXPECT_EQ(model->lastResult()->failed, 1);
}

TEST_F(UninstallModelTest, ASecondPurgeOfTheSameItemsWhileOneRunsDoesNothing) {
    // Purges wait until the gate opens; it opens at the latest when the test
    // ends, so a failing check leaves nothing stuck on the pool.
    std::atomic<bool> open = false;
    std::atomic<int> purges = 0;
    const std::shared_ptr<void> opens(nullptr, [&open](void*) { open = true; });
    UninstallEngine engine = sys.engine();
    engine.purge = [&open, &purges](const std::vector<platform::TrashedItem>&) {
        ++purges;
        while (!open) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return int64_t(100);
    };
    model = std::make_unique<UninstallModel>(std::move(engine));
    int spaceCalls = 0;
    model->onSpaceChanged = [&] { ++spaceCalls; };
    const std::vector<platform::TrashedItem> items{platform::TrashedItem{.path = "/t/files/A.app", .inode = 1}};
    const auto start = [](UninstallModel& m, std::vector<platform::TrashedItem> what, int64_t& out,
                          bool& flag) -> QCoro::Task<> {
        auto t = m.purge(std::move(what));
        out = co_await t;
        flag = true;
    };
    int64_t first = -1;
    bool firstDone = false;
    start(*model, items, first, firstDone);
    ASSERT_TRUE(waitUntil([&] { return purges == 1; }));

    // Pressed again while the first still deletes: nothing more runs.
    int64_t second = -1;
    bool secondDone = false;
    start(*model, items, second, secondDone);
    ASSERT_TRUE(waitUntil([&] { return secondDone; }));
    EXPECT_EQ(second, 0);
    EXPECT_EQ(spaceCalls, 0);

    // Other items are not held up by it.
    int64_t other = -1;
    bool otherDone = false;
    start(*model, {platform::TrashedItem{.path = "/t/files/B.app", .inode = 2}}, other, otherDone);
    ASSERT_TRUE(waitUntil([&] { return purges == 2; }));

    open = true;
    ASSERT_TRUE(waitUntil([&] { return firstDone && otherDone; }));
    EXPECT_EQ(first, 100);
    EXPECT_EQ(other, 100);
    EXPECT_EQ(purges, 2);
    EXPECT_EQ(spaceCalls, 2);

    // Once it is done, the same items may be asked for again.
    ASSERT_TRUE(finish(model->purge(items)));
    EXPECT_EQ(purges, 3);
}

TEST_F(UninstallModelTest, PartialUninstallKeepsTheAppWithWhatRemains) {
    auto a = app("/x/A.app", "A");
    sys.listed = {a};
    sys.weights["/x/A.app"] = {"/x/A.app", 100, {leftover("/h/.cache/a", 7), leftover("/h/.config/a", 3)}};
    loadAll();
    model->setSelectedID(a.id());
    model->togglePick(a.url, model->apps()[0]);
    // The cache went, the settings failed to move.
    sys.outcome.trashed = 7;
    sys.outcome.failed = {"/h/.config/a"};
    sys.present = {"/x/A.app", "/h/.config/a"};
    ASSERT_TRUE(finish(model->uninstall(model->apps()[0])));
    EXPECT_EQ(sys.trashed[0], (std::vector<Path>{"/h/.cache/a", "/h/.config/a"}));
    ASSERT_EQ(model->apps().size(), 1u);
    const InstalledApp& left = model->apps()[0];
    ASSERT_EQ(left.leftovers.size(), 1u);
    EXPECT_EQ(left.leftovers[0].url, "/h/.config/a");
    EXPECT_EQ(left.appBytes, 100);
    EXPECT_EQ(model->selectedID(), a.id());
    // Its picks are gone: everything ticked again.
    EXPECT_TRUE(model->isPicked(a.url, left));
    EXPECT_EQ(model->lastResult()->failed, 1);
    EXPECT_FALSE(model->lastResult()->appStayed);  // it was not asked to go
    EXPECT_TRUE(model->lastResult()->inTrash.empty());
}

TEST_F(UninstallModelTest, AnAppWhoseMoveFailedIsToldApartFromOneThatWent) {
    auto a = app("/x/A.app", "A");
    sys.listed = {a};
    sys.weights["/x/A.app"] = {"/x/A.app", 100, {leftover("/h/.cache/a", 7)}};
    loadAll();
    // The leftover went; the application itself could not be moved.
    sys.outcome.trashed = 7;
    sys.outcome.failed = {"/x/A.app"};
    sys.outcome.inTrash = {platform::TrashedItem{.path = "/t/files/a", .inode = 3}};
    sys.present = {"/x/A.app"};
    ASSERT_TRUE(finish(model->uninstall(model->apps()[0])));
    ASSERT_TRUE(model->lastResult());
    EXPECT_TRUE(model->lastResult()->appStayed);
    EXPECT_EQ(model->lastResult()->failed, 1);
    ASSERT_EQ(model->apps().size(), 1u);
    EXPECT_TRUE(model->apps()[0].leftovers.empty());
}

}  // namespace
