#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <thread>

#include <qcoro/qcorotask.h>
#include <QLabel>
#include <QTest>
#include <QThreadPool>

#include "Children.h"
#include "TestEnvironment.h"
#include "model/dev/DevModel.h"
#include "model/dialog/CandyDialog.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitClock.h"
#include "ui/views/dev/DevDetail.h"
#include "ui/views/dev/DevEntryRow.h"
#include "ui/views/dev/DevMain.h"
#include "ui/views/dev/DevPageText.h"
#include "ui/views/dev/DevPanel.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;
using test::child;

DevEntry entry(const QString& id, int64_t bytes, bool recommended = false,
               DevEntry::Action action = DevEntry::TrashFile{"/home/u/x"}, std::optional<int> cluster = {}) {
    DevEntry made;
    made.id = id;
    made.title = QStringLiteral("t-") + id;
    made.detail = QStringLiteral("d-") + id;
    made.bytes = bytes;
    made.action = std::move(action);
    made.recommended = recommended;
    made.cluster = cluster;
    return made;
}

DevGroup group(const QString& id, Flavor flavor, std::vector<DevEntry> entries) {
    return DevGroup{id,     QStringLiteral("T ") + id, QStringLiteral("doc.fill"),
                    flavor, QStringLiteral("N ") + id, std::move(entries)};
}

std::vector<DevEntry> numbered(int count, int64_t bytes = 1'000'000) {
    std::vector<DevEntry> entries;
    for (int i = 0; i < count; ++i) entries.push_back(entry(QString::number(i), bytes + i));
    return entries;
}

TEST(DevPageText, FortyEightJelliesThenOneForTheRest) {
    EXPECT_EQ(DevPageText::nodes(group("g", Flavor::lime, numbered(48))).size(), 48u);
    const auto nodes = DevPageText::nodes(group("g", Flavor::lime, numbered(50, 10)));
    ASSERT_EQ(nodes.size(), 49u);
    const MapNode& rest = nodes.back();
    EXPECT_EQ(rest.id, "rest");
    EXPECT_EQ(rest.title, QStringLiteral("其余 2 项"));
    EXPECT_EQ(rest.bytes, 58 + 59);
    EXPECT_EQ(rest.flavor, Flavor::cloud);
    EXPECT_EQ(rest.kind, MapNode::Kind::rest);
    EXPECT_EQ(rest.hint, QStringLiteral("切到列表看全部"));
    EXPECT_FALSE(rest.tapToPick);
    EXPECT_TRUE(rest.urls.empty());
}

TEST(DevPageText, JelliesTakeTheFlavoursInTurnAndDuplicateSetsShareOne) {
    const auto lime = DevPageText::nodes(group("g", Flavor::lime, numbered(13)));
    EXPECT_EQ(lime[0].flavor, Flavor::lime);
    EXPECT_EQ(lime[1].flavor, Flavor::blueberry);
    EXPECT_EQ(lime[2].flavor, Flavor::grape);
    EXPECT_EQ(lime[9].flavor, Flavor::plum);
    EXPECT_EQ(lime[10].flavor, Flavor::strawberry) << "cloud is never a jelly's colour";
    EXPECT_EQ(lime[12].flavor, Flavor::lime);
    const auto sets = DevPageText::nodes(
        group("g", Flavor::lime,
              {entry("a", 5, false, DevEntry::TrashFile{"/a"}, 0), entry("b", 5, true, DevEntry::TrashFile{"/b"}, 0),
               entry("c", 5, false, DevEntry::TrashFile{"/c"}, 3)}));
    EXPECT_EQ(sets[0].flavor, Flavor::lime);
    EXPECT_EQ(sets[1].flavor, Flavor::lime);
    EXPECT_EQ(sets[2].flavor, Flavor::peach);
    EXPECT_EQ(DevPageText::nodes(group("g", Flavor::cloud, numbered(2)))[0].flavor, Flavor::strawberry);

    // What each node carries: reveal place, kind, pick, hint.
    const auto shown = DevPageText::nodes(group(
        "g", Flavor::sky,
        {entry("file", 2'500'000, true, DevEntry::TrashFile{"/f"}), entry("eye", 7, false, DevEntry::Reveal{"/vm"}),
         entry("none", 7, false, DevEntry::Trash{{}}), entry("sim", 7, false, DevEntry::SimDevice{"U"})}));
    EXPECT_EQ(shown[0].urls, std::vector<fs::path>{"/f"});
    EXPECT_EQ(shown[0].kind, MapNode::Kind::item);
    EXPECT_TRUE(shown[0].tapToPick);
    EXPECT_EQ(shown[0].hint, QStringLiteral("t-file · 2.5 M\nd-file\n建议清理"));
    EXPECT_EQ(shown[1].kind, MapNode::Kind::folder);
    EXPECT_FALSE(shown[1].tapToPick);
    EXPECT_EQ(shown[1].hint, QStringLiteral("t-eye · 7 B\nd-eye"));
    EXPECT_TRUE(shown[2].urls.empty());
    EXPECT_TRUE(shown[3].urls.empty());
}

