#include "ui/JellyShape.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace sorbeta {

std::array<QPointF, JellyShape::kPointCount> JellyShape::outline(const QRectF& rect) const {
    const double cx = rect.center().x();
    const double cy = rect.center().y();
    const double rx = rect.width() / 2.0;
    const double ry = rect.height() / 2.0;
    const double e = 2.0 / squareness;

    const bool pulling = pull.has_value() && pullAmount > 0.0;
    double tx = 0.0, ty = 0.0, twoSigma2 = 1.0;
    if (pulling) {
        tx = rect.left() + pull->x() * rect.width();
        ty = rect.top() + pull->y() * rect.height();
        const double sigma = std::max(0.38 * std::min(rect.width(), rect.height()), 20.0);
        twoSigma2 = 2.0 * sigma * sigma;
    }

    std::array<QPointF, kPointCount> points;
    for (int k = 0; k < kPointCount; ++k) {
        const double f = static_cast<double>(k) / kPointCount;
        const double theta = (f + f) * std::numbers::pi;
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        const double px = cx + rx * std::copysign(std::pow(std::abs(c), e), c);
        const double py = cy + ry * std::copysign(std::pow(std::abs(s), e), s);

        double v = 0.6 * std::sin(seed + 1.7 * time + 3.0 * theta) +
                   0.4 * std::sin(2.3 * seed + 5.0 * theta - 1.1 * time);
        v = v * 0.5 + 0.5;
        double d = -v * wobble;
        if (pulling) {
            const double dx = px - tx;
            const double dy = py - ty;
            d += pullAmount * std::exp(-(dx * dx + dy * dy) / twoSigma2);
        }
        const double length = std::max(std::hypot(px - cx, py - cy), 0.001);
        points[static_cast<std::size_t>(k)] =
            QPointF(px + (px - cx) / length * d, py + (py - cy) / length * d);
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
        const QPointF& p0 = points[(i + n - 1) % n];
        const QPointF& p1 = points[i];
        const QPointF& p2 = points[(i + 1) % n];
        const QPointF& p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

double jellySquareness(MapNode::Kind kind) { return kind == MapNode::Kind::free ? 3.4 : 4.4; }

double jellySeed(const std::string& id) {
    const auto hash = static_cast<int64_t>(std::hash<std::string>{}(id));
    return static_cast<double>(std::abs(hash % 1000)) / 1000.0 * 6.28;
}

QPainterPath jellyHitShape(const QRectF& rect, double seed, double squareness) {
    return JellyShape{.time = 0.0, .seed = seed, .wobble = 0.0, .squareness = squareness}.path(rect);
}

}  // namespace sorbeta
