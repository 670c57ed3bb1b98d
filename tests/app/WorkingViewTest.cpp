#include "app/WorkingView.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "TestEnvironment.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "app/ContentView.h"
#include "app/ModelTasks.h"
#include "model/disk/Access.h"
#include "model/scan/AppModel.h"
#include "model/shell/AppLanguage.h"
#include "platform/Defaults.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/map/JellyMapView.h"
#include "ui/views/clean/SidePanel.h"
#include "ui/views/clean/SidePanelParts.h"
#include "ui/views/clean/Toasts.h"
#include "ui/views/clean/TopBar.h"

using namespace sorbeta;
using namespace sorbeta::test;

TEST(WorkingViewFrames, ColumnAndMainAreaAtTheDefaultSize) {
    const auto frames = WorkingView::frames(QSize(1280, 820));
    EXPECT_EQ(frames.topBar, QRect(0, 0, 1280, 40));
    EXPECT_EQ(frames.sideColumn, QRect(32, 28, 400, 764));
    EXPECT_EQ(frames.mainArea, QRect(450, 48, 808, 750));
}

class WorkingViewTest : public test::HomeTest {
protected:
    // The system's services for this home, with an access probe of the test's own.
    ModelEnvironment withAccess(Access::Probe probe) const {
        ModelEnvironment environment = ModelEnvironment::system(places());
        environment.hasFullDisk = std::move(probe);
        return environment;
    }
};

TEST_F(WorkingViewTest, ModeSwitchShowsTheModesPanelAndEveryModeHasItsPage) {
    AppServices services;
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    EXPECT_EQ(view.mode(), AppMode::clean);
    EXPECT_TRUE(sidePanel(&view)->isVisibleTo(&view));
    // The clean panel reaches past the column by its buttons' shadow room.
    EXPECT_EQ(sidePanel(&view)->geometry(),
              sidePanelFor(&view, AppMode::uninstall)->geometry().marginsAdded(SidePanel::kBleed));
    EXPECT_EQ(sidePanelFor(&view, AppMode::uninstall)->geometry().left(),
              WorkingView::frames(view.size()).sideColumn.left());
    // Before the first volume reading the clean page shows the scanning jelly.
    EXPECT_TRUE(scanningJelly(&view)->isVisibleTo(&view));
    EXPECT_FALSE(map(&view)->isVisibleTo(&view));

    const auto segments = modeSwitch(&view)->segments();
    QTest::mouseClick(modeSwitch(&view), Qt::LeftButton, {}, segments[1].rect.center().toPoint());
    EXPECT_EQ(view.mode(), AppMode::uninstall);
    EXPECT_FALSE(sidePanel(&view)->isVisibleTo(&view));
    EXPECT_TRUE(sidePanelFor(&view, AppMode::uninstall)->isVisibleTo(&view));
    // Every mode, the hidden developer and files modes too, has a page of its own.
    for (AppMode mode : allAppModes) EXPECT_FALSE(mainPaneFor(&view, mode)->findChildren<QWidget*>().isEmpty());
    view.setMode(AppMode::history);  // a hidden page stays reachable by code
    EXPECT_TRUE(mainPaneFor(&view, AppMode::history)->isVisibleTo(&view));
    view.setMode(AppMode::clean);
    EXPECT_TRUE(sidePanel(&view)->isVisibleTo(&view));
}

