// Coverage worked out cell by cell must match a painter's antialiased fill,
// and reading a few pixels must give what reading the whole row gives.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "ui/kit/CoverageRaster.h"

namespace sorbeta {
namespace {

constexpr QSize kSize(64, 48);

QImage qtCoverage(const std::vector<QPolygonF>& polygons) {
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF& polygon : polygons) path.addPolygon(polygon), path.closeSubpath();
    painter.fillPath(path, Qt::white);
    return image;
}

// Rows `top` to `bottom`, with columns well beyond the picture on both sides.
QRect keptRows(int top, int bottom) { return QRect(QPoint(-100, top), QPoint(kSize.width() + 100, bottom)); }

CoverageRaster& rasterOf(const std::vector<QPolygonF>& polygons, int top = 0, int bottom = kSize.height() - 1) {
    static CoverageRaster raster;
    raster.reset(keptRows(top, bottom));
    for (const QPolygonF& polygon : polygons) raster.addPolygon(std::vector<QPointF>(polygon.begin(), polygon.end()));
    raster.finish();
    return raster;
}

// Coverage of every pixel of each row, read one whole row at a time.
std::vector<int> wholeRows(const CoverageRaster& raster) {
    std::vector<int> levels(std::size_t(kSize.width() * kSize.height()), 0);
    for (int y = 0; y < kSize.height(); ++y)
        raster.row(y, 0, kSize.width() - 1, [&](int x, int count, int coverage) {
            for (int i = x; i < x + count; ++i) levels[std::size_t(y * kSize.width() + i)] = coverage;
        });
    return levels;
}

int largestDifference(const std::vector<int>& ours, const QImage& qt) {
    int largest = 0;
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x)
            largest = std::max(largest, std::abs(ours[std::size_t(y * kSize.width() + x)] - qAlpha(qt.pixel(x, y))));
    return largest;
}

QPolygonF randomPolygon(std::mt19937& random, int corners) {
    std::uniform_real_distribution<double> x(-6, kSize.width() + 6), y(-6, kSize.height() + 6);
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) polygon << QPointF(x(random), y(random));
    return polygon;
}

TEST(CoverageRasterTest, MatchesAnAntialiasedFill) {
    std::vector<std::vector<QPolygonF>> cases = {
        // Edges on pixel boundaries, a pixel-wide sliver, a tiny triangle.
        {QPolygonF({QPointF(4, 4), QPointF(20, 4), QPointF(20, 30), QPointF(4, 30)})},
        {QPolygonF({QPointF(10.5, 2), QPointF(11.5, 2), QPointF(11.5, 40), QPointF(10.5, 40)})},
        {QPolygonF({QPointF(30.2, 30.1), QPointF(30.9, 30.4), QPointF(30.4, 30.8)})},
        // A ring: the inner square runs the other way round.
        {QPolygonF({QPointF(5, 5), QPointF(55, 5), QPointF(55, 40), QPointF(5, 40)}),
         QPolygonF({QPointF(15.3, 15.6), QPointF(15.3, 30.2), QPointF(45.7, 30.2), QPointF(45.7, 15.6)})},
        // Overlapping shapes wound the same way count once.
        {QPolygonF({QPointF(5, 5), QPointF(40, 5), QPointF(40, 40), QPointF(5, 40)}),
         QPolygonF({QPointF(20, 20), QPointF(60, 20), QPointF(60, 45), QPointF(20, 45)})},
    };
    std::mt19937 random(7);
    for (int i = 0; i < 40; ++i) cases.push_back({randomPolygon(random, 3 + i % 9)});
    // The painter works in 1/256 of a pixel: where many edges cross, its
    // levels stray a little further from the exact areas.
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_LE(largestDifference(wholeRows(rasterOf(cases[i])), qtCoverage(cases[i])), 6) << "case " << i;
}

TEST(CoverageRasterTest, APartOfARowReadsAsTheWholeRowDoes) {
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        const std::vector<QPolygonF> polygons{randomPolygon(random, 7), randomPolygon(random, 5)};
        const CoverageRaster& raster = rasterOf(polygons);
        const std::vector<int> whole = wholeRows(raster);
        std::uniform_int_distribution<int> column(-4, kSize.width() + 4);
        for (int y = 0; y < kSize.height(); ++y) {
            const int a = column(random), b = column(random);
            int expected = std::min(a, b);
            raster.row(y, std::min(a, b), std::max(a, b), [&](int x, int count, int coverage) {
                EXPECT_EQ(x, expected);
                expected = x + count;
                for (int i = std::max(x, 0); i < std::min(x + count, kSize.width()); ++i) {
                    ASSERT_EQ(coverage, whole[std::size_t(y * kSize.width() + i)]);
                }
            });
            EXPECT_EQ(expected, std::max(a, b) + 1);
        }
    }
}

