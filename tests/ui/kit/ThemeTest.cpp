#include <gtest/gtest.h>

#include "ui/kit/KitClock.h"
#include "ui/kit/Spring.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

TEST(ThemeTest, PaletteColoursAndInk) {
    // light, base, deep of every flavour, in declaration order.
    const int table[13][9] = {
        {255, 179, 199, 255, 92, 138, 214, 46, 99},   {255, 224, 138, 255, 176, 32, 224, 122, 0},
        {200, 247, 160, 111, 216, 74, 58, 166, 42},   {181, 200, 255, 91, 124, 255, 49, 72, 214},
        {220, 194, 255, 161, 102, 255, 110, 53, 216}, {255, 205, 181, 255, 138, 92, 224, 90, 46},
        {176, 245, 232, 47, 211, 181, 19, 161, 137},  {255, 168, 168, 245, 67, 90, 191, 30, 58},
        {255, 246, 168, 255, 221, 60, 217, 168, 0},   {255, 200, 240, 255, 111, 216, 209, 59, 174},
        {184, 236, 255, 62, 197, 255, 18, 144, 214},  {230, 195, 240, 184, 111, 208, 134, 64, 158},
        {228, 224, 242, 169, 162, 204, 116, 112, 160}};
    for (std::size_t i = 0; i < allFlavors.size(); ++i) {
        const JellyPalette p = palette(allFlavors[i]);
        const int* c = table[i];
        EXPECT_EQ(p.light, QColor(c[0], c[1], c[2])) << flavorName(allFlavors[i]);
        EXPECT_EQ(p.base, QColor(c[3], c[4], c[5])) << flavorName(allFlavors[i]);
        EXPECT_EQ(p.deep, QColor(c[6], c[7], c[8])) << flavorName(allFlavors[i]);
    }
    for (Flavor flavor : allFlavors) {
        const JellyPalette p = palette(flavor);
        EXPECT_EQ(p.ink, flavor == Flavor::lemon ? QColor(107, 74, 0) : QColor(Qt::white)) << flavorName(flavor);
        EXPECT_EQ(p.base.alpha(), 255);
    }

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
