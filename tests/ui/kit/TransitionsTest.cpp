#include "ui/kit/Transitions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sorbeta;

namespace {

// The curve's y where its x meets t, found by walking the parameter finely:
// an independent reference for the solver.
double bezierByWalking(double x1, double y1, double x2, double y2, double t) {
    auto point = [](double a, double b, double s) {
        const double u = 1 - s;
        return 3 * u * u * s * a + 3 * u * s * s * b + s * s * s;
    };
    double previous = 0;
    for (int i = 1; i <= 200000; ++i) {
        const double s = i / 200000.0;
        if (point(x1, x2, s) >= t) return (point(y1, y2, previous) + point(y1, y2, s)) / 2;
        previous = s;
    }
    return 1;
}

}  // namespace

TEST(TimingCurves, EaseOutMatchesItsBezierAndStaysInBounds) {
    EXPECT_EQ(easeOut(0), 0);
    EXPECT_EQ(easeOut(1), 1);
    EXPECT_EQ(easeOut(-0.5), 0);  // clamped outside 0…1
    EXPECT_EQ(easeOut(2), 1);
    double previous = 0;
    for (double t : {0.05, 0.1, 0.25, 0.5, 0.75, 0.9, 0.99}) {
        const double y = easeOut(t);
        EXPECT_NEAR(y, bezierByWalking(0, 0, 0.58, 1, t), 1e-4) << t;
        EXPECT_GT(y, t) << t;  // ahead of linear all the way: it starts fast
        EXPECT_GT(y, previous);
        previous = y;
    }
    EXPECT_NEAR(cubicBezier(0.25, 0.25, 0.75, 0.75, 0.3), 0.3, 1e-6);  // a straight line is linear
    // A curve with a flat start (slope 0 at s = 0) still solves.
    EXPECT_NEAR(cubicBezier(0.42, 0, 1, 1, 0.2), bezierByWalking(0.42, 0, 1, 1, 0.2), 1e-4);
}

TEST(AnimatedValue, EaseOutRunsItsDurationAndRetargetsFromWhereItIs) {
    AnimatedValue hover;
    hover.animateTo(1.0, 10.0, Animation::easingOut(0.15));
    EXPECT_DOUBLE_EQ(hover.valueAt(10.0), 0.0);
    EXPECT_NEAR(hover.valueAt(10.075), easeOut(0.5), 1e-9);
    EXPECT_FALSE(hover.settledAt(10.1));
    EXPECT_DOUBLE_EQ(hover.valueAt(10.15), 1.0);
    EXPECT_TRUE(hover.settledAt(10.15));

    // Leaving half-way goes back from the value reached, over a whole 0.15 s.
    hover.jumpTo(0.0);
    hover.animateTo(1.0, 20.0, Animation::easingOut(0.15));
    const double reached = hover.valueAt(20.05);
    hover.animateTo(0.0, 20.05, Animation::easingOut(0.15));
    EXPECT_DOUBLE_EQ(hover.valueAt(20.05), reached);
    EXPECT_NEAR(hover.valueAt(20.125), reached * (1 - easeOut(0.5)), 1e-9);
    EXPECT_DOUBLE_EQ(hover.valueAt(20.21), 0.0);

    // No animation jumps; a spring overshoots with damping below 1 and settles.
    AnimatedValue bar;
    bar.animateTo(1.0, 0.0, Animation::instant());
    EXPECT_DOUBLE_EQ(bar.valueAt(0.0), 1.0);
    bar.animateTo(0.0, 0.0, Animation::springy({0.6, 0.7}));
    double lowest = 1.0;
    for (double t = 0; t < 1.0; t += 0.01) lowest = std::min(lowest, bar.valueAt(t));
    EXPECT_LT(lowest, -0.01);
    EXPECT_TRUE(bar.settledAt(3.0));
    EXPECT_NEAR(bar.valueAt(3.0), 0.0, 1e-3);
}

