// The jelly body painted straight into an image's pixels: one pass over the
// pixels a jelly can reach, mapping each back into the jelly's own
// coordinates (also under a perspective tilt), reading its cached shadow and
// skin and adding the gloss, the glow and what the map draws inside it.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/kit/ImageEffects.h"
#include "ui/jelly/JellyBody.h"
#include "ui/jelly/JellyBodyLayers.h"

namespace sorbeta {

namespace {

using ImageEffects::Layer;
using namespace bodylayers;

// A non-negative value rounded to the nearest byte count (no libm call).
inline uint toByte(double value) { return static_cast<uint>(value + 0.5); }

// A highlight of the gloss in the jelly's own points: an ellipse of white
// whose opacity falls linearly from `top` at its upper edge to `bottom` at its
// lower edge.
struct Highlight {
    QRectF rect;
    double top = 0, bottom = 0;
    double pixels = 1;  // device pixels per point, for the antialiased edge

    double left = 0, right = -1, upper = 0, lower = -1;  // the rect grown by a point; empty when none

    double cx = 0, cy = 0, rx = 1, ry = 1, fullyIn = 0, fullyOut = 0;

    Highlight(const QRectF& r, double topOpacity, double bottomOpacity, double pixelsPerPoint)
        : rect(r), top(topOpacity), bottom(bottomOpacity), pixels(pixelsPerPoint) {
        if (r.width() > 0 && r.height() > 0) {
            cx = r.center().x();
            cy = r.center().y();
            rx = r.width() / 2;
            ry = r.height() / 2;
            // A pixel is at least the smaller radius × (√f − 1) from the edge.
            const double band = 1.0 / (std::min(rx, ry) * pixels);
            fullyIn = std::max(1.0 - band, 0.0) * std::max(1.0 - band, 0.0);
            fullyOut = (1.0 + band) * (1.0 + band);
            left = r.left() - 1;
            right = r.right() + 1;
            upper = r.top() - 1;
            lower = r.bottom() + 1;
        }
    }
    bool rowNear(double y) const { return y >= upper && y <= lower; }
    bool near(double x) const { return x >= left && x <= right; }
    QRgb at(double x, double y) const {
        // Well inside or outside the antialiased edge, coverage is 1 or 0.
        const double ux = (x - cx) / rx, uy = (y - cy) / ry, f = ux * ux + uy * uy;
        if (f >= fullyOut) return 0;
        const double coverage =
            f <= fullyIn ? 1.0 : ImageEffects::ellipseCoverage(x, y, cx, cy, rx, ry, pixels);
        if (coverage <= 0.0) return 0;
        const double t = std::clamp((y - rect.top()) / rect.height(), 0.0, 1.0);
        return ImageEffects::whiteAt(toByte(255.0 * (top + (bottom - top) * t) * coverage));
    }
};

// Nearest-pixel reads of a cached layer at the jelly's own points.
struct LayerSampler {
    const uchar* bits = nullptr;
    qsizetype stride = 0;
    int width = 0, height = 0;
    double x0 = 0, y0 = 0, kx = 1, ky = 1;
    int holeLeft = 1, holeTop = 1, holeRight = 0, holeBottom = 0;  // empty