TEST_F(WorkingViewTest, ModeSwitchCrossesThePanesOverWithTheModeSpringAndEndsOnTheNewOnes) {
    ManualKitClock clock;
    AppServices services;
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    TransitionLayer* layer = transitions(&view);
    EXPECT_FALSE(layer->running());  // the first mode shows without motion

    const auto segments = modeSwitch(&view)->segments();
    QTest::mouseClick(modeSwitch(&view), Qt::LeftButton, {}, segments[2].rect.center().toPoint());
    ASSERT_EQ(view.mode(), AppMode::status);
    // The clean panel and page leave as pictures; the status ones are live at once.
    ASSERT_TRUE(layer->running());
    EXPECT_FALSE(sidePanel(&view)->isVisible());
    EXPECT_FALSE(mainPaneFor(&view, AppMode::clean)->isVisible());
    QWidget* panel = sidePanelFor(&view, AppMode::status);
    QWidget* page = mainPaneFor(&view, AppMode::status);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_NE(panel->graphicsEffect(), nullptr);
    EXPECT_DOUBLE_EQ(layer->presenceOf(panel), 0.0);
    EXPECT_DOUBLE_EQ(layer->presenceOf(sidePanel(&view)), 1.0);

    // The mode's spring (0.5 s, damping 0.8): a little past its target
    // before it rests.
    SpringValue reference(WorkingView::kModeSpring, 0.0);
    reference.setTarget(1.0, clock.now());
    clock.advance(0.2);
    EXPECT_NEAR(layer->presenceOf(page), reference.valueAt(clock.now()), 1e-9);
    EXPECT_NEAR(layer->presenceOf(sidePanel(&view)), 1.0 - reference.valueAt(clock.now()), 1e-9);

    // Switching back half-way sends the clean panel back from where it is.
    const double cleanAt = layer->presenceOf(sidePanel(&view));
    view.setMode(AppMode::clean);
    EXPECT_TRUE(sidePanel(&view)->isVisible());
    EXPECT_NEAR(layer->presenceOf(sidePanel(&view)), cleanAt, 1e-9);
    EXPECT_FALSE(panel->isVisible());

    clock.advance(3.0);
    ASSERT_TRUE(test::waitUntil([&] { return !layer->running(); }, 5000));
    EXPECT_EQ(view.mode(), AppMode::clean);
    EXPECT_TRUE(sidePanel(&view)->isVisible());
    EXPECT_EQ(sidePanel(&view)->graphicsEffect(), nullptr);
    EXPECT_TRUE(mainPaneFor(&view, AppMode::clean)->isVisible());
    EXPECT_EQ(mainPaneFor(&view, AppMode::clean)->graphicsEffect(), nullptr);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(layer->isVisible());
}

TEST(WorkingViewTransitions, EachModeComesAndGoesItsOwnWay) {
    EXPECT_TRUE(WorkingView::panelTransition(AppMode::clean).move);
    EXPECT_EQ(WorkingView::panelTransition(AppMode::clean).edge, Edge::leading);
    EXPECT_EQ(WorkingView::panelTransition(AppMode::status).edge, Edge::trailing);
    EXPECT_FALSE(WorkingView::panelTransition(AppMode::uninstall).move);
    EXPECT_TRUE(WorkingView::panelTransition(AppMode::history).fade);
    EXPECT_DOUBLE_EQ(WorkingView::pageTransition(AppMode::uninstall, true).scale, 0.92);
    EXPECT_DOUBLE_EQ(WorkingView::pageTransition(AppMode::clean, true).scale, 1.12);
    EXPECT_DOUBLE_EQ(WorkingView::pageTransition(AppMode::clean, false).scale, 1.0);
    EXPECT_TRUE(WorkingView::pageTransition(AppMode::clean, false).fade);
}

// Pixels of the main area that something is drawn on (the window's own
// background left out).
int drawnPixelsInMainArea(WorkingView& view) {
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QRect main = WorkingView::frames(view.size()).mainArea;
    int count = 0;
    for (int y = main.top(); y <= main.bottom(); ++y)
        for (int x = main.left(); x <= main.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 40) ++count;
    return count;
}

