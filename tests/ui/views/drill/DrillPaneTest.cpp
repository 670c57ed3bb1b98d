#include "ui/views/drill/DrillPane.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <QThreadPool>
#include <filesystem>
#include <map>

#include "Children.h"
#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/dialog/CandyDialog.h"
#include "model/drill/DrillModel.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/Theme.h"
#include "ui/views/FilePlaces.h"
#include "ui/views/drill/DrillHeader.h"
#include "ui/views/drill/DrillPaneText.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;

DrillLevel level(std::vector<fs::path> urls, QString title, std::optional<QString> note = std::nullopt) {
    return DrillLevel{.title = std::move(title), .flavor = Flavor::grape, .urls = std::move(urls), .note = note};
}

// Whether `text`, laid out as a right-to-left line, shows its "~" to the
// left of its last "x", as a path reads.
bool readsFromTilde(const QString& text) {
    QTextLayout layout(text, roundedFont(12));
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1000);
    layout.endLayout();
    // The edge after the "~" against the edge before the "x".
    return line.cursorToX(int(text.indexOf(u'~')) + 1) < line.cursorToX(int(text.lastIndexOf(u'x')));
}

// A path shown in an Arabic interface keeps its order: "~/Downloads", not
// "Downloads/~" with the home sign carried to the other end.
TEST(FilePlaces, PathsReadLeftToRightInARightToLeftLine) {
    EXPECT_FALSE(readsFromTilde(QStringLiteral("~/Downloads/x")));  // what a bare path does
    EXPECT_TRUE(readsFromTilde(leftToRightRun(QStringLiteral("~/Downloads/x"))));
}

TEST(DrillPaneText, CrumbsNoteLineAndHomeAsTilde) {
    const std::vector<DrillLevel> stack{level({"/a"}, QStringLiteral("文稿")), level({"/a/b"}, QStringLiteral("b"))};
    const auto crumbs = DrillPaneText::crumbs(stack);
    ASSERT_EQ(crumbs.size(), 3u);
    EXPECT_EQ(crumbs[0], (DrillPaneText::Crumb{QStringLiteral("全部"), 0, false}));
    EXPECT_EQ(crumbs[1], (DrillPaneText::Crumb{QStringLiteral("文稿"), 1, false}));
    EXPECT_EQ(crumbs[2], (DrillPaneText::Crumb{QStringLiteral("b"), 2, true}));
    // With nothing open the root crumb still closes everything.
    EXPECT_FALSE(DrillPaneText::crumbs({}).front().last);

    const fs::path home = "/home/u";
    // A note wins over the path; one item shows its path; several show nothing.
    EXPECT_EQ(DrillPaneText::noteLine(level({"/home/u/x"}, "t", QStringLiteral("说明")), home)->text,
              QStringLiteral("说明"));
    const auto path = DrillPaneText::noteLine(level({"/home/u/x/y"}, "t"), home);
    ASSERT_TRUE(path);
    EXPECT_TRUE(path->isPath);
    EXPECT_EQ(path->text, QStringLiteral("~/x/y"));
    EXPECT_FALSE(DrillPaneText::noteLine(level({"/a", "/b"}, "t"), home));
    EXPECT_FALSE(DrillPaneText::noteLine(level({}, "t"), home));

    EXPECT_EQ(tildePath("/home/u", home), QStringLiteral("~"));
    EXPECT_EQ(tildePath("/home/u/a/home/u", home), QStringLiteral("~/a/home/u"));
    // Another user's folder that merely starts with the same letters stays.
    EXPECT_EQ(tildePath("/home/u2/z", home), QStringLiteral("/home/u2/z"));
    EXPECT_EQ(tildePath("/x", "/"), QStringLiteral("/x"));
}

TEST(DrillPaneText, CrumbWidthsGiveWayWidestFirstButNotBelowTheMinimum) {
    using DrillPaneText::fitWidths;
    EXPECT_EQ(fitWidths({10, 20}, 100, 5), (std::vector<double>{10, 20}));
    // 10 + 50 + 100 into 90: the two wide ones share what the narrow one leaves.
    EXPECT_EQ(fitWidths({10, 50, 100}, 90, 5), (std::vector<double>{10, 40, 40}));
    // Too little room: every wide crumb stops at the minimum.
    EXPECT_EQ(fitWidths({10, 50, 100}, 20, 28), (std::vector<double>{10, 28, 28}));
}

class DrillPaneTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        pool_.setMaxThreadCount(2);
        tree_.emplace(places().home / "stuff");
        tree_->dir("empty");
        tree_->file("docs/a.txt");
        tree_->file("docs/sub/b.txt");
        tree_->file("docs/zero.txt");
    }
    void TearDown() override {
        model_.reset();
        pool_.waitForDone();
        test::HomeTest::TearDown();
    }
    DrillModel& model() {
        if (!model_) {
            DrillEnvironment environment;
            environment.places = places();
            environment.sizer = [](const fs::path& url, DiskScanner::InodeSet&, std::stop_token) -> int64_t {
                static const std::map<std::string, int64_t> sizes{{"a.txt", 5'000}, {"sub", 9'000}, {"zero.txt", 0}};
                const auto found = sizes.find(url.filename().string());
                return found == sizes.end() ? 1'000'000 : found->second;
            };
            environment.limited = [] { return false; };
            environment.pool = &pool_;
            model_ = std::make_unique<DrillModel>(std::move(environment));
        }
        return *model_;
    }
    bool settle() {
        return test::waitUntil([&] { return !model().loading(); }, 5000);
    }
    // A pane for the model's top level, as the clean page makes one.
    std::unique_ptr<DrillPane> paneOnTop(CandyDialogCenter* dialogs = nullptr) {
        auto pane = std::make_unique<DrillPane>(
            model().stack().back(), model(),
            DrillPane::Services{.map = {.schedule = [](int, std::function<void()> task) { task(); }},
                                .home = places().home,
                                .dialogs = dialogs});
        pane->resize(800, 600);
        pane->show();
        pane->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(pane.get()));
        return pane;
    }
    fs::path at(const char* relative) const { return tree_->at(relative); }

    QThreadPool pool_;
    std::optional<test::FileTree> tree_;
    std::unique_ptr<DrillModel> model_;
};

