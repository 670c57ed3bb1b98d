#include <gtest/gtest.h>

#include "ui/KitClock.h"
#include "ui/Spring.h"
#include "ui/Theme.h"

namespace sorbeta {
namespace {

TEST(ThemeTest, PaletteColoursAndInk) {
    for (Flavor flavor : allFlavors) {
        const JellyPalette p = palette(flavor);
        EXPECT_EQ(p.ink, flavor == Flavor::lemon ? QColor(107, 74, 0) : QColor(Qt::white))
            << flavorName(flavor);
        EXPECT_EQ(p.base.alpha(), 255);
    }
    EXPECT_EQ(palette(Flavor::strawberry).base, QColor(255, 92, 138));
    EXPECT_EQ(palette(Flavor::cloud).deep, QColor(116, 112, 160));
    EXPECT_EQ(palette(Flavor::sky).light, QColor(184, 236, 255));

    EXPECT_EQ(Theme::paper(), QColor(255, 247, 251));
    EXPECT_EQ(Theme::ink(), QColor(58, 42, 77));
    EXPECT_EQ(Theme::inkSoft().rgb(), Theme::ink().rgb());
    EXPECT_NEAR(Theme::inkSoft().alphaF(), 0.55, 0.002);
    EXPECT_EQ(Theme::hairline().rgb(), Theme::ink().rgb());
    EXPECT_NEAR(Theme::hairline().alphaF(), 0.08, 0.002);

    const QFont font = roundedFont(15, QFont::Bold);
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_EQ(font.family(), QString("Noto Sans CJK SC"));
}

TEST(ThemeTest, SpringConstantsAndMotion) {
    const Spring spring{0.5, 0.4};
    EXPECT_NEAR(spring.stiffness(), std::pow(2 * M_PI / 0.5, 2), 1e-9);
    EXPECT_NEAR(spring.damping(), 4 * M_PI * 0.4 / 0.5, 1e-9);

    for (double zeta : {0.4, 1.0, 1.6}) {
        SpringValue value(Spring{0.3, zeta}, 0.0);
        value.setTarget(1.0, 10.0);
        EXPECT_DOUBLE_EQ(value.valueAt(10.0), 0.0);
        EXPECT_GT(value.valueAt(10.05), 0.0);
        EXPECT_NEAR(value.valueAt(13.0), 1.0, 1e-3) << zeta;
        EXPECT_TRUE(value.settledAt(13.0));
        // Velocity is continuous across a retarget.
        const double v = value.velocityAt(10.1);
        value.setTarget(0.0, 10.1);
        EXPECT_NEAR(value.velocityAt(10.1), v, 1e-9);
    }
    SpringValue instant(Spring{0.0, 0.5}, 0.0);
    instant.setTarget(3.0, 1.0);
    EXPECT_EQ(instant.valueAt(1.0), 3.0);

    // An underdamped spring overshoots.
    SpringValue bouncy(Spring{0.25, 0.4}, 0.0);
    bouncy.setTarget(1.0, 0.0);
    double peak = 0;
    for (double t = 0; t < 1.0; t += 0.005) peak = std::max(peak, bouncy.valueAt(t));
    EXPECT_GT(peak, 1.1);
}

TEST(ThemeTest, KitClockIsInjectable) {
    const double real = kitNow();
    EXPECT_GT(real, 7e8);  // well after 2023 in seconds since 2001
    {
        ManualKitClock clock(50.0);
        EXPECT_EQ(kitNow(), 50.0);
        clock.advance(0.25);
        EXPECT_EQ(kitNow(), 50.25);
    }
    EXPECT_GE(kitNow(), real);
}

}  // namespace
}  // namespace sorbeta