TEST_F(WorkingViewTest, FirstReadingBringsTheMapInLiveWithTheFreeJelly) {
    ManualKitClock clock;
    AppServices services;
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    AppModel& model = services.model();
    const int area =
        WorkingView::frames(view.size()).mainArea.width() * WorkingView::frames(view.size()).mainArea.height();
    startScan(model);
    ASSERT_TRUE(test::waitUntil([&] { return model.hasScanned(); }, 20000));
    EXPECT_FALSE(scanningJelly(&view)->isVisible());
    ASSERT_TRUE(map(&view)->isVisible());
    ASSERT_GE(transitions(&view)->presenceOf(map(&view)), 0.0);

    // Half a second in, the map is still on its way, and shows its free jelly
    // (fading in as a new jelly does) rather than a picture of the empty map
    // it was when it came.
    clock.advance(0.5);
    transitions(&view)->step();
    ASSERT_GE(transitions(&view)->presenceOf(map(&view)), 0.0);
    EXPECT_GT(drawnPixelsInMainArea(view), area / 2);

    // At rest: the live map without any effect.
    clock.advance(3.0);
    transitions(&view)->step();
    EXPECT_LT(transitions(&view)->presenceOf(map(&view)), 0.0);
    EXPECT_EQ(map(&view)->graphicsEffect(), nullptr);
    EXPECT_GT(drawnPixelsInMainArea(view), area / 2);
    ASSERT_TRUE(test::waitUntil([&] { return model.phase().isIdle(); }, 20000));
}

TEST_F(WorkingViewTest, TheFirstScanLooksThroughAndOnlyALaterOneRescans) {
    const auto logs = home() / "Library/Logs/SomeApp";
    std::filesystem::create_directories(logs);
    {
        std::ofstream out(logs / "old.log", std::ios::binary);
        out << std::string(3 * 1024 * 1024, 'x');
    }
    AppServices services;
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    AppModel& model = services.model();
    // What the summary said while each scan ran, the moment items were listed.
    QStringList said;
    QObject::connect(&model, &AppModel::itemsChanged, &view, [&] {
        if (model.phase().isScanning()) said << summaryText(sidePanel(&view));
    });
    startScan(model);
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 20000));
    ASSERT_FALSE(said.isEmpty()) << "the first scan listed no item while it ran";
    for (const QString& text : said) EXPECT_TRUE(text.startsWith(QStringLiteral("正在翻看「"))) << text.toStdString();

    // A rescan keeps the first scan's items listed meanwhile.
    startScan(model);
    ASSERT_TRUE(model.phase().isScanning());
    EXPECT_TRUE(summaryText(sidePanel(&view)).startsWith(QStringLiteral("正在重新扫描「")));
    ASSERT_TRUE(test::waitUntil([&] { return model.phase().isIdle(); }, 20000));
}

// The toast after a clean lies beside the side column, whichever way the
// window reads, even in a language whose toast is long (Spanish): a click on
// the clean or rescan button below it reaches the button, not the toast.
TEST_F(WorkingViewTest, FreedToastLeavesTheSideColumnsButtonsFree) {
    QTranslator spanish;
    ASSERT_TRUE(spanish.load(AppLanguage::translationResource(QStringLiteral("es"))));
    QCoreApplication::installTranslator(&spanish);
    const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&spanish); });
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        AppServices services;
        WorkingView view(services);
        view.setLayoutDirection(direction);
        view.resize(1280, 820);
        view.show();
        // A held clean's toast offers to free the space now: a longer row.
        services.model().setLastBatch(HoldBatch{.id = "batch"});
        services.model().setLastFreed(int64_t(2'000'000'000));
        FreedToast* toast = freedToast(&view);
        ASSERT_NE(toast, nullptr);
        const QRect toastRect = toast->geometry();
        EXPECT_GE(toastRect.left(), 0);
        EXPECT_LE(toastRect.right(), view.width() - 1);
        EXPECT_EQ(toastRect.bottom(), 820 - 30 - 1);
        for (QAbstractButton* button : {cleanButton(sidePanel(&view)), rescanButton(sidePanel(&view))}) {
            ASSERT_NE(button, nullptr);
            // The capsule: the widget reaches past it by its shadow's room.
            const QRect onView =
                QRect(button->mapTo(&view, QPoint(0, 0)), button->size()).marginsRemoved(CandyButton::kShadowMargins);
            EXPECT_FALSE(toastRect.intersects(onView)) << button->objectName().toStdString();
        }
    }
}

