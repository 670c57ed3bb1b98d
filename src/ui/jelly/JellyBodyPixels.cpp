// The jelly body painted straight into an image's pixels: one pass over the
// pixels a jelly can reach, mapping each back into the jelly's own
// coordinates (also under a perspective tilt), reading its cached shadow and
// skin and adding the gloss, the glow and what the map draws inside it.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/jelly/JellyBody.h"
#include "ui/jelly/JellyBodyLayers.h"
#include "ui/jelly/JellyOutlineRaster.h"
#include "ui/jelly/JellyPixelRuns.h"
#include "ui/kit/CoverageRaster.h"
#include "ui/kit/DeviceRects.h"
#include "ui/kit/ImageEffects.h"

namespace sorbeta {

namespace {

using ImageEffects::Layer;
using namespace bodylayers;
using namespace jellypixels;

uint alphaOf(double opacity) { return toByte(255.0 * std::clamp(opacity, 0.0, 1.0)); }

QRgb premultipliedAt(const QColor& color, double opacity) {
    return qPremultiply(qRgba(color.red(), color.green(), color.blue(), int(alphaOf(color.alphaF() * opacity))));
}

// Chords of the outline stray at most this far (device pixels) from its curve.
constexpr double kOutlineTolerance = 0.05;

// Each painting thread lays its outlines into one raster of its own.
CoverageRaster& outlineRaster() {
    thread_local CoverageRaster raster;
    return raster;
}

// Floor in 16.16 fixed point, without a library call.
inline int64_t fixed(double value) {
    const double scaled = value * 65536.0;
    const auto truncated = static_cast<int64_t>(scaled);
    return truncated - (scaled < static_cast<double>(truncated) ? 1 : 0);
}

// One jelly painted straight into pixels: everything its rows need, worked
// out once before the first row.
struct DirectJelly {
    QImage* target = nullptr;
    QTransform toDevice, toLocal;
    bool projective = false;
    double pixels = 1;  // device pixels per point
    QSizeF size;
    QRectF box;
    std::vector<QPointF> outline;  // the outline in the jelly's own points, as fine chords

    ImageEffects::Layer drop, skinLayer;
    LayerSampler shadow{ImageEffects::Layer{}}, skin{ImageEffects::Layer{}};
    QRect area;                  // device pixels the jelly can reach
    QRect bodyArea;              // device pixels of the outline's coverage
    std::vector<QRect> clip;     // what this painting may change, in a region's order
    std::vector<QRect> allowed;  // the part of `area` this painting may change
    QRect maskArea;              // the box of the body's pixels within `allowed`, where coverage is worked out
    const uchar* maskBits = nullptr;
    qsizetype maskStride = 0;

    Highlight sheen{QRectF(), 0, 0, 1}, dot{QRectF(), 0, 0, 1};
    QRgb glow = 0;
    uint bodyAlpha = 255, insideAlpha = 0;
    std::optional<InsideLayers> inside;
    bool opaqueBody = false;  // under it the shadow is never seen

    uchar* bits = nullptr;
    qsizetype stride = 0;

    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits + y * stride); }
    // The jelly's own x of a device column's centre, when upright.
    double uprightX(int x) const { return toLocal.m11() * (x + 0.5) + toLocal.dx(); }
    // The coverage row of device row `y`, indexed by device column (valid
    // within `maskArea` and `allowed`).
    const QRgb* coverageRow(int y) const {
        return reinterpret_cast<const QRgb*>(maskBits + (y - maskArea.top()) * maskStride) - maskArea.left();
    }

    // The jelly's own coordinates of a pixel centre.
    QPointF localAt(double x, double y) const {
        const double X = toLocal.m11() * x + toLocal.m21() * y + toLocal.dx();
        const double Y = toLocal.m12() * x + toLocal.m22() * y + toLocal.dy();
        if (!projective) return QPointF(X, Y);
        const double W = toLocal.m13() * x + toLocal.m23() * y + toLocal.m33();
        return W > 0.0 ? QPointF(X / W, Y / W) : QPointF(-1e9, -1e9);
    }
};

// What a pixel of the body is shaded with, copied out of the jelly once per
// run of pixels: as locals of the run, its integers cannot be taken for
// pixels the run writes, so they stay in registers.
struct Shading {
    bool opaqueBody;
    uint bodyAlpha, insideAlpha;
    QRgb glow;
    const Highlight* sheen;
    const Highlight* dot;
    const InsideLayers* inside;

