// The jelly painted straight into an image's pixels must look like the same
// jelly painted through QPainter (the path every other device takes).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/jelly/JellyBody.h"
#include "ui/kit/ImageEffects.h"
#include "ui/map/JellyBlob.h"
#include "ui/map/JellyHover.h"

namespace sorbeta {
namespace {

struct Difference {
    double mean = 0;  // mean of the largest channel difference per pixel
    int largest = 0;
    double over24 = 0;  // share of pixels differing by more than 24 levels
};

Difference compare(const QImage& a, const QImage& b) {
    Difference d;
    long over = 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int m = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            sum += m;
            d.largest = std::max(d.largest, m);
            if (m > 24) ++over;
        }
    const double count = double(a.width()) * a.height();
    d.mean = sum / count;
    d.over24 = over / count;
    return d;
}

// Through QPainter when `viaQt` (a clip keeps the painter off our pixel path).
template <typename Paint>
QImage render(bool viaQt, Paint paint, QSize size = QSize(320, 220)) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(255, 247, 251));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (viaQt) painter.setClipRect(image.rect());
    EXPECT_EQ(ImageEffects::directTarget(painter) != nullptr, !viaQt);
    paint(painter);
    return image;
}

TEST(JellyBodyTest, DirectPaintingLooksLikeQtPainting) {
    struct Case {
        const char* name;
        JellyShape shape;
        JellyBodyStyle style;
        Flavor flavor;
        double meanLimit = 1.0;
        double over24Limit = 0.002;
    };
    const JellyShape wobbling{.time = 0.7, .seed = 1.3, .wobble = 4, .squareness = 4.4};
    JellyShape pulled = wobbling;
    pulled.pull = QPointF(0.75, 0.25);
    pulled.pullAmount = 9;
    const Case cases[] = {
        {"plain", wobbling, {}, Flavor::strawberry},
        {"tilted gloss and glow", wobbling, {.tilt = QSizeF(-0.6, 0.4), .glow = 1}, Flavor::lime},
        {"glass", {.time = 0.2, .seed = 4, .wobble = 3, .squareness = 3.4}, {.glass = true}, Flavor::sky},
        {"selected", wobbling, {.selected = true}, Flavor::grape},
        // The cached shading of a pulled jelly leaves out the wobble, as it
        // does for every resting jelly; Qt's path shades the exact outline.
        {"pulled", pulled, {.tilt = QSizeF(0.5, -0.5)}, Flavor::mango, 2.5},
        {"right to left", wobbling, {.rightToLeft = true}, Flavor::strawberry},
        // The left-out wobble shows more on the mid-tone left side than on
        // the light corner (without wobble both paths agree as closely).
        {"pulled right to left", pulled, {.rightToLeft = true}, Flavor::mango, 2.5, 0.008},
    };
    for (const Case& c : cases) {
        auto paint = [&](QPainter& p) {
            // A fractional position, as the map's layout gives.
            paintJellyBody(p, QRectF(40.5, 30.5, 230, 140), c.shape, palette(c.flavor), c.style);
        };
        const QImage qt = render(true, paint), direct = render(false, paint);
        const Difference d = compare(qt, direct);
        EXPECT_LT(d.mean, c.meanLimit) << c.name;
        EXPECT_LT(d.over24, c.over24Limit) << c.name;
        EXPECT_LE(d.largest, 72) << c.name;  // a few antialiased edge pixels
    }
}

