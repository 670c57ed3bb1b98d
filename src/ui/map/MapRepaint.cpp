#include "ui/map/MapRepaint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "ui/jelly/JellyBody.h"
#include "ui/map/JellyLayers.h"

namespace sorbeta::MapRepaint {
namespace {

// The jelly's own points (box at the origin) to device pixels.
QTransform jellyToDevice(const BlobFrame& f, const QTransform& toDevice) {
    return blobTransform(f.rect.size(), f.fx, f.squish, f.rect.topLeft()) * toDevice;
}

// Room beyond the box a jelly may draw in: its drop shadow (radius 12 at
// 1.5 of it, offset 8), a pull's bulge (11), the selection ring (5 + 1).
constexpr double kReachMargin = 40;
// Room around moving things in device pixels: a pixel changes only where
// what is drawn covers part of it, so this is slack for rounding.
constexpr double kPixelRoom = 1.5;
// Room around a moving outline beyond half the width of the strokes on it.
// A pixel changes only where the outline crosses its square, which the
// boxes already hold; this is slack for the chords the outline is painted
// with (at most a twentieth of a pixel off the curve) and for rounding.
constexpr double kBareRoom = 0.5;
// Half the width of the strokes along an outline, in points: the white
// selection line and the glass dashes on the jelly's own, the ring's dashes
// on the ring. Their joins within a dash turn so little that their mitres
// reach no further.
constexpr double kSelectionHalfWidth = kSelectionLineWidth / 2;
constexpr double kGlassHalfWidth = kGlassDashWidth / 2;
constexpr double kRingHalfWidth = kSelectionRingLine / 2;

using Outline = std::array<QPointF, JellyShape::kPointCount>;

// The outlines that move with time: the jelly's own, and the ring around it.
std::vector<Outline> movingOutlines(const BlobFrame& f) {
    const QSizeF size = f.rect.size();
    const JellyShape shape = blobShape(*f.node, size, f.fx, outlineTime(f));
    const QRectF box(QPointF(0, 0), size);
    std::vector<Outline> outlines{shape.outline(box)};
    const double out = kSelectionRingOffset;
    if (f.selected) outlines.push_back(shape.outline(box.adjusted(-out, -out, out, out)));
    return outlines;
}

std::vector<FizzBubble> bubblesOf(const BlobFrame& f) {
    if (f.node->kind != MapNode::Kind::free) return {};
    const auto bubbles = fizzBubbles(f.rect.size(), f.time * (1 + 2 * f.fx.amount));
    return {bubbles.begin(), bubbles.end()};
}

QPointF mapped(const QTransform& t, QPointF p) { return t.map(p); }

double distance(QPointF a, QPointF b) { return planeLength(a - b); }

// Device pixels per point of a transform near a point (its larger stretch).
double pixelsPerPoint(const QTransform& t, QPointF at) {
    const QPointF o = t.map(at);
    return std::max(distance(t.map(at + QPointF(1, 0)), o), distance(t.map(at + QPointF(0, 1)), o));
}

QRect grown(const QRectF& r, double by) { return r.adjusted(-by, -by, by, by).toAlignedRect(); }

bool close(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

// The grid cell a device pixel lies in, along one axis.
int cellOf(int v) { return v >= 0 ? v / GridRegion::kGrid : -((-v + GridRegion::kGrid - 1) / GridRegion::kGrid); }

// Device pixels of outline a repaint box follows: short enough that the box
// of a piece of a round corner stays a thin band.
constexpr double kPieceLength = 8;

}  // namespace

GridRegion::GridRegion(const QRect& bounds) : bounds_(bounds) {
    if (bounds.isEmpty()) return;
    left_ = cellOf(bounds.left());
    top_ = cellOf(bounds.top());
    columns_ = cellOf(bounds.right()) - left_ + 1;
    rows_ = cellOf(bounds.bottom()) - top_ + 1;
    cells_.assign(std::size_t(columns_) * std::size_t(rows_), 0);
    firstRow_ = rows_;
    firstColumn_ = columns_;
}

void GridRegion::add(const QRect& box) {
    const QRect within = box & bounds_;
    if (within.isEmpty()) return;
    const int x0 = cellOf(within.left()) - left_, x1 = cellOf(within.right()) - left_;
    const int y0 = cellOf(within.top()) - top_, y1 = cellOf(within.bottom()) - top_;
    for (int y = y0; y <= y1; ++y) std::fill_n(cells_.begin() + std::ptrdiff_t(y) * columns_ + x0, x1 - x0 + 1, 1);
    firstRow_ = std::min(firstRow_, y0);
    lastRow_ = std::max(lastRow_, y1);
    firstColumn_ = std::min(firstColumn_, x0);
    lastColumn_ = std::max(lastColumn_, x1);
}

void GridRegion::add(const QRegion& region) {
    for (const QRect& box : region) add(box);
}

QRegion GridRegion::region() const {
    if (isEmpty()) return {};
    // Rows of cells with the same runs make one band of the region; its
    // rectangles are then already in the order a region keeps them.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> runs, bandRuns;
    int bandTop = 0;
    auto flush = [&](int bandBottom) {
        const int top = std::max((top_ + bandTop) * kGrid, bounds_.top());
        const int bottom = std::min((top_ + bandBottom + 1) * kGrid - 1, bounds_.bottom());
        for (const auto& [from, to] : bandRuns) {
            const int left = std::max((left_ + from) * kGrid, bounds_.left());
            const int right = std::min((left_ + to) * kGrid - 1, bounds_.right());
            rects.emplace_back(QPoint(left, top), QPoint(right, bottom));
        }
    };
    for (int y = firstRow_; y <= lastRow_ + 1; ++y) {
        runs.clear();
        if (y <= lastRow_) {
            // Most of a row is empty: memchr() skips it many cells at a time.
            const unsigned char* row = cells_.data() + std::ptrdiff_t(y) * columns_;
            const unsigned char* end = row + lastColumn_ + 1;
            for (const unsigned char* at = row + firstColumn_; at < end;) {
                const auto* set = static_cast<const unsigned char*>(std::memchr(at, 1, std::size_t(end - at)));
                if (!set) break;
                const auto* clear = static_cast<const unsigned char*>(std::memchr(set, 0, std::size_t(end - set)));
                if (!clear) clear = end;
                runs.emplace_back(int(set - row), int(clear - row));
                at = clear;
            }
        }
        if (y > firstRow_ && runs == bandRuns) continue;
        if (y > firstRow_) flush(y - 1);
        bandRuns.swap(runs);
        bandTop = y;
    }
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

QRect reach(const BlobFrame& f, const QTransform& toDevice) {
    const QRectF box(QPointF(0, 0), f.rect.size());
    return grown(
        jellyToDevice(f, toDevice).mapRect(box.adjusted(-kReachMargin, -kReachMargin, kReachMargin, kReachMargin)),
        kPixelRoom);
}

bool sameButTime(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice) {
    if (a.node != b.node || a.selected != b.selected || a.rightToLeft != b.rightToLeft || a.label != b.label ||
        a.icon != b.icon)
        return false;
    if (a.label && a.labelKey != b.labelKey) return false;
    if (a.icon && a.icon->cacheKey() != b.icon->cacheKey()) return false;
    // A colour level is 1/255; these stay well inside it.
    constexpr double level = 1.0 / 1024;
    if (!close(a.opacity, b.opacity, level) || !close(a.glow, b.glow, level) || !close(a.hint, b.hint, level) ||
        !close(a.dot, b.dot, level))
        return false;
    const HoverFX& p = a.fx;
    const HoverFX& q = b.fx;
    if (p.ripple || q.ripple) return false;  // a ripple grows every frame
    if (p.point.has_value() != q.point.has_value()) return false;
    if (p.point && distance(*p.point, *q.point) > 1e-4) return false;
    if (!close(p.amount, q.amount, level) || !close(p.wave, q.wave, level) || !close(p.tiltX, q.tiltX, level) ||
        !close(p.tiltY, q.tiltY, level))
        return false;
    // The whole frame (placement, swell, jiggle, tilt, squish) within a few
    // hundredths of a pixel at every corner.
    const QTransform ta = jellyToDevice(a, toDevice), tb = jellyToDevice(b, toDevice);
    const QSizeF sa = a.rect.size(), sb = b.rect.size();
    if (!close(sa.width(), sb.width(), 1e-3) || !close(sa.height(), sb.height(), 1e-3)) return false;
    for (QPointF corner :
         {QPointF(0, 0), QPointF(sa.width(), 0), QPointF(0, sa.height()), QPointF(sa.width(), sa.height())})
        if (distance(ta.map(corner), tb.map(corner)) > 1.0 / 32) return false;
    return true;
}

double outlineMotion(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice) {
    const QTransform ta = jellyToDevice(a, toDevice), tb = jellyToDevice(b, toDevice);
    double most = 0;
    const std::vector<Outline> before = movingOutlines(a), after = movingOutlines(b);
    for (std::size_t o = 0; o < std::min(before.size(), after.size()); ++o)
        for (std::size_t k = 0; k < before[o].size(); ++k)
            most = std::max(most, distance(mapped(ta, before[o][k]), mapped(tb, after[o][k])));
    return most;
}

double fizzMotion(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice) {
    const QTransform ta = jellyToDevice(a, toDevice), tb = jellyToDevice(b, toDevice);
    double most = 0;
    const std::vector<FizzBubble> bubblesBefore = bubblesOf(a), bubblesAfter = bubblesOf(b);
    for (std::size_t i = 0; i < std::min(bubblesBefore.size(), bubblesAfter.size()); ++i)
        most = std::max(most, distance(mapped(ta, bubblesBefore[i].center), mapped(tb, bubblesAfter[i].center)));
    return most;
}

QRegion changedBetween(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice) {
    const QRect reached = reach(a, toDevice) | reach(b, toDevice);
    GridRegion region(reached.adjusted(-GridRegion::kGrid, -GridRegion::kGrid, GridRegion::kGrid, GridRegion::kGrid));
    changedBetween(a, b, toDevice, region);
    return region.region();
}

void changedBetween(const BlobFrame& a, const BlobFrame& b, const QTransform& toDevice, GridRegion& into) {
    const QTransform ta = jellyToDevice(a, toDevice), tb = jellyToDevice(b, toDevice);
    // Strokes on an outline reach past it by half their width; a bare
    // outline only changes the pixels it passes through.
    const double pixels = pixelsPerPoint(ta, QPointF(a.rect.width() / 2, a.rect.height() / 2));
    const double ownHalfWidth = a.selected                            ? kSelectionHalfWidth
                                : a.node->kind == MapNode::Kind::free ? kGlassHalfWidth
                                                                      : 0.0;
    // An outline held in place (or a fizz that did not move) changes nothing.
    const bool outlineMoved = outlineTime(a) != outlineTime(b);
    const std::vector<Outline> before = outlineMoved ? movingOutlines(a) : std::vector<Outline>{};
    const std::vector<Outline> after = outlineMoved ? movingOutlines(b) : std::vector<Outline>{};
    constexpr int n = JellyShape::kPointCount;
    // An affine map keeps the spline's control points where the mapped
    // points put them: its outline points are mapped once, not once per
    // curve; a tilt in perspective maps each curve's control points.
    const bool affine = ta.type() < QTransform::TxProject && tb.type() < QTransform::TxProject;
    for (std::size_t o = 0; o < std::min(before.size(), after.size()); ++o) {
        const double room = (o == 0 ? ownHalfWidth : kRingHalfWidth) * pixels + kBareRoom;
        Outline pointsBefore = before[o], pointsAfter = after[o];
        if (affine) {
            for (QPointF& p : pointsBefore) p = ta.map(p);
            for (QPointF& p : pointsAfter) p = tb.map(p);
        }
        for (int i = 0; i < n; ++i) {
            // The curve from point i to i + 1 of the closed spline, in device
            // pixels, in both frames.
            SplinePiece from = closedSplinePiece(pointsBefore, std::size_t(i));
            SplinePiece to = closedSplinePiece(pointsAfter, std::size_t(i));
            if (!affine) {
                for (QPointF& p : from) p = ta.map(p);
                for (QPointF& p : to) p = tb.map(p);
            }
            // Both frames' curves are cut into short pieces at the same
            // parameters; the quadrilateral between matching pieces holds
            // every pixel the outline swept there, give or take how far a
            // piece bows out from its chord (a quarter of its step squared
            // times the curve's largest second difference, times three).
            const double span = std::max(
                {planeLength(from[3] - from[0]), planeLength(to[3] - to[0]),
                 planeLength(from[1] - from[0]) + planeLength(from[2] - from[1]) + planeLength(from[3] - from[2])});
            const int pieces = std::clamp(int(std::ceil(span / kPieceLength)), 1, 16);
            const double step = 1.0 / pieces;
            const double bow = 0.75 * step * step * std::max(splinePieceBend(from), splinePieceBend(to));
            QPointF lastFrom = from[0], lastTo = to[0];
            for (int k = 1; k <= pieces; ++k) {
                const QPointF nextFrom = splinePieceAt(from, k * step), nextTo = splinePieceAt(to, k * step);
                const double left = std::min({lastFrom.x(), lastTo.x(), nextFrom.x(), nextTo.x()});
                const double right = std::max({lastFrom.x(), lastTo.x(), nextFrom.x(), nextTo.x()});
                const double top = std::min({lastFrom.y(), lastTo.y(), nextFrom.y(), nextTo.y()});
                const double bottom = std::max({lastFrom.y(), lastTo.y(), nextFrom.y(), nextTo.y()});
                into.add(grown(QRectF(QPointF(left, top), QPointF(right, bottom)), room + bow));
                lastFrom = nextFrom;
                lastTo = nextTo;
            }
        }
    }
    if (a.time == b.time && a.fx.amount == b.fx.amount) return;
    const std::vector<FizzBubble> bubblesBefore = bubblesOf(a), bubblesAfter = bubblesOf(b);
    for (const auto& [bubbles, t] : {std::pair(&bubblesBefore, &ta), std::pair(&bubblesAfter, &tb)})
        for (const FizzBubble& bubble : *bubbles) {
            const double r = bubble.diameter / 2 + 1;
            into.add(grown(t->mapRect(QRectF(bubble.center - QPointF(r, r), QSizeF(2 * r, 2 * r))), kPixelRoom));
        }
}

}  // namespace sorbeta::MapRepaint