    explicit Shading(const DirectJelly& j)
        : opaqueBody(j.opaqueBody),
          bodyAlpha(j.bodyAlpha),
          insideAlpha(j.insideAlpha),
          glow(j.glow),
          sheen(&j.sheen),
          dot(&j.dot),
          inside(j.inside ? &*j.inside : nullptr) {}

    // One pixel: the shadow where the body may not hide it, then the body and
    // what lies inside it; `shadowPx` and `skinPx` read the layers lazily.
    template <typename ShadowPx, typename SkinPx>
    void shade(QRgb& out, uint m, double lx, double ly, bool sheenRow, bool dotRow, ShadowPx shadowPx,
               SkinPx skinPx) const {
        using ImageEffects::byteMul;
        using ImageEffects::over;
        if (!(m == 255 && opaqueBody)) {
            QRgb s = shadowPx();
            if (s) {
                if (bodyAlpha != 255) s = byteMul(s, bodyAlpha);
                out = over(s, out);
            }
        }
        if (m == 0) return;
        QRgb p = skinPx();
        if (sheenRow && sheen->near(lx)) p = over(sheen->at(lx, ly), p);
        if (dotRow && dot->near(lx)) p = over(dot->at(lx, ly), p);
        if (glow) p = over(glow, p);
        const uint a = (m * bodyAlpha + 127) / 255;
        if (a != 255) p = byteMul(p, a);
        out = qAlpha(p) == 255 ? p : over(p, out);
        if (inside) {
            const QRgb q = inside->at(lx, ly);
            if (q) out = over(byteMul(q, (m * insideAlpha + 127) / 255), out);
        }
    }
};

// The cached drop shadow and skin of the jelly, and the device pixels they
// reach; false when nothing of it lands in the image.
bool prepareLayers(DirectJelly& j, const JellyShape& shape, const JellyPalette& palette, const JellyBodyStyle& style,
                   double ratio) {
    // Pulled layers are made a few per frame; until then the resting ones stand in.
    PullKey pull = pullKeyOf(shape);
    if (pull.active() && !hasPulledSkin(j.size, shape, palette, style, ratio, pull) && !mayMakeLayer()) pull = {};
    j.drop = cachedDropShadow(j.box, shape, palette, style, ratio, pull);
    j.skinLayer = cachedSkin(j.box, shape, palette, style, false, ratio, pull);
    j.shadow = LayerSampler(j.drop);
    j.skin = LayerSampler(j.skinLayer);

    QRectF reach = j.box;
    if (!j.drop.isNull()) reach |= j.drop.target;
    if (shape.pull && shape.pullAmount > 0)
        reach |= j.box.adjusted(-kPullMargin, -kPullMargin, kPullMargin, kPullMargin);
    j.area = j.toDevice.mapRect(reach).toAlignedRect() & j.target->rect();
    j.allowed = DeviceRects::within(j.allowed, j.area);
    return !j.allowed.empty();
}

// The outline as fine chords, cut when first needed: a jelly repainted only
// for its neighbours' sake often needs none of it.
const std::vector<QPointF>& outlineOf(DirectJelly& j, const JellyShape& shape) {
    if (j.outline.empty()) j.outline = flattenClosedSpline(shape.outline(j.box), kOutlineTolerance / j.pixels);
    return j.outline;
}

