#include "ui/jelly/JellyOutlineRaster.h"

#include <algorithm>
#include <cmath>

#include "ui/jelly/JellyShape.h"
#include "ui/kit/DeviceRects.h"

namespace sorbeta {

namespace {

// The unit normal on the left of an edge (right of it on a screen, whose y runs down).
QPointF normalOf(QPointF edge) {
    const double l = planeLength(edge);
    return l > 0 ? QPointF(edge.y() / l, -edge.x() / l) : QPointF(0, 0);
}

// The offset of a corner between edges with unit normals `a` and `b`, for a
// half-width of one: the corner of a mitred join. A corner turned almost back
// on itself keeps the first edge's offset, as a miter limit of ten would.
QPointF miterOf(QPointF a, QPointF b) {
    const double d = 1 + a.x() * b.x() + a.y() * b.y();
    return d < 0.02 ? a : (a + b) / d;
}

// The line's edges: their normals, and the corner offsets at each point.
struct Edges {
    std::vector<QPointF> normals, miters;
    std::vector<double> starts;  // distance along the line where each edge starts; one more: the whole length

    explicit Edges(std::span<const QPointF> line) {
        const std::size_t n = line.size();
        normals.resize(n);
        miters.resize(n);
        starts.resize(n + 1);
        double along = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const QPointF edge = line[(i + 1) % n] - line[i];
            normals[i] = normalOf(edge);
            starts[i] = along;
            along += planeLength(edge);
        }
        starts[n] = along;
        for (std::size_t i = 0; i < n; ++i) miters[i] = miterOf(normals[(i + n - 1) % n], normals[i]);
    }
};

// Far longer than any outline on a screen, in points.
constexpr double kLongestDashedLine = 1e6;

std::vector<QPointF>& scratch() {
    thread_local std::vector<QPointF> points;
    points.clear();
    return points;
}

void addMapped(CoverageRaster& raster, std::vector<QPointF>& points, const QTransform& toDevice) {
    for (QPointF& p : points) p = toDevice.map(p);
    raster.addPolygon(points);
}

}  // namespace

std::vector<QPointF> flattenClosedSpline(std::span<const QPointF> points, double tolerance) {
    std::vector<QPointF> line;
    const std::size_t n = points.size();
    if (n < 3) return line;
    tolerance = std::max(tolerance, 1e-4);
    auto add = [&](QPointF p) {
        if (line.empty() || planeLength(p - line.back()) > 1e-9) line.push_back(p);
    };
    for (std::size_t i = 0; i < n; ++i) {
        const SplinePiece c = closedSplinePiece(points, i);
        const int steps =
            std::clamp(static_cast<int>(std::ceil(std::sqrt(0.75 * splinePieceBend(c) / tolerance))), 1, 64);
        add(c[0]);
        for (int k = 1; k < steps; ++k) add(splinePieceAt(c, double(k) / steps));
    }
    if (line.size() > 1 && planeLength(line.front() - line.back()) <= 1e-9) line.pop_back();
    return line;
}

void addFill(CoverageRaster& raster, std::span<const QPointF> line, const QTransform& toDevice) {
    std::vector<QPointF>& points = scratch();
    points.assign(line.begin(), line.end());
    addMapped(raster, points, toDevice);
}

void addBand(CoverageRaster& raster, std::span<const QPointF> line, double width, const QTransform& toDevice) {
    if (line.size() < 3) return;
    const Edges edges(line);
    const double half = width / 2;
    std::vector<QPointF>& points = scratch();
    for (std::size_t i = 0; i < line.size(); ++i) points.push_back(line[i] + edges.miters[i] * half);
    addMapped(raster, points, toDevice);
    // The other side runs the other way round: inside it the windings cancel.
    points.clear();
    for (std::size_t i = line.size(); i-- > 0;) points.push_back(line[i] - edges.miters[i] * half);
    addMapped(raster, points, toDevice);
}

void addDashes(CoverageRaster& raster, std::span<const QPointF> line, double width, double on, double off,
               const QTransform& toDevice, std::span<const QRect> region) {
    const std::size_t n = line.size();
    if (n < 3 || !(on > 0) || !(off >= 0) || region.empty()) return;
    const Edges edges(line);
    const double total = edges.starts[n], half = width / 2;
    // A line whose length is not a number, or far beyond any outline's,
    // would ask for endless dashes.
    if (!(total < kLongestDashedLine)) return;
    auto pointAt = [&](std::size_t edge, double along) {
        const double l = edges.starts[edge + 1] - edges.starts[edge];
        const QPointF a = line[edge], b = line[(edge + 1) % n];
        return l > 0 ? a + (b - a) * ((along - edges.starts[edge]) / l) : a;
    };
    std::vector<QPointF> middle, offsets;
    std::size_t edge = 0;
    for (double from = 0; from < total; from += on + off) {
        const double to = std::min(from + on, total);
        while (edge + 1 < n && edges.starts[edge + 1] <= from) ++edge;
        // The dash's points along the line with the offsets of their sides.
        middle.assign(1, pointAt(edge, from));
        offsets.assign(1, edges.normals[edge]);
        std::size_t last = edge;
        for (std::size_t k = edge + 1; k < n && edges.starts[k] < to; ++k) {
            middle.push_back(line[k]);
            offsets.push_back(edges.miters[k]);
            last = k;
        }
        middle.push_back(pointAt(last, to));
        offsets.push_back(edges.normals[last]);

        std::vector<QPointF>& points = scratch();
        for (std::size_t i = 0; i < middle.size(); ++i) points.push_back(middle[i] + offsets[i] * half);
        for (std::size_t i = middle.size(); i-- > 0;) points.push_back(middle[i] - offsets[i] * half);
        for (QPointF& p : points) p = toDevice.map(p);
        double left = points[0].x(), right = left, top = points[0].y(), bottom = top;
        bool sound = true;  // every point one the raster would place
        for (const QPointF& p : points) {
            sound =
                sound && std::abs(p.x()) <= CoverageRaster::kFarthest && std::abs(p.y()) <= CoverageRaster::kFarthest;
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        if (!sound) continue;
        // The pixels the dash touches, and one more round them.
        const QRect touched(QPoint(int(std::floor(left)) - 1, int(std::floor(top)) - 1),
                            QPoint(int(std::floor(right)) + 1, int(std::floor(bottom)) + 1));
        if (!DeviceRects::meets(region, touched)) continue;
        raster.addPolygon(points);
    }
}

}  // namespace sorbeta
