#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <atomic>
#include <thread>
#include <vector>

#include "ui/jelly/JellyBody.h"
#include "ui/jelly/JellyShape.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/Theme.h"

using namespace sorbeta;
using ImageEffects::Layer;
using ImageEffects::LayerCache;

namespace {

Layer layerOf(int width, int height) {
    return {QImage(width, height, QImage::Format_ARGB32_Premultiplied), QRectF(0, 0, width, height), {}};
}

LayerCache::Key keyOf(int width, int height, int ratio = 100) {
    return {.effect = 1, .width = width, .height = height, .pixelRatio = ratio};
}

// A thousand different layers never hold more bytes than the limit; the least
// recently used go first.
TEST(LayerCacheTest, StaysUnderItsLimitEvictingTheLeastRecentlyUsed) {
    constexpr qint64 limit = 4 << 20;
    LayerCache cache(limit);
    for (int i = 0; i < 1000; ++i) {
        const int w = 40 + (i * 37) % 400, h = 30 + (i * 53) % 200;
        cache.get(keyOf(w, h), [&] { return layerOf(w, h); });
        ASSERT_LE(cache.bytes(), limit) << "after " << i;
    }
    EXPECT_GT(cache.size(), 5);
    EXPECT_EQ(cache.misses(), 1000);

    // Three layers of 1 MB in a cache of 2.5 MB: the one used most lately stays.
    LayerCache small((5 << 20) / 2);
    auto make = [](int w) { return [w] { return layerOf(w, 256); }; };
    small.get(keyOf(1024, 256), make(1024));
    small.get(keyOf(1025, 256), make(1025));
    ASSERT_TRUE(small.find(keyOf(1024, 256)).has_value());  // used again
    small.get(keyOf(1026, 256), make(1026));
    EXPECT_TRUE(small.find(keyOf(1024, 256)).has_value());
    EXPECT_FALSE(small.find(keyOf(1025, 256)).has_value());
    EXPECT_TRUE(small.find(keyOf(1026, 256)).has_value());

    // A layer larger than the whole limit is still handed out, and kept alone.
    const Layer huge = small.get(keyOf(4000, 1000), [] { return layerOf(4000, 1000); });
    EXPECT_EQ(huge.image.width(), 4000);
    EXPECT_EQ(small.size(), 1);

    // Finer screens get more room, up to a ceiling.
    LayerCache fine(limit);
    fine.get(keyOf(10, 10, 200), [] { return layerOf(10, 10); });
    EXPECT_EQ(fine.limit(), 4 * limit);
    fine.get(keyOf(10, 10, 10000), [] { return layerOf(10, 10); });
    EXPECT_EQ(fine.limit(), LayerCache::kLargestLimit);

    fine.clear();
    EXPECT_EQ(fine.size(), 0);
    EXPECT_EQ(fine.bytes(), 0);
}

// Bands of the map paint the same jellies at once: a layer asked for by many
// threads together is made once and every thread gets it.
TEST(LayerCacheTest, ThreadsShareALayerBeingMade) {
    LayerCache cache;
    std::atomic<int> made = 0;
    std::vector<std::thread> threads;
    std::vector<int> widths(6);
    for (int t = 0; t < 6; ++t)
        threads.emplace_back([&, t] {
            const Layer layer = cache.get(keyOf(64, 64), [&] {
                ++made;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                return layerOf(64, 64);
            });
            widths[std::size_t(t)] = layer.image.width();
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(made.load(), 1);
    EXPECT_EQ(widths, std::vector<int>(6, 64));
}

// Real jellies of many sizes, as a long hover over a changing map makes them:
// the shared cache stays within its limit.
TEST(LayerCacheTest, ManyJelliesKeepTheSharedCacheBounded) {
    LayerCache& shared = LayerCache::shared();
    shared.clear();
    QImage image(700, 500, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);
    QPainter painter(&image);
    for (int i = 0; i < 120; ++i) {
        const QRectF rect(5, 5, 60 + (i * 7) % 280, 40 + (i * 11) % 190);
        paintJellyBody(painter, rect, JellyShape{.time = 0.1 * i, .squareness = 4.4}, palette(Flavor(i % 6)));
        ASSERT_LE(shared.bytes(), shared.limit()) << "after " << i;
    }
    painter.end();
    EXPECT_LE(shared.limit(), LayerCache::kLargestLimit);
    EXPECT_GT(shared.misses(), 0);
    shared.clear();
}

}  // namespace
