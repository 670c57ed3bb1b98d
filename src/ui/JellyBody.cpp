#include "ui/JellyBody.h"

#include <QLinearGradient>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/ImageEffects.h"

namespace sorbeta {

namespace {

using ImageEffects::Layer;
using ImageEffects::LayerCache;

enum Effect { kDrop = 1, kInner = 2 };

struct ShadowSpec {
    QColor color;
    double radius;
    QPointF offset;
};

// Shadows of a jelly at rest, cached by size (rounded to 4 points), squareness
// and effect, then stretched onto the actual frame. The wobble moves the
// outline by a few points at most, far below the blur of these shadows, so
// the resting outline stands in for it. A pulled jelly bulges further: its
// shadows are made from its actual outline (usually one jelly, the hovered one).
Layer shadowLayer(Effect effect, const QRectF& rect, const JellyShape& shape, const QPainterPath& path,
                  const ShadowSpec& spec, double ratio) {
    auto make = [&](const QPainterPath& from) {
        return effect == kDrop ? ImageEffects::dropShadow(from, spec.color, spec.radius, spec.offset, ratio)
                               : ImageEffects::innerShadow(from, spec.color, spec.radius, spec.offset, ratio);
    };
    if (shape.pull && shape.pullAmount > 0.0) return make(path);

    const int qw = std::max(4, static_cast<int>(std::lround(rect.width() / 4.0)) * 4);
    const int qh = std::max(4, static_cast<int>(std::lround(rect.height() / 4.0)) * 4);
    const LayerCache::Key key{effect, qw, qh, static_cast<int>(std::lround(shape.squareness * 1000)),
                              static_cast<int>(std::lround(spec.radius * 100)),
                              static_cast<int>(std::lround(spec.offset.x() * 100)),
                              static_cast<int>(std::lround(spec.offset.y() * 100)), spec.color.rgba(),
                              static_cast<int>(std::lround(ratio * 100))};
    const Layer& cached = LayerCache::shared().get(key, [&] {
        const JellyShape resting{.squareness = shape.squareness};
        return make(resting.path(QRectF(0, 0, qw, qh)));
    });
    const double sx = rect.width() / qw;
    const double sy = rect.height() / qh;
    const QRectF& t = cached.target;
    return {cached.image, QRectF(rect.x() + t.x() * sx, rect.y() + t.y() * sy, t.width() * sx, t.height() * sy)};
}

}  // namespace

JellyGloss jellyGloss(QSizeF size, QSizeF tilt) {
    const double w = size.width();
    const double h = size.height();
    const double ew = std::min(0.55 * w, 240.0);
    const double eh = std::min(std::max(0.22 * h, 8.0), 64.0);
    const double ex = std::min(0.36 * w, 150.0) + std::min(0.12 * w, 26.0) * tilt.width();
    const double ey = std::min(0.17 * h, 46.0) + std::min(0.08 * h, 14.0) * tilt.height();

    const double m = std::min(w, h);
    const double dd = std::min(std::max(0.05 * m, 4.0), 18.0);
    const double a = m > 260.0 ? 0.07 * m : 0.0;
    const double dx = std::min(0.13 * w, 34.0) + a + 10.0 * tilt.width();
    const double dy = std::min(0.3 * h, 84.0) + 0.6 * a + 8.0 * tilt.height();
    return {QRectF(ex - ew / 2, ey - eh / 2, ew, eh), QRectF(dx - dd / 2, dy - dd / 2, dd, dd)};
}

void paintJellyBody(QPainter& painter, const QRectF& rect, const JellyShape& shape,
                    const JellyPalette& palette, const JellyBodyStyle& style) {
    if (!(rect.width() > 0.0) || !(rect.height() > 0.0)) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double ratio = ImageEffects::pixelRatioOf(painter);
    const QPainterPath path = shape.path(rect);

    // 1. Body.
    const ShadowSpec drop = style.glass ? ShadowSpec{withOpacity(palette.deep, 0.12), 12, {0, 8}}
                                        : ShadowSpec{withOpacity(palette.deep, 0.4), 12, {0, 8}};
    const ShadowSpec upper = style.glass ? ShadowSpec{QColor(Qt::white), 8, {0, 6}}
                                         : ShadowSpec{withOpacity(Qt::white, 0.55), 10, {0, 8}};
    const ShadowSpec lower = style.glass ? ShadowSpec{withOpacity(palette.deep, 0.18), 14, {0, -8}}
                                         : ShadowSpec{withOpacity(palette.deep, 0.65), 16, {0, -10}};
    ImageEffects::drawLayer(painter, shadowLayer(kDrop, rect, shape, path, drop, ratio));
    if (style.glass) {
        QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
        fill.setColorAt(0, withOpacity(Qt::white, 0.75));
        fill.setColorAt(1, rgba(255, 233, 245, 0.45));
        painter.fillPath(path, fill);
    } else {
        QLinearGradient fill(rect.topLeft(), rect.bottomRight());
        fill.setColorAt(0, palette.light);
        fill.setColorAt(0.5, palette.base);
        fill.setColorAt(1, palette.deep);
        painter.fillPath(path, fill);
    }
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    ImageEffects::drawLayer(painter, shadowLayer(kInner, rect, shape, path, upper, ratio));
    ImageEffects::drawLayer(painter, shadowLayer(kInner, rect, shape, path, lower, ratio));
    if (style.glass) {
        painter.restore();
        QPen dashed(withOpacity(palette.base, 0.35), 1.5, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
        dashed.setDashPattern({5.0 / 1.5, 5.0 / 1.5});  // dash lengths are in line widths
        dashed.setMiterLimit(10);
        painter.strokePath(path, dashed);
        painter.save();
        painter.setClipPath(path, Qt::IntersectClip);
    }

    // 2. Gloss, clipped to the shape.
    const JellyGloss gloss = jellyGloss(rect.size(), style.tilt);
    const QRectF ellipse = gloss.ellipse.translated(rect.topLeft());
    QLinearGradient sheen(ellipse.topLeft(), ellipse.bottomLeft());
    sheen.setColorAt(0, withOpacity(Qt::white, style.glass ? 0.9 : 0.75));
    sheen.setColorAt(1, withOpacity(Qt::white, 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawEllipse(ellipse);
    painter.setBrush(withOpacity(Qt::white, 0.85));
    painter.drawEllipse(gloss.dot.translated(rect.topLeft()));
    painter.restore();

    // 3. Selection rings.
    if (style.selected) {
        painter.strokePath(path, QPen(Qt::white, 3));
        QPen ring(palette.deep, 2, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
        ring.setDashPattern({2.0 / 2.0, 5.0 / 2.0});
        painter.strokePath(shape.path(rect.adjusted(-5, -5, 5, 5)), ring);
    }

    // 4. Glow.
    if (style.glow > 0.0) painter.fillPath(path, withOpacity(Qt::white, 0.07 * style.glow));
    painter.restore();
}

}  // namespace sorbeta
