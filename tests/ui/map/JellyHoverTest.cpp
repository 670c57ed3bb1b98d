#include <gtest/gtest.h>

#include <cmath>

#include "ui/map/JellyHover.h"

namespace sorbeta {
namespace {

Touch touchAt(QPointF point, double entered, std::optional<double> left = std::nullopt) {
    return Touch{point, point, entered, left};
}

TEST(HoverFXTest, NoTouchIsStill) {
    const HoverFX fx = hoverFX(std::nullopt, 123);
    EXPECT_EQ(fx.amount, 0);
    EXPECT_EQ(fx.wave, 0);
    EXPECT_EQ(fx.jiggle, 0);
    EXPECT_EQ(fx.tiltDegrees, 0);
    EXPECT_FALSE(fx.point);
    EXPECT_FALSE(fx.ripple);
}

TEST(HoverFXTest, Resting_Centre_Corner_AndAfterLeaving) {
    // A long rest: full reaction, no jiggle, ripple gone, tilt toward the pointer.
    const HoverFX rest = hoverFX(touchAt({0.75, 0.5}, 0), 10);
    EXPECT_NEAR(rest.amount, 1, 1e-12);
    EXPECT_NEAR(rest.wave, 1, 1e-12);
    EXPECT_NEAR(rest.jiggle, 0, 1e-12);
    EXPECT_FALSE(rest.ripple);
    EXPECT_NEAR(rest.tiltX, 0.5, 1e-12);
    EXPECT_NEAR(rest.tiltY, 0, 1e-12);
    EXPECT_NEAR(rest.tiltDegrees, 3.5, 1e-12);

    const HoverFX centre = hoverFX(touchAt({0.5, 0.5}, 0), 10);
    EXPECT_EQ(centre.tiltDegrees, 0);
    EXPECT_NEAR(centre.wave, 1, 1e-12);  // full pull and light spot all the same

    // A corner: ±amount on both axes, angle capped at 1.2 × 7.
    const HoverFX corner = hoverFX(touchAt({0, 1}, 0), 10);
    EXPECT_NEAR(corner.tiltX, -1, 1e-12);
    EXPECT_NEAR(corner.tiltY, 1, 1e-12);
    EXPECT_NEAR(corner.tiltDegrees, 8.4, 1e-12);

    // 0.2 s after leaving: the pull has swung to the other side.
    const double presence = 1 - std::exp(-9.0 * 2.2);
    const HoverFX after = hoverFX(touchAt({0.5, 0.5}, 0, 2.0), 2.2);
    EXPECT_NEAR(after.amount, std::exp(-0.9) * presence, 1e-12);
    EXPECT_NEAR(after.wave, std::cos(3.0) * after.amount, 1e-12);
    EXPECT_LT(after.wave, 0);
    EXPECT_NEAR(after.jiggle, std::exp(-1.0) * std::sin(4.4) * 0.03, 1e-12);
}

TEST(HoverFXTest, EntryJiggleAndRipple) {
    const HoverFX fx = hoverFX(Touch{{0.2, 0.3}, {0.1, 0.9}, 5.0, std::nullopt}, 5.1);
    EXPECT_NEAR(fx.amount, 1 - std::exp(-0.9), 1e-12);
    EXPECT_NEAR(fx.jiggle, std::exp(-0.5) * std::sin(2.2) * 0.05, 1e-12);
    ASSERT_TRUE(fx.ripple);
    const double k = 1 - 0.1 / 0.75;
    EXPECT_NEAR(fx.ripple->progress, 1 - k * k * k, 1e-12);
    EXPECT_NEAR(fx.ripple->opacity, 0.7 * k, 1e-12);
    EXPECT_EQ(fx.ripple->center, QPointF(0.1, 0.9));  // from the entry, not the pointer
    EXPECT_FALSE(hoverFX(Touch{{0.2, 0.3}, {0.1, 0.9}, 5.0, std::nullopt}, 5.75).ripple);
    // A clock that reads before the entry counts as the entry itself.
    EXPECT_EQ(hoverFX(touchAt({0.5, 0.5}, 5.0), 4.0).amount, 0);
}

TEST(PointerMaths, UnitPositionAndBlipSize) {
    EXPECT_EQ(unitPosition({100, 50}, {100, 200}), QPointF(1, 0.25));  // right edge gives 1
    EXPECT_EQ(unitPosition({-5, 250}, {100, 200}), QPointF(0, 1));     // clamped
    EXPECT_EQ(unitPosition({0.4, 3}, {1, 0.5}), QPointF(0.4, 1));      // tiny sides taken as they are
    EXPECT_DOUBLE_EQ(blipSize({520, 520}), 1);
    EXPECT_DOUBLE_EQ(blipSize({900, 600}), 1);
    EXPECT_DOUBLE_EQ(blipSize({52, 52}), 0.1);
}

TEST(TouchTrackerTest, EnterMoveLeaveAndForget) {
    TouchTracker tracker;
    EXPECT_TRUE(tracker.move("a", {50, 50}, {100, 100}, 10.0));   // fresh: blip
    EXPECT_FALSE(tracker.move("a", {100, 0}, {100, 100}, 10.1));  // moving: no blip
    ASSERT_TRUE(tracker.touch("a"));
    EXPECT_EQ(tracker.touch("a")->point, QPointF(1, 0));
    EXPECT_EQ(tracker.touch("a")->entry, QPointF(0.5, 0.5));
    EXPECT_EQ(tracker.touch("a")->entered, 10.0);
    EXPECT_EQ(tracker.hovered(), "a");

    tracker.leave("a", 11.0);
    EXPECT_FALSE(tracker.hovered());
    ASSERT_TRUE(tracker.touch("a"));
    EXPECT_EQ(tracker.touch("a")->left, 11.0);
    EXPECT_EQ(tracker.touch("a")->point, QPointF(1, 0));  // relaxes from where it left

    // Back within 1.6 s: a fresh touch with a new entry and time.
    EXPECT_TRUE(tracker.move("a", {25, 25}, {100, 100}, 12.0));
    EXPECT_EQ(tracker.touch("a")->entry, QPointF(0.25, 0.25));
    EXPECT_FALSE(tracker.touch("a")->left);
    // The delayed check of the first leave keeps the new touch.
    tracker.recheck("a", 12.7);
    EXPECT_TRUE(tracker.touch("a"));

    // Leaves for good: the delayed check removes it.
    tracker.leave("a", 13.0);
    tracker.recheck("a", 14.5);
    EXPECT_TRUE(tracker.touch("a"));  // only 1.5 s
    tracker.recheck("a", 14.7);
    EXPECT_FALSE(tracker.touch("a"));
}

TEST(TouchTrackerTest, SweepOnAnyLaterEventDropsStaleTouches) {
    TouchTracker tracker;
    tracker.move("a", {1, 1}, {10, 10}, 0);
    tracker.move("b", {1, 1}, {10, 10}, 0.1);  // the map left "a" first in practice
    tracker.leave("a", 0.2);
    tracker.move("b", {2, 2}, {10, 10}, 1.7);  // 1.5 s after "a" left: kept
    EXPECT_TRUE(tracker.touch("a"));
    tracker.move("b", {2, 2}, {10, 10}, 1.8);  // 1.6 s: swept
    EXPECT_FALSE(tracker.touch("a"));
    EXPECT_TRUE(tracker.touch("b"));
    // Category and rule ids that look alike are different keys ("logs" vs "logs.rest").
    tracker.move("logs", {1, 1}, {10, 10}, 2);
    EXPECT_FALSE(tracker.touch("logs.rest"));
}

TEST(SquishTest, PressKeyframesAndRestart) {
    SquishAnimation squish;
    EXPECT_EQ(squish.valueAt(0).x, 1);
    squish.poke(1.0);
    EXPECT_TRUE(squish.runningAt(1.0));
    const Squish first = squish.valueAt(1.12);
    EXPECT_GT(first.x, 1.04);  // wide and low
    EXPECT_LT(first.y, 0.95);
    const Squish second = squish.valueAt(1.26);
    EXPECT_LT(second.x, first.x);
    EXPECT_GT(second.y, first.y);
    EXPECT_FALSE(squish.runningAt(1.67));
    EXPECT_EQ(squish.valueAt(1.7).x, 1);
    EXPECT_EQ(squish.valueAt(1.7).y, 1);
    // Every press plays it again.
    squish.poke(2.0);
    EXPECT_GT(squish.valueAt(2.1).x, 1.03);
}

}  // namespace
}  // namespace sorbeta
