#include "ui/jelly/JellyShape.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace sorbeta {

namespace {

constexpr int kCount = JellyShape::kPointCount;

// Angle tables of the 36 outline points: cos θ, sin θ and those of 3θ and 5θ
// for the wobble (expanded with the angle-sum identities).
struct AngleTable {
    std::array<double, kCount> cos1, sin1, cos3, sin3, cos5, sin5;
};

const AngleTable& angles() {
    static const AngleTable table = [] {
        AngleTable t{};
        for (int k = 0; k < kCount; ++k) {
            const double f = static_cast<double>(k) / kCount;
            const double theta = (f + f) * std::numbers::pi;
            const auto i = static_cast<std::size_t>(k);
            t.cos1[i] = std::cos(theta);
            t.sin1[i] = std::sin(theta);
            t.cos3[i] = std::cos(3.0 * theta);
            t.sin3[i] = std::sin(3.0 * theta);
            t.cos5[i] = std::cos(5.0 * theta);
            t.sin5[i] = std::sin(5.0 * theta);
        }
        return t;
    }();
    return table;
}

// The unit superellipse (sign(c)·|c|^e, sign(s)·|s|^e) for one squareness; the
// last few are kept per thread, since a map uses only two squarenesses.
using UnitPoints = std::array<std::pair<double, double>, kCount>;

const UnitPoints& unitSuperellipse(double squareness) {
    struct Entry {
        double squareness = -1.0;
        UnitPoints points{};
    };
    thread_local std::array<Entry, 4> entries;
    thread_local std::size_t next = 0;
    for (const Entry& entry : entries)
        if (entry.squareness == squareness) return entry.points;
    Entry& entry = entries[next];
    next = (next + 1) % entries.size();
    const double e = 2.0 / squareness;
    const AngleTable& t = angles();
    for (std::size_t k = 0; k < static_cast<std::size_t>(kCount); ++k)
        entry.points[k] = {std::copysign(std::pow(std::abs(t.cos1[k]), e), t.cos1[k]),
                           std::copysign(std::pow(std::abs(t.sin1[k]), e), t.sin1[k])};
    entry.squareness = squareness;
    return entry.points;
}

}  // namespace

std::array<QPointF, JellyShape::kPointCount> JellyShape::outline(const QRectF& rect) const {
    const double cx = rect.center().x();
    const double cy = rect.center().y();
    const double rx = rect.width() / 2.0;
    const double ry = rect.height() / 2.0;
    const UnitPoints& unit = unitSuperellipse(squareness);
    const AngleTable& t = angles();

    const bool pulling = pull.has_value() && pullAmount > 0.0;
    double tx = 0.0, ty = 0.0, twoSigma2 = 1.0;
    if (pulling) {
        tx = rect.left() + pull->x() * rect.width();
        ty = rect.top() + pull->y() * rect.height();
        const double sigma = std::max(0.38 * std::min(rect.width(), rect.height()), 20.0);
        twoSigma2 = 2.0 * sigma * sigma;
    }
    // v = 0.6 sin(a + 3θ) + 0.4 sin(b + 5θ), with a = seed + 1.7 t and b = 2.3 seed − 1.1 t.
    const double a = seed + 1.7 * time;
    const double b = 2.3 * seed - 1.1 * time;
    const double sinA = std::sin(a), cosA = std::cos(a), sinB = std::sin(b), cosB = std::cos(b);

    std::array<QPointF, kCount> points;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kCount); ++k) {
        const double px = cx + rx * unit[k].first;
        const double py = cy + ry * unit[k].second;
        double v = 0.6 * (sinA * t.cos3[k] + cosA * t.sin3[k]) + 0.4 * (sinB * t.cos5[k] + cosB * t.sin5[k]);
        v = v * 0.5 + 0.5;
        double d = -v * wobble;
        if (pulling) {
            const double dx = px - tx;
            const double dy = py - ty;
            d += pullAmount * std::exp(-(dx * dx + dy * dy) / twoSigma2);
        }
        const double length = std::max(std::sqrt((px - cx) * (px - cx) + (py - cy) * (py - cy)), 0.001);
        points[k] = QPointF(px + (px - cx) / length * d, py + (py - cy) / length * d);
    }
    return points;
}

QPainterPath JellyShape::path(const QRectF& rect) const {
    const auto points = outline(rect);
    return smoothClosed(points);
}

QPainterPath JellyShape::smoothClosed(std::span<const QPointF> points) {
    QPainterPath path;
    const std::size_t n = points.size();
    if (n < 3) return path;
    path.moveTo(points[0]);
    for (std::size_t i = 0; i < n; ++i) {
        const SplinePiece c = closedSplinePiece(points, i);
        path.cubicTo(c[1], c[2], c[3]);
    }
    path.closeSubpath();
    return path;
}

SplinePiece closedSplinePiece(std::span<const QPointF> points, std::size_t i) {
    const std::size_t n = points.size();
    const QPointF p0 = points[(i + n - 1) % n], p1 = points[i], p2 = points[(i + 1) % n], p3 = points[(i + 2) % n];
    return {p1, p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2};
}

QPointF splinePieceAt(const SplinePiece& c, double t) {
    const double u = 1 - t;
    return u * u * u * c[0] + 3 * u * u * t * c[1] + 3 * u * t * t * c[2] + t * t * t * c[3];
}

double splinePieceBend(const SplinePiece& c) {
    return std::max(planeLength(c[2] - 2 * c[1] + c[0]), planeLength(c[3] - 2 * c[2] + c[1]));
}

double jellySeed(const std::string& id) {
    const auto hash = static_cast<int64_t>(std::hash<std::string>{}(id));
    return static_cast<double>(std::abs(hash % 1000)) / 1000.0 * 6.28;
}

QPainterPath jellyHitShape(const QRectF& rect, double seed, double squareness) {
    return JellyShape{.time = 0.0, .seed = seed, .wobble = 0.0, .squareness = squareness}.path(rect);
}

}  // namespace sorbeta
