#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "ui/kit/CandyBackground.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/IconCache.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/SymbolIcons.h"

namespace sorbeta {
namespace {

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Horizontal extent and bottom of everything drawn with more than faint alpha.
QRect drawnBounds(const QImage& image, int minAlpha = 200) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= minAlpha) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(CandyControlsTest, ButtonSizesSquashAndDisabledLook) {
    const QSizeF wide = candyButtonSize("清理", false, 40);
    const QSizeF compact = candyButtonSize("清理", true, 40);
    EXPECT_DOUBLE_EQ(wide.width() - compact.width(), 12.0);
    EXPECT_EQ(wide.height(), 40.0);

    const QRectF capsule(40, 20, 120, 40);
    QImage rest = canvas(200, 100), pressed = canvas(200, 100);
    {
        QPainter p(&rest);
        paintCandyButton(p, capsule, "OK", Flavor::mango, 0.0, true);
    }
    {
        QPainter p(&pressed);
        paintCandyButton(p, capsule, "OK", Flavor::mango, 1.0, true);
    }
    const QRect a = drawnBounds(rest), b = drawnBounds(pressed);
    EXPECT_GT(b.width(), a.width() + 4);     // 1.06 of 120 is ~7 wider
    EXPECT_LT(b.height(), a.height() - 2);   // 0.9 of 40 is 4 shorter
    EXPECT_NEAR(b.bottom(), a.bottom(), 1);  // bottom edge stays put

    QImage disabled = canvas(200, 100);
    {
        QPainter p(&disabled);
        paintCandyButton(p, capsule, "OK", Flavor::mango, 0.0, false);
    }
    const QColor lively = rest.pixelColor(60, 45), washed = disabled.pixelColor(60, 45);
    EXPECT_GT(lively.hsvSaturationF(), 0.5);
    EXPECT_LT(washed.hsvSaturationF(), 0.25);
    EXPECT_NEAR(washed.alphaF(), 0.6, 0.05);
}

TEST(CandyControlsTest, ButtonPressSpringsAndDisabledButtonIgnoresClicks) {
    ManualKitClock clock;
    CandyButton button("开始", Flavor::strawberry, false, 36);
    button.resize(button.sizeHint());
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    const QPoint centre = button.capsuleRect().center().toPoint();

    QTest::mousePress(&button, Qt::LeftButton, {}, centre);
    clock.advance(0.3);
    EXPECT_GT(button.pressAmount(), 0.9);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    double lowest = 1.0;
    for (int i = 0; i < 60; ++i) {
        clock.advance(0.01);
        lowest = std::min(lowest, button.pressAmount());
    }
    EXPECT_LT(lowest, -0.05);  // bounces past rest when released
    clock.advance(3.0);
    EXPECT_NEAR(button.pressAmount(), 0.0, 1e-3);

    // Shadow margins are not part of the button.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks.count(), 1);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_NEAR(button.pressAmount(), 0.0, 1e-3);
}

TEST(CandyControlsTest, JellyCheckTogglesAndPops) {
    ManualKitClock clock;
    JellyCheck check(palette(Flavor::lime));
    check.resize(check.sizeHint());
    EXPECT_EQ(check.sizeHint(), QSize(30, 30));
    QSignalSpy toggled(&check, &QAbstractButton::toggled);
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_TRUE(check.isOn());
    EXPECT_EQ(toggled.count(), 1);
    double peak = 0;
    for (int i = 0; i < 100; ++i) {
        clock.advance(0.01);
        peak = std::max(peak, check.onAmount());
    }
    EXPECT_GT(peak, 1.05);  // pops past full size
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_FALSE(check.isOn());

    const JellyPalette lime = palette(Flavor::lime);
    QImage on = canvas(40, 40), off = canvas(40, 40);
    {
        QPainter p(&on);
        paintJellyCheck(p, QRectF(10, 10, 20, 20), lime, 1.0);
    }
    {
        QPainter p(&off);
        paintJellyCheck(p, QRectF(10, 10, 20, 20), lime, 0.0);
    }
    EXPECT_GT(on.pixelColor(13, 26).green(), 150);  // flavour gradient near the lower left
    EXPECT_LT(on.pixelColor(13, 26).red(), 150);
    EXPECT_GT(drawnBounds(off, 100).top(), 10);  // 0.92 of the size: smaller than the box
    EXPECT_EQ(drawnBounds(on, 100).top(), 10);
    EXPECT_EQ(qAlpha(off.pixel(20, 36)), 0);  // no shadow when off
    EXPECT_GT(qAlpha(on.pixel(20, 31)), 0);   // shadow below when on
}

TEST(CandyControlsTest, ProgressBarFillWidths) {
    EXPECT_EQ(progressFillWidth(0, 200), 18);
    EXPECT_EQ(progressFillWidth(1, 200), 200);
    EXPECT_EQ(progressFillWidth(1.5, 200), 300);
    EXPECT_EQ(progressFillWidth(0.05, 200), 18);
    EXPECT_EQ(progressFillWidth(std::nan(""), 200), 18);

    ManualKitClock clock;
    CleanProgressBar bar;
    bar.resize(200, 10);
    EXPECT_EQ(bar.fillWidth(), 18);
    bar.setFraction(0.5);
    clock.advance(0.05);
    EXPECT_LT(bar.displayedFraction(), 0.5);
    clock.advance(3);
    EXPECT_NEAR(bar.fillWidth(), 100, 0.5);

    QImage image = canvas(220, 10);
    {
        QPainter p(&image);
        paintCleanProgressBar(p, QRectF(0, 0, 220, 10), 0.5);
    }
    EXPECT_EQ(image.pixelColor(5, 6).red(), 255);    // strawberry end of the fill
    EXPECT_GT(image.pixelColor(160, 6).red(), 240);  // white track past the fill
    EXPECT_GT(image.pixelColor(160, 6).green(), 240);
}

TEST(CandyControlsTest, SegmentedEmitsTappedValue) {
    ManualKitClock clock;
    CandySegmented picker({{QVariant(1), "地图"}, {QVariant(2), "列表"}}, QVariant(1), Flavor::grape);
    picker.resize(picker.sizeHint());
    EXPECT_EQ(picker.sizeHint().height(), 32);
    const auto rects = picker.segmentRects();
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].topLeft(), QPointF(3, 3));
    EXPECT_EQ(rects[1].left(), rects[0].right() + 2);

    QSignalSpy changed(&picker, &CandySegmented::selectionChanged);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, rects[1].center().toPoint());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
    EXPECT_EQ(picker.selection().toInt(), 2);

    // Tapping the segment already chosen changes nothing.
    QTest::mouseClick(&picker, Qt::LeftButton, {}, rects[1].center().toPoint());
    EXPECT_EQ(changed.count(), 1);

    // A selection matching no option draws no selected capsule.
    picker.setSelection(QVariant(9));
    clock.advance(2);
    QImage image = canvas(picker.width(), picker.height());
    picker.render(&image);
    const QColor inside = image.pixelColor(rects[1].center().toPoint() + QPoint(0, -10));
    EXPECT_GT(inside.green(), 200);  // white row capsule, no grape
}