TEST(CoverageRasterTest, KeepsOnlyItsRowsAndStartsAfreshOnReset) {
    const std::vector<QPolygonF> square{QPolygonF({QPointF(8, 8), QPointF(30, 8), QPointF(30, 30), QPointF(8, 30)})};
    const CoverageRaster& raster = rasterOf(square, 12, 19);
    EXPECT_EQ(raster.bounds(), QRect(QPoint(8, 12), QPoint(30, 19)));
    int calls = 0;
    raster.row(11, 0, 40, [&](int, int, int) { ++calls; });
    raster.row(20, 0, 40, [&](int, int, int) { ++calls; });
    EXPECT_EQ(calls, 0);
    raster.row(15, 0, 40,
               [&](int x, int count, int coverage) { EXPECT_EQ(coverage, x >= 8 && x + count <= 30 ? 255 : 0) << x; });
    const CoverageRaster& empty = rasterOf({}, 0, 40);
    EXPECT_TRUE(empty.bounds().isEmpty());
    empty.row(15, 0, 40, [&](int, int, int coverage) { EXPECT_EQ(coverage, 0); });
}

TEST(CoverageRasterTest, KeptColumnsReadAsTheWholeRasterDoes) {
    // Edges left of the kept columns still wind the pixels right of them;
    // edges right of them are dropped without changing what is kept.
    std::mt19937 random(5);
    std::uniform_int_distribution<int> column(-8, kSize.width() + 8), row(-4, kSize.height() + 4);
    for (int round = 0; round < 40; ++round) {
        const std::vector<QPolygonF> polygons{randomPolygon(random, 4 + round % 7), randomPolygon(random, 3)};
        const std::vector<int> whole = wholeRows(rasterOf(polygons));
        const int a = column(random), b = column(random), c = row(random), d = row(random);
        const QRect kept(QPoint(std::min(a, b), std::min(c, d)), QPoint(std::max(a, b), std::max(c, d)));
        CoverageRaster clipped;
        clipped.reset(kept);
        for (const QPolygonF& polygon : polygons)
            clipped.addPolygon(std::vector<QPointF>(polygon.begin(), polygon.end()));
        clipped.finish();
        const QRect read = kept & QRect(QPoint(0, 0), kSize);
        for (int y = read.top(); y <= read.bottom(); ++y)
            clipped.row(y, read.left(), read.right(), [&](int x, int count, int coverage) {
                for (int i = x; i < x + count; ++i)
                    ASSERT_EQ(coverage, whole[std::size_t(y * kSize.width() + i)]) << round << " at " << i << "," << y;
            });
    }
}

TEST(CoverageRasterTest, LeavesOutEdgesItCannotPlace) {
    const double nan = std::nan("");
    CoverageRaster raster;
    raster.reset(keptRows(0, kSize.height() - 1));
    const std::vector<QPointF> broken{QPointF(2, 2), QPointF(nan, 20), QPointF(1e12, 30), QPointF(4, -1e12)};
    raster.addPolygon(broken);
    // A sound shape added after them still comes out right.
    const std::vector<QPointF> square{QPointF(8, 8), QPointF(16, 8), QPointF(16, 16), QPointF(8, 16)};
    raster.addPolygon(square);
    raster.finish();
    // Every edge of the broken one touches a point that is not a number or
    // lies absurdly far away: none adds winding.
    raster.row(12, 0, kSize.width() - 1, [&](int x, int count, int coverage) {
        for (int i = x; i < x + count; ++i) EXPECT_EQ(coverage, i >= 8 && i < 16 ? 255 : 0) << i;
    });
}

TEST(CoverageRasterTest, FillsOnlyTheGivenPieces) {
    const std::vector<QPolygonF> square{QPolygonF({QPointF(0, 0), QPointF(64, 0), QPointF(64, 48), QPointF(0, 48)})};
    const CoverageRaster& raster = rasterOf(square);
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgba(0, 0, 255, 255));
    const std::vector<QRect> pieces{QRect(2, 3, 5, 4), QRect(40, 30, 3, 2)};
    const QRgb halfRed = qPremultiply(qRgba(255, 0, 0, 128));
    fillCoverage(const_cast<uchar*>(image.constBits()), image.bytesPerLine(), pieces, raster, halfRed);
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x) {
            const bool inside = std::any_of(pieces.begin(), pieces.end(), [&](QRect r) { return r.contains(x, y); });
            const QRgb p = image.pixel(x, y);
            if (inside) {
                EXPECT_NEAR(qRed(p), 128, 1);
                EXPECT_NEAR(qBlue(p), 127, 1);
            } else {
                EXPECT_EQ(p, qRgba(0, 0, 255, 255));
            }
        }
}

}  // namespace
}  // namespace sorbeta