    explicit LayerSampler(const Layer& layer) {
        if (layer.isNull()) return;
        bits = layer.image.constBits();
        stride = layer.image.bytesPerLine();
        width = layer.image.width();
        height = layer.image.height();
        x0 = layer.target.x();
        y0 = layer.target.y();
        kx = width / layer.target.width();
        ky = height / layer.target.height();
        if (!layer.hole.isEmpty()) {
            holeLeft = layer.hole.left();
            holeTop = layer.hole.top();
            holeRight = layer.hole.right();
            holeBottom = layer.hole.bottom();
        }
    }
    const QRgb* line(int v) const { return reinterpret_cast<const QRgb*>(bits + v * stride); }
    // Transparent outside the layer and inside its hole.
    QRgb at(double x, double y) const {
        const double u = (x - x0) * kx, v = (y - y0) * ky;
        if (!(u >= 0 && v >= 0 && u < width && v < height)) return 0;
        const int iu = static_cast<int>(u), iv = static_cast<int>(v);
        if (iu >= holeLeft && iu <= holeRight && iv >= holeTop && iv <= holeBottom) return 0;
        return line(iv)[iu];
    }
    // Clamped to the layer's edge pixels.
    QRgb clamped(double x, double y) const {
        const int iu = std::clamp(static_cast<int>((x - x0) * kx), 0, width - 1);
        const int iv = std::clamp(static_cast<int>((y - y0) * ky), 0, height - 1);
        return line(iv)[iu];
    }
};

// What lies inside the outline (JellyInside), ready for one pixel after
// another: the constants of its light, ripple and bubbles worked out once.
class InsideLayers {
public:
    InsideLayers(const JellyInside& inside, double pixels) : inside_(inside), pixels_(pixels) {
        if (inside.lightCenter) {
            lightX_ = inside.lightCenter->x();
            lightY_ = inside.lightCenter->y();
            lightR2_ = inside.lightRadius * inside.lightRadius;
            lightInverse_ = static_cast<float>(1.0 / inside.lightRadius);
            lightPeak_ = 255.0f * static_cast<float>(inside.lightOpacity);
        }
        if (inside.rippleCenter) {
            const double reach = 1.25 + 1.0 / pixels, inner = std::max(inside.rippleRadius - reach, 0.0),
                         outer = inside.rippleRadius + reach;
            rippleX_ = inside.rippleCenter->x();
            rippleY_ = inside.rippleCenter->y();
            rippleInner2_ = inner * inner;
            rippleOuter2_ = outer * outer;
        }
        const QColor& tint = inside.bubbleTint;
        tint_ = qRgba(tint.red(), tint.green(), tint.blue(), 255);
        tintOpacity_ = 0.35 * tint.alphaF();
    }