TEST_F(DrillPaneTest, ShowsTheMeasuredChildrenTheirTotalAndOpensAFolderJelly) {
    model().open(level({at("docs")}, QStringLiteral("文稿"), QStringLiteral("你的文稿")));
    auto pane = paneOnTop();
    // Before any size is in: the waiting jelly with the title in its caption.
    auto* waiting = test::child<ScanningJelly>(pane.get(), "waiting");
    ASSERT_TRUE(waiting);
    EXPECT_EQ(waiting->text(), QStringLiteral("正在量「文稿」…"));
    ASSERT_TRUE(settle());

    auto* map = test::child<JellyMapView>(pane.get(), "map");
    EXPECT_TRUE(map->isVisibleTo(pane.get()));
    EXPECT_FALSE(waiting->isVisibleTo(pane.get()));
    ASSERT_EQ(map->placed().size(), 2u);  // the empty file is not shown
    EXPECT_EQ(map->placed()[0].node.title, QStringLiteral("sub"));
    EXPECT_EQ(map->placed()[0].node.kind, MapNode::Kind::folder);
    EXPECT_EQ(map->placed()[1].node.kind, MapNode::Kind::file);
    auto* total = test::child<DrillTotal>(pane.get(), "total");
    EXPECT_EQ(total->total(), 14'000);
    EXPECT_FALSE(total->spinning());
    EXPECT_EQ(test::child<QLabel>(pane.get(), "note")->text(), QStringLiteral("你的文稿"));
    EXPECT_TRUE(test::child<QWidget>(pane.get(), "reveal"));

    // A tap on the folder opens it as a level of its own, without a note.
    QTest::mouseClick(map, Qt::LeftButton, {}, map->placed()[0].rect.center().toPoint());
    ASSERT_EQ(model().stack().size(), 2u);
    EXPECT_EQ(model().stack().back().title, QStringLiteral("sub"));
    EXPECT_EQ(model().stack().back().urls, std::vector<fs::path>{at("docs/sub")});
    EXPECT_FALSE(model().stack().back().note);
    // A file jelly opens nothing.
    model().popTo(1);
    ASSERT_TRUE(settle());
    auto again = paneOnTop();
    auto* map2 = test::child<JellyMapView>(again.get(), "map");
    QTest::mouseClick(map2, Qt::LeftButton, {}, map2->placed()[1].rect.center().toPoint());
    EXPECT_EQ(model().stack().size(), 1u);
}

TEST_F(DrillPaneTest, AnEmptyFolderShowsTheEmptyTextAndALevelWithoutItemsNoRevealButton) {
    model().open(level({at("empty")}, QStringLiteral("empty")));
    ASSERT_TRUE(settle());
    auto pane = paneOnTop();
    EXPECT_TRUE(test::child<QWidget>(pane.get(), "empty")->isVisibleTo(pane.get()));
    EXPECT_FALSE(test::child<QWidget>(pane.get(), "waiting")->isVisibleTo(pane.get()));
    EXPECT_FALSE(test::child<QWidget>(pane.get(), "map")->isVisibleTo(pane.get()));
    auto* total = test::child<DrillTotal>(pane.get(), "total");
    EXPECT_EQ(total->total(), 0);
    EXPECT_FALSE(total->spinning());
    EXPECT_EQ(total->shownParts().unit, QStringLiteral("B"));
    // One folder and no note: its path, home as "~".
    EXPECT_EQ(test::child<QLabel>(pane.get(), "note")->property("fullText").toString(),
              QStringLiteral("~/stuff/empty"));

    model().open(level({}, QStringLiteral("nothing")));
    ASSERT_TRUE(settle());
    auto bare = paneOnTop();
    EXPECT_FALSE(test::child<QWidget>(bare.get(), "reveal"));
    EXPECT_FALSE(test::child<QWidget>(bare.get(), "note"));
    EXPECT_TRUE(test::child<QWidget>(bare.get(), "empty")->isVisibleTo(bare.get()));
}

TEST_F(DrillPaneTest, BackCrumbsAndEscapeGoUpButEscapeLeavesADialogAlone) {
    for (const auto& [where, title] : {std::pair{"docs", "one"}, {"docs/sub", "two"}, {"empty", "three"}}) {
        model().open(level({at(where)}, QString::fromUtf8(title)));
        ASSERT_TRUE(settle());
    }
    CandyDialogCenter dialogs;
    auto pane = paneOnTop(&dialogs);

    // The shown level's crumb cannot be clicked; the others can.
    auto* crumbs = test::child<DrillCrumbs>(pane.get(), "crumbs");
    ASSERT_EQ(crumbs->buttons().size(), 4u);
    EXPECT_FALSE(crumbs->buttons().back()->isEnabled());
    EXPECT_TRUE(crumbs->buttons().front()->isEnabled());
    EXPECT_GT(crumbs->buttons().back()->font().pixelSize(), crumbs->buttons()[1]->font().pixelSize());

    // Back leaves two levels, the second shown again from the cache.
    QTest::mouseClick(test::child<QWidget>(pane.get(), "back"), Qt::LeftButton);
    ASSERT_EQ(model().stack().size(), 2u);
    EXPECT_TRUE(test::waitUntil([&] { return !model().entries().empty(); }, 5000));

    // Escape goes back only while no dialog of this window shows.
    auto second = paneOnTop(&dialogs);
    dialogs.confirm(CandyDialog{.title = QStringLiteral("sure?"), .choices = {{QStringLiteral("ok")}}}, [] {});
    EXPECT_FALSE(second->escapeGoesBack());
    QTest::keyClick(second.get(), Qt::Key_Escape);
    EXPECT_EQ(model().stack().size(), 2u);
    dialogs.choose(0);
    EXPECT_TRUE(second->escapeGoesBack());
    QTest::keyClick(second.get(), Qt::Key_Escape);
    EXPECT_EQ(model().stack().size(), 1u);

    // "全部" closes everything but keeps the sizes.
    auto third = paneOnTop(&dialogs);
    QTest::mouseClick(test::child<DrillCrumbs>(third.get(), "crumbs")->buttons().front(), Qt::LeftButton);
    EXPECT_TRUE(model().stack().empty());
    EXPECT_TRUE(model().entries().empty());
    EXPECT_TRUE(model().cachedSize(at("docs/sub")));
}

}  // namespace
}  // namespace sorbeta
