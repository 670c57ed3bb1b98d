#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "ui/kit/ImageEffects.h"

namespace sorbeta::ImageEffects {
namespace {

QImage pattern(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qPremultiply(qRgba(x * 20 % 256, y * 30 % 256, 90, (x + y) % 3 ? 255 : 128)));
    return image;
}

TEST(ImageEffectsRasterTest, BlendingMatchesQtWhereItShould) {
    const QImage src = pattern(QSize(12, 9));
    auto viaQt = [&](const QTransform& t, double opacity) {
        QImage dst(40, 30, QImage::Format_ARGB32_Premultiplied);
        dst.fill(QColor(10, 200, 30));
        QPainter p(&dst);
        p.setOpacity(opacity);
        p.setTransform(t);
        p.drawImage(QPointF(0, 0), src);
        return dst;
    };
    auto ours = [&](const QTransform& t, double opacity) {
        QImage dst(40, 30, QImage::Format_ARGB32_Premultiplied);
        dst.fill(QColor(10, 200, 30));
        blendImage(dst, src, t, opacity);
        return dst;
    };
    // A translation lands on whole pixels, exactly as Qt's drawing does.
    for (const QTransform& t : {QTransform::fromTranslate(5, 7), QTransform::fromTranslate(-3, 25)})
        EXPECT_EQ(ours(t, 1.0), viaQt(t, 1.0));
    const QImage half = ours(QTransform::fromTranslate(4, 4), 0.5),
                 qtHalf = viaQt(QTransform::fromTranslate(4, 4), 0.5);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            for (int c = 0; c < 4; ++c)
                ASSERT_NEAR((half.pixel(x, y) >> (8 * c)) & 0xff, (qtHalf.pixel(x, y) >> (8 * c)) & 0xff, 1);

    // Scaled and tilted: resampled, so close to the source's colours and
    // placed where the transform puts them.
    QTransform tilt;
    tilt.translate(20, 15);
    tilt.rotate(8, Qt::YAxis);
    tilt.scale(1.5, 1.5);
    tilt.translate(-6, -4.5);
    const QImage tilted = ours(tilt, 1.0);
    const QPointF middle = tilt.map(QPointF(6.5, 4.5));
    EXPECT_NE(tilted.pixel(middle.toPoint()), qRgb(10, 200, 30));
    EXPECT_EQ(tilted.pixel(0, 0), qRgb(10, 200, 30));
    const QRect reach = tilt.mapRect(QRectF(src.rect())).toAlignedRect();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (!reach.adjusted(-1, -1, 1, 1).contains(x, y)) {
                ASSERT_EQ(tilted.pixel(x, y), qRgb(10, 200, 30));
            }
}

TEST(ImageEffectsRasterTest, AClipRegionLimitsBlendingToItsPixels) {
    const QImage src = pattern(QSize(12, 9));
    QRegion clip(QRect(0, 0, 9, 40));
    clip += QRect(12, 10, 3, 3);
    clip += QRect(20, 2, 30, 2);
    clip += QRect(14, 12, 20, 1);
    QTransform tilt;
    tilt.translate(20, 15);
    tilt.rotate(8, Qt::YAxis);
    tilt.scale(1.5, 1.5);
    tilt.translate(-6, -4.5);
    for (const QTransform& t : {QTransform::fromTranslate(5, 7), QTransform::fromTranslate(-3, 2), tilt}) {
        QImage whole(40, 30, QImage::Format_ARGB32_Premultiplied), clipped(40, 30, QImage::Format_ARGB32_Premultiplied);
        whole.fill(QColor(10, 200, 30));
        clipped.fill(QColor(10, 200, 30));
        blendImage(whole, src, t, 0.8);
        blendImage(clipped, src, t, 0.8, clip);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(clipped.pixel(x, y), clip.contains(QPoint(x, y)) ? whole.pixel(x, y) : qRgb(10, 200, 30))
                    << x << "," << y;
    }
    // An empty region draws nothing; an empty rectangle means the whole image.
    QImage untouched(40, 30, QImage::Format_ARGB32_Premultiplied), all(40, 30, QImage::Format_ARGB32_Premultiplied),
        reference(40, 30, QImage::Format_ARGB32_Premultiplied);
    for (QImage* image : {&untouched, &all, &reference}) image->fill(QColor(10, 200, 30));
    blendImage(untouched, src, QTransform::fromTranslate(5, 7), 1.0, QRegion());
    blendImage(all, src, QTransform::fromTranslate(5, 7), 1.0, QRect());
    blendImage(reference, src, QTransform::fromTranslate(5, 7), 1.0);
    EXPECT_EQ(untouched.pixel(8, 9), qRgb(10, 200, 30));
    EXPECT_EQ(all, reference);
}

TEST(ImageEffectsRasterTest, EllipseCoverageAndTargets) {
    EXPECT_DOUBLE_EQ(ellipseCoverage(10, 10, 10, 10, 5, 3), 1.0);
    EXPECT_DOUBLE_EQ(ellipseCoverage(20, 10, 10, 10, 5, 3), 0.0);
    EXPECT_NEAR(ellipseCoverage(15, 10, 10, 10, 5, 3), 0.5, 0.01);       // on the edge
    EXPECT_NEAR(ellipseCoverage(15, 10, 10, 10, 5, 3, 4.0), 0.5, 0.01);  // sharper, same middle
    EXPECT_NEAR(ellipseCoverage(15.25, 10, 10, 10, 5, 3, 4.0), 0.0, 0.01);
    EXPECT_DOUBLE_EQ(ellipseCoverage(10, 10, 10, 10, 0, 3), 0.0);

    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    EXPECT_EQ(directTarget(painter), &image);
    painter.rotate(10);
    EXPECT_EQ(directTarget(painter), nullptr);  // only scale and translation
    EXPECT_EQ(pixelTarget(painter), &image);
    painter.resetTransform();
    painter.setClipRect(0, 0, 5, 5);
    EXPECT_EQ(pixelTarget(painter), nullptr);  // our writes would ignore the clip
    painter.end();
    QImage rgb(10, 10, QImage::Format_RGB888);
    QPainter other(&rgb);
    EXPECT_EQ(pixelTarget(other), nullptr);
}

}  // namespace
}  // namespace sorbeta::ImageEffects
