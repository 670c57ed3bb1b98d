#include "ui/JellyBody.h"

#include <QElapsedTimer>
#include <QLinearGradient>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/ImageEffects.h"

namespace sorbeta {

namespace {

using ImageEffects::Layer;
using ImageEffects::LayerCache;

struct ShadowSpec {
    QColor color;
    double radius;
    QPointF offset;
};

struct BodyLook {
    ShadowSpec drop;
    ShadowSpec upper;  // inner shadow lighting the top rim
    ShadowSpec lower;  // inner shadow darkening the bottom rim
};

BodyLook lookOf(const JellyPalette& palette, bool glass) {
    if (glass)
        return {{withOpacity(palette.deep, 0.12), 12, {0, 8}},
                {QColor(Qt::white), 8, {0, 6}},
                {withOpacity(palette.deep, 0.18), 14, {0, -8}}};
    return {{withOpacity(palette.deep, 0.4), 12, {0, 8}},
            {withOpacity(Qt::white, 0.55), 10, {0, 8}},
            {withOpacity(palette.deep, 0.65), 16, {0, -10}}};
}

// Inset of the drop shadow's erased middle under an opaque body: more than the
// deepest inward wobble the map asks for (4 × 1.8 points). The resting
// outline of the inset frame keeps at least 9 points from the resting outline.
constexpr double kHiddenInset = 10.0;

enum Effect { kDrop = 1, kSkin = 2 };

void fillBody(QPainter& painter, const QPainterPath& path, const QRectF& rect, const JellyPalette& palette, bool glass) {
    if (glass) {
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
}

Layer innerShadows(const QPainterPath& path, const BodyLook& look, double ratio) {
    return ImageEffects::combine(
        {ImageEffects::innerShadow(path, look.upper.color, look.upper.radius, look.upper.offset, ratio),
         ImageEffects::innerShadow(path, look.lower.color, look.lower.radius, look.lower.offset, ratio)},
        path.boundingRect().adjusted(-1, -1, 1, 1));
}

void paintGloss(QPainter& painter, const QRectF& rect, QSizeF tilt, bool glass) {
    const JellyGloss gloss = jellyGloss(rect.size(), tilt);
    const QRectF ellipse = gloss.ellipse.translated(rect.topLeft());
    QLinearGradient sheen(ellipse.topLeft(), ellipse.bottomLeft());
    sheen.setColorAt(0, withOpacity(Qt::white, glass ? 0.9 : 0.75));
    sheen.setColorAt(1, withOpacity(Qt::white, 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawEllipse(ellipse);
    painter.setBrush(withOpacity(Qt::white, 0.85));
    painter.drawEllipse(gloss.dot.translated(rect.topLeft()));
}

// Cached layers are made for the resting outline of a rect rounded to 4
// points and stretched onto the actual frame. The wobble only moves the
// outline inwards by a few points, far below the blur of these shadows, so
// the resting outline stands in for it.
int quantised(double extent) { return std::max(4, static_cast<int>(std::lround(extent / 4.0)) * 4); }

LayerCache::Key keyFor(Effect effect, int qw, int qh, const JellyShape& shape, const JellyPalette& palette,
                       const JellyBodyStyle& style, bool withGloss, double ratio) {
    const int flags = (style.glass ? 1 : 0) | (withGloss ? 2 : 0);
    return {.effect = effect * 8 + flags,
            .width = qw,
            .height = qh,
            .shapeParam = static_cast<int>(std::lround(shape.squareness * 1000)),
            .color = palette.light.rgba(),
            .color2 = palette.base.rgba(),
            .color3 = palette.deep.rgba(),
            .pixelRatio = static_cast<int>(std::lround(ratio * 100))};
}

// New layers made per frame while a similar one (another size) can stand in:
// while a relayout animates every size, the map stays smooth and the exact
// layers fill in over the next frames.
constexpr int kMakesPerFrame = 4;

bool mayMakeLayer() {
    thread_local QElapsedTimer frame;
    thread_local int made = 0;
    if (!frame.isValid() || frame.elapsed() >= 16) {
        frame.start();
        made = 0;
    }
    return made++ < kMakesPerFrame;
}

// The cached layer for the key, or a stand-in of another size when the frame's
// budget is spent; `qw`/`qh` become the size of what was returned.
const Layer& cachedOrStandIn(LayerCache::Key key, int& qw, int& qh, const std::function<Layer()>& make) {
    LayerCache& cache = LayerCache::shared();
    if (const Layer* hit = cache.find(key)) return *hit;
    LayerCache::Key found;
    if (const Layer* near = cache.nearest(key, &found); near && !mayMakeLayer()) {
        qw = found.width;
        qh = found.height;
        return *near;
    }
    return cache.get(key, make);
}

Layer stretched(const Layer& cached, const QRectF& rect, int qw, int qh) {
    const double sx = rect.width() / qw;
    const double sy = rect.height() / qh;
    const QRectF& t = cached.target;
    return {cached.image, QRectF(rect.x() + t.x() * sx, rect.y() + t.y() * sy, t.width() * sx, t.height() * sy),
            cached.hole};
}

// The drop shadow of the resting outline; under an opaque body its hidden
// middle is erased so drawing skips it.
Layer cachedDropShadow(const QRectF& rect, const JellyShape& shape, const JellyPalette& palette,
                       const JellyBodyStyle& style, double ratio) {
    int qw = quantised(rect.width()), qh = quantised(rect.height());
    const Layer& cached = cachedOrStandIn(keyFor(kDrop, qw, qh, shape, palette, style, false, ratio), qw, qh, [&] {
        const QPainterPath resting = JellyShape{.squareness = shape.squareness}.path(QRectF(0, 0, qw, qh));
        const ShadowSpec drop = lookOf(palette, style.glass).drop;
        Layer layer = ImageEffects::dropShadow(resting, drop.color, drop.radius, drop.offset, ratio);
        if (!style.glass) {
            // The outline of the inset frame lies at least the inset inside the resting one.
            const QRectF inner = QRectF(0, 0, qw, qh).adjusted(kHiddenInset, kHiddenInset, -kHiddenInset, -kHiddenInset);
            if (inner.width() > 0 && inner.height() > 0)
                ImageEffects::eraseInside(layer, JellyShape{.squareness = shape.squareness}.path(inner));
        }
        ImageEffects::toFullResolution(layer, ratio);
        ImageEffects::findHole(layer);
        return layer;
    });
    return stretched(cached, rect, qw, qh);
}

// Everything drawn inside the outline of a resting jelly — gradient fill,
// both inner shadows and (without tilt) the gloss — as one image, so a frame
// fills the wobbling outline with it in one pass.
Layer cachedSkin(const QRectF& rect, const JellyShape& shape, const JellyPalette& palette,
                 const JellyBodyStyle& style, bool withGloss, double ratio) {
    int qw = quantised(rect.width()), qh = quantised(rect.height());
    const Layer& cached = cachedOrStandIn(keyFor(kSkin, qw, qh, shape, palette, style, withGloss, ratio), qw, qh, [&] {
        const QRectF frame(0, 0, qw, qh);
        const QPainterPath resting = JellyShape{.squareness = shape.squareness}.path(frame);
        QImage image(static_cast<int>(std::lround(qw * ratio)), static_cast<int>(std::lround(qh * ratio)),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.scale(ratio, ratio);
            QPainterPath whole;
            whole.addRect(frame);
            fillBody(painter, whole, frame, palette, style.glass);
            ImageEffects::drawLayer(painter, innerShadows(resting, lookOf(palette, style.glass), ratio));
            if (withGloss) paintGloss(painter, frame, QSizeF(), style.glass);
        }
        // An opaque skin blends as a plain copy inside the outline.
        if (!style.glass) image.convertTo(QImage::Format_RGB32);
        return Layer{image, frame, {}};
    });
    return stretched(cached, rect, qw, qh);
}

void fillWithLayer(QPainter& painter, const QPainterPath& path, const Layer& layer) {
    QBrush brush(layer.image);
    brush.setTransform(QTransform(layer.target.width() / layer.image.width(), 0, 0,
                                  layer.target.height() / layer.image.height(), layer.target.x(), layer.target.y()));
    painter.fillPath(path, brush);
}

void strokeGlassOutline(QPainter& painter, const QPainterPath& path, const JellyPalette& palette) {
    QPen dashed(withOpacity(palette.base, 0.35), 1.5, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashed.setDashPattern({5.0 / 1.5, 5.0 / 1.5});  // dash lengths are in line widths
    dashed.setMiterLimit(10);
    painter.strokePath(path, dashed);
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

void paintJellyBody(QPainter& painter, const QRectF& rect, const JellyShape& shape, const JellyPalette& palette,
                    const JellyBodyStyle& style) {
    if (!(rect.width() > 0.0) || !(rect.height() > 0.0)) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double ratio = ImageEffects::pixelRatioOf(painter);
    const QPainterPath path = shape.path(rect);
    const bool pulled = shape.pull && shape.pullAmount > 0.0;
    const bool tilted = !style.tilt.isNull() && (style.tilt.width() != 0.0 || style.tilt.height() != 0.0);

    if (!pulled) {
        // 1. Body from cached layers: the shadow, then the skin cut by the outline.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // layers are drawn at about 1:1
        ImageEffects::drawLayer(painter, cachedDropShadow(rect, shape, palette, style, ratio));
        fillWithLayer(painter, path, cachedSkin(rect, shape, palette, style, !tilted, ratio));
        if (style.glass) strokeGlassOutline(painter, path, palette);
        // 2. A tilted gloss moves with the pointer, so it is drawn afresh.
        if (tilted) {
            painter.save();
            painter.setClipPath(path, Qt::IntersectClip);
            paintGloss(painter, rect, style.tilt, style.glass);
            painter.restore();
        }
    } else {
        // A pulled jelly bulges past its resting outline: its shadows follow
        // its actual outline (usually one jelly, the hovered one).
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const BodyLook look = lookOf(palette, style.glass);
        ImageEffects::drawLayer(painter, ImageEffects::dropShadow(path, look.drop.color, look.drop.radius,
                                                                  look.drop.offset, ratio));
        fillBody(painter, path, rect, palette, style.glass);
        painter.save();
        painter.setClipPath(path, Qt::IntersectClip);
        ImageEffects::drawLayer(painter, innerShadows(path, look, ratio));
        painter.restore();
        if (style.glass) strokeGlassOutline(painter, path, palette);
        painter.save();
        painter.setClipPath(path, Qt::IntersectClip);
        paintGloss(painter, rect, style.tilt, style.glass);
        painter.restore();
    }

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