TEST_F(WorkingViewTest, FreedToastSlidesInAndOutWithItsResult) {
    ManualKitClock clock;
    AppServices services;
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    AppModel& model = services.model();
    model.setLastFreed(int64_t(2'000'000'000));
    FreedToast* toast = freedToast(&view);
    ASSERT_NE(toast, nullptr);
    EXPECT_TRUE(toast->isVisible());
    SpringValue reference(WorkingView::kFreedSpring, 0.0);
    reference.setTarget(1.0, clock.now());
    clock.advance(0.1);
    EXPECT_NEAR(transitions(&view)->presenceOf(toast), reference.valueAt(clock.now()), 1e-9);
    // 30 points above the bottom edge once in place.
    EXPECT_EQ(toast->geometry().bottom(), 820 - 30 - 1);

    clock.advance(3.0);
    transitions(&view)->step();
    EXPECT_EQ(toast->graphicsEffect(), nullptr);
    model.setLastFreed(std::nullopt);  // closed: its picture slides away
    EXPECT_EQ(freedToast(&view), nullptr);
    EXPECT_TRUE(transitions(&view)->running());
    clock.advance(3.0);
    transitions(&view)->step();
    EXPECT_FALSE(transitions(&view)->running());
}

TEST_F(WorkingViewTest, LimitedBadgeAfterAScanWithoutAccessOffersTheGuide) {
    bool access = false;
    platform::Defaults().setValue("accessGuideDone", true);  // the guide was seen: scan at once
    AppServices services(withAccess([&access] { return access; }));
    ContentView content(services);
    content.resize(1280, 820);
    content.show();
    AppModel& model = services.model();
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 20000));
    WorkingView* view = working(&content);
    EXPECT_TRUE(map(view)->isVisibleTo(view));
    ASSERT_TRUE(limitedBadge(view)->isVisibleTo(view));
    EXPECT_FALSE(content.showingGuide());

    // Reactivation without access does nothing; the badge opens the guide.
    content.applicationBecameActive();
    EXPECT_TRUE(model.phase().isIdle());
    QTest::mouseClick(limitedBadge(view), Qt::LeftButton);
    EXPECT_TRUE(content.showingGuide());
    // Skipped again after a scan: no new scan.
    content.guideFinished(false);
    EXPECT_FALSE(content.showingGuide());
    EXPECT_TRUE(model.phase().isIdle());

    // Access granted meanwhile: coming back rescans once, with access.
    access = true;
    content.applicationBecameActive();
    EXPECT_FALSE(model.phase().isIdle());
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 20000));
    EXPECT_TRUE(model.fullDisk());
    EXPECT_FALSE(limitedBadge(view)->isVisibleTo(view));
}

TEST_F(WorkingViewTest, FirstLaunchWithoutAccessShowsTheGuideAndScansWhenItFinishes) {
    AppServices services(withAccess([] { return false; }));
    ContentView content(services);
    content.resize(1280, 820);
    content.show();
    EXPECT_TRUE(content.showingGuide());
    EXPECT_TRUE(services.model().phase().isIdle());
    EXPECT_FALSE(platform::Defaults().boolValue("accessGuideDone"));
    // The guide grows in while the working window fades out.
    EXPECT_GE(transitions(&content)->presenceOf(guide(&content)), 0.0);
    EXPECT_FALSE(working(&content)->isVisible());
    content.guideFinished(false);  // skipped, nothing scanned yet: a limited scan starts
    EXPECT_TRUE(working(&content)->isVisible());
    EXPECT_GE(transitions(&content)->presenceOf(working(&content)), 0.0);
    EXPECT_TRUE(platform::Defaults().boolValue("accessGuideDone"));
    EXPECT_FALSE(services.model().phase().isIdle());
    ASSERT_TRUE(test::waitUntil([&] { return services.model().phase().isIdle(); }, 20000));
}

