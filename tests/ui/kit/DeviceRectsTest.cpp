// Cutting a repaint region's rectangles down to a box must give exactly the
// pixels QRegion's own intersection gives, in an order later cuts can use.
#include <gtest/gtest.h>

#include <QRegion>
#include <random>
#include <vector>

#include "ui/kit/DeviceRects.h"

namespace sorbeta {
namespace {

QRegion regionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& r : rects) region += r;
    return region;
}

// Whether two regions hold the same pixels, however they split them.
bool samePixels(const QRegion& a, const QRegion& b) { return a.xored(b).isEmpty(); }

// Many thin strips, as a frame of a wobbling map gathers.
QRegion scatteredStrips(std::mt19937& random) {
    std::uniform_int_distribution<int> at(0, 400), length(1, 60), thin(1, 6);
    QRegion region;
    for (int i = 0; i < 120; ++i) {
        const bool upright = i % 2 == 0;
        const int w = upright ? thin(random) : length(random), h = upright ? length(random) : thin(random);
        region += QRect(at(random), at(random), w, h);
    }
    return region;
}

TEST(DeviceRectsTest, CutsTheSamePixelsAsARegionDoesAndKeepsTheOrder) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> at(-40, 420), size(0, 200);
    for (int round = 0; round < 40; ++round) {
        const QRegion region = scatteredStrips(random);
        const std::span<const QRect> rects(region.begin(), region.end());
        for (int box = 0; box < 20; ++box) {
            const QRect cut(at(random), at(random), size(random), size(random));
            const std::vector<QRect> within = DeviceRects::within(rects, cut);
            const QRegion expected = region & cut;
            EXPECT_EQ(DeviceRects::meets(rects, cut), !expected.isEmpty());
            EXPECT_TRUE(samePixels(regionOf(within), expected))
                << cut.x() << "," << cut.y() << " " << cut.width() << "x" << cut.height();
            EXPECT_EQ(DeviceRects::bounds(within), expected.boundingRect());
            // No pixel twice, and a second cut of the result still finds every rectangle.
            qint64 pixels = 0;
            for (const QRect& r : within) pixels += qint64(r.width()) * r.height();
            qint64 expectedPixels = 0;
            for (const QRect& r : expected) expectedPixels += qint64(r.width()) * r.height();
            EXPECT_EQ(pixels, expectedPixels);
            const QRect inner = cut.adjusted(cut.width() / 4, cut.height() / 4, -cut.width() / 4, -cut.height() / 4);
            EXPECT_TRUE(samePixels(regionOf(DeviceRects::within(within, inner)), region & inner));
        }
    }
}

TEST(DeviceRectsTest, EmptyBoxesAndRegionsGiveNothing) {
    const QRegion region(QRect(0, 0, 10, 10));
    const std::span<const QRect> rects(region.begin(), region.end());
    EXPECT_TRUE(DeviceRects::within(rects, QRect()).empty());
    EXPECT_TRUE(DeviceRects::within(rects, QRect(20, 20, 5, 5)).empty());
    EXPECT_TRUE(DeviceRects::within({}, QRect(0, 0, 5, 5)).empty());
    EXPECT_FALSE(DeviceRects::meets(rects, QRect()));
    EXPECT_FALSE(DeviceRects::meets({}, QRect(0, 0, 5, 5)));
    EXPECT_TRUE(DeviceRects::bounds({}).isEmpty());
    std::vector<QRect> moved = DeviceRects::within(rects, QRect(2, 3, 4, 4));
    DeviceRects::translate(moved, QPoint(0, -3));
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved.front(), QRect(2, 0, 4, 4));
}

}  // namespace
}  // namespace sorbeta
