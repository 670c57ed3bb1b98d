#include "model/dev/DevModel.h"

#include <gtest/gtest.h>

#include <qcoro/qcorotask.h>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "TestEnvironment.h"

namespace sorbeta {
namespace {

DevEntry entry(const char* id, int64_t bytes, bool recommended = false,
               DevEntry::Action action = DevEntry::Trash{{"/x"}}) {
    DevEntry made;
    made.id = QString::fromUtf8(id);
    made.title = made.id;
    made.bytes = bytes;
    made.action = std::move(action);
    made.recommended = recommended;
    return made;
}

DevGroup group(const char* id, std::vector<DevEntry> entries) {
    return DevGroup{QString::fromUtf8(id), QString::fromUtf8(id), "doc", Flavor::lime, "note", std::move(entries)};
}

QSet<QString> ids(std::initializer_list<const char*> names) {
    QSet<QString> set;
    for (const char* name : names) set.insert(QString::fromUtf8(name));
    return set;
}

// A page model over scripted searches and a recording removal. Searches and
// removals can be held at their start until the test lets them go.
class DevModelTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        pool.setMaxThreadCount(4);
        model = std::make_unique<DevModel>(
            DevModel::developerTexts(), Flavor::sky,
            [this] {
                ++searches;
                if (holdSearch) searchGate.acquire();
                const std::lock_guard guard(lock);
                if (results.empty()) return std::vector<DevGroup>{};
                std::vector<DevGroup> next = results.front();
                if (results.size() > 1) results.erase(results.begin());
                return next;
            },
            [this](const std::vector<DevEntry>& entries) {
                {
                    const std::lock_guard guard(lock);
                    removed.push_back(entries);
                }
                if (holdRemoval) removalGate.acquire();
                return DevModel::Result{int64_t(entries.size()) * 10, 1};
            },
            nullptr, &pool);
    }
    void TearDown() override {
        searchGate.release(100);
        removalGate.release(100);
        pool.waitForDone();
        model.reset();
        HomeTest::TearDown();
    }
    void load() { QCoro::waitFor(model->load()); }

    std::mutex lock;
    std::vector<std::vector<DevGroup>> results;  // one per search, in turn; the last repeats
    std::vector<std::vector<DevEntry>> removed;
    std::atomic<int> searches{0};
    std::atomic<bool> holdSearch{false}, holdRemoval{false};
    QSemaphore searchGate, removalGate;
    QThreadPool pool;
    std::unique_ptr<DevModel> model;
};

TEST_F(DevModelTest, ASearchTicksWhatItRecommendsAndKeepsTheChosenGroupWhileItExists) {
    EXPECT_TRUE(model->groups().empty());
    EXPECT_FALSE(model->loading() || model->loaded() || model->busy());
    EXPECT_FALSE(model->selectedGroup() || model->lastResult());
    EXPECT_EQ(model->currentGroup(), nullptr);

    // Nothing found: loaded, and nothing else.
    QSignalSpy loadingSpy(model.get(), &DevModel::loadingChanged);
    load();
    EXPECT_EQ(loadingSpy.count(), 2);
    EXPECT_TRUE(model->loaded());
    EXPECT_FALSE(model->loading());
    EXPECT_TRUE(model->groups().empty() && model->picked().isEmpty());
    EXPECT_FALSE(model->selectedGroup());
    EXPECT_EQ(model->recommendedTotal(), 0);

    results = {{group("a", {entry("a1", 100, true), entry("a2", 50)}),
                group("b", {entry("b1", 7, true), entry("b2", 1000, true, DevEntry::Reveal{"/r"})})},
               {group("b", {entry("b1", 7, true), entry("b3", 9)}), group("a", {entry("a2", 50, true)})},
               {group("c", {})}};
    load();
    EXPECT_EQ(model->picked(), ids({"a1", "b1", "b2"}));
    EXPECT_EQ(model->selectedGroup(), QStringLiteral("a"));
    EXPECT_EQ(model->recommendedTotal(), 107) << "reveal-only entries are never counted";

    // The user's ticks and choice; the next search drops the ticks but keeps "b", though it moved.
    model->toggle(model->groups()[0].entries[1]);
    model->toggle(model->groups()[0].entries[0]);
    EXPECT_EQ(model->picked(), ids({"a2", "b1", "b2"}));
    QSignalSpy selectedSpy(model.get(), &DevModel::selectedGroupChanged);
    model->setSelectedGroup(QStringLiteral("b"));
    model->setSelectedGroup(QStringLiteral("b"));
    EXPECT_EQ(selectedSpy.count(), 1);
    load();
    EXPECT_EQ(model->picked(), ids({"b1", "a2"}));
    EXPECT_EQ(model->selectedGroup(), QStringLiteral("b"));
    EXPECT_EQ(model->currentGroup()->id, QStringLiteral("b"));

    // A choice that vanished falls back to the first group.
    load();
    EXPECT_EQ(model->selectedGroup(), QStringLiteral("c"));
    model->setSelectedGroup(QStringLiteral("gone"));
    EXPECT_EQ(model->currentGroup()->id, QStringLiteral("c"));
}

