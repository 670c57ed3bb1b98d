#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <thread>

#include "ui/jelly/JellyBody.h"
#include "ui/jelly/JellyShape.h"
#include "ui/kit/ImageEffects.h"
#include "ui/map/JellyBlob.h"

namespace sorbeta {
namespace {

const QRectF kRect(10, 20, 200, 100);

TEST(JellyShapeTest, RestingOutlinePassesEdgeMidpointsAtAnyTime) {
    for (double time : {0.0, 1.3, 77.0}) {
        const auto points = JellyShape{.time = time, .seed = 2.0, .squareness = 4.4}.outline(kRect);
        EXPECT_NEAR(points[0].x(), 210, 1e-9);
        EXPECT_NEAR(points[0].y(), 70, 1e-9);
        EXPECT_NEAR(points[9].x(), 110, 1e-4);
        EXPECT_NEAR(points[9].y(), 120, 1e-9);
        EXPECT_NEAR(points[18].x(), 10, 1e-9);
        EXPECT_NEAR(points[27].y(), 20, 1e-9);
        EXPECT_NEAR(points[27].x(), 110, 1e-4);
    }
    // Squareness 2 is an ellipse; 1 a rhombus; larger is squarer.
    const auto ellipse = JellyShape{.squareness = 2}.outline(kRect);
    for (const QPointF& p : ellipse) {
        const double u = (p.x() - 110) / 100, v = (p.y() - 70) / 50;
        EXPECT_NEAR(u * u + v * v, 1.0, 1e-9);
    }
    const auto rhombus = JellyShape{.squareness = 1}.outline(kRect);
    for (const QPointF& p : rhombus) EXPECT_NEAR(std::abs(p.x() - 110) / 100 + std::abs(p.y() - 70) / 50, 1.0, 1e-9);
    const auto square = JellyShape{.squareness = 4.4}.outline(kRect);
    EXPECT_GT(std::abs(square[4].x() - 110), std::abs(ellipse[4].x() - 110));  // 40°: further out
}

TEST(JellyShapeTest, WobbleMovesInwardsWithinItsDepth) {
    const auto rest = JellyShape{.squareness = 4.4}.outline(kRect);
    const JellyShape wobbly{.time = 3.0, .seed = 1.0, .wobble = 6.0, .squareness = 4.4};
    const auto moved = wobbly.outline(kRect);
    bool changed = false;
    for (int k = 0; k < JellyShape::kPointCount; ++k) {
        const double d = std::hypot(moved[k].x() - rest[k].x(), moved[k].y() - rest[k].y());
        EXPECT_LE(d, 6.0 + 1e-9);
        const double inner = std::hypot(moved[k].x() - 110, moved[k].y() - 70);
        const double outer = std::hypot(rest[k].x() - 110, rest[k].y() - 70);
        EXPECT_LE(inner, outer + 1e-9);
        changed |= d > 0.1;
    }
    EXPECT_TRUE(changed);
    JellyShape later = wobbly;
    later.time = 3.5;
    EXPECT_NE(later.outline(kRect), moved);
}

TEST(JellyShapeTest, PullBulgesTowardsThePoint) {
    const auto rest = JellyShape{.squareness = 4.4}.outline(kRect);
    JellyShape pulled{.squareness = 4.4, .pull = QPointF(0.5, 0.0), .pullAmount = 0.0};
    EXPECT_EQ(pulled.outline(kRect), rest);  // amount 0 changes nothing
    pulled.pullAmount = 10;
    const auto bulged = pulled.outline(kRect);
    EXPECT_NEAR(bulged[27].y(), 20 - 10, 1e-9);  // top midpoint moves up the full amount
    EXPECT_NEAR(bulged[9].y() - 120, 10 * std::exp(-10000.0 / (2 * 38.0 * 38.0)), 1e-9);  // σ = 38

    // A tiny rect keeps σ at 20: the bulge reaches the whole blob.
    const QRectF tiny(0, 0, 10, 10);
    JellyShape small{.squareness = 4.4, .pull = QPointF(0.5, 0.0), .pullAmount = 4};
    const auto smallRest = JellyShape{.squareness = 4.4}.outline(tiny);
    const auto smallPulled = small.outline(tiny);
    EXPECT_GT(smallPulled[9].y() - smallRest[9].y(), 4 * std::exp(-100.0 / 800.0) - 1e-9);

    // A zero rect collapses to its centre.
    for (const QPointF& p : JellyShape{.wobble = 3, .squareness = 4.4}.outline(QRectF(5, 5, 0, 0)))
        EXPECT_LT(std::hypot(p.x() - 5, p.y() - 5), 3.0 + 1e-9);
    EXPECT_TRUE(JellyShape::smoothClosed(std::vector<QPointF>{{0, 0}, {1, 1}}).isEmpty());
}

TEST(JellyShapeTest, SeedAndHitShape) {
    const double seed = jellySeed("com.example.id");
    EXPECT_GE(seed, 0.0);
    EXPECT_LT(seed, 6.28);
    EXPECT_EQ(seed, jellySeed("com.example.id"));
    const QPainterPath hit = jellyHitShape(QRectF(0, 0, 100, 100), seed, jellySquareness(MapNode::Kind::item));
    EXPECT_TRUE(hit.contains(QPointF(50, 50)));
    EXPECT_TRUE(hit.contains(QPointF(97, 50)));
    EXPECT_FALSE(hit.contains(QPointF(1, 1)));  // rounded-off corner
    EXPECT_EQ(jellySquareness(MapNode::Kind::free), 3.4);
}

QImage render(const JellyBodyStyle& style, const JellyShape& shape = {.squareness = 4.4}) {
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintJellyBody(painter, QRectF(50, 40, 200, 120), shape, palette(Flavor::strawberry), style);
    return image;
}

TEST(JellyShapeTest, BodyPaintsFlavourShadowsAndRings) {
    const QImage body = render({});
    // Middle of the body is near the base colour; the top-left is lighter than the bottom-right.
    const QColor middle = body.pixelColor(150, 110);
    EXPECT_GT(middle.red(), 200);
    EXPECT_LT(middle.green(), 140);
    EXPECT_GT(body.pixelColor(90, 100).green(), body.pixelColor(230, 140).green());
    // Drop shadow below the body (offset 8 down), nothing far outside.
    EXPECT_LT(body.pixelColor(150, 166).green(), 245);
    EXPECT_EQ(body.pixelColor(5, 5), QColor(Qt::white));
    // The gloss ellipse brightens the upper left inside.
    const JellyGloss gloss = jellyGloss(QSizeF(200, 120), QSizeF());
    const QPointF g = gloss.ellipse.center() + QPointF(50, 40 - gloss.ellipse.height() / 4);
    EXPECT_GT(body.pixelColor(g.toPoint()).green(), middle.green() + 40);

    // Selection ring 5 points outside the frame in the deep colour, dashed.
    const QImage selected = render({.selected = true});
    int deepish = 0;
    for (int x = 60; x < 240; ++x) {
        const QColor c = selected.pixelColor(x, 35);
        if (c.red() > 150 && c.green() < 120) ++deepish;
    }
    EXPECT_GT(deepish, 10);
    EXPECT_LT(deepish, 150);

    // Glass is pale and see-through; glow lightens.
    const QImage glass = render({.glass = true});
    EXPECT_GT(glass.pixelColor(150, 110).green(), 200);
    const QImage glow = render({.glow = 3.0});
    EXPECT_GT(glow.pixelColor(150, 110).green(), middle.green());
    // Zero size draws nothing.
    QImage empty(20, 20, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::white);
    QPainter painter(&empty);
    paintJellyBody(painter, QRectF(10, 10, 0, 0), {}, palette(Flavor::lime));
    painter.end();
    EXPECT_EQ(empty.pixelColor(10, 10), QColor(Qt::white));
}

TEST(JellyShapeTest, BodiesRenderOffTheMainThreadToo) {
    QImage offThread;
    std::thread worker([&] { offThread = render({}, {.time = 0.5, .wobble = 3, .squareness = 4.4}); });
    const QImage here = render({}, {.time = 0.5, .wobble = 3, .squareness = 4.4});
    worker.join();
    EXPECT_EQ(offThread, here);
}

TEST(JellyShapeTest, ShadowLayersAreCachedAcrossFrames) {
    ImageEffects::LayerCache::shared().clear();
    const qsizetype before = ImageEffects::LayerCache::shared().misses();
    for (double t = 0; t < 1; t += 0.1) render({}, {.time = t, .wobble = 4, .squareness = 4.4});
    EXPECT_EQ(ImageEffects::LayerCache::shared().misses() - before, 2);  // drop + both inner

    // A layer of another size with the same look can stand in; a different look cannot.
    ImageEffects::LayerCache cache;
    auto make = [] {
        return ImageEffects::Layer{QImage(4, 4, QImage::Format_ARGB32_Premultiplied), QRectF(0, 0, 4, 4), {}};
    };
    cache.get({.effect = 1, .width = 100, .height = 40, .color = 7}, make);
    cache.get({.effect = 1, .width = 200, .height = 40, .color = 7}, make);
    cache.get({.effect = 1, .width = 120, .height = 40, .color = 8}, make);
    ImageEffects::LayerCache::Key found;
    EXPECT_TRUE(cache.nearest({.effect = 1, .width = 112, .height = 44, .color = 7}, &found).has_value());
    EXPECT_EQ(found.width, 100);
    EXPECT_FALSE(cache.nearest({.effect = 2, .width = 124, .height = 44, .color = 7}, &found).has_value());
    EXPECT_FALSE(cache.nearest({.effect = 1, .width = 150, .height = 40, .color = 7}, &found).has_value());  // too far

    // Skipping a layer's transparent middle draws the same pixels.
    QPainterPath ring;
    ring.addEllipse(QRectF(20, 20, 160, 100));
    ImageEffects::Layer full = ImageEffects::innerShadow(ring, QColor(200, 0, 0), 10, {0, 6});
    ImageEffects::toFullResolution(full, 1.0);
    ImageEffects::Layer holed = full;
    ImageEffects::findHole(holed);
    EXPECT_FALSE(holed.hole.isEmpty());
    QImage a(240, 180, QImage::Format_ARGB32_Premultiplied), b = a;
    a.fill(Qt::white);
    b.fill(Qt::white);
    {
        QPainter pa(&a), pb(&b);
        pa.translate(3.3, 2.6);
        pb.translate(3.3, 2.6);
        ImageEffects::drawLayer(pa, full);
        ImageEffects::drawLayer(pb, holed);
    }
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            worst = std::max(worst, std::abs(qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y))));
    EXPECT_LE(worst, 2);

    QImage mask(41, 41, QImage::Format_Alpha8);
    mask.fill(0);
    mask.scanLine(20)[20] = 255;
    ImageEffects::blur(mask, 3.0);
    EXPECT_GT(mask.scanLine(20)[20], 0);
    EXPECT_LT(mask.scanLine(20)[20], 60);
    EXPECT_EQ(mask.scanLine(20)[17], mask.scanLine(20)[23]);  // symmetric
    EXPECT_EQ(mask.scanLine(0)[0], 0);
}

}  // namespace
}  // namespace sorbeta