    QRgb at(double x, double y) const {
        using ImageEffects::over;
        using ImageEffects::whiteAt;
        QRgb q = 0;
        for (const JellyInside::Bubble& bubble : inside_.bubbles) {
            const double r = bubble.diameter / 2;
            const double dx = x - bubble.center.x(), dy = y - bubble.center.y();
            if (std::abs(dx) > r + 1 || std::abs(dy) > r + 1) continue;
            const double distance = std::sqrt(dx * dx + dy * dy);
            const double fill = std::clamp((r - distance) * pixels_ + 0.5, 0.0, 1.0);
            if (fill <= 0.0) continue;
            q = over(whiteAt(toByte(127.5 * fill)), q);
            const double rim =
                std::clamp(0.6 * pixels_ + 0.5 - std::abs(distance - (r - 0.6)) * pixels_, 0.0, 1.0) * fill;
            if (rim > 0.0) q = over(ImageEffects::byteMul(tint_, toByte(255.0 * tintOpacity_ * rim)), q);
        }
        if (inside_.lightCenter) {
            const double dx = x - lightX_, dy = y - lightY_, d2 = dx * dx + dy * dy;
            if (d2 < lightR2_) {
                // Linear in the distance: opacity × (1 − d / r), as bytes.
                const float t = std::sqrt(static_cast<float>(d2)) * lightInverse_;
                const QRgb light = whiteAt(static_cast<uint>(lightPeak_ - lightPeak_ * t + 0.5f));
                q = q ? over(light, q) : light;
            }
        }
        if (inside_.rippleCenter) {
            const double dx = x - rippleX_, dy = y - rippleY_, d2 = dx * dx + dy * dy;
            if (d2 > rippleInner2_ && d2 < rippleOuter2_) {
                const double off = std::abs(std::sqrt(d2) - inside_.rippleRadius) * pixels_;
                const double coverage = std::clamp(1.25 * pixels_ + 0.5 - off, 0.0, 1.0);
                if (coverage > 0.0) q = over(whiteAt(toByte(255.0 * inside_.rippleOpacity * coverage)), q);
            }
        }
        return q;
    }

private:
    const JellyInside& inside_;
    double pixels_;
    double lightX_ = 0, lightY_ = 0, lightR2_ = 0;
    float lightInverse_ = 0, lightPeak_ = 0;
    double rippleX_ = 0, rippleY_ = 0, rippleInner2_ = 0, rippleOuter2_ = 0;
    QRgb tint_ = 0;
    double tintOpacity_ = 0;
};

// Copies skin pixels from `x` while the coverage is full, up to `end`;
// returns where it stopped. Kept apart so the loop stays in registers.
int copyCovered(QRgb* out, const QRgb* coverage, const QRgb* skinLine, int lastSkin, int64_t& ku, int64_t step, int x,
                int end) {
    int64_t u = ku;
    for (; x < end && coverage[x] == 0xffffffffu; ++x, u += step)
        out[x] = skinLine[std::clamp(static_cast<int>(u >> 16), 0, lastSkin)];
    ku = u;
    return x;
}

// Positions along a row of a tilted or scaled jelly: in its own points and
// in the skin's pixels (16.16), each with its step per device pixel.
struct RowWalk {
    double lx, ly, dx, dy;
    int64_t ku, kv, kdu, kdv;
    void advance(int n) {
        lx += n * dx;
        ly += n * dy;
        ku += n * kdu;
        kv += n * kdv;
    }
};

// The stepped twin of copyCovered: skin and what lies inside the outline,
// from `x` while the coverage is full and no highlight is near, up to `end`.
int paintCovered(QRgb* out, const QRgb* coverage, const LayerSampler& skin, RowWalk& walk, int x, int end,
                 const Highlight& sheen, const Highlight& dot, bool highlightRows, const InsideLayers* inside,
                 uint insideAlpha) {
    using ImageEffects::byteMul;
    using ImageEffects::over;
    RowWalk w = walk;
    const int lastU = skin.width - 1, lastV = skin.height - 1;
    for (; x < end && coverage[x] == 0xffffffffu; ++x) {
        if (highlightRows &&
            ((sheen.rowNear(w.ly) && sheen.near(w.lx)) || (dot.rowNear(w.ly) && dot.near(w.lx))))
            break;
        QRgb p = skin.line(std::clamp(static_cast<int>(w.kv >> 16), 0, lastV))[std::clamp(
            static_cast<int>(w.ku >> 16), 0, lastU)];
        if (inside) {
            const QRgb q = inside->at(w.lx, w.ly);
            if (q) p = over(insideAlpha == 255 ? q : byteMul(q, insideAlpha), p);
        }
        out[x] = p;
        w.advance(1);
    }
    walk = w;
    return x;
}

// The drop shadow alone, from `x` while the pixel lies outside the outline
// (no coverage; `coverage` may be null for rows without body), up to `end`;
// its position steps in 16.16 pixels of the layer. Returns where it stopped.
int paintShadowOnly(QRgb* out, const QRgb* coverage, int bodyFrom, int bodyTo, const LayerSampler& shadow,
                    int64_t& su, int64_t& sv, int64_t sdu, int64_t sdv, uint alpha, int x, int end) {
    using ImageEffects::byteMul;
    using ImageEffects::over;
    int64_t u = su, v = sv;
    for (; x < end; ++x, u += sdu, v += sdv) {
        if (coverage && x >= bodyFrom && x <= bodyTo && coverage[x] != 0) break;
        if (!shadow.bits) continue;
        const auto iu = static_cast<int>(u >> 16), iv = static_cast<int>(v >> 16);
        if (iu < 0 || iv < 0 || iu >= shadow.width || iv >= shadow.height) continue;
        if (iu >= shadow.holeLeft && iu <= shadow.holeRight && iv >= shadow.holeTop && iv <= shadow.holeBottom)
            continue;
        QRgb s = shadow.line(iv)[iu];
        if (!s) continue;
        if (alpha != 255) s = byteMul(s, alpha);
        out[x] = over(s, out[x]);
    }
    su = u;
    sv = v;
    return x;
}

uint alphaOf(double opacity) { return toByte(255.0 * std::clamp(opacity, 0.0, 1.0)); }

}  // namespace

bool paintJellyDirect(QPainter& painter, const QTransform& toPainter, QSizeF size, const JellyShape& shape,
                      const JellyPalette& palette, const JellyBodyStyle& style, double bodyOpacity,
                      const JellyInside* inside) {
    using ImageEffects::byteMul;
    using ImageEffects::over;
    QImage* target = ImageEffects::directTarget(painter);
    if (!target) return false;
    if (!(size.width() > 0.0) || !(size.height() > 0.0)) return true;
    if (inside && !inside->lightCenter && !inside->rippleCenter && inside->bubbles.empty()) inside = nullptr;
    const QTransform toDevice = toPainter * painter.deviceTransform();
    bool invertible = false;
    const QTransform toLocal = toDevice.inverted(&invertible);
    if (!invertible) return true;
    const bool projective = toLocal.type() == QTransform::TxProject;
    const double pixels = std::sqrt(std::abs(toDevice.m11() * toDevice.m22() - toDevice.m12() * toDevice.m21()));
    const double ratio = ImageEffects::pixelRatioOf(painter);
    const QRectF box(QPointF(0, 0), size);

    // Pulled layers are made a few per frame; until then the resting ones stand in.
    PullKey pull = pullKeyOf(shape);
    if (pull.active() && !hasPulledSkin(size, shape, palette, style, ratio, pull) && !mayMakeLayer()) pull = {};
    const Layer drop = cachedDropShadow(box, shape, palette, style, ratio, pull);
    const Layer skinLayer = cachedSkin(box, shape, palette, style, false, ratio, pull);
    const LayerSampler shadow(drop), skin(skinLayer);

    QRectF reach = box;
    if (!drop.isNull()) reach |= drop.target;
    if (shape.pull && shape.pullAmount > 0) reach |= box.adjusted(-kPullMargin, -kPullMargin, kPullMargin, kPullMargin);
    const QRect area = toDevice.mapRect(reach).toAlignedRect() & target->rect();
    if (area.isEmpty()) return true;

    // The outline's coverage, rasterised once in device pixels.
    const QPainterPath path = shape.path(box);
    const QRect bodyArea = toDevice.mapRect(path.boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1) & area;
    QImage& mask = ImageEffects::scratchImage(bodyArea.size());
    if (!bodyArea.isEmpty()) {
        for (int y = 0; y < bodyArea.height(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(mask.scanLine(y)), bodyArea.width(), 0u);
        QPainter coverage(&mask);
        coverage.setClipRect(QRect(QPoint(0, 0), bodyArea.size()));
        coverage.setRenderHint(QPainter::Antialiasing);
        coverage.setTransform(toDevice * QTransform::fromTranslate(-bodyArea.left(), -bodyArea.top()));
        coverage.fillPath(path, Qt::white);
    }

    const JellyGloss gloss = jellyGloss(size, style.tilt);
    const Highlight sheen(gloss.ellipse, style.glass ? 0.9 : 0.75, 0.0, pixels);
    const Highlight dot(gloss.dot, 0.85, 0.85, pixels);
    const QRgb glow = ImageEffects::whiteAt(alphaOf(0.07 * style.glow));
    const uint bodyAlpha = alphaOf(bodyOpacity * painter.opacity());
    const uint insideAlpha = inside ? alphaOf(inside->opacity * painter.opacity()) : 0;
    const std::optional<InsideLayers> insideReady =
        inside ? std::optional<InsideLayers>(std::in_place, *inside, pixels) : std::nullopt;
    const InsideLayers* insideLayers = insideReady ? &*insideReady : nullptr;
    // Under an opaque body the shadow is never seen.
    const bool opaqueBody = !style.glass && bodyAlpha == 255;

    const uchar* maskBits = mask.constBits();
    const qsizetype maskStride = mask.bytesPerLine();
    uchar* bits = const_cast<uchar*>(target->constBits());  // bits() could detach it from the painter
    const qsizetype stride = target->bytesPerLine();
    // One pixel: the shadow where the body may not hide it, then the body and
    // what lies inside it; `shadowPx` and `skinPx` read the layers lazily.
    auto shade = [&](QRgb& out, uint m, double lx, double ly, bool sheenRow, bool dotRow, auto shadowPx,
                     auto skinPx) {
        if (!(m == 255 && opaqueBody)) {
            QRgb s = shadowPx();
            if (s) {
                if (bodyAlpha != 255) s = byteMul(s, bodyAlpha);
                out = over(s, out);
            }
        }
        if (m == 0) return;
        QRgb p = skinPx();
        if (sheenRow && sheen.near(lx)) p = over(sheen.at(lx, ly), p);
        if (dotRow && dot.near(lx)) p = over(dot.at(lx, ly), p);
        if (glow) p = over(glow, p);
        const uint a = (m * bodyAlpha + 127) / 255;
        if (a != 255) p = byteMul(p, a);
        out = qAlpha(p) == 255 ? p : over(p, out);
        if (inside) {
            const QRgb q = insideLayers->at(lx, ly);
            if (q) out = over(byteMul(q, (m * insideAlpha + 127) / 255), out);
        }
    };
    // The jelly's own coordinates of a pixel centre.
    auto localAt = [&](double x, double y) {
        const double X = toLocal.m11() * x + toLocal.m21() * y + toLocal.dx();
        const double Y = toLocal.m12() * x + toLocal.m22() * y + toLocal.dy();
        if (!projective) return QPointF(X, Y);
        const double W = toLocal.m13() * x + toLocal.m23() * y + toLocal.m33();
        return W > 0.0 ? QPointF(X / W, Y / W) : QPointF(-1e9, -1e9);
    };
    // Along a row the mapping is linear, or (in perspective) nearly so: its
    // positions step linearly between exact ends of short segments. At the
    // largest tilt a segment of √side pixels strays about 0.02 of a pixel at
    // most, where an affine stand-in for the whole jelly would be off by 3 %
    // of its side.
    const double side = std::min(size.width(), size.height()) * pixels;
    const int segment = projective ? std::clamp(static_cast<int>(std::sqrt(std::max(side, 1.0))), 4, 16) : area.width();
    auto fixed = [](double value) {  // floor in 16.16, without a library call
        const double scaled = value * 65536.0;
        const auto truncated = static_cast<int64_t>(scaled);
        return truncated - (scaled < static_cast<double>(truncated) ? 1 : 0);
    };
    // An upright jelly with nothing inside its outline but its body (every
    // resting jelly): rows split into shadow-only runs and body runs, each in
    // a tight loop.
    const bool upright = !projective && toLocal.m12() == 0.0 && toLocal.m21() == 0.0 && !inside;
    for (int y = area.top(); upright && y <= area.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(bits + y * stride);
        const double ly = toLocal.m22() * (y + 0.5) + toLocal.dy();
        const double step = toLocal.m11();
        auto localX = [&](int x) { return toLocal.m11() * (x + 0.5) + toLocal.dx(); };
        // The shadow's row; its columns step in 16.16 fixed point.
        const QRgb* shadowLine = nullptr;
        int holeFrom = 1, holeTo = 0;
        if (shadow.bits) {
            const double v = (ly - shadow.y0) * shadow.ky;
            if (v >= 0 && v < shadow.height) {
                shadowLine = shadow.line(static_cast<int>(v));
                if (static_cast<int>(v) >= shadow.holeTop && static_cast<int>(v) <= shadow.holeBottom) {
                    holeFrom = shadow.holeLeft;
                    holeTo = shadow.holeRight;
                }
            }
        }
        const int64_t sStep = fixed(step * shadow.kx);
        auto shadowRun = [&](int from, int to) {  // [from, to)
            if (!shadowLine || from >= to) return;
            int64_t su = fixed((localX(from) - shadow.x0) * shadow.kx);
            for (int x = from; x < to; ++x, su += sStep) {
                const auto iu = static_cast<int>(su >> 16);
                if (iu < 0 || iu >= shadow.width || (iu >= holeFrom && iu <= holeTo)) continue;
                QRgb s = shadowLine[iu];
                if (!s) continue;
                if (bodyAlpha != 255) s = byteMul(s, bodyAlpha);
                out[x] = over(s, out[x]);
            }
        };
        const bool bodyRow = y >= bodyArea.top() && y <= bodyArea.bottom();
        if (!bodyRow) {
            shadowRun(area.left(), area.right() + 1);
            continue;
        }
        shadowRun(area.left(), bodyArea.left());
        shadowRun(bodyArea.right() + 1, area.right() + 1);
        const QRgb* coverage = reinterpret_cast<const QRgb*>(maskBits + (y - bodyArea.top()) * maskStride) - bodyArea.left();
        const QRgb* skinLine = skin.line(std::clamp(static_cast<int>((ly - skin.y0) * skin.ky), 0, skin.height - 1));
        const int64_t kStep = fixed(step * skin.kx);
        int64_t ku = fixed((localX(bodyArea.left()) - skin.x0) * skin.kx);
        int64_t su = fixed((localX(bodyArea.left()) - shadow.x0) * shadow.kx);
        const bool sheenRow = sheen.rowNear(ly), dotRow = dot.rowNear(ly);
        // Device columns the highlights may touch on this row.
        auto columns = [&](const Highlight& h, bool row) {
            if (!row) return std::pair(1, 0);
            return std::pair(static_cast<int>(std::floor((h.left - toLocal.dx()) / step)) - 1,
                             static_cast<int>(std::ceil((h.right - toLocal.dx()) / step)) + 1);
        };
        const auto [sheenFrom, sheenTo] = columns(sheen, sheenRow);
        const auto [dotFrom, dotTo] = columns(dot, dotRow);
        const bool plain = opaqueBody && !glow;
        const int lastSkin = skin.width - 1;
        for (int x = bodyArea.left(); x <= bodyArea.right(); ++x, ku += kStep, su += sStep) {
            if (plain) {
                // Up to the next highlight column, full coverage is the skin alone.
                int limit = bodyArea.right() + 1;
                if (x < sheenFrom) limit = std::min(limit, sheenFrom);
                else if (x <= sheenTo) limit = x;
                if (x < dotFrom) limit = std::min(limit, dotFrom);
                else if (x <= dotTo) limit = x;
                const int stop = copyCovered(out, coverage, skinLine, lastSkin, ku, kStep, x, limit);
                su += (stop - x) * sStep;
                x = stop;
                if (x > bodyArea.right()) break;
            }
            const uint m = qAlpha(coverage[x]);
            shade(out[x], m, localX(x), ly, sheenRow, dotRow,
                  [&]() -> QRgb {
                      if (!shadowLine) return 0;
                      const auto iu = static_cast<int>(su >> 16);
                      if (iu < 0 || iu >= shadow.width || (iu >= holeFrom && iu <= holeTo)) return 0;
                      return shadowLine[iu];
                  },
                  [&] { return skinLine[std::clamp(static_cast<int>(ku >> 16), 0, lastSkin)]; });
        }
    }
    for (int y = area.top(); !upright && y <= area.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(bits + y * stride);
        const bool bodyRow = y >= bodyArea.top() && y <= bodyArea.bottom();
        const QRgb* coverage =
            bodyRow ? reinterpret_cast<const QRgb*>(maskBits + (y - bodyArea.top()) * maskStride) - bodyArea.left()
                    : nullptr;
        for (int x0 = area.left(); x0 <= area.right(); x0 += segment) {
            const int x1 = std::min(x0 + segment, area.right() + 1);
            const QPointF a = localAt(x0 + 0.5, y + 0.5), b = localAt(x1 + 0.5, y + 0.5);
            if (a.x() < -1e8 || b.x() < -1e8) continue;
            const double dx = (b.x() - a.x()) / (x1 - x0), dy = (b.y() - a.y()) / (x1 - x0);
            int64_t ku = fixed((a.x() - skin.x0) * skin.kx), kv = fixed((a.y() - skin.y0) * skin.ky);
            const int64_t kdu = fixed(dx * skin.kx), kdv = fixed(dy * skin.ky);
            int64_t su = 0, sv = 0, sdu = 0, sdv = 0;
            if (shadow.bits) {
                su = fixed((a.x() - shadow.x0) * shadow.kx);
                sv = fixed((a.y() - shadow.y0) * shadow.ky);
                sdu = fixed(dx * shadow.kx);
                sdv = fixed(dy * shadow.ky);
            }
            // Rows away from the highlights (and rows of an untilted jelly) decide once.
            const bool sheenRows = sheen.rowNear(a.y()) || sheen.rowNear(b.y());
            const bool dotRows = dot.rowNear(a.y()) || dot.rowNear(b.y());
            const bool plainBody = opaqueBody && !glow;
            RowWalk walk{a.x(), a.y(), dx, dy, ku, kv, kdu, kdv};
            for (int x = x0; x < x1; ++x, walk.advance(1), su += sdu, sv += sdv) {
                {
                    const int stop = paintShadowOnly(out, coverage, bodyArea.left(), bodyArea.right(), shadow, su, sv,
                                                     sdu, sdv, bodyAlpha, x, x1);
                    walk.advance(stop - x);
                    x = stop;
                    if (x >= x1) break;
                }
                if (plainBody && bodyRow && x >= bodyArea.left()) {
                    const int stop = paintCovered(out, coverage, skin, walk, x, std::min(x1, bodyArea.right() + 1),
                                                  sheen, dot, sheenRows || dotRows, insideLayers, insideAlpha);
                    su += (stop - x) * sdu;
                    sv += (stop - x) * sdv;
                    x = stop;
                    if (x >= x1) break;
                }
                const double lx = walk.lx, ly = walk.ly;
                ku = walk.ku;
                kv = walk.kv;
                const uint m = bodyRow && x >= bodyArea.left() && x <= bodyArea.right() ? qAlpha(coverage[x]) : 0u;
                const bool sheenRow = sheenRows && sheen.rowNear(ly), dotRow = dotRows && dot.rowNear(ly);
                shade(out[x], m, lx, ly, sheenRow, dotRow,
                      [&]() -> QRgb {
                          if (!shadow.bits) return 0;
                          const auto iu = static_cast<int>(su >> 16), iv = static_cast<int>(sv >> 16);
                          if (iu < 0 || iv < 0 || iu >= shadow.width || iv >= shadow.height) return 0;
                          if (iu >= shadow.holeLeft && iu <= shadow.holeRight && iv >= shadow.holeTop &&
                              iv <= shadow.holeBottom)
                              return 0;
                          return shadow.line(iv)[iu];
                      },
                      [&] {
                          return skin.line(std::clamp(static_cast<int>(kv >> 16), 0, skin.height - 1))[std::clamp(
                              static_cast<int>(ku >> 16), 0, skin.width - 1)];
                      });
            }
        }
    }

    // The glass look's dashes and the selection rings lie on the outline.
    if (style.glass || style.selected) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(toPainter, true);
        painter.setOpacity(painter.opacity() * bodyOpacity);
        if (style.glass) strokeGlassOutline(painter, path, palette);
        if (style.selected) strokeSelection(painter, path, shape, box, palette);
        painter.restore();
    }
    return true;
}

}  // namespace sorbeta
