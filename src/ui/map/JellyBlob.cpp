#include "ui/map/JellyBlob.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/jelly/JellyBody.h"
#include "ui/kit/IconCache.h"
#include "ui/kit/ImageEffects.h"

namespace sorbeta {

double jellySquareness(MapNode::Kind kind) { return kind == MapNode::Kind::free ? 3.4 : 4.4; }

BlobGeometry blobGeometry(const MapNode& node, QSizeF size, const HoverFX& fx, bool rightToLeft) {
    BlobGeometry g;
    const double w = size.width(), h = size.height();
    const bool item = node.kind == MapNode::Kind::item;
    const bool hasIconPath = node.iconPath.has_value();
    g.m = std::min(w, h);
    g.iconSide = std::min(0.42 * g.m, 72.0);
    const double s = g.iconSide;
    g.showIcon = hasIconPath && g.m > 46;
    g.iconCenter = QPointF(w / 2 + 6 * fx.tiltX, h / 2 + (h > 90 ? -0.35 * s : 0.0) + 5 * fx.tiltY - 4 * fx.amount);
    g.iconScale = 1 + 0.1 * fx.amount;

    // The label's icon-related place depends on the icon path even when the
    // icon itself is too small to draw.
    const double below = hasIconPath && h > 90 ? 0.45 * s : 0.0;
    g.labelOpacity = hasIconPath && h <= 90 ? 0.0 : 1.0;
    const double topPadding = item && h < 100 ? 18.0 : 0.0;
    const double sidePadding = item && w < 130 ? 6.0 : 0.0;
    g.labelTextWidth = std::max(w - 2 * (8 + sidePadding), 0.0);
    g.labelCenter = QPointF(w / 2 + 4 * fx.tiltX, h / 2 + below + topPadding / 2 + 3 * fx.tiltY - 2 * fx.amount);
    g.labelScale = 1 + 0.04 * fx.amount;

    g.showDot = item;
    const double pad = g.m > 60 ? 10.0 : 4.0;
    const double x = rightToLeft ? pad : w - pad - kPickDotSide;
    g.dotRect = QRectF(x, pad, kPickDotSide, kPickDotSide);
    g.dotHitRadius = kPickDotSide / 2 + 6;

    g.hintAllowed = !node.urls.empty() && node.kind != MapNode::Kind::file && !node.tapToPick && g.m > 70;
    g.bodyOpacity = node.kind == MapNode::Kind::remainder ? 0.82 : 1.0;
    g.squareness = jellySquareness(node.kind);
    g.wobble = std::min(0.04 * g.m, 4.0) * (1 + 0.8 * fx.amount);
    g.pullAmount = std::min(0.07 * g.m, 11.0) * fx.wave;
    return g;
}

JellyShape blobShape(const MapNode& node, QSizeF size, const HoverFX& fx, double time) {
    const double m = std::min(size.width(), size.height());
    JellyShape shape;
    shape.time = time;
    shape.seed = jellySeed(node.id);
    shape.wobble = std::min(0.04 * m, 4.0) * (1 + 0.8 * fx.amount);
    shape.squareness = jellySquareness(node.kind);
    shape.pull = fx.point;
    shape.pullAmount = std::min(0.07 * m, 11.0) * fx.wave;
    return shape;
}

QTransform tilt3D(double degrees, QPointF axis, QPointF center, double distance) {
    const double length = std::hypot(axis.x(), axis.y());
    // Below a hundredth of a degree nothing moves by a visible fraction of a
    // pixel, and an affine frame paints far faster than a projective one.
    if (std::abs(degrees) < 0.01 || length == 0 || distance <= 0) return QTransform();
    const double kx = axis.x() / length, ky = axis.y() / length;
    const double theta = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(theta), s = std::sin(theta);
    // Rodrigues' rotation about (kx, ky, 0), with x right, y down and z into
    // the screen; a point's depth shrinks or grows it as seen from `distance`.
    const double r00 = c + (1 - c) * kx * kx, r01 = (1 - c) * kx * ky;
    const double r10 = (1 - c) * kx * ky, r11 = c + (1 - c) * ky * ky;
    const double r20 = -s * ky, r21 = s * kx;
    const QTransform rotation(r00, r10, r20 / distance, r01, r11, r21 / distance, 0, 0, 1);
    return QTransform::fromTranslate(-center.x(), -center.y()) * rotation *
           QTransform::fromTranslate(center.x(), center.y());
}

QTransform blobTransform(QSizeF size, const HoverFX& fx, Squish squish, QPointF origin) {
    const double w = size.width(), h = size.height();
    const QPointF center(w / 2, h / 2);
    const QTransform tilt = tilt3D(fx.tiltDegrees, QPointF(-fx.tiltY, fx.tiltX), center, 2 * std::max(w, h));
    const double swell = 1 + 0.03 * fx.amount;
    auto aboutBottom = [&](double sx, double sy) {
        QTransform t = QTransform::fromTranslate(-w / 2, -h);
        t *= QTransform::fromScale(sx, sy);
        t *= QTransform::fromTranslate(w / 2, h);
        return t;
    };
    return tilt * aboutBottom(swell * (1 + fx.jiggle), swell * (1 - fx.jiggle)) * aboutBottom(squish.x, squish.y) *
           QTransform::fromTranslate(origin.x(), origin.y());
}

namespace {

void paintIcon(QPainter& painter, const MapNode& node, const BlobGeometry& g, const JellyPalette& palette,
               const QImage* prepared) {
    const double ratio = ImageEffects::pixelRatioOf(painter);
    const double s = g.iconSide;
    const QImage pixmap =
        prepared ? *prepared
                 : IconCache::icon(*node.iconPath).pixmap(QSize(int(std::ceil(s)), int(std::ceil(s))), ratio).toImage();
    if (pixmap.isNull()) return;
    painter.save();
    painter.translate(g.iconCenter);
    painter.scale(g.iconScale, g.iconScale);
    const QRectF target(-s / 2, -s / 2, s, s);
    // The shadow follows the icon's own shape: blurred from its alpha, cached.
    const auto& shadow = ImageEffects::LayerCache::shared().get(
        {0x1c0, int(s * 4), int(qHash(*node.iconPath)), 0, 4, 0, 3, palette.deep.rgba(), int(ratio * 100)}, [&] {
            QImage mask(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
            mask.fill(Qt::transparent);
            QPainter p(&mask);
            p.drawImage(QRect(QPoint(0, 0), pixmap.size()), pixmap);
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(mask.rect(), withOpacity(palette.deep, 0.4));
            p.end();
            constexpr double margin = 8;
            QImage padded(mask.width() + int(2 * margin * ratio), mask.height() + int(2 * margin * ratio),
                          QImage::Format_ARGB32_Premultiplied);
            padded.fill(Qt::transparent);
            QPainter q(&padded);
            q.drawImage(QPointF(margin * ratio, margin * ratio), mask);
            q.end();
            padded.setDevicePixelRatio(ratio);
            const QImage blurred = ImageEffects::blurred(padded, 4, ratio);
            return ImageEffects::Layer{blurred,
                                       QRectF(-s / 2 - margin, -s / 2 - margin + 3, s + 2 * margin, s + 2 * margin)};
        });
    ImageEffects::drawLayer(painter, shadow);
    painter.drawImage(target, pixmap, QRectF(pixmap.rect()));
    painter.restore();
}

}  // namespace

QImage blobIconImage(const MapNode& node, QSizeF size, double pixelRatio) {
    if (!node.iconPath) return {};
    const double s = std::min(0.42 * std::min(size.width(), size.height()), 72.0);
    return IconCache::icon(*node.iconPath)
        .pixmap(QSize(int(std::ceil(s)), int(std::ceil(s))), pixelRatio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {

// Layers 2 to 4, painted with the body in one pass over its pixels.
JellyInside insideOf(const MapNode& node, QSizeF size, const HoverFX& fx, const BlobGeometry& g, double time,
                     const JellyPalette& pal) {
    const double w = size.width(), h = size.height();
    JellyInside inside;
    if (node.kind == MapNode::Kind::free) {
        for (const FizzBubble& bubble : fizzBubbles(size, time * (1 + 2 * fx.amount)))
            inside.bubbles.push_back({bubble.center, bubble.diameter});
        inside.bubbleTint = pal.base;
    }
    if (fx.point && fx.amount > 0.01) {
        inside.lightCenter = QPointF(fx.point->x() * w, fx.point->y() * h);
        inside.lightRadius = 0.55 * g.m;
        inside.lightOpacity = 0.38 * fx.amount;
    }
    if (fx.ripple) {
        inside.rippleCenter = QPointF(fx.ripple->center.x() * w, fx.ripple->center.y() * h);
        inside.rippleRadius = g.m * fx.ripple->progress * 2.4 / 2;
        inside.rippleOpacity = fx.ripple->opacity;
    }
    return inside;
}

// Layers 2 to 4 through Qt, clipped to the outline: fizz, light spot, ripple.
void paintInsideThroughQt(QPainter& painter, const BlobFrame& frame, const BlobGeometry& g, const QPainterPath& outline,
                          const JellyPalette& pal) {
    const MapNode& node = *frame.node;
    const HoverFX& fx = frame.fx;
    const double w = frame.rect.width(), h = frame.rect.height();
    const bool light = fx.point && fx.amount > 0.01;
    if (node.kind != MapNode::Kind::free && !fx.ripple && !light) return;
    painter.save();
    painter.setClipPath(outline, Qt::IntersectClip);
    if (node.kind == MapNode::Kind::free)
        paintFizzBubbles(painter, frame.rect.size(), frame.time * (1 + 2 * fx.amount), pal.base);
    if (light) {
        const QPointF at(fx.point->x() * w, fx.point->y() * h);
        QRadialGradient spot(at, 0.55 * g.m);
        spot.setColorAt(0, withOpacity(Qt::white, 0.38 * fx.amount));
        spot.setColorAt(1, withOpacity(Qt::white, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(spot);
        painter.drawPath(outline);
    }
    if (fx.ripple) {
        const double radius = g.m * fx.ripple->progress * 2.4 / 2;
        QPen ring(withOpacity(Qt::white, fx.ripple->opacity), 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        ring.setMiterLimit(10);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(fx.ripple->center.x() * w, fx.ripple->center.y() * h), radius, radius);
    }
    painter.restore();
}

// Layers 5 to 8, over the body: icon, label, tick dot and the hint.
void paintOverlays(QPainter& painter, const BlobFrame& frame, const BlobGeometry& g, const JellyPalette& pal) {
    const MapNode& node = *frame.node;
    // 5: the icon.
    if (g.showIcon) paintIcon(painter, node, g, pal, frame.icon);

    // 6: the label.
    if (frame.label && !frame.label->isEmpty() && g.labelOpacity > 0) {
        painter.save();
        painter.translate(g.labelCenter);
        painter.scale(g.labelScale, g.labelScale);
        frame.label->paint(painter, QPointF(0, 0));
        painter.restore();
    }

    // 7: the tick dot.
    if (g.showDot) paintPickDot(painter, g.dotRect, frame.dot, pal);

    // 8: the invitation to open, while hovered.
    if (g.hintAllowed && frame.hint > 0.001) {
        const QColor ink = node.kind == MapNode::Kind::free ? Theme::ink() : pal.ink;
        paintOpenHint(painter, frame.rect.size(), ink, frame.hint);
    }
}

}  // namespace

void paintJellyBlob(QPainter& painter, const BlobFrame& frame, const std::vector<QRect>* clip) {
    const MapNode& node = *frame.node;
    const QSizeF size = frame.rect.size();
    const HoverFX& fx = frame.fx;
    const JellyPalette pal = palette(node.flavor);
    const BlobGeometry g = blobGeometry(node, size, fx, frame.rightToLeft);
    const JellyShape shape = blobShape(node, size, fx, outlineTime(frame));
    const QTransform toMap = blobTransform(size, fx, frame.squish, frame.rect.topLeft());
    JellyBodyStyle style;
    style.glass = node.kind == MapNode::Kind::free;
    style.selected = frame.selected;
    style.tilt = QSizeF(-fx.tiltX, -fx.tiltY);
    style.glow = frame.glow;
    style.rightToLeft = frame.rightToLeft;

    painter.save();
    painter.setOpacity(painter.opacity() * frame.opacity);
    // 1 to 4 straight into the image's pixels when it can be reached.
    const JellyInside inside = insideOf(node, size, fx, g, frame.time, pal);
    const bool direct = paintJellyDirect(painter, toMap, size, shape, pal, style, g.bodyOpacity, &inside, clip);
    painter.setTransform(toMap, true);
    if (!direct) {
        // 1: the body; 2 to 4 live inside its outline.
        const QRectF box(QPointF(0, 0), size);
        painter.save();
        painter.setOpacity(painter.opacity() * g.bodyOpacity);
        paintJellyBody(painter, box, shape, pal, style);
        painter.restore();
        paintInsideThroughQt(painter, frame, g, shape.path(box), pal);
    }
    paintOverlays(painter, frame, g, pal);
    painter.restore();
}

}  // namespace sorbeta
