// A ticked jelly's ring painted from kept outlines must look like the ring
// stroked afresh, and the kept rings must stay within their byte limit.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

#include "ui/jelly/JellyBody.h"
#include "ui/jelly/SelectionRing.h"

namespace sorbeta {
namespace {

const QColor kDeep(110, 40, 150);

JellyShape wobbling(double time) {
    return JellyShape{
        .time = time, .seed = 2.1, .wobble = 3.2, .squareness = 4.4, .pull = QPointF(0.7, 0.3), .pullAmount = 6.0};
}

// The ring as a pen and a dash stroker draw it on every paint.
void strokeAfresh(QPainter& painter, const JellyShape& shape, const QRectF& rect) {
    painter.strokePath(shape.path(rect), QPen(Qt::white, 3));
    QPainterPathStroker stroker;
    stroker.setWidth(kSelectionRingLine);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(10);
    stroker.setDashPattern({2 / kSelectionRingLine, 5 / kSelectionRingLine});
    const double out = kSelectionRingOffset;
    painter.fillPath(stroker.createStroke(shape.path(rect.adjusted(-out, -out, out, out))), kDeep);
}

// Paints the ring on a candy background, at a pixel ratio, under a slight
// tilt when asked, and in two bands split at an odd row when asked (as the
// band threads paint a frame).
QImage render(double ratio, bool tilted, bool inBands, const std::function<void(QPainter&)>& paint) {
    QImage image(QSize(260, 200) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(255, 247, 251));
    const QTransform place =
        tilted ? QTransform().translate(130, 100).rotate(4).translate(-100, -70) : QTransform::fromTranslate(30, 30);
    if (!inBands) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(place);
        paint(painter);
        return image;
    }
    const int split = int(image.height() / 2) + 1;
    for (const auto& [top, rows] : {std::pair(0, split), std::pair(split, image.height() - split)}) {
        QImage view(image.bits() + top * image.bytesPerLine(), image.width(), rows, image.bytesPerLine(),
                    image.format());
        view.setDevicePixelRatio(ratio);
        QPainter painter(&view);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(place * QTransform::fromTranslate(0, -top / ratio));
        paint(painter);
    }
    return image;
}

struct Difference {
    int largest = 0;
    int over3 = 0;  // pixels differing by more than 3 levels
};

Difference compare(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int m =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            d.largest = std::max(d.largest, m);
            if (m > 3) ++d.over3;
        }
    return d;
}

TEST(SelectionRing, KeptRingLooksLikeTheRingStrokedAfresh) {
    const QRectF rect(0, 0, 200, 140);
    for (const double ratio : {1.0, 2.0})
        for (const bool tilted : {false, true})
            for (const bool inBands : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << "ratio " << ratio << (tilted ? " tilted" : "") << (inBands ? " in bands" : ""));
                const JellyShape shape = wobbling(7.3);
                const QImage afresh =
                    render(ratio, tilted, false, [&](QPainter& painter) { strokeAfresh(painter, shape, rect); });
                SelectionRingCache cache;
                const QImage kept = render(ratio, tilted, inBands,
                                           [&](QPainter& painter) { cache.ring(shape, rect)->paint(painter, kDeep); });
                // Upright, filling dash by dash gives the same coverage; under a
                // tilt a few edge pixels of the dashes round differently.
                const Difference d = compare(afresh, kept);
                EXPECT_LE(d.largest, tilted ? 16 : 3);
                EXPECT_LE(d.over3, tilted ? 40 * ratio * ratio : 0);
                EXPECT_EQ(cache.count(), 1) << "every band paints the one ring built for the frame";
            }
}