TEST_F(DevModelTest, RevealOnlyEntriesAreNeverTickedOrPicked) {
    results = {{group("g", {entry("one", 1), entry("eye", 2, false, DevEntry::Reveal{"/e"}), entry("two", 3)})}};
    load();
    const DevGroup shown = model->groups()[0];
    QSignalSpy pickedSpy(model.get(), &DevModel::pickedChanged);
    model->toggle(shown.entries[1]);
    EXPECT_EQ(pickedSpy.count(), 0);
    EXPECT_TRUE(model->picked().isEmpty());
    model->toggle(shown.entries[2]);
    model->toggle(shown.entries[0]);
    // Even were its id among the ticks, the reveal entry is not picked; order is the group's.
    model->toggle(entry("eye", 2));
    const auto picked = model->pickedEntries(shown);
    ASSERT_EQ(picked.size(), 2u);
    EXPECT_EQ(picked[0].id, QStringLiteral("one"));
    EXPECT_EQ(picked[1].id, QStringLiteral("two"));
    EXPECT_TRUE(model->pickedEntries(group("other", {entry("x", 1)})).empty());
}

TEST_F(DevModelTest, ARemovalStoresItsOutcomeAndSearchesAgain) {
    results = {{group("g", {entry("keep", 5), entry("old", 10, true)})}, {group("g", {entry("keep", 5, true)})}};
    load();
    QSignalSpy resultSpy(model.get(), &DevModel::lastResultChanged);
    QCoro::waitFor(model->run({}));
    EXPECT_TRUE(removed.empty());
    EXPECT_FALSE(model->lastResult());

    model->toggle(model->groups()[0].entries[0]);
    const auto picked = model->pickedEntries(model->groups()[0]);
    QCoro::waitFor(model->run(picked));
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0], picked);
    EXPECT_EQ(model->lastResult(), (DevModel::Result{20, 1}));
    EXPECT_EQ(searches, 2);
    // After the search the new result's recommendation is ticked, nothing else.
    EXPECT_EQ(model->picked(), ids({"keep"}));
    EXPECT_FALSE(model->busy());

    // The same outcome again still announces itself.
    QCoro::waitFor(model->run(picked));
    EXPECT_EQ(resultSpy.count(), 2);
}

TEST_F(DevModelTest, OneRemovalAtATimeAndASearchAfterOneThatEndedMidSearch) {
    results = {{group("g", {entry("a", 1, true)})}};
    load();
    const auto picked = model->pickedEntries(model->groups()[0]);

    holdRemoval = true;
    auto first = model->run(picked);
    ASSERT_TRUE(test::waitUntil([&] { return model->busy(); }));
    QCoro::waitFor(model->run(picked));  // busy: returns at once
    ASSERT_TRUE(test::waitUntil([&] {
        const std::lock_guard guard(lock);
        return !removed.empty();
    }));

    // A search starts while the removal still runs; the removal ends first.
    holdSearch = true;
    auto search = model->load();
    ASSERT_TRUE(test::waitUntil([&] { return searches == 2; }));
    removalGate.release();
    ASSERT_TRUE(test::waitUntil([&] { return !model->busy(); }));
    EXPECT_TRUE(model->loading());
    holdSearch = false;
    searchGate.release();
    QCoro::waitFor(std::move(search));
    QCoro::waitFor(std::move(first));
    EXPECT_EQ(removed.size(), 1u);
    // The search that may have looked before anything went is followed by one more.
    EXPECT_EQ(searches, 3);
    EXPECT_FALSE(model->loading());
}