TEST(DevPageText, RevealPlacesAndTexts) {
    EXPECT_EQ(DevPageText::revealUrl(entry("a", 1, false, DevEntry::Artifacts{{"/p/node_modules", "/p/target"}})),
              fs::path("/p/node_modules"));
    EXPECT_EQ(DevPageText::revealUrl(entry("a", 1, false, DevEntry::Reveal{"/vm"})), fs::path("/vm"));
    EXPECT_EQ(DevPageText::revealUrl(entry("a", 1, false, DevEntry::Artifacts{{}})), std::nullopt);
    EXPECT_EQ(DevPageText::revealUrl(entry("a", 1, false, DevEntry::SimRuntime{"R"})), std::nullopt);
    EXPECT_EQ(DevPageText::revealUrl(entry("a", 1, false, DevEntry::DockerPrune{})), std::nullopt);

    EXPECT_EQ(DevPageText::statusLine(DevModel::Result{3'000'000, 0}, true), QStringLiteral("腾出 3.0 M 🎉"));
    EXPECT_EQ(DevPageText::statusLine(DevModel::Result{0, 2}, false), QStringLiteral("腾出 0 B，2 项没删掉"));
    EXPECT_EQ(DevPageText::statusLine(std::nullopt, false), QStringLiteral("点果冻选中，右键在访达中显示"));
    EXPECT_EQ(DevPageText::statusLine(std::nullopt, true), QString());
    EXPECT_EQ(DevPageText::cleanTitle(false, 2, 1'500'000'000), QStringLiteral("清理所选 2 项 · 1.5 G"));
    EXPECT_EQ(DevPageText::cleanTitle(true, 2, 5), QStringLiteral("正在处理…"));
    EXPECT_EQ(DevPageText::confirmTitle(1, 120'000'000), QStringLiteral("清理 1 项，共 120 M？"));
    // Reveal-only entries count as entries but are never chosen.
    EXPECT_EQ(DevPageText::groupLine(group("g", Flavor::mint, {entry("vm", 9, true, DevEntry::Reveal{"/vm"})}), {}),
              QStringLiteral("1 项 · 已选 0 B"));
}

// The pages over a model with scripted searches and a removal that only counts.
class DevPagesTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        model = std::make_unique<DevModel>(
            DevModel::developerTexts(), Flavor::sky, [this] { return next; },
            [this](const std::vector<DevEntry>& entries) {
                while (holdRemoval) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                return DevModel::Result{int64_t(entries.size()), 0};
            },
            nullptr, &pool);
    }
    void TearDown() override {
        pool.waitForDone();
        model.reset();
        HomeTest::TearDown();
    }
    void load(std::vector<DevGroup> groups) {
        next = std::move(groups);
        QCoro::waitFor(model->load());
    }
    DevPageServices services() {
        return {.reveal = [this](const std::vector<fs::path>& items) { revealed.push_back(items); },
                .dialogs = &dialogs};
    }

    std::vector<DevGroup> next;
    std::vector<std::vector<fs::path>> revealed;
    CandyDialogCenter dialogs;
    QThreadPool pool;
    std::unique_ptr<DevModel> model;
    std::atomic<bool> holdRemoval{false};  // keeps a removal running while a test looks
};