// The outline's coverage, rasterised once in device pixels, where this
// painting may change them.
void rasteriseCoverage(DirectJelly& j, const JellyShape& shape) {
    // The box holds a wobbling outline (it only ever moves inwards), so the
    // rows' split into shadow and body columns stays put while it wobbles and
    // a pixel away from the outline comes out the same in every frame. A pull
    // bulges it out by at most its amount.
    const double bulge = shape.pull && shape.pullAmount > 0 ? shape.pullAmount : 0.0;
    const QRectF bounds = j.box.adjusted(-bulge, -bulge, bulge, bulge);
    j.bodyArea = j.toDevice.mapRect(bounds).toAlignedRect().adjusted(-1, -1, 1, 1) & j.area;
    // Only the body's pixels this painting may change are worked out: the
    // rows read nothing else. A jelly repainted only for its neighbours'
    // sake often has none.
    const std::vector<QRect> body = DeviceRects::within(j.allowed, j.bodyArea);
    j.maskArea = DeviceRects::bounds(body);
    QImage& mask = ImageEffects::scratchImage(j.maskArea.size());
    j.maskBits = mask.constBits();
    j.maskStride = mask.bytesPerLine();
    if (j.maskArea.isEmpty()) return;
    CoverageRaster& raster = outlineRaster();
    raster.reset(j.maskArea);
    outlineOf(j, shape);
    addFill(raster, j.outline, j.toDevice);
    raster.finish();
    for (const QRect& part : body) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            QRgb* row = const_cast<QRgb*>(j.coverageRow(y));
            raster.row(y, part.left(), part.right(), [row](int x, int count, int coverage) {
                std::fill_n(row + x, count, uint(coverage) * 0x01010101u);
            });
        }
    }
}

// The glass look's dashes and the selection ring, which lie on the outline,
// straight into the pixels this painting may change.
void paintOutlineStrokes(DirectJelly& j, const JellyShape& shape, const JellyPalette& palette,
                         const JellyBodyStyle& style, double opacity) {
    const double out = kSelectionRingOffset;
    const QRect strokeReach =
        j.toDevice.mapRect(j.box.adjusted(-out - 2, -out - 2, out + 2, out + 2)).toAlignedRect() & j.target->rect();
    const std::vector<QRect> region = DeviceRects::within(j.clip, strokeReach);
    if (region.empty()) return;
    const QRect reach = DeviceRects::bounds(region);
    outlineOf(j, shape);
    CoverageRaster& raster = outlineRaster();
    auto fill = [&](QRgb color, auto&& add) {
        raster.reset(reach);
        add();
        raster.finish();
        fillCoverage(j.bits, j.stride, region, raster, color);
    };
    if (style.glass)
        fill(premultipliedAt(withOpacity(palette.base, kGlassDashOpacity), opacity),
             [&] { addDashes(raster, j.outline, kGlassDashWidth, kGlassDashOn, kGlassDashOff, j.toDevice, region); });
    if (!style.selected) return;
    fill(premultipliedAt(Qt::white, opacity), [&] { addBand(raster, j.outline, kSelectionLineWidth, j.toDevice); });
    const auto ring = shape.outline(j.box.adjusted(-out, -out, out, out));
    const std::vector<QPointF> dashLine = flattenClosedSpline(ring, kOutlineTolerance / j.pixels);
    fill(premultipliedAt(palette.deep, opacity), [&] {
        addDashes(raster, dashLine, kSelectionRingLine, kSelectionDashOn, kSelectionDashOff, j.toDevice, region);
    });
}

// The gloss, glow, opacities and inside layers.
void prepareLooks(DirectJelly& j, const JellyBodyStyle& style, double bodyOpacity, double painterOpacity,
                  const JellyInside* inside) {
    const JellyGloss gloss = jellyGloss(j.size, style.tilt);
    j.sheen = Highlight(gloss.ellipse, style.glass ? 0.9 : 0.75, 0.0, j.pixels);
    j.dot = Highlight(gloss.dot, 0.85, 0.85, j.pixels);
    j.glow = ImageEffects::whiteAt(alphaOf(0.07 * style.glow));
    j.bodyAlpha = alphaOf(bodyOpacity * painterOpacity);
    j.insideAlpha = inside ? alphaOf(inside->opacity * painterOpacity) : 0;
    if (inside) j.inside.emplace(*inside, j.pixels);
    j.opaqueBody = !style.glass && j.bodyAlpha == 255;
}

// --- An upright jelly (every resting jelly, the fizzing free space too):
// rows split into shadow-only runs and body runs, each in a tight loop.

// The shadow's row under device row `y`; its columns step in 16.16 fixed point.
struct UprightShadowRow {
    const QRgb* line = nullptr;
    int holeFrom = 1, holeTo = 0;

