#include "ui/views/clean/AccessGuideMotion.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

#include "TestEnvironment.h"
#include "ui/kit/KitClock.h"

namespace sorbeta {
namespace {

TEST(AccessGuideMotion, EaseOutAndSpringProgress) {
    EXPECT_DOUBLE_EQ(easeOutCurve(0), 0);
    EXPECT_DOUBLE_EQ(easeOutCurve(1), 1);
    EXPECT_DOUBLE_EQ(easeOutCurve(-1), 0);
    EXPECT_DOUBLE_EQ(easeOutCurve(2), 1);
    // Ease out: fast at first, slow at the end; rising all the way.
    EXPECT_GT(easeOutCurve(0.25), 0.25);
    EXPECT_GT(easeOutCurve(0.5), 0.6);
    EXPECT_LT(easeOutCurve(0.5), 0.75);
    double last = 0;
    for (int i = 1; i <= 100; ++i) {
        const double value = easeOutCurve(i / 100.0);
        EXPECT_GE(value, last);
        last = value;
    }

    const GuideMotion ease = GuideMotion::easingOut(0.2);
    EXPECT_DOUBLE_EQ(ease.progress(0), 0);
    EXPECT_DOUBLE_EQ(ease.progress(0.2), 1);
    EXPECT_FALSE(ease.finished(0.19));
    EXPECT_TRUE(ease.finished(0.2));

    // The grant's spring (0.5 s, 0.7) passes its target once and settles.
    const GuideMotion spring = GuideMotion::springy(Spring{0.5, 0.7});
    double peak = 0;
    for (double t = 0; t < 1; t += 0.01) peak = std::max(peak, spring.progress(t));
    EXPECT_GT(peak, 1.0);
    EXPECT_LT(peak, 1.1);
    EXPECT_FALSE(spring.finished(0.3));
    EXPECT_TRUE(spring.finished(2.0));
}

TEST(AccessGuideMotion, SwapHidesTheWidgetWhileItRunsAndGapClosesTheColumn) {
    ManualKitClock clock;
    QWidget stage;
    auto* column = new QVBoxLayout(&stage);
    auto* text = new QLabel(QStringLiteral("before"), &stage);
    auto* block = new QLabel(QStringLiteral("block\nblock\nblock"), &stage);
    auto* below = new QLabel(QStringLiteral("below"), &stage);
    column->addWidget(text);
    column->addWidget(block);
    column->addWidget(below);
    column->addStretch(1);
    stage.resize(300, 300);
    stage.show();

    // Not shown: the change just happens.
    QLabel hidden;
    SwapOverlay::run(
        &stage, &hidden, [&] { hidden.setText(QStringLiteral("x")); }, SwapOverlay::Style::crossFade,
        GuideMotion::easingOut(0.2));
    EXPECT_EQ(hidden.text(), QStringLiteral("x"));
    EXPECT_EQ(SwapOverlay::runningOn(&hidden), nullptr);

    SwapOverlay::run(
        &stage, text, [&] { text->setText(QStringLiteral("after")); }, SwapOverlay::Style::countUp,
        GuideMotion::easingOut(0.2));
    EXPECT_EQ(text->text(), QStringLiteral("after"));
    ASSERT_NE(SwapOverlay::runningOn(text), nullptr);
    EXPECT_NE(text->graphicsEffect(), nullptr);  // drawn by the overlay meanwhile
    // A second change on the same widget ends the first swap and starts its own.
    SwapOverlay* first = SwapOverlay::runningOn(text);
    SwapOverlay::run(
        &stage, text, [&] { text->setText(QStringLiteral("again")); }, SwapOverlay::Style::crossFade,
        GuideMotion::easingOut(0.2));
    EXPECT_NE(SwapOverlay::runningOn(text), first);
    clock.advance(0.1);
    QTest::qWait(40);
    EXPECT_NE(SwapOverlay::runningOn(text), nullptr);
    clock.advance(0.11);
    EXPECT_TRUE(test::waitUntil([&] { return SwapOverlay::runningOn(text) == nullptr; }, 5000));
    EXPECT_EQ(text->graphicsEffect(), nullptr);

    const int belowAt = below->y();
    FadingGap* gap = FadingGap::replace(block, GuideMotion::springy(Spring{0.5, 0.7}));
    ASSERT_NE(gap, nullptr);
    EXPECT_TRUE(block->isHidden());
    EXPECT_TRUE(test::waitUntil([&] { return below->y() == belowAt; }, 200));  // still as tall at first
    clock.advance(0.25);
    EXPECT_TRUE(test::waitUntil([&] { return below->y() < belowAt && below->y() > text->geometry().bottom(); }, 500));
    QPointer<FadingGap> watched(gap);
    clock.advance(3);
    EXPECT_TRUE(test::waitUntil([&] { return watched.isNull(); }, 5000));
    EXPECT_TRUE(test::waitUntil([&] { return below->y() < text->geometry().bottom() + 30; }, 500));
}

}  // namespace
}  // namespace sorbeta