TEST(SelectionRing, DashesFilledOneByOneLookLikeTheWholeOutlineFilled) {
    // The glass look's fine dashes: many, close together, translucent.
    const QRectF rect(0, 0, 200, 140);
    QPainterPathStroker stroker;
    stroker.setWidth(1.5);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(10);
    stroker.setDashPattern({5 / 1.5, 5 / 1.5});
    const QPainterPath dashes = stroker.createStroke(wobbling(3.1).path(rect));
    const QColor translucent(80, 120, 200, 90);
    for (const double ratio : {1.0, 2.0})
        for (const bool tilted : {false, true}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << (tilted ? " tilted" : ""));
            const QImage whole =
                render(ratio, tilted, false, [&](QPainter& painter) { painter.fillPath(dashes, translucent); });
            const QImage oneByOne =
                render(ratio, tilted, true, [&](QPainter& painter) { fillDashByDash(painter, dashes, translucent); });
            EXPECT_LE(compare(whole, oneByOne).largest, 3);
        }
}

TEST(SelectionRing, RingsAreKeptPerShapeWithinTheByteLimit) {
    const QRectF rect(0, 0, 160, 120);
    SelectionRingCache cache(256 << 10);
    const auto first = cache.ring(wobbling(1.0), rect);
    EXPECT_EQ(cache.ring(wobbling(1.0), rect).get(), first.get());
    EXPECT_NE(cache.ring(wobbling(1.0 + 1.0 / 15), rect).get(), first.get()) << "the next frame's wobble";
    EXPECT_NE(cache.ring(wobbling(1.0), rect.translated(1, 0)).get(), first.get());
    JellyShape unpulled = wobbling(1.0);
    unpulled.pull.reset();
    EXPECT_NE(cache.ring(unpulled, rect).get(), first.get());

    for (int i = 0; i < 1000; ++i) {
        const auto ring = cache.ring(wobbling(2.0 + i / 15.0), QRectF(0, 0, 40 + i % 300, 30 + i % 200));
        ASSERT_FALSE(ring->dashes.isEmpty());
        ASSERT_LE(cache.bytes(), 256 << 10);
    }
    EXPECT_GT(cache.count(), 1);
    // The most recently used survive; the first ones went long ago.
    const int before = cache.count();
    EXPECT_NE(cache.ring(wobbling(1.0), rect).get(), first.get());
    EXPECT_LE(cache.count(), before + 1);

    // A ring larger than the whole limit is built and handed out, not kept.
    SelectionRingCache tiny(64);
    EXPECT_FALSE(tiny.ring(wobbling(1.0), rect)->outline.isEmpty());
    EXPECT_EQ(tiny.count(), 0);
    EXPECT_EQ(tiny.bytes(), 0);
}

// The band threads paint one kept ring at once, each into its own rows, often
// on the ring's first paint. Every one must come out as the ring painted
// alone (a kept path painted from two threads at once has hung a band thread
// for good).
TEST(SelectionRing, OneKeptRingPaintsTheSameFromManyThreadsAtOnce) {
    const QRectF rect(20, 20, 180, 140);
    auto paintOnce = [&](const SelectionRing& ring) {
        QImage image(240, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(255, 240, 246));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ring.paint(painter, kDeep);
        return image;
    };
    const QImage alone = paintOnce(makeSelectionRing(wobbling(3.0), rect));
    constexpr int kThreads = 6, kRounds = 100;
    std::vector<std::shared_ptr<const SelectionRing>> rings;
    for (int round = 0; round < kRounds; ++round)
        rings.push_back(std::make_shared<const SelectionRing>(makeSelectionRing(wobbling(3.0), rect)));
    std::vector<QImage> results(kThreads * kRounds);
    // Threads meet by spinning, not sleeping, so each round's first paints
    // start within a fraction of a microsecond of each other.
    std::atomic<int> arrived{0};
    {
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&, t] {
                for (int round = 0; round < kRounds; ++round) {
                    arrived.fetch_add(1);
                    while (arrived.load() < kThreads * (round + 1)) std::this_thread::yield();
                    results[std::size_t(t * kRounds + round)] = paintOnce(*rings[std::size_t(round)]);
                }
            });
        for (std::thread& thread : threads) thread.join();
    }
    for (const QImage& result : results) ASSERT_EQ(result, alone);
}

}  // namespace
}  // namespace sorbeta