    UprightShadowRow(const LayerSampler& shadow, double ly) {
        if (!shadow.bits) return;
        const double v = (ly - shadow.y0) * shadow.ky;
        if (!(v >= 0 && v < shadow.height)) return;
        line = shadow.line(static_cast<int>(v));
        if (static_cast<int>(v) >= shadow.holeTop && static_cast<int>(v) <= shadow.holeBottom) {
            holeFrom = shadow.holeLeft;
            holeTo = shadow.holeRight;
        }
    }
    QRgb at(int64_t su, int width) const {
        if (!line) return 0;
        const auto iu = static_cast<int>(su >> 16);
        if (iu < 0 || iu >= width || (iu >= holeFrom && iu <= holeTo)) return 0;
        return line[iu];
    }
};

// The shadow alone over device columns [from, to) of row `out`, stepping
// from the column `anchor` its run starts at when nothing is clipped. Inlined
// into the row: it runs over every shadow pixel beside a resting jelly.
[[gnu::always_inline]] inline void uprightShadowRun(const DirectJelly& j, QRgb* out, const UprightShadowRow& shadowRow,
                                                    int anchor, int from, int to) {
    using ImageEffects::byteMul;
    using ImageEffects::over;
    if (!shadowRow.line || from >= to) return;
    const QRgb* line = shadowRow.line;
    const int holeFrom = shadowRow.holeFrom, holeTo = shadowRow.holeTo, width = j.shadow.width;
    const uint bodyAlpha = j.bodyAlpha;
    const int64_t sStep = fixed(j.toLocal.m11() * j.shadow.kx);
    int64_t su = fixed((j.uprightX(anchor) - j.shadow.x0) * j.shadow.kx) + (from - anchor) * sStep;
    for (int x = from; x < to; ++x, su += sStep) {
        const auto iu = static_cast<int>(su >> 16);
        if (iu < 0 || iu >= width || (iu >= holeFrom && iu <= holeTo)) continue;
        QRgb s = line[iu];
        if (!s) continue;
        if (bodyAlpha != 255) s = byteMul(s, bodyAlpha);
        out[x] = over(s, out[x]);
    }
}

// Device columns a highlight may touch on an upright row; empty when the row
// is not near it.
std::pair<int, int> highlightColumns(const DirectJelly& j, const Highlight& h, bool row) {
    if (!row) return std::pair(1, 0);
    const double step = j.toLocal.m11();
    return std::pair(static_cast<int>(std::floor((h.left - j.toLocal.dx()) / step)) - 1,
                     static_cast<int>(std::ceil((h.right - j.toLocal.dx()) / step)) + 1);
}

// The body's columns of an upright row within [from, to), with the shadow
// where the body lets it through.
void uprightBodyRun(const DirectJelly& j, QRgb* out, int y, double ly, const UprightShadowRow& shadowRow, int from,
                    int to) {
    const Shading shading(j);
    const UprightShadowRow shadow = shadowRow;
    const int shadowWidth = j.shadow.width;
    const double step = j.toLocal.m11();
    const QRgb* coverage = j.coverageRow(y);
    const LayerSampler& skin = j.skin;
    const QRgb* skinLine = skin.line(std::clamp(static_cast<int>((ly - skin.y0) * skin.ky), 0, skin.height - 1));
    const int64_t kStep = fixed(step * skin.kx), sStep = fixed(step * j.shadow.kx);
    const int left = std::max(j.bodyArea.left(), from);
    // Stepped from the body's first column, as an unclipped row is.
    int64_t ku = fixed((j.uprightX(j.bodyArea.left()) - skin.x0) * skin.kx) + (left - j.bodyArea.left()) * kStep;
    int64_t su =
        fixed((j.uprightX(j.bodyArea.left()) - j.shadow.x0) * j.shadow.kx) + (left - j.bodyArea.left()) * sStep;
    const bool sheenRow = j.sheen.rowNear(ly), dotRow = j.dot.rowNear(ly);
    const auto [sheenFrom, sheenTo] = highlightColumns(j, j.sheen, sheenRow);
    const auto [dotFrom, dotTo] = highlightColumns(j, j.dot, dotRow);
    const bool plain = shading.opaqueBody && !shading.glow;
    const int lastSkin = skin.width - 1;
    const int right = std::min(j.bodyArea.right(), to - 1);
    for (int x = left; x <= right; ++x, ku += kStep, su += sStep) {
        if (plain) {
            // Up to the next highlight column, full coverage is the skin alone.
            int limit = right + 1;
            if (x < sheenFrom)
                limit = std::min(limit, sheenFrom);
            else if (x <= sheenTo)
                limit = x;
            if (x < dotFrom)
                limit = std::min(limit, dotFrom);
            else if (x <= dotTo)
                limit = x;
            const int stop = copyCovered(out, coverage, skinLine, lastSkin, ku, kStep, x, limit);
            su += (stop - x) * sStep;
            x = stop;
            if (x > right) break;
        }
        const uint m = qAlpha(coverage[x]);
        shading.shade(
            out[x], m, j.uprightX(x), ly, sheenRow, dotRow, [&]() -> QRgb { return shadow.at(su, shadowWidth); },
            [&] { return skinLine[std::clamp(static_cast<int>(ku >> 16), 0, lastSkin)]; });
    }
}

