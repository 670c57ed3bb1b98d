#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/map/JellyBlob.h"
#include "ui/map/JellyLayers.h"
#include "ui/map/JellyTexts.h"

namespace sorbeta {
namespace {

MapNode node(MapNode::Kind kind, int64_t bytes = 1500000, QString title = QStringLiteral("缓存")) {
    MapNode n;
    n.id = "n";
    n.title = std::move(title);
    n.bytes = bytes;
    n.flavor = Flavor::mango;
    n.kind = kind;
    return n;
}

TEST(JellyLabelTest, WhatFitsOnWhichJelly) {
    const MapNode n = node(MapNode::Kind::category);
    EXPECT_FALSE(jellyLabelContent(n, {54, 100}).visible);  // width must exceed 54
    EXPECT_FALSE(jellyLabelContent(n, {100, 34}).visible);

    const auto sizeOnly = jellyLabelContent(n, {100, 50});
    EXPECT_TRUE(sizeOnly.visible);
    EXPECT_FALSE(sizeOnly.title);
    EXPECT_EQ(sizeOnly.sizeLine, QStringLiteral("1.5 M"));

    const auto big = jellyLabelContent(n, {200, 200});
    EXPECT_TRUE(big.big);
    EXPECT_EQ(big.titlePixelSize, 17);
    EXPECT_EQ(big.sizePixelSize, 15);
    EXPECT_EQ(big.spacing, 4);
    EXPECT_EQ(big.title, QStringLiteral("缓存"));

    const auto small = jellyLabelContent(n, {200, 160});
    EXPECT_FALSE(small.big);
    EXPECT_EQ(small.titlePixelSize, 12);
    EXPECT_EQ(small.sizePixelSize, 11);
    EXPECT_EQ(small.spacing, 1);
}

TEST(JellyLabelTest, SizeLines) {
    MapNode total = node(MapNode::Kind::remainder, 900);
    total.labelBytes = 1500000;
    total.memoryUnits = true;
    total.labelPrefix = QStringLiteral("≈");
    EXPECT_EQ(jellyLabelSizeLine(total), QStringLiteral("共 1.5 M"));  // powers of 1000, no prefix

    MapNode memory = node(MapNode::Kind::category, 2048);
    memory.memoryUnits = true;
    memory.labelPrefix = QStringLiteral("已用 ");
    EXPECT_EQ(jellyLabelSizeLine(memory), QStringLiteral("已用 2.0 K"));
    memory.labelPrefix = QStringLiteral("~");
    EXPECT_EQ(jellyLabelSizeLine(memory), QStringLiteral("~2.0 K"));  // nothing added after the prefix
}

TEST(JellyLabelTest, LongTitlesShrinkThenShorten) {
    JellyLabelContent content = jellyLabelContent(node(MapNode::Kind::category), {400, 400});
    content.title = QStringLiteral("一个非常非常非常非常非常非常非常非常长的名字");
    const LabelLines roomy = layOutLabel(content, 2000);
    EXPECT_EQ(roomy.titleFont.pixelSize(), 17);
    EXPECT_EQ(roomy.title, *content.title);
    const LabelLines tight = layOutLabel(content, 120);
    EXPECT_EQ(tight.titleFont.pixelSize(), 11);  // 0.7 × 17, floored
    EXPECT_NE(tight.title, *content.title);
    EXPECT_TRUE(tight.title.endsWith(QChar(0x2026)));
}

TEST(JellyLabelTest, SizesAreNeverCutEvenOnTheSmallestJellies) {
    // The smallest jellies that show a label, plain and with a tick dot's
    // padding, with the widest size texts each kind of line can have.
    MapNode total = node(MapNode::Kind::remainder);
    total.labelBytes = 999'900'000'000;                          // "共 1000 G"
    MapNode plain = node(MapNode::Kind::category, 821'500'000);  // "822 M"
    MapNode prefixed = node(MapNode::Kind::other, 99'900'000'000);
    prefixed.labelPrefix = QStringLiteral("已用 ");
    MapNode item = node(MapNode::Kind::item, 79'500'000'000);
    item.labelBytes = 79'500'000'000;
    for (const MapNode& n : {total, plain, prefixed, item}) {
        for (const QSizeF size : {QSizeF(55, 35), QSizeF(55, 53), QSizeF(70, 60), QSizeF(161, 161)}) {
            const JellyLabelContent content = jellyLabelContent(n, size);
            ASSERT_TRUE(content.visible);
            const double width = blobGeometry(n, size, {}, false).labelTextWidth;
            const LabelLines lines = layOutLabel(content, width);
            // Every character is there, in order; spaces only where the line breaks.
            EXPECT_EQ(lines.sizeLines.join(QString()).remove(u' '), QString(content.sizeLine).remove(u' '))
                << content.sizeLine.toStdString() << " at " << size.width();
            const QFontMetricsF metrics(lines.sizeFont);
            for (const QString& line : lines.sizeLines) {
                EXPECT_LE(metrics.horizontalAdvance(line), width + 0.5) << line.toStdString();
                EXPECT_FALSE(line.contains(QChar(0x2026))) << line.toStdString();
            }
            // The number is never split between lines.
            const QString number = content.sizeLine.section(u' ', -2, -2);
            EXPECT_TRUE(lines.sizeLines.filter(number).size() == 1 ||
                        std::any_of(lines.sizeLines.begin(), lines.sizeLines.end(),
                                    [&](const QString& line) { return line.endsWith(number); }))
                << content.sizeLine.toStdString() << " -> " << lines.sizeLines.join(u'|').toStdString();
            EXPECT_DOUBLE_EQ(lines.height,
                             metrics.height() * lines.sizeLines.size() +
                                 (content.title ? QFontMetricsF(lines.titleFont).height() + content.spacing : 0.0));
        }
    }
    // With room, one line exactly as written.
    const LabelLines roomy = layOutLabel(jellyLabelContent(item, {400, 400}), 384);
    EXPECT_EQ(roomy.sizeLines, QStringList{QStringLiteral("共 79.5 G")});
}

TEST(JellyTooltipTest, TextsByKind) {
    MapNode n = node(MapNode::Kind::free, 2000000000);
    EXPECT_EQ(jellyTooltip(n), QStringLiteral("空闲空间 2.0 G"));
    n.kind = MapNode::Kind::other;
    EXPECT_EQ(jellyTooltip(n), QStringLiteral("系统、应用数据与其他没归类的文件 2.0 G"));
    n.kind = MapNode::Kind::item;
    EXPECT_EQ(jellyTooltip(n), QStringLiteral("缓存 · 2.0 G\n\n点右上角圆点选中，点果冻看里面有什么"));
    n.note = QStringLiteral("可以放心删");
    EXPECT_EQ(jellyTooltip(n), QStringLiteral("缓存 · 2.0 G\n可以放心删\n点右上角圆点选中，点果冻看里面有什么"));
    n.kind = MapNode::Kind::remainder;
    n.memoryUnits = true;
    n.labelBytes = 3000000000;
    EXPECT_EQ(jellyTooltip(n),
              QStringLiteral("缓存 共 3.0 G，其中旁边的小果冻可以清理，这块是剩下的 1.9 G\n点开看看里面有什么"));
    n.memoryUnits = false;
    n.kind = MapNode::Kind::app;
    n.title = QStringLiteral("Notes%1");  // a title with a placeholder stays verbatim
    EXPECT_EQ(jellyTooltip(n), QStringLiteral("Notes%1 · 连同残留共 2.0 G\n点开看看它留了什么"));
    for (auto kind : {MapNode::Kind::category, MapNode::Kind::folder, MapNode::Kind::file, MapNode::Kind::rest}) {
        n.kind = kind;
        EXPECT_EQ(jellyTooltip(n), QStringLiteral("Notes%1 · 2.0 G"));
    }
    n.hint = QStringLiteral("自己的提示");
    EXPECT_EQ(jellyTooltip(n), QStringLiteral("自己的提示"));
}

TEST(FizzBubblesTest, PositionsAndSizes) {
    const auto at0 = fizzBubbles({200, 100}, 0);
    EXPECT_DOUBLE_EQ(at0[0].center.y(), 105);  // just below the bottom edge
    EXPECT_DOUBLE_EQ(at0[0].center.x(), 16);   // 0.08 × w, sway sin(0) = 0
    EXPECT_EQ(at0[0].diameter, 5);
    EXPECT_EQ(at0[1].diameter, 12);
    EXPECT_EQ(at0[2].diameter, 6);
    for (const FizzBubble& b : fizzBubbles({200, 100}, 1234.5)) {
        EXPECT_GE(b.diameter, 5);
        EXPECT_LE(b.diameter, 17);
        EXPECT_GT(b.center.y(), -5.01);
        EXPECT_LE(b.center.y(), 105);
        EXPECT_GE(b.center.x(), 0.08 * 200 - 6);
        EXPECT_LE(b.center.x(), 0.92 * 200 + 6);
    }
    // Bubble 3 rises at speed 0.076: after 5 s, progress 0.411 + 0.38.
    const auto later = fizzBubbles({200, 100}, 5);
    EXPECT_NEAR(later[3].center.y(), 100 * (1.05 - 1.1 * (0.411 + 0.38)), 1e-9);
}

TEST(BlobGeometryTest, IconAndLabelPlacement) {
    MapNode n = node(MapNode::Kind::app);
    n.iconPath = QStringLiteral("/usr/bin/true");
    const HoverFX still;

    const BlobGeometry small = blobGeometry(n, {60, 80}, still, false);
    EXPECT_DOUBLE_EQ(small.iconSide, 25.2);
    EXPECT_TRUE(small.showIcon);
    EXPECT_EQ(small.labelOpacity, 0);  // h <= 90 with an icon path

    const BlobGeometry tall = blobGeometry(n, {120, 200}, still, false);
    EXPECT_DOUBLE_EQ(tall.iconSide, 50.4);
    EXPECT_NEAR(tall.iconCenter.y(), 100 - 17.64, 1e-9);
    EXPECT_NEAR(tall.labelCenter.y(), 100 + 22.68, 1e-9);
    EXPECT_EQ(tall.labelOpacity, 1);

    const BlobGeometry narrow = blobGeometry(n, {40, 200}, still, false);
    EXPECT_FALSE(narrow.showIcon);
    EXPECT_NEAR(narrow.labelCenter.y(), 100 + 0.45 * 0.42 * 40, 1e-9);  // icon path still moves the label
    EXPECT_FALSE(jellyLabelContent(n, {40, 200}).visible);

    EXPECT_DOUBLE_EQ(blobGeometry(n, {400, 400}, still, false).iconSide, 72);
}

TEST(BlobGeometryTest, ItemsDotsHintsAndReaction) {
    MapNode item = node(MapNode::Kind::item);
    const BlobGeometry g = blobGeometry(item, {120, 90}, HoverFX{}, false);
    EXPECT_TRUE(g.showDot);
    EXPECT_EQ(g.dotRect, QRectF(90, 10, 20, 20));
    EXPECT_EQ(blobGeometry(item, {120, 90}, HoverFX{}, true).dotRect, QRectF(10, 10, 20, 20));
    EXPECT_EQ(blobGeometry(item, {60, 90}, HoverFX{}, false).dotRect, QRectF(36, 4, 20, 20));
    EXPECT_DOUBLE_EQ(g.labelCenter.y(), 45 + 9);       // top padding 18 below 100 points
    EXPECT_DOUBLE_EQ(g.labelTextWidth, 120 - 2 * 14);  // side padding 6 below 130 points
    EXPECT_FALSE(g.hintAllowed);                       // no URLs
    item.urls = {"/tmp/x"};
    EXPECT_TRUE(blobGeometry(item, {120, 90}, HoverFX{}, false).hintAllowed);
    EXPECT_FALSE(blobGeometry(item, {120, 70}, HoverFX{}, false).hintAllowed);  // m must exceed 70
    item.tapToPick = true;
    EXPECT_FALSE(blobGeometry(item, {120, 90}, HoverFX{}, false).hintAllowed);

    HoverFX fx;
    fx.amount = 1;
    fx.wave = -0.5;
    fx.tiltX = 0.5;
    fx.tiltY = -0.25;
    const MapNode rest = node(MapNode::Kind::remainder);
    const BlobGeometry moved = blobGeometry(rest, {300, 300}, fx, false);
    EXPECT_EQ(moved.bodyOpacity, 0.82);
    EXPECT_DOUBLE_EQ(moved.labelCenter.x(), 150 + 2);
    EXPECT_DOUBLE_EQ(moved.labelCenter.y(), 150 - 0.75 - 2);
    EXPECT_DOUBLE_EQ(moved.labelScale, 1.04);
    EXPECT_DOUBLE_EQ(moved.wobble, 4 * 1.8);
    EXPECT_DOUBLE_EQ(moved.pullAmount, 11 * -0.5);
    EXPECT_EQ(blobGeometry(node(MapNode::Kind::free), {100, 100}, fx, false).squareness, 3.4);
}

TEST(BlobTransformTest, TiltSwellAndSquish) {
    // At rest the frame is only moved.
    const QTransform rest = blobTransform({100, 80}, HoverFX{}, Squish{}, {10, 20});
    EXPECT_EQ(rest.map(QPointF(0, 0)), QPointF(10, 20));
    EXPECT_TRUE(rest.isAffine());

    // Swell and squish keep the bottom centre in place.
    HoverFX fx;
    fx.amount = 1;
    const QTransform swell = blobTransform({100, 80}, fx, Squish{1.12, 0.86}, {0, 0});
    const QPointF bottom = swell.map(QPointF(50, 80));
    EXPECT_NEAR(bottom.x(), 50, 1e-9);
    EXPECT_NEAR(bottom.y(), 80, 1e-9);
    EXPECT_NEAR(swell.map(QPointF(100, 80)).x(), 50 + 50 * 1.03 * 1.12, 1e-9);

    // A pointer on the right: the right side comes toward the viewer.
    fx = HoverFX{};
    fx.tiltX = 1;
    fx.tiltDegrees = 7;
    const QTransform tilt = blobTransform({100, 100}, fx, Squish{}, {0, 0});
    const double right = tilt.map(QPointF(100, 0)).y() - tilt.map(QPointF(100, 100)).y();
    const double left = tilt.map(QPointF(0, 0)).y() - tilt.map(QPointF(0, 100)).y();
    EXPECT_GT(std::abs(right), std::abs(left));
    const QPointF centre = tilt.map(QPointF(50, 50));
    EXPECT_NEAR(centre.x(), 50, 1e-9);
    EXPECT_NEAR(centre.y(), 50, 1e-9);
}

TEST(PickDotTest, TickedDotIsOpaqueWhite) {
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintPickDot(p, QRectF(10, 10, 20, 20), 0, palette(Flavor::grape));
    }
    const QColor off = image.pixelColor(20, 13);
    EXPECT_GT(off.red(), 80);  // white at 0.35 over black and the shadow
    EXPECT_LT(off.red(), 140);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintPickDot(p, QRectF(10, 10, 20, 20), 1, palette(Flavor::grape));
    }
    EXPECT_EQ(image.pixelColor(20, 13), QColor(Qt::white));
    // The check mark in the flavour's deep colour crosses the middle.
    bool deep = false;
    for (int x = 12; x < 28; ++x)
        for (int y = 12; y < 28; ++y)
            if (image.pixelColor(x, y).blue() > 150 && image.pixelColor(x, y).red() < 160) deep = true;
    EXPECT_TRUE(deep);

    // Copied from its cached image it looks as drawn through Qt (a clip keeps
    // the painter on Qt's own path), half-ticked, tilted and faded too.
    for (const double on : {0.0, 0.5, 1.0}) {
        auto draw = [&](bool viaQt) {
            QImage out(60, 60, QImage::Format_ARGB32_Premultiplied);
            out.fill(QColor(120, 200, 90));
            QPainter p(&out);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            if (viaQt) p.setClipRect(out.rect());
            p.setOpacity(0.8);
            QTransform tilt;
            tilt.translate(30, 30);
            tilt.rotate(8, Qt::YAxis);
            tilt.translate(-30, -30);
            p.setTransform(tilt);
            paintPickDot(p, QRectF(20, 20, 20, 20), on, palette(Flavor::mint));
            return out;
        };
        const QImage qt = draw(true), ours = draw(false);
        double sum = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                const QColor a = qt.pixelColor(x, y), b = ours.pixelColor(x, y);
                sum += std::max(
                    {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            }
        EXPECT_LT(sum / 3600, 2.0) << on;
    }
}

}  // namespace
}  // namespace sorbeta
