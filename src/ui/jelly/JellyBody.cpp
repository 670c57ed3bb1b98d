#include "ui/jelly/JellyBody.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/jelly/JellyBodyLayers.h"
#include "ui/jelly/SelectionRing.h"
#include "ui/kit/ImageEffects.h"

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

using bodylayers::kPullMargin;
using bodylayers::PullKey;

void fillBody(QPainter& painter, const QPainterPath& path, const QRectF& rect, const JellyPalette& palette,
              const JellyBodyStyle& style) {
    if (style.glass) {
        QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
        fill.setColorAt(0, withOpacity(Qt::white, 0.75));
        fill.setColorAt(1, rgba(255, 233, 245, 0.45));
        painter.fillPath(path, fill);
    } else {
        // Light at the leading top corner, deep at the trailing bottom one.
        QLinearGradient fill = style.rightToLeft ? QLinearGradient(rect.topRight(), rect.bottomLeft())
                                                 : QLinearGradient(rect.topLeft(), rect.bottomRight());
        fill.setColorAt(0, palette.light);
        fill.setColorAt(0.5, palette.base);
        fill.setColorAt(1, palette.deep);
        painter.fillPath(path, fill);
    }
}

Layer innerShadows(const QPainterPath& path, const BodyLook& look, double ratio, QRectF area = {}) {
    if (area.isEmpty()) area = path.boundingRect().adjusted(-1, -1, 1, 1);
    return ImageEffects::combine(
        {ImageEffects::innerShadow(path, look.upper.color, look.upper.radius, look.upper.offset, ratio),
         ImageEffects::innerShadow(path, look.lower.color, look.lower.radius, look.lower.offset, ratio)},
        area);
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

JellyShape restingShape(const JellyShape& shape, PullKey pull) {
    JellyShape resting{.squareness = shape.squareness};
    if (pull.active()) {
        resting.pull = QPointF(pull.x / 8.0, pull.y / 8.0);
        resting.pullAmount = pull.amount;
    }
    return resting;
}

LayerCache::Key keyFor(Effect effect, int qw, int qh, const JellyShape& shape, const JellyPalette& palette,
                       const JellyBodyStyle& style, bool withGloss, double ratio, PullKey pull) {
    // Only an opaque skin's fill depends on the direction; shadows and glass do not.
    const bool mirrored = effect == kSkin && !style.glass && style.rightToLeft;
    const int flags = (style.glass ? 1 : 0) | (withGloss ? 2 : 0) | (mirrored ? 4 : 0);
    return {.effect = effect * 8 + flags,
            .width = qw,
            .height = qh,
            .shapeParam = static_cast<int>(std::lround(shape.squareness * 1000)),
            .radius = pull.active() ? 1 + pull.x * 16 + pull.y : 0,
            .offsetX = pull.active() ? pull.amount : 0,
            .color = palette.light.rgba(),
            .color2 = palette.base.rgba(),
            .color3 = palette.deep.rgba(),
            .pixelRatio = static_cast<int>(std::lround(ratio * 100))};
}

// New layers the current frame may still make on this thread; negative: no limit.
thread_local int layersToMake = -1;

}  // namespace

namespace bodylayers {

PullKey pullKeyOf(const JellyShape& shape) {
    if (!shape.pull || !(shape.pullAmount > 0.0)) return {};
    auto eighths = [](double unit) { return static_cast<int>(std::lround(std::clamp(unit, 0.0, 1.0) * 8.0)); };
    return {eighths(shape.pull->x()), eighths(shape.pull->y()), static_cast<int>(std::lround(shape.pullAmount))};
}

bool mayMakeLayer() {
    if (layersToMake < 0) return true;
    if (layersToMake == 0) return false;
    --layersToMake;
    return true;
}

bool hasPulledSkin(QSizeF size, const JellyShape& shape, const JellyPalette& palette, const JellyBodyStyle& style,
                   double ratio, PullKey pull) {
    return LayerCache::shared()
        .find(
            keyFor(kSkin, quantised(size.width()), quantised(size.height()), shape, palette, style, false, ratio, pull))
        .has_value();
}

}  // namespace bodylayers