TEST_F(DevPagesTest, PanelBeforeWhileAndAfterTheSearch) {
    DevPanel panel(*model);
    panel.resize(400, 600);
    auto* figure = child<DevFigure>(&panel, "figure");
    auto* subtitle = child<QLabel>(&panel, "subtitle");
    auto* empty = child<QLabel>(&panel, "empty");
    EXPECT_EQ(figure->shownParts(), (Bytes::Parts{QStringLiteral("…"), QString()}));
    EXPECT_EQ(child<QLabel>(&panel, "caption")->text(), QStringLiteral("看起来\n用不着的"));
    EXPECT_EQ(subtitle->text(), model->texts().subtitle);
    EXPECT_FALSE(empty->isVisibleTo(&panel));

    // While a search runs the subtitle says so.
    QStringList whileLoading;
    QObject::connect(model.get(), &DevModel::loadingChanged, subtitle, [&] {
        if (model->loading()) whileLoading << subtitle->text();
    });
    load({});
    EXPECT_EQ(whileLoading, QStringList{QStringLiteral("正在翻模拟器、归档和 SDK…")});
    EXPECT_EQ(subtitle->text(), model->texts().subtitle);
    EXPECT_EQ(figure->shownParts(), (Bytes::Parts{QStringLiteral("0"), QStringLiteral("B")}));
    EXPECT_TRUE(empty->isVisibleTo(&panel)) << "loaded with no groups: only the empty text";
    EXPECT_EQ(empty->text(), QStringLiteral("没找到开发工具留下的大文件 ✨"));
    EXPECT_TRUE(panel.rows().empty());

    load({group("a", Flavor::lime, {entry("a1", 2'000'000, true), entry("a2", 1'000'000)}),
          group("vms", Flavor::mint, {entry("vm", 9'000'000, true, DevEntry::Reveal{"/vm"})})});
    EXPECT_FALSE(empty->isVisibleTo(&panel));
    ASSERT_EQ(panel.rows().size(), 2u);
    EXPECT_TRUE(panel.rows()[0]->selected());
    EXPECT_FALSE(panel.rows()[1]->selected());
    EXPECT_EQ(panel.rows()[0]->line(), QStringLiteral("2 项 · 已选 2.0 M"));
    EXPECT_EQ(panel.rows()[1]->line(), QStringLiteral("1 项 · 已选 0 B"));
    EXPECT_EQ(model->recommendedTotal(), 2'000'000);

    // A click chooses the group; ticks in the main area show at once.
    QTest::mouseClick(panel.rows()[1], Qt::LeftButton);
    EXPECT_EQ(model->selectedGroup(), QStringLiteral("vms"));
    EXPECT_TRUE(panel.rows()[1]->selected());
    model->toggle(model->groups()[0].entries[1]);
    EXPECT_EQ(panel.rows()[0]->line(), QStringLiteral("2 项 · 已选 3.0 M"));
    // A search that drops the chosen group marks the first again.
    load({group("a", Flavor::lime, {entry("a1", 2'000'000, true)})});
    ASSERT_EQ(panel.rows().size(), 1u);
    EXPECT_TRUE(panel.rows()[0]->selected());
}

TEST_F(DevPagesTest, MainPageWaitsShowsTheEmptyStateOrTheChosenGroup) {
    DevMain page(*model, services());
    page.resize(800, 600);
    EXPECT_TRUE(child<ScanningJelly>(&page, "waiting")->isVisibleTo(&page));
    EXPECT_EQ(child<ScanningJelly>(&page, "waiting")->text(), model->texts().loading);
    load({});
    EXPECT_FALSE(child<ScanningJelly>(&page, "waiting")->isVisibleTo(&page));
    EXPECT_TRUE(child<QWidget>(&page, "empty")->isVisibleTo(&page));
    EXPECT_EQ(page.detail(), nullptr);

    load({group("a", Flavor::lime, {entry("a1", 5, true)}), group("b", Flavor::grape, {entry("b1", 7)})});
    ASSERT_NE(page.detail(), nullptr);
    EXPECT_EQ(page.detail()->group().id, QStringLiteral("a"));
    EXPECT_FALSE(child<QWidget>(&page, "empty")->isVisibleTo(&page));

    // The chosen group's clean button counts only that group's picks.
    model->setSelectedGroup(QStringLiteral("b"));
    DevDetail* detail = page.detail();
    ASSERT_EQ(detail->group().id, QStringLiteral("b"));
    auto* clean = child<CandyButton>(detail, "clean");
    EXPECT_FALSE(clean->isEnabled());
    EXPECT_EQ(clean->text(), QStringLiteral("清理所选 0 项 · 0 B"));
    EXPECT_EQ(child<QLabel>(detail, "status")->text(), QStringLiteral("点果冻选中，右键在访达中显示"));

    // The list is the page's choice for every group; without a result it says nothing.
    auto* picker = child<CandySegmented>(detail, "switch");
    emit picker->selectionChanged(true);
    EXPECT_TRUE(page.showList());
    EXPECT_EQ(child<QLabel>(detail, "status")->text(), QString());
    model->setSelectedGroup(QStringLiteral("a"));
    EXPECT_TRUE(page.detail()->showList());
    EXPECT_NE(page.detail(), detail);
}