// The rows of `part` (within the jelly's area): each pixel as an unclipped
// painting of the whole area makes it.
void paintUprightRows(const DirectJelly& j, const QRect& part) {
    const int from = part.left(), to = part.right() + 1;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        QRgb* out = j.row(y);
        const double ly = j.toLocal.m22() * (y + 0.5) + j.toLocal.dy();
        const UprightShadowRow shadowRow(j.shadow, ly);
        if (y < j.bodyArea.top() || y > j.bodyArea.bottom()) {
            uprightShadowRun(j, out, shadowRow, j.area.left(), from, to);
            continue;
        }
        uprightShadowRun(j, out, shadowRow, j.area.left(), from, std::min(to, j.bodyArea.left()));
        uprightShadowRun(j, out, shadowRow, j.bodyArea.right() + 1, std::max(from, j.bodyArea.right() + 1), to);
        if (from <= j.bodyArea.right() && to > j.bodyArea.left()) uprightBodyRun(j, out, y, ly, shadowRow, from, to);
    }
}

// --- A tilted, rotated or filled jelly: along a row the mapping is linear,
// or (in perspective) nearly so, and its positions step linearly between
// exact ends of short segments. At the largest tilt a segment of √side pixels
// strays about 0.02 of a pixel at most, where an affine stand-in for the
// whole jelly would be off by 3 % of its side.

int tiltedSegmentLength(const DirectJelly& j) {
    const double side = std::min(j.size.width(), j.size.height()) * j.pixels;
    return j.projective ? std::clamp(static_cast<int>(std::sqrt(std::max(side, 1.0))), 4, 16) : j.area.width();
}

// Device columns [from, to) of the segment [x0, x1) of row `y`, whose ends
// map to `a` and `b`.
void paintTiltedSegment(const DirectJelly& j, QRgb* out, const QRgb* coverage, bool bodyRow, int x0, int x1, QPointF a,
                        QPointF b, int from, int to) {
    const LayerSampler& skin = j.skin;
    const LayerSampler& shadow = j.shadow;
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
    const bool sheenRows = j.sheen.rowNear(a.y()) || j.sheen.rowNear(b.y());
    const bool dotRows = j.dot.rowNear(a.y()) || j.dot.rowNear(b.y());
    const Shading shading(j);
    const bool plainBody = shading.opaqueBody && !shading.glow;
    RowWalk walk{a.x(), a.y(), dx, dy, ku, kv, kdu, kdv};
    walk.advance(from - x0);
    su += (from - x0) * sdu;
    sv += (from - x0) * sdv;
    for (int x = from; x < to; ++x, walk.advance(1), su += sdu, sv += sdv) {
        {
            const int stop = paintShadowOnly(out, coverage, j.bodyArea.left(), j.bodyArea.right(), shadow, su, sv, sdu,
                                             sdv, shading.bodyAlpha, x, to);
            walk.advance(stop - x);
            x = stop;
            if (x >= to) break;
        }
        if (plainBody && bodyRow && x >= j.bodyArea.left()) {
            const int stop = paintCovered(out, coverage, skin, walk, x, std::min(to, j.bodyArea.right() + 1), j.sheen,
                                          j.dot, sheenRows || dotRows, shading.inside, shading.insideAlpha);
            su += (stop - x) * sdu;
            sv += (stop - x) * sdv;
            x = stop;
            if (x >= to) break;
        }
        const double lx = walk.lx(), ly = walk.ly();
        ku = walk.ku;
        kv = walk.kv;
        const uint m = bodyRow && x >= j.bodyArea.left() && x <= j.bodyArea.right() ? qAlpha(coverage[x]) : 0u;
        const bool sheenRow = sheenRows && j.sheen.rowNear(ly), dotRow = dotRows && j.dot.rowNear(ly);
        shading.shade(
            out[x], m, lx, ly, sheenRow, dotRow,
            [&]() -> QRgb {
                if (!shadow.bits) return 0;
                const auto iu = static_cast<int>(su >> 16), iv = static_cast<int>(sv >> 16);
                if (iu < 0 || iv < 0 || iu >= shadow.width || iv >= shadow.height) return 0;
                if (iu >= shadow.holeLeft && iu <= shadow.holeRight && iv >= shadow.holeTop && iv <= shadow.holeBottom)
                    return 0;
                return shadow.line(iv)[iu];
            },
            [&] {
                return skin.line(
                    std::clamp(static_cast<int>(kv >> 16), 0,
                               skin.height - 1))[std::clamp(static_cast<int>(ku >> 16), 0, skin.width - 1)];
            });
    }
}