namespace {

using bodylayers::mayMakeLayer;

// The cached layer for the key, or a stand-in of another size when the frame's
// budget is spent; `qw`/`qh` become the size of what was returned.
Layer cachedOrStandIn(LayerCache::Key key, int& qw, int& qh, const std::function<Layer()>& make) {
    LayerCache& cache = LayerCache::shared();
    if (std::optional<Layer> hit = cache.find(key)) return std::move(*hit);
    LayerCache::Key found;
    if (std::optional<Layer> near = cache.nearest(key, &found); near && !mayMakeLayer()) {
        qw = found.width;
        qh = found.height;
        return std::move(*near);
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

}  // namespace

namespace bodylayers {

// The drop shadow of the resting outline; under an opaque body its hidden
// middle is erased so drawing skips it.
Layer cachedDropShadow(const QRectF& rect, const JellyShape& shape, const JellyPalette& palette,
                       const JellyBodyStyle& style, double ratio, PullKey pull) {
    int qw = quantised(rect.width()), qh = quantised(rect.height());
    const Layer cached = cachedOrStandIn(keyFor(kDrop, qw, qh, shape, palette, style, false, ratio, pull), qw, qh, [&] {
        const QPainterPath resting = restingShape(shape, pull).path(QRectF(0, 0, qw, qh));
        const ShadowSpec drop = lookOf(palette, style.glass).drop;
        Layer layer = ImageEffects::dropShadow(resting, drop.color, drop.radius, drop.offset, ratio);
        if (!style.glass) {
            // The outline of the inset frame lies at least the inset inside the resting one.
            const QRectF inner =
                QRectF(0, 0, qw, qh).adjusted(kHiddenInset, kHiddenInset, -kHiddenInset, -kHiddenInset);
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
Layer cachedSkin(const QRectF& rect, const JellyShape& shape, const JellyPalette& palette, const JellyBodyStyle& style,
                 bool withGloss, double ratio, PullKey pull) {
    int qw = quantised(rect.width()), qh = quantised(rect.height());
    const LayerCache::Key key = keyFor(kSkin, qw, qh, shape, palette, style, withGloss, ratio, pull);
    const Layer cached = cachedOrStandIn(key, qw, qh, [&] {
        const QRectF box(0, 0, qw, qh);
        // A pulled outline bulges past the frame: its skin reaches further.
        const double margin = pull.active() ? kPullMargin : 0.0;
        const QRectF frame = box.adjusted(-margin, -margin, margin, margin);
        const QPainterPath resting = restingShape(shape, pull).path(box);
        QImage image(static_cast<int>(std::lround(frame.width() * ratio)),
                     static_cast<int>(std::lround(frame.height() * ratio)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.scale(ratio, ratio);
            painter.translate(-frame.topLeft());
            QPainterPath whole;
            whole.addRect(frame);
            fillBody(painter, whole, box, palette, style);
            ImageEffects::drawLayer(
                painter, innerShadows(resting, lookOf(palette, style.glass), ratio, frame.adjusted(-1, -1, 1, 1)));
            if (withGloss) paintGloss(painter, box, QSizeF(), style.glass);
        }
        // An opaque skin blends as a plain copy inside the outline.
        if (!style.glass) image.convertTo(QImage::Format_RGB32);
        return Layer{image, frame, {}};
    });
    return stretched(cached, rect, qw, qh);
}

}  // namespace bodylayers

namespace {

using bodylayers::cachedDropShadow;
using bodylayers::cachedSkin;

void fillWithLayer(QPainter& painter, const QPainterPath& path, const Layer& layer) {
    QBrush brush(layer.image);
    brush.setTransform(QTransform(layer.target.width() / layer.image.width(), 0, 0,
                                  layer.target.height() / layer.image.height(), layer.target.x(), layer.target.y()));
    painter.fillPath(path, brush);
}

// Dashes laid out along the outline in the jelly's own coordinates, so they
// come out the same whatever part of the image a painter can reach (Qt's own
// dashing starts afresh where the device clips the outline).
QPainterPath dashes(const QPainterPath& path, double width, double on, double off, Qt::PenJoinStyle join) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(join);
    stroker.setMiterLimit(10);
    stroker.setDashPattern({on / width, off / width});  // dash lengths are in line widths
    return stroker.createStroke(path);
}

}  // namespace

namespace bodylayers {

void strokeGlassOutline(QPainter& painter, const QPainterPath& path, const JellyPalette& palette) {
    fillDashByDash(painter, dashes(path, kGlassDashWidth, kGlassDashOn, kGlassDashOff, Qt::MiterJoin),
                   withOpacity(palette.base, kGlassDashOpacity));
}

void strokeSelection(QPainter& painter, const JellyShape& shape, const QRectF& rect, const JellyPalette& palette) {
    SelectionRingCache::shared().ring(shape, rect)->paint(painter, palette.deep);
}

}  // namespace bodylayers

using bodylayers::strokeGlassOutline;
using bodylayers::strokeSelection;

JellyLayerBudget::JellyLayerBudget(int count) : previous_(layersToMake) { layersToMake = std::max(count, 0); }

JellyLayerBudget::~JellyLayerBudget() { layersToMake = previous_; }

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
    if (paintJellyDirect(painter, QTransform::fromTranslate(rect.x(), rect.y()), rect.size(), shape, palette, style))
        return;
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
        ImageEffects::drawLayer(
            painter, ImageEffects::dropShadow(path, look.drop.color, look.drop.radius, look.drop.offset, ratio));
        fillBody(painter, path, rect, palette, style);
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
    if (style.selected) strokeSelection(painter, shape, rect, palette);

    // 4. Glow.
    if (style.glow > 0.0) painter.fillPath(path, withOpacity(Qt::white, 0.07 * style.glow));
    painter.restore();
}

}  // namespace sorbeta
