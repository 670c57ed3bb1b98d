// A jelly's outline laid into a coverage raster (its fill, the selection
// band, the dashes) must look like the painter's own fill and strokes of the
// same outline.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "ui/jelly/JellyOutlineRaster.h"
#include "ui/jelly/JellyShape.h"

namespace sorbeta {
namespace {

constexpr QSize kSize(260, 200);
// Every row of the picture, with columns well beyond it on both sides.
constexpr QRect kKept(QPoint(-100, 0), QPoint(kSize.width() + 100, kSize.height() - 1));
const QRectF kBox(0, 0, 200, 140);

JellyShape wobbling() {
    return JellyShape{
        .time = 1.9, .seed = 0.8, .wobble = 4, .squareness = 4.4, .pull = QPointF(0.8, 0.2), .pullAmount = 7};
}

QTransform placed() { return QTransform::fromTranslate(30.3, 29.6); }

struct Levels {
    std::vector<int> values;
    long total = 0;
    int at(int x, int y) const { return values[std::size_t(y * kSize.width() + x)]; }
};

Levels ours(const std::function<void(CoverageRaster&)>& add) {
    CoverageRaster raster;
    raster.reset(kKept);
    add(raster);
    raster.finish();
    Levels levels{std::vector<int>(std::size_t(kSize.width() * kSize.height()), 0)};
    for (int y = 0; y < kSize.height(); ++y)
        raster.row(y, 0, kSize.width() - 1, [&](int x, int count, int coverage) {
            for (int i = x; i < x + count; ++i) levels.values[std::size_t(y * kSize.width() + i)] = coverage;
            levels.total += long(coverage) * count;
        });
    return levels;
}

Levels painted(const QTransform& transform, const std::function<void(QPainter&)>& paint) {
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(transform);
        paint(painter);
    }
    Levels levels{std::vector<int>(std::size_t(kSize.width() * kSize.height()), 0)};
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x) {
            levels.values[std::size_t(y * kSize.width() + x)] = qAlpha(image.pixel(x, y));
            levels.total += qAlpha(image.pixel(x, y));
        }
    return levels;
}

// Largest level difference, and the share of pixels off by more than `by`.
std::pair<int, double> difference(const Levels& a, const Levels& b, int by) {
    int largest = 0;
    long off = 0;
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        const int d = std::abs(a.values[i] - b.values[i]);
        largest = std::max(largest, d);
        if (d > by) ++off;
    }
    return {largest, double(off) / double(a.values.size())};
}

QPainterPath dashedStroke(const QPainterPath& path, double width, double on, double off) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(10);
    stroker.setDashPattern({on / width, off / width});
    return stroker.createStroke(path);
}

TEST(JellyOutlineRasterTest, FillLooksLikeThePaintersFill) {
    const JellyShape shape = wobbling();
    const auto points = shape.outline(kBox);
    // Upright as at rest, and in perspective as under the pointer.
    QTransform tilted;
    tilted.setMatrix(1.02, 0.03, 0.0004, -0.02, 0.98, -0.0003, 31, 27, 1);
    for (const QTransform& t : {placed(), tilted}) {
        const std::vector<QPointF> line = flattenClosedSpline(points, 0.05);
        const Levels raster = ours([&](CoverageRaster& r) { addFill(r, line, t); });
        const Levels qt = painted(t, [&](QPainter& p) { p.fillPath(shape.path(kBox), Qt::white); });
        // Qt flattens its curves more coarsely: a few edge pixels differ by
        // a tenth of a pixel's coverage.
        const auto [largest, off] = difference(raster, qt, 8);
        EXPECT_LE(largest, 32);
        EXPECT_LT(off, 0.006);
        EXPECT_NEAR(double(raster.total) / double(qt.total), 1.0, 1e-3);
    }
}

TEST(JellyOutlineRasterTest, FlatteningStaysWithinItsTolerance) {
    const JellyShape shape = wobbling();
    const auto points = shape.outline(kBox);
    const QPainterPath path = shape.path(kBox);
    for (const double tolerance : {0.5, 0.05}) {
        const std::vector<QPointF> line = flattenClosedSpline(points, tolerance);
        // Every chord's middle lies within the tolerance of the curve (Qt's
        // own fine flattening of it, at 64 times the size).
        const QPolygonF curve = path.toFillPolygon(QTransform::fromScale(64, 64));
        for (std::size_t i = 0; i < line.size(); ++i) {
            const QPointF middle = (line[i] + line[(i + 1) % line.size()]) / 2 * 64;
            double nearest = 1e9;
            for (qsizetype k = 0; k + 1 < curve.size(); ++k) {
                const QPointF a = curve[k], edge = curve[k + 1] - a;
                const double squared = QPointF::dotProduct(edge, edge);
                const double t =
                    squared > 0 ? std::clamp(QPointF::dotProduct(middle - a, edge) / squared, 0.0, 1.0) : 0;
                const QPointF foot = a + edge * t;
                nearest = std::min(nearest, std::hypot(foot.x() - middle.x(), foot.y() - middle.y()));
            }
            EXPECT_LE(nearest / 64, tolerance * 1.2 + 0.02) << tolerance << " chord " << i;
        }
    }
    // A finer tolerance takes more chords; no two points repeat.
    const auto coarse = flattenClosedSpline(points, 0.5), fine = flattenClosedSpline(points, 0.05);
    EXPECT_GT(fine.size(), coarse.size());
    for (std::size_t i = 0; i < fine.size(); ++i) EXPECT_NE(fine[i], fine[(i + 1) % fine.size()]);
    EXPECT_TRUE(flattenClosedSpline(std::span<const QPointF>(points.data(), 2), 0.05).empty());
}