TEST_F(DevModelTest, AModelGoneBeforeItsSearchEndsIsLeftAlone) {
    holdSearch = true;
    auto search = model->load();
    ASSERT_TRUE(test::waitUntil([&] { return searches == 1; }));
    model.reset();
    searchGate.release();
    pool.waitForDone();
    QCoro::waitFor(std::move(search));  // resumes, finds its model gone, ends
    SUCCEED();
}

TEST(DevModelPages, TheTwoPagesTextsFlavoursAndTheFileSearchsDate) {
    const DevModel::Texts dev = DevModel::developerTexts();
    EXPECT_EQ(dev.caption, QStringLiteral("看起来\n用不着的"));
    EXPECT_EQ(dev.subtitle, QStringLiteral("Xcode、模拟器、Android、Docker 和老项目里藏的大块头。"));
    EXPECT_EQ(dev.loading, QStringLiteral("正在翻模拟器、归档和 SDK…"));
    EXPECT_EQ(dev.empty, QStringLiteral("没找到开发工具留下的大文件 ✨"));
    EXPECT_EQ(dev.confirm, QStringLiteral("模拟器运行时和设备用 Xcode 自带的 simctl "
                                          "删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。"));
    EXPECT_EQ(dev.emoji, QString::fromUtf8("\xF0\x9F\xA7\xB0"));
    const DevModel::Texts files = DevModel::filesTexts();
    EXPECT_EQ(files.caption, QStringLiteral("可能\n用不着的"));
    EXPECT_EQ(files.subtitle,
              QStringLiteral("下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。"));
    EXPECT_EQ(files.loading, QStringLiteral("正在翻你的文件…"));
    EXPECT_EQ(files.empty, QStringLiteral("没找到明显用不着的大文件 ✨"));
    EXPECT_EQ(files.confirm, QStringLiteral("选中的文件会移到废纸篓，在废纸篓里还能放回去。"));
    EXPECT_EQ(files.emoji, QString::fromUtf8("\xF0\x9F\x97\x82\xEF\xB8\x8F"));

    test::TempHome home;
    DevEnvironment environment = DevEnvironment::system(home.places());
    QDateTime now = QDateTime::fromSecsSinceEpoch(1'700'000'000, Qt::UTC);
    environment.now = [&now] { return now; };
    std::vector<QDateTime> asked;
    std::vector<std::filesystem::path> trashed;
    std::unique_ptr<DevModel> page(DevModel::files(
        [&](const QDateTime& when) {
            asked.push_back(when);
            return std::vector<DevGroup>{group("large", {entry("big:/f", 5, false, DevEntry::TrashFile{"/f"})})};
        },
        [&](const std::filesystem::path& url) {
            trashed.push_back(url);
            return true;
        },
        environment));
    EXPECT_EQ(page->flavor(), Flavor::lemon);
    EXPECT_EQ(page->texts(), files);
    QCoro::waitFor(page->load());
    now = now.addDays(1);
    QCoro::waitFor(page->run(page->groups()[0].entries));
    EXPECT_EQ(asked, (std::vector<QDateTime>{QDateTime::fromSecsSinceEpoch(1'700'000'000, Qt::UTC), now}));
    EXPECT_EQ(trashed, std::vector<std::filesystem::path>{"/f"});
    EXPECT_EQ(page->lastResult(), (DevModel::Result{5, 0}));

    std::unique_ptr<DevModel> developer(DevModel::developer(environment));
    EXPECT_EQ(developer->flavor(), Flavor::sky);
    EXPECT_EQ(developer->texts(), dev);
}

}  // namespace
}  // namespace sorbeta
