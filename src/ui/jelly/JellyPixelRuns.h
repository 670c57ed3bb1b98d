#pragma once
// The pieces the jelly's pixel painter works with, one pixel or one run of
// pixels at a time: the gloss highlights, reads of a cached layer, what lies
// inside the outline, and the tight loops over covered and shadow-only runs.
// Inline, so each inner loop compiles into the painter's own.
#include <QImage>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ui/jelly/JellyBody.h"
#include "ui/kit/ImageEffects.h"

namespace sorbeta::jellypixels {

using ImageEffects::Layer;

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
        const double coverage = f <= fullyIn ? 1.0 : ImageEffects::ellipseCoverage(x, y, cx, cy, rx, ry, pixels);
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
        // Only the bubbles near the row are looked at: rows come one after
        // another, each within a small window of heights.
        if (!(y >= nearFrom_ && y <= nearTo_)) gatherNear(y);
        for (const JellyInside::Bubble* near : near_) {
            const JellyInside::Bubble& bubble = *near;
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
    static constexpr double kNearWindow = 2.0;  // points of height one gathering serves

    void gatherNear(double y) const {
        nearFrom_ = y - kNearWindow / 2;
        nearTo_ = y + kNearWindow / 2;
        near_.clear();
        for (const JellyInside::Bubble& bubble : inside_.bubbles) {
            const double reach = bubble.diameter / 2 + 1;
            if (bubble.center.y() + reach >= nearFrom_ && bubble.center.y() - reach <= nearTo_)
                near_.push_back(&bubble);
        }
    }

    const JellyInside& inside_;
    double pixels_;
    mutable std::vector<const JellyInside::Bubble*> near_;
    mutable double nearFrom_ = 1, nearTo_ = 0;
    double lightX_ = 0, lightY_ = 0, lightR2_ = 0;
    float lightInverse_ = 0, lightPeak_ = 0;
    double rippleX_ = 0, rippleY_ = 0, rippleInner2_ = 0, rippleOuter2_ = 0;
    QRgb tint_ = 0;
    double tintOpacity_ = 0;
};

// Copies skin pixels from `x` while the coverage is full, up to `end`;
// returns where it stopped. Kept apart so the loop stays in registers.
inline int copyCovered(QRgb* out, const QRgb* coverage, const QRgb* skinLine, int lastSkin, int64_t& ku, int64_t step,
                       int x, int end) {
    int64_t u = ku;
    for (; x < end && coverage[x] == 0xffffffffu; ++x, u += step)
        out[x] = skinLine[std::clamp(static_cast<int>(u >> 16), 0, lastSkin)];
    ku = u;
    return x;
}

// Positions along a row of a tilted or scaled jelly: in its own points and
// in the skin's pixels (16.16), each with its step per device pixel. The
// points are worked out from the step count, so a pixel's position does not
// depend on the runs that led to it (a clipped repaint matches a whole one).
struct RowWalk {
    double x0, y0, dx, dy;
    int64_t ku, kv, kdu, kdv;
    int64_t steps = 0;
    double lx() const { return x0 + static_cast<double>(steps) * dx; }
    double ly() const { return y0 + static_cast<double>(steps) * dy; }
    void advance(int n) {
        steps += n;
        ku += n * kdu;
        kv += n * kdv;
    }
};

// The stepped twin of copyCovered: skin and what lies inside the outline,
// from `x` while the coverage is full and no highlight is near, up to `end`.
inline int paintCovered(QRgb* out, const QRgb* coverage, const LayerSampler& skin, RowWalk& walk, int x, int end,
                        const Highlight& sheen, const Highlight& dot, bool highlightRows, const InsideLayers* inside,
                        uint insideAlpha) {
    using ImageEffects::byteMul;
    using ImageEffects::over;
    RowWalk w = walk;
    const int lastU = skin.width - 1, lastV = skin.height - 1;
    for (; x < end && coverage[x] == 0xffffffffu; ++x) {
        const double lx = w.lx(), ly = w.ly();
        if (highlightRows && ((sheen.rowNear(ly) && sheen.near(lx)) || (dot.rowNear(ly) && dot.near(lx)))) break;
        QRgb p = skin.line(
            std::clamp(static_cast<int>(w.kv >> 16), 0, lastV))[std::clamp(static_cast<int>(w.ku >> 16), 0, lastU)];
        if (inside) {
            const QRgb q = inside->at(lx, ly);
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
inline int paintShadowOnly(QRgb* out, const QRgb* coverage, int bodyFrom, int bodyTo, const LayerSampler& shadow,
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

}  // namespace sorbeta::jellypixels
