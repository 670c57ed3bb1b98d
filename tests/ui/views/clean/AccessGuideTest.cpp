#include "ui/views/clean/AccessGuide.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "Children.h"
#include "TestEnvironment.h"
#include "ui/kit/KitClock.h"
#include "ui/views/clean/AccessGuideMotion.h"

namespace sorbeta {
namespace {

using std::chrono::milliseconds;

TEST(AccessGuideView, FollowsTheFlowFromStartToGranted) {
    ManualKitClock clock;
    bool access = false;
    std::vector<std::function<void()>> timers;
    std::vector<bool> finishes;
    AccessGuide guide([&](bool granted) { finishes.push_back(granted); },
                      {[&] { return access; }, [] {},
                       [&](milliseconds, QObject*, std::function<void()> fire) { timers.push_back(fire); }});
    guide.resize(1100, 760);
    guide.show();
    auto* title = test::child<QLabel>(&guide, "title");
    auto* subtitle = test::child<QLabel>(&guide, "subtitle");
    auto* open = test::child<QAbstractButton>(&guide, "openSettings");
    auto* footer = test::child<QLabel>(&guide, "footerText");
    auto* steps = test::child<QWidget>(&guide, "steps");
    ASSERT_TRUE(title && subtitle && open && footer && steps);
    EXPECT_EQ(title->text(), QStringLiteral("给冰沙一把钥匙"));
    EXPECT_EQ(open->text(), QStringLiteral("打开系统设置"));
    EXPECT_TRUE(footer->text().startsWith(QStringLiteral("跳过也能用")));
    EXPECT_FALSE(guide.grab().isNull());

    QTest::mouseClick(open, Qt::LeftButton);
    EXPECT_EQ(open->text(), QStringLiteral("再打开一次"));
    EXPECT_EQ(footer->text(), QStringLiteral("等你打开开关…打开后这里会自己继续"));
    ASSERT_EQ(timers.size(), 1u);
    // The button's label and the footer change over a 0.2-second ease-out.
    EXPECT_NE(SwapOverlay::runningOn(open), nullptr);
    EXPECT_NE(SwapOverlay::runningOn(footer->parentWidget()), nullptr);
    clock.advance(0.19);
    QTest::qWait(40);
    EXPECT_NE(SwapOverlay::runningOn(open), nullptr);
    clock.advance(0.02);
    EXPECT_TRUE(test::waitUntil(
        [&] { return !SwapOverlay::runningOn(open) && !SwapOverlay::runningOn(footer->parentWidget()); }, 500));

    access = true;
    const int titleAt = title->y();
    auto pass = timers.back();
    pass();
    EXPECT_EQ(title->text(), QStringLiteral("拿到钥匙啦"));
    EXPECT_FALSE(steps->isEnabled());  // no button during the pause
    EXPECT_TRUE(steps->isHidden());
    // The title counts up to its new text on the grant's spring, and the
    // column closes around the steps as they fade.
    EXPECT_NE(SwapOverlay::runningOn(title), nullptr);
    EXPECT_NE(SwapOverlay::runningOn(subtitle), nullptr);
    clock.advance(0.2);
    QTest::qWait(40);
    EXPECT_NE(SwapOverlay::runningOn(title), nullptr);
    clock.advance(3);
    EXPECT_TRUE(test::waitUntil([&] { return !SwapOverlay::runningOn(title) && title->y() > titleAt + 50; }, 5000));
    EXPECT_TRUE(finishes.empty());
    timers.back()();  // the 1.1-second pause ends
    EXPECT_EQ(finishes, std::vector<bool>{true});
}

TEST(AccessGuideView, SkipAndBadge) {
    std::vector<bool> finishes;
    AccessGuide guide([&](bool granted) { finishes.push_back(granted); }, {[] { return false; }, [] {}, {}});
    guide.show();
    QTest::mouseClick(test::child<QAbstractButton>(&guide, "skip"), Qt::LeftButton);
    EXPECT_EQ(finishes, std::vector<bool>{false});

    LimitedBadge badge;
    badge.resize(badge.sizeHint());
    badge.show();
    QSignalSpy clicks(&badge, &QAbstractButton::clicked);
    QTest::mouseClick(&badge, Qt::LeftButton);
    QTest::mouseClick(&badge, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
    // The capsule is white over nothing: its middle is near white.
    const QImage image = badge.grab().toImage();
    EXPECT_GT(image.pixelColor(badge.width() / 2, 12).alpha(), 200);
}

}  // namespace
}  // namespace sorbeta