TEST(CandyControlsTest, RightToLeftRowsRunFromTheRight) {
    ManualKitClock clock;
    CandySegmented picker({{QVariant(1), "地图"}, {QVariant(2), "列表"}}, QVariant(1), Flavor::grape);
    picker.resize(picker.sizeHint());
    const auto ltr = picker.segmentRects();
    picker.setLayoutDirection(Qt::RightToLeft);
    const auto rtl = picker.segmentRects();
    ASSERT_EQ(rtl.size(), 2u);
    EXPECT_DOUBLE_EQ(rtl[0].right(), picker.width() - 3.0);  // the first option at the leading (right) edge
    EXPECT_DOUBLE_EQ(rtl[1].right(), rtl[0].left() - 2.0);
    EXPECT_EQ(rtl[0].width(), ltr[0].width());
    QSignalSpy changed(&picker, &CandySegmented::selectionChanged);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, rtl[1].center().toPoint());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);

    // A button's symbol stands on the leading side of its label.
    auto symbolCentre = [](Qt::LayoutDirection direction) {
        QImage image = canvas(200, 60);
        {
            QPainter p(&image);
            paintCandyButton(p, QRectF(20, 10, 160, 40), "      ", Flavor::grape, 0, true, "checkmark", direction);
        }
        double sum = 0;
        int count = 0;
        for (int y = 24; y < 36; ++y)
            for (int x = 20; x < 180; ++x)
                if (image.pixelColor(x, y).green() > 230) sum += x, ++count;
        return count ? sum / count : 100.0;
    };
    EXPECT_LT(symbolCentre(Qt::LeftToRight), 95);
    EXPECT_GT(symbolCentre(Qt::RightToLeft), 105);
}

TEST(CandyControlsTest, BackgroundSpotsSymbolsAndIcons) {
    const auto spots = candyBackgroundSpots(QSizeF(1000, 400));
    EXPECT_EQ(spots[0].circle, QRectF(80 - 200, 40 - 200, 400, 400));  // min(550, 400)
    EXPECT_EQ(spots[2].circle.center(), QPointF(150, 400));
    EXPECT_EQ(spots[3].color, QColor(216, 255, 233));
    QImage image = canvas(300, 200);
    {
        QPainter p(&image);
        paintCandyBackground(p, QRectF(0, 0, 300, 200));
    }
    EXPECT_EQ(qAlpha(image.pixel(150, 100)), 255);
    EXPECT_GT(image.pixelColor(10, 10).red(), image.pixelColor(10, 10).blue());  // pink corner

    EXPECT_TRUE(hasSymbol("checkmark"));
    EXPECT_FALSE(hasSymbol("no.such.symbol"));
    EXPECT_TRUE(symbolPath("no.such.symbol", QRectF(0, 0, 10, 10)).isEmpty());
    const QRectF box = symbolPath("drop.fill", QRectF(10, 10, 20, 40)).boundingRect();
    EXPECT_GE(box.top(), 20 - 0.01);  // fitted square, centred
    EXPECT_LE(box.bottom(), 40 + 0.01);

    int asked = 0;
    IconCache icons([&](const QString&) {
        ++asked;
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        return QIcon(pixmap);
    });
    const QIcon first = icons.lookup("/tmp/x");
    EXPECT_EQ(icons.lookup("/tmp/x").cacheKey(), first.cacheKey());
    EXPECT_EQ(asked, 1);
    icons.lookup("/tmp/x/");
    EXPECT_EQ(asked, 2);
    IconCache platform;
    platform.lookup("/definitely/missing/file");  // the platform's generic answer, cached too
    EXPECT_EQ(platform.size(), 1);
    EXPECT_FALSE(platform.lookup("/definitely/missing/file").isNull());
    EXPECT_EQ(IconCache::icon("/definitely/missing/file").cacheKey(),
              IconCache::icon("/definitely/missing/file").cacheKey());
}

}  // namespace
}  // namespace sorbeta