namespace {

// Pixels of `image` inside the circle that are (nearly) opaque white.
int whitePixelsIn(const QImage& image, QPointF center, double radius) {
    int count = 0;
    for (int y = int(center.y() - radius); y <= int(center.y() + radius); ++y)
        for (int x = int(center.x() - radius); x <= int(center.x() + radius); ++x) {
            if (std::hypot(x + 0.5 - center.x(), y + 0.5 - center.y()) > radius) continue;
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 245 && c.green() > 245 && c.blue() > 245) ++count;
        }
    return count;
}

// Strongly coloured pixels in the strip 8 points high above `rect`, where the
// dashed selection ring runs and the drop shadow (cast downwards) is faint.
int ringPixelsAbove(const QImage& image, const QRectF& rect) {
    int count = 0;
    for (int y = int(rect.top() - 8); y < int(rect.top()); ++y)
        for (int x = int(rect.left() + 20); x <= int(rect.right() - 20); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::min({c.red(), c.green(), c.blue()}) < 170) ++count;
        }
    return count;
}

}  // namespace

TEST_F(WorkingViewTest, TappingAnItemsDotOnTheMapTicksItsRuleAndDrawsTheTickAndRings) {
    ManualKitClock clock;  // the same wobble in every run
    const auto logs = home() / "Library/Logs/SomeApp";
    std::filesystem::create_directories(logs);
    {
        std::ofstream out(logs / "old.log", std::ios::binary);
        out << std::string(3 * 1024 * 1024, 'x');
    }
    AppServices services;
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    AppModel& model = services.model();
    startScan(model);
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 20000));
    JellyMapView* map = test::map(&view);
    ASSERT_TRUE(map->isVisibleTo(&view));

    // A small volume, so the measured logs fill much of the map.
    model.setTotalBytes(8'000'000);
    model.setFreeBytes(1'000'000);
    model.setSelected({});  // the first scan ticked the safe rules; start from none
    QRectF item;
    for (const PlacedNode& placed : map->placed())
        if (placed.node.id == "logs" && placed.node.kind == MapNode::Kind::item) item = placed.rect;
    ASSERT_FALSE(item.isEmpty()) << "the logs rule has no jelly on the map";
    const double pad = std::min(item.width(), item.height()) > 60 ? 10 : 4;
    const QPointF dot(item.right() - pad - 10, item.top() + pad + 10);
    // A frame as the widget paints it after a change, then one when the
    // dot's spring and the fades have settled.
    auto drawn = [&] {
        QImage image(map->size(), QImage::Format_ARGB32_Premultiplied);
        for (int frame = 0; frame < 2; ++frame) {
            clock.advance(2);
            image.fill(Qt::white);
            QPainter painter(&image);
            map->paintMap(painter);
        }
        return image;
    };
    const QImage unticked = drawn();
    EXPECT_FALSE(map->isTicked("logs"));

    // A tap on the dot ticks the rule in the scan model, which the side panel lists.
    QTest::mouseClick(map, Qt::LeftButton, {}, dot.toPoint());
    EXPECT_EQ(model.selected(), (std::set<std::string>{"logs"}));
    EXPECT_TRUE(map->isTicked("logs"));
    const QImage ticked = drawn();
    // The dot fills with white around its check mark, and the selection
    // rings (the white outline, the dashed ring 5 points out) appear.
    EXPECT_GT(whitePixelsIn(ticked, dot, 7), whitePixelsIn(unticked, dot, 7) + 40);
    EXPECT_LT(ringPixelsAbove(unticked, item), 5);
    EXPECT_GT(ringPixelsAbove(ticked, item), 100);

    // A tick taken away elsewhere (the side panel) shows on the map too.
    model.setSelected({});
    EXPECT_FALSE(map->isTicked("logs"));
    const QImage untickedAgain = drawn();
    EXPECT_EQ(whitePixelsIn(untickedAgain, dot, 7), whitePixelsIn(unticked, dot, 7));
    EXPECT_LT(ringPixelsAbove(untickedAgain, item), 5);
    QTest::mouseClick(map, Qt::LeftButton, {}, dot.toPoint());
    QTest::mouseClick(map, Qt::LeftButton, {}, dot.toPoint());
    EXPECT_TRUE(model.selected().empty());
}