TEST(JellyBodyTest, FillRunsFromTheLeadingTopCorner) {
    // Two points at the same height near the left and right edges, clear of
    // the gloss; the inner shadows only move vertically, so the fill decides.
    const QRectF rect(40, 30, 230, 140);
    const QPoint left(40 + 12, 30 + 50), right(40 + 218, 30 + 50);
    const JellyShape shape{.squareness = 4.4};
    auto lightness = [](QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); };
    for (const bool viaQt : {true, false}) {
        // Left to right first: a skin cached for one direction must not serve the other.
        for (const bool rtl : {false, true}) {
            const QImage image = render(viaQt, [&](QPainter& p) {
                paintJellyBody(p, rect, shape, palette(Flavor::grape), {.rightToLeft = rtl});
            });
            const int l = lightness(image.pixel(left)), r = lightness(image.pixel(right));
            if (rtl)
                EXPECT_GT(r, l + 30) << "Qt: " << viaQt;
            else
                EXPECT_GT(l, r + 30) << "Qt: " << viaQt;
        }
    }
    // Glass runs straight down whatever the direction.
    for (const bool viaQt : {true, false}) {
        auto glass = [&](bool rtl) {
            return render(viaQt, [&](QPainter& p) {
                paintJellyBody(p, rect, shape, palette(Flavor::sky), {.glass = true, .rightToLeft = rtl});
            });
        };
        EXPECT_EQ(glass(false), glass(true)) << "Qt: " << viaQt;
    }
}

TEST(JellyBodyTest, TiltedRipplingBlobLooksLikeQtPainting) {
    // A jelly under the pointer near its corner: full tilt in perspective,
    // pull, light spot, ripple, glow and its label.
    MapNode node;
    node.id = "tilted";
    node.title = QStringLiteral("tilted");
    node.bytes = 123456789;
    node.flavor = Flavor::blueberry;
    node.kind = MapNode::Kind::category;
    const Touch touch{.point = QPointF(0.92, 0.1), .entry = QPointF(0.3, 0.6), .entered = 10.0};
    for (const double time : {10.25, 10.6, 12.0}) {
        BlobFrame frame;
        frame.node = &node;
        frame.rect = QRectF(40.5, 30.5, 240, 160);
        frame.time = time;
        frame.fx = hoverFX(touch, time);
        frame.glow = 1;
        auto paint = [&](QPainter& p) { paintJellyBlob(p, frame); };
        const QImage qt = render(true, paint), direct = render(false, paint);
        const Difference d = compare(qt, direct);
        EXPECT_GT(frame.fx.tiltDegrees, 7.0);
        // Besides the pulled shading (see above), the layers are read by
        // nearest pixel under the tilt where Qt interpolates.
        EXPECT_LT(d.mean, 4.0) << time;
        EXPECT_LT(d.over24, 0.03) << time;
        EXPECT_LE(d.largest, 64) << time;
    }
    // The free-space jelly: glass with fizz bubbles.
    node.kind = MapNode::Kind::free;
    BlobFrame frame;
    frame.node = &node;
    frame.rect = QRectF(20, 20, 260, 170);
    frame.time = 3.3;
    auto paint = [&](QPainter& p) { paintJellyBlob(p, frame); };
    const Difference d = compare(render(true, paint), render(false, paint));
    EXPECT_LT(d.mean, 1.0);
    EXPECT_LT(d.over24, 0.005);
}

TEST(JellyBodyTest, DirectPaintingKeepsToThePaintersPlaceAndOpacity) {
    // Translated painter at pixel ratio 2, half opacity: same as through Qt.
    auto paint = [](QPainter& p) {
        p.translate(10, 5);
        p.setOpacity(0.5);
        paintJellyBody(p, QRectF(20, 20, 100, 70), {.time = 1, .seed = 2, .wobble = 3, .squareness = 4.4},
                       palette(Flavor::peach));
    };
    auto at2 = [&](bool viaQt) {
        QImage image(QSize(320, 220), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (viaQt) painter.setClipRect(QRect(0, 0, 160, 110));
        paint(painter);
        return image;
    };
    const Difference d = compare(at2(true), at2(false));
    EXPECT_LT(d.mean, 1.0);
    EXPECT_LT(d.over24, 0.002);
    // A zero-sized jelly draws nothing either way.
    const QImage empty =
        render(false, [](QPainter& p) { paintJellyBody(p, QRectF(10, 10, 0, 30), {}, palette(Flavor::lime)); });
    EXPECT_EQ(empty.pixelColor(10, 20), QColor(255, 247, 251));
}

}  // namespace
}  // namespace sorbeta