TEST(JellyOutlineRasterTest, BandLooksLikeAPenOfItsWidth) {
    const JellyShape shape = wobbling();
    const std::vector<QPointF> line = flattenClosedSpline(shape.outline(kBox), 0.05);
    const Levels raster = ours([&](CoverageRaster& r) { addBand(r, line, 3, placed()); });
    const Levels qt = painted(placed(), [&](QPainter& p) { p.strokePath(shape.path(kBox), QPen(Qt::white, 3)); });
    const auto [largest, off] = difference(raster, qt, 24);
    EXPECT_LE(largest, 40);
    EXPECT_LT(off, 0.001);
    EXPECT_NEAR(double(raster.total) / double(qt.total), 1.0, 0.01);
    // Inside the band nothing shows.
    EXPECT_EQ(raster.at(130, 100), 0);
}

TEST(JellyOutlineRasterTest, DashesLookLikeADashedPen) {
    const JellyShape shape = wobbling();
    struct Pattern {
        double width, on, off;
    };
    // The glass look's dashes and the selection ring's.
    for (const Pattern& pattern : {Pattern{1.5, 5, 5}, Pattern{2, 2, 5}}) {
        const std::vector<QPointF> line = flattenClosedSpline(shape.outline(kBox), 0.05);
        const Levels raster = ours([&](CoverageRaster& r) {
            const QRect whole(QPoint(0, 0), kSize);
            addDashes(r, line, pattern.width, pattern.on, pattern.off, placed(), std::span(&whole, 1));
        });
        const QPainterPath dashes = dashedStroke(shape.path(kBox), pattern.width, pattern.on, pattern.off);
        const Levels qt = painted(placed(), [&](QPainter& p) { p.fillPath(dashes, Qt::white); });
        // The same ink, dash for dash; lengths measured along chords drift
        // by a fraction of a point over the whole outline.
        EXPECT_NEAR(double(raster.total) / double(qt.total), 1.0, 0.03) << pattern.on;
        EXPECT_LT(difference(raster, qt, 96).second, 0.004) << pattern.on;
        // The first dash starts where the outline does, on its right middle.
        const QPointF start = placed().map(line.front());
        EXPECT_GT(raster.at(int(start.x()), int(start.y()) + 1), 100) << pattern.on;
    }
}

TEST(JellyOutlineRasterTest, OnlyDashesNearTheRegionAreLaidIn) {
    const std::vector<QPointF> line = flattenClosedSpline(wobbling().outline(kBox), 0.05);
    // A piece of the top edge, one of the middle (no outline there) and one
    // of the bottom edge, in a region's order.
    const std::vector<QRect> region{QRect(40, 30, 30, 20), QRect(100, 80, 20, 20), QRect(150, 160, 20, 15)};
    const Levels levels = ours([&](CoverageRaster& r) { addDashes(r, line, 2, 2, 5, placed(), region); });
    auto inkWithin = [&](const QRect& area) {
        long ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) ink += levels.at(x, y);
        return ink;
    };
    EXPECT_GT(inkWithin(region[0]), 0);
    EXPECT_EQ(inkWithin(region[1]), 0);
    EXPECT_GT(inkWithin(region[2]), 0);
    // Every dash laid in lies next to a rectangle of the region.
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x) {
            if (levels.at(x, y) == 0) continue;
            EXPECT_TRUE(std::any_of(region.begin(), region.end(),
                                    [&](const QRect& r) { return r.adjusted(-6, -6, 6, 6).contains(x, y); }))
                << x << "," << y;
        }
    // An empty region lays in nothing.
    EXPECT_EQ(ours([&](CoverageRaster& r) { addDashes(r, line, 2, 2, 5, placed(), {}); }).total, 0);
}

TEST(JellyOutlineRasterTest, ABrokenLineLaysInNoDashesAndReturnsAtOnce) {
    // A point that is not a number, or one absurdly far away, would make the
    // line's length endless or billions of dashes long.
    const std::vector<QPointF> line = flattenClosedSpline(wobbling().outline(kBox), 0.05);
    const QRect whole(QPoint(0, 0), kSize);
    for (const QPointF bad : {QPointF(std::nan(""), 50), QPointF(3e9, 50), QPointF(60, -1e300)}) {
        std::vector<QPointF> broken = line;
        broken[broken.size() / 2] = bad;
        const Levels levels =
            ours([&](CoverageRaster& r) { addDashes(r, broken, 2, 2, 5, placed(), std::span(&whole, 1)); });
        EXPECT_EQ(levels.total, 0) << bad.x();
    }
}

}  // namespace
}  // namespace sorbeta