TEST(PaneLook, SlidesScalesAndFadesByPresence) {
    const QSizeF size(400, 300);
    // Gone: off its leading edge by its own width, transparent.
    PaneLook look = paneLook(Transition::slide(Edge::leading), 0.0, size);
    EXPECT_EQ(look.offset, QPointF(-400, 0));
    EXPECT_EQ(look.opacity, 0);
    EXPECT_EQ(look.scale, 1);
    // Leading is the right side in a right-to-left interface.
    EXPECT_EQ(paneLook(Transition::slide(Edge::leading), 0.0, size, Qt::RightToLeft).offset, QPointF(400, 0));
    EXPECT_EQ(paneLook(Transition::slide(Edge::trailing), 0.25, size).offset, QPointF(300, 0));
    EXPECT_EQ(paneLook(Transition::slide(Edge::bottom), 0.5, size).offset, QPointF(0, 150));
    EXPECT_DOUBLE_EQ(paneLook(Transition::slide(Edge::bottom), 0.5, size).opacity, 0.5);

    look = paneLook(Transition::scaled(0.92), 0.0, size);
    EXPECT_DOUBLE_EQ(look.scale, 0.92);
    EXPECT_EQ(look.offset, QPointF(0, 0));
    EXPECT_DOUBLE_EQ(paneLook(Transition::scaled(1.12), 0.5, size).scale, 1.06);
    // In place: untouched. A spring's overshoot never takes opacity past 1.
    look = paneLook(Transition::scaled(0.9), 1.0, size);
    EXPECT_EQ(look.scale, 1);
    EXPECT_EQ(look.opacity, 1);
    EXPECT_EQ(paneLook(Transition::opacity(), 1.05, size).opacity, 1);
    EXPECT_EQ(paneLook(Transition::opacity(), -0.05, size).opacity, 0);
}

TEST(CountingBytes, CountsWithTheFiguresSpringAndEndsExactly) {
    CountingBytes figure(Spring{0.5, 0.7});
    figure.setBytes(10'000'000'000, 0.0, false);
    EXPECT_EQ(figure.partsAt(0.0), (Bytes::Parts{"10.0", "G"}));
    EXPECT_TRUE(figure.settledAt(0.0));

    figure.setBytes(13'000'000'000, 100.0, true);
    EXPECT_EQ(figure.target(), 13'000'000'000);
    EXPECT_EQ(figure.shownAt(100.0), 10'000'000'000);
    const int64_t early = figure.shownAt(100.05);
    EXPECT_GT(early, 10'000'000'000);
    EXPECT_LT(early, 13'000'000'000);
    // Damping 0.7 passes the target once before it comes back.
    int64_t highest = 0;
    for (double t = 100; t < 101; t += 0.005) highest = std::max(highest, figure.shownAt(t));
    EXPECT_GT(highest, 13'050'000'000);
    EXPECT_LT(highest, 13'300'000'000);
    EXPECT_TRUE(figure.settledAt(102.0));
    EXPECT_EQ(figure.shownAt(102.0), 13'000'000'000);
    EXPECT_EQ(figure.partsAt(102.0), (Bytes::Parts{"13.0", "G"}));

    // A new figure mid-count counts on from the value shown, never jumping back.
    figure.setBytes(5'000'000'000, 200.0, true);
    const int64_t shownThen = figure.shownAt(200.1);
    figure.setBytes(6'000'000'000, 200.1, true);
    EXPECT_EQ(figure.shownAt(200.1), shownThen);
    EXPECT_EQ(figure.shownAt(203.0), 6'000'000'000);
    // Counting across a unit shows the unit of the value on its way.
    figure.setBytes(900'000'000, 300.0, false);
    figure.setBytes(1'200'000'000, 300.0, true);
    EXPECT_EQ(figure.partsAt(300.0).unit, "M");
    EXPECT_EQ(figure.partsAt(303.0).unit, "G");
}
