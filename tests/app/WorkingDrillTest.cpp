// The clean page and the drill-down (a category opens as a level, the pane
// takes the overview's place, a clean closes every level), and the history
// mode's page.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <filesystem>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "model/drill/DrillModel.h"
#include "model/history/HistoryModel.h"
#include "model/scan/AppModel.h"
#include "ui/kit/KitClock.h"
#include "ui/views/drill/DrillPane.h"
#include "ui/views/history/HistoryMain.h"
#include "ui/views/history/HistoryPanel.h"

using namespace sorbeta;
using namespace sorbeta::test;

namespace {

DrillPane* drillPane(const WorkingView* view) { return child<DrillPane>(view, "drillPane"); }

class WorkingDrillTest : public test::HomeTest {};

TEST_F(WorkingDrillTest, ACategorysMenuItemOpensItsLevelAndACleanClosesIt) {
    ManualKitClock clock;
    FileTree tree(places().home);
    const auto folder = tree.dir("Documents");
    tree.file("Documents/a.txt", 4096);
    AppServices services;
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();

    // The overview's "点开看看" item opens the category as the first level.
    JellyMapView* overview = map(&view);
    overview->setNodes({MapNode{.id = "documents",
                                .title = QStringLiteral("文稿"),
                                .bytes = 4096,
                                .flavor = Flavor::lime,
                                .kind = MapNode::Kind::category,
                                .note = QStringLiteral("你的文稿"),
                                .urls = {folder}}});
    auto menu = overview->contextMenuFor("documents");
    ASSERT_TRUE(menu);
    QAction* open = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == QStringLiteral("点开看看")) open = action;
    ASSERT_TRUE(open);
    open->trigger();

    DrillModel& drill = services.drill();
    ASSERT_EQ(drill.stack().size(), 1u);
    EXPECT_EQ(drill.stack().front().title, QStringLiteral("文稿"));
    EXPECT_EQ(drill.stack().front().flavor, Flavor::lime);
    EXPECT_EQ(drill.stack().front().note, QStringLiteral("你的文稿"));
    EXPECT_EQ(drill.stack().front().urls, std::vector<std::filesystem::path>{folder});
    ASSERT_TRUE(drillPane(&view));
    EXPECT_EQ(drillPane(&view)->level().id, drill.stack().front().id);
    clock.advance(2.0);
    EXPECT_TRUE(drillPane(&view)->isVisibleTo(&view));
    EXPECT_FALSE(scanningJelly(&view)->isVisibleTo(&view));
    EXPECT_FALSE(overview->isVisibleTo(&view));
    ASSERT_TRUE(test::waitUntil([&] { return !drill.loading(); }));

    // A deeper level replaces the pane; a clean closes everything and forgets sizes.
    drill.open(DrillLevel{.title = QStringLiteral("a"), .urls = {folder / "a.txt"}});
    ASSERT_TRUE(drillPane(&view));
    EXPECT_EQ(drillPane(&view)->level().title, QStringLiteral("a"));
    ASSERT_TRUE(test::waitUntil([&] { return !drill.loading(); }));
    EXPECT_GT(drill.cacheCount(), 0u);
    services.model().setPhase(Phase::cleaning());
    EXPECT_TRUE(drill.stack().empty());
    EXPECT_EQ(drill.cacheCount(), 0u);
    EXPECT_FALSE(drillPane(&view));
    clock.advance(2.0);
    EXPECT_TRUE(scanningJelly(&view)->isVisibleTo(&view));
}

TEST_F(WorkingDrillTest, TheHiddenHistoryModeShowsThePageOfTheContainersHistory) {
    ManualKitClock clock;
    AppServices services;
    EXPECT_EQ(services.history().period(), HistoryModel::Period::week);
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    view.setMode(AppMode::history);
    clock.advance(2.0);
    auto* panel = child<HistoryPanel>(&view, "historyPanel");
    auto* main = child<HistoryMain>(&view, "historyMain");
    ASSERT_TRUE(panel && main);
    EXPECT_TRUE(panel->isVisibleTo(&view));
    EXPECT_TRUE(main->isVisibleTo(&view));
    // Each fills its part of the window.
    EXPECT_EQ(main->size(), mainPaneFor(&view, AppMode::history)->size());
    EXPECT_EQ(panel->size(), sidePanelFor(&view, AppMode::history)->size());
    // A recorded scan reaches the page.
    DiskSnapshot snapshot{.date = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC), .total = 10, .free = 5};
    services.model().onSnapshot(snapshot);
    EXPECT_EQ(child<HistoryAmount>(panel, "amount")->header().amount, QStringLiteral("…"));
    EXPECT_TRUE(child<QLabel>(panel, "subtitle")->text().startsWith(QStringLiteral("从 ")));
}

}  // namespace