// The rows of `part`; segments start where they would for the whole area.
void paintTiltedRows(const DirectJelly& j, const QRect& part) {
    const int segment = tiltedSegmentLength(j);
    const int first = j.area.left() + (part.left() - j.area.left()) / segment * segment;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        QRgb* out = j.row(y);
        const bool bodyRow = y >= j.bodyArea.top() && y <= j.bodyArea.bottom();
        const QRgb* coverage = bodyRow ? j.coverageRow(y) : nullptr;
        for (int x0 = first; x0 <= part.right(); x0 += segment) {
            const int x1 = std::min(x0 + segment, j.area.right() + 1);
            const QPointF a = j.localAt(x0 + 0.5, y + 0.5), b = j.localAt(x1 + 0.5, y + 0.5);
            if (a.x() < -1e8 || b.x() < -1e8) continue;
            paintTiltedSegment(j, out, coverage, bodyRow, x0, x1, a, b, std::max(x0, part.left()),
                               std::min(x1, part.right() + 1));
        }
    }
}

}  // namespace

bool paintJellyDirect(QPainter& painter, const QTransform& toPainter, QSizeF size, const JellyShape& shape,
                      const JellyPalette& palette, const JellyBodyStyle& style, double bodyOpacity,
                      const JellyInside* inside, const std::vector<QRect>* clip) {
    DirectJelly j;
    j.target = ImageEffects::directTarget(painter);
    if (!j.target) return false;
    if (!(size.width() > 0.0) || !(size.height() > 0.0)) return true;
    if (inside && !inside->lightCenter && !inside->rippleCenter && inside->bubbles.empty()) inside = nullptr;
    j.toDevice = toPainter * painter.deviceTransform();
    bool invertible = false;
    j.toLocal = j.toDevice.inverted(&invertible);
    if (!invertible) return true;
    j.projective = j.toLocal.type() == QTransform::TxProject;
    j.pixels = std::sqrt(std::abs(j.toDevice.m11() * j.toDevice.m22() - j.toDevice.m12() * j.toDevice.m21()));
    j.size = size;
    j.box = QRectF(QPointF(0, 0), size);
    if (clip) {
        j.clip = *clip;
    } else {
        const QRegion system = ImageEffects::deviceClip(painter);
        j.clip.assign(system.begin(), system.end());
    }
    j.allowed = j.clip;
    if (!prepareLayers(j, shape, palette, style, ImageEffects::pixelRatioOf(painter))) return true;
    rasteriseCoverage(j, shape);
    prepareLooks(j, style, bodyOpacity, painter.opacity(), inside);
    j.bits = const_cast<uchar*>(j.target->constBits());  // bits() could detach it from the painter
    j.stride = j.target->bytesPerLine();

    const bool upright = !j.projective && j.toLocal.m12() == 0.0 && j.toLocal.m21() == 0.0;
    for (const QRect& part : j.allowed) {
        if (upright)
            paintUprightRows(j, part);
        else
            paintTiltedRows(j, part);
    }

    if (style.glass || style.selected) paintOutlineStrokes(j, shape, palette, style, painter.opacity() * bodyOpacity);
    return true;
}

}  // namespace sorbeta