TEST_F(DevPagesTest, TicksRowsRevealAndTheMapAllReachTheModel) {
    DevMain page(*model, services());
    page.resize(900, 600);
    load({group("g", Flavor::lime,
                {entry("file", 10, false, DevEntry::TrashFile{"/home/u/f"}),
                 entry("eye", 20, false, DevEntry::Reveal{"/vm"}), entry("sim", 30, true, DevEntry::SimDevice{"U"})})});
    page.show();
    DevDetail* detail = page.detail();
    ASSERT_EQ(detail->rows().size(), 3u);
    EntryRow* file = detail->rows()[0];
    EntryRow* eye = detail->rows()[1];
    EntryRow* sim = detail->rows()[2];
    EXPECT_TRUE(sim->on());
    EXPECT_FALSE(eye->on());

    QTest::mouseClick(file, Qt::LeftButton, {}, QPoint(20, file->height() / 2));
    EXPECT_TRUE(model->picked().contains(QStringLiteral("file")));
    EXPECT_TRUE(file->on());
    QTest::mouseClick(eye, Qt::LeftButton, {}, QPoint(20, eye->height() / 2));
    EXPECT_FALSE(model->picked().contains(QStringLiteral("eye"))) << "reveal-only rows never tick";

    // Reveal buttons only where there is a place; they show it, nothing else.
    ASSERT_NE(file->revealButton(), nullptr);
    EXPECT_EQ(sim->revealButton(), nullptr);
    file->revealButton()->click();
    EXPECT_EQ(revealed, (std::vector<std::vector<fs::path>>{{"/home/u/f"}}));
    EXPECT_TRUE(model->picked().contains(QStringLiteral("file")));

    // The map ticks by id; the rest jelly's id does nothing.
    auto* map = child<JellyMapView>(detail, "map");
    ASSERT_TRUE(test::waitUntil([&] { return map->placed().size() == 3u; }));
    EXPECT_TRUE(map->isTicked("sim"));
    EXPECT_EQ(child<CandyButton>(detail, "clean")->text(), QStringLiteral("清理所选 2 项 · 40 B"));
}

TEST_F(DevPagesTest, TheConfirmationRunsExactlyWhatWasTickedAndCancelLeavesAllAsItWas) {
    DevMain page(*model, services());
    page.resize(900, 600);
    load({group("g", Flavor::lime, {entry("a", 1'000'000, true), entry("b", 2'000'000)})});
    std::vector<std::vector<DevEntry>> runs;
    QObject::connect(&page, &DevMain::runConfirmed,
                     [&](const std::vector<DevEntry>& entries) { runs.push_back(entries); });
    auto* clean = child<CandyButton>(page.detail(), "clean");
    EXPECT_TRUE(clean->isEnabled());

    clean->click();
    ASSERT_TRUE(dialogs.current());
    EXPECT_EQ(dialogs.current()->emoji, QStringLiteral("🧹"));
    EXPECT_EQ(dialogs.current()->title, QStringLiteral("清理 1 项，共 1.0 M？"));
    EXPECT_EQ(dialogs.current()->message, model->texts().confirm);
    ASSERT_EQ(dialogs.current()->choices.size(), 2u);
    EXPECT_EQ(dialogs.current()->choices[0].title, QStringLiteral("清理"));
    EXPECT_EQ(dialogs.current()->choices[1].title, QStringLiteral("再想想"));
    EXPECT_TRUE(page.confirming());
    EXPECT_FALSE(clean->isEnabled()) << "one question at a time";
    clean->click();
    EXPECT_EQ(dialogs.waiting(), 0);

    // "再想想": nothing runs, the ticks stay, the button can ask again.
    dialogs.choose(1);
    ASSERT_TRUE(test::waitUntil([&] { return !page.confirming(); }));
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(model->picked(), QSet<QString>{QStringLiteral("a")});
    EXPECT_TRUE(clean->isEnabled());

    // Ticks changed while the question shows do not change what goes.
    clean->click();
    model->toggle(model->groups()[0].entries[1]);
    dialogs.choose(0);
    ASSERT_TRUE(test::waitUntil([&] { return !runs.empty(); }));
    ASSERT_EQ(runs[0].size(), 1u);
    EXPECT_EQ(runs[0][0].id, QStringLiteral("a"));
}

TEST_F(DevPagesTest, TheButtonWaitsWhileARemovalOrASearchRunsAndTheOutcomeShows) {
    DevMain page(*model, services());
    page.resize(900, 600);
    load({group("g", Flavor::lime, {entry("a", 1'000'000, true)})});
    auto* clean = child<CandyButton>(page.detail(), "clean");
    holdRemoval = true;
    auto removal = model->run(model->pickedEntries(model->groups()[0]));
    EXPECT_FALSE(clean->isEnabled());
    EXPECT_EQ(clean->text(), QStringLiteral("正在处理…"));
    holdRemoval = false;
    QCoro::waitFor(std::move(removal));
    clean = child<CandyButton>(page.detail(), "clean");
    EXPECT_EQ(child<QLabel>(page.detail(), "status")->text(), QStringLiteral("腾出 1 B 🎉"));
    EXPECT_TRUE(clean->isEnabled());
    // The page hears of a search before the model's other news.
    std::vector<bool> enabledWhileLoading;
    QObject::connect(model.get(), &DevModel::loadingChanged, clean, [&] {
        if (model->loading()) enabledWhileLoading.push_back(clean->isEnabled());
    });
    QCoro::waitFor(model->load());
    EXPECT_EQ(enabledWhileLoading, std::vector<bool>{false});
    EXPECT_TRUE(clean->isEnabled());
}

}  // namespace
}  // namespace sorbeta
