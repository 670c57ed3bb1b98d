#pragma once
// The jelly outline: a superellipse through the rect's edge midpoints whose
// 36 points wobble inwards over time and bulge towards a pull point. Pure
// geometry; the map re-creates it every frame with a new time.
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>

namespace sorbeta {

struct JellyShape {
    static constexpr int kPointCount = 36;

    double time = 0.0;            // animation clock, seconds
    double seed = 0.0;            // per-jelly phase (radians)
    double wobble = 0.0;          // inward wobble depth, points
    double squareness = 4.4;      // superellipse exponent is 2 / squareness
    std::optional<QPointF> pull;  // unit coordinates of the rect (0…1 from the top-left)
    double pullAmount = 0.0;      // largest outward shift at the pull point, points

    std::array<QPointF, kPointCount> outline(const QRectF& rect) const;
    QPainterPath path(const QRectF& rect) const;

    // Closed Catmull-Rom spline through the points as cubic curves; fewer than
    // three points give an empty path.
    static QPainterPath smoothClosed(std::span<const QPointF> points);
};

// The length of a vector in the plane.
inline double planeLength(QPointF v) { return std::sqrt(v.x() * v.x() + v.y() * v.y()); }

// The cubic curve of that closed spline from point `i` to point `i + 1`: its
// start, two control points and end.
using SplinePiece = std::array<QPointF, 4>;
SplinePiece closedSplinePiece(std::span<const QPointF> points, std::size_t i);
// A point of a cubic curve at parameter t (0…1).
QPointF splinePieceAt(const SplinePiece& c, double t);
// The curve's largest second difference: a chord over a parameter step h
// strays about 3/4 h² of it from the curve.
double splinePieceBend(const SplinePiece& c);

// Per-jelly phase from its id: |hash mod 1000| / 1000 × 6.28. The same within
// one run, so the drawn outline and the hit shape agree.
double jellySeed(const std::string& id);

// The resting outline (time 0, no wobble, no pull): the jelly's hit area.
QPainterPath jellyHitShape(const QRectF& rect, double seed, double squareness);

}  // namespace sorbeta
