#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <atomic>

#include "ui/jelly/JellyBody.h"
#include "ui/map/JellyMapViewBands.h"

namespace sorbeta {
namespace {

QImage paintedIn(BandPainter& bands) {
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(3, 4);
    painter.setRenderHint(QPainter::Antialiasing);
    bands.paint(image, painter, [](QPainter& band, QRect) {
        for (int i = 0; i < 6; ++i)
            paintJellyBody(band, QRectF(10.5 + 60 * i, 20 + 35 * i, 90, 70),
                           {.time = 0.3 * i, .seed = double(i), .wobble = 3, .squareness = 4.4},
                           palette(allFlavors[std::size_t(i)]), {.selected = i == 2});
    });
    return image;
}

TEST(JellyMapViewBandsTest, BandsPaintExactlyWhatOneThreadPaints) {
    BandPainter one(1), four(4);
    EXPECT_EQ(four.bands(), 4);
    const QImage single = paintedIn(one);
    EXPECT_EQ(paintedIn(four), single);
    EXPECT_EQ(paintedIn(four), single);  // and again, with the bands' caches warm

    // Every row is handed to exactly one band.
    QImage image(50, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    std::atomic<int> rows = 0, calls = 0;
    four.paint(image, painter, [&](QPainter&, QRect band) {
        rows += band.height();
        ++calls;
    });
    EXPECT_EQ(rows, 300);
    EXPECT_EQ(calls, 4);
}

TEST(JellyMapViewBandsTest, SaysHowManyBandsAClipTakesAsPaintingDoes) {
    BandPainter four(4);
    QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    auto callsFor = [&](const QRegion& clip) {
        std::atomic<int> calls = 0;
        four.paint(
            image, painter, [&](QPainter&, QRect) { ++calls; }, clip);
        return int(calls);
    };
    // The strips of a resting map: one band, on the calling thread.
    QRegion strips;
    for (int x = 0; x < 1200; x += 100) strips += QRect(x, 0, 4, 800);
    EXPECT_EQ(four.bandsFor(image, strips), 1);
    EXPECT_EQ(callsFor(strips), 1);
    // A clip beside the image: nothing to paint.
    EXPECT_EQ(four.bandsFor(image, QRegion(2000, 0, 10, 10)), 0);
    EXPECT_EQ(callsFor(QRegion(2000, 0, 10, 10)), 0);
    // The whole image: as many bands as its rows allow, twice the threads.
    EXPECT_EQ(four.bandsFor(image, QRegion()), 8);
    EXPECT_EQ(four.bandsFor(image, QRegion(image.rect())), 8);
}

}  // namespace
}  // namespace sorbeta
