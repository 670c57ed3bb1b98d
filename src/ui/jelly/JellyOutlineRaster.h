#pragma once
// A jelly's outline as a fine polyline in its own points, and the polygons
// of what lies on it (its fill, a band along it, dashes along it) laid into a
// coverage raster in device pixels. Painted straight into pixels this way, a
// resting jelly's outline costs only the pixels a frame repaints, where a
// painter strokes and rasterises the whole outline for every band.
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QTransform>
#include <span>
#include <vector>

#include "ui/kit/CoverageRaster.h"

namespace sorbeta {

// The closed spline through `points` (the curve JellyShape::smoothClosed
// makes), cut into chords that stray at most `tolerance` from it.
std::vector<QPointF> flattenClosedSpline(std::span<const QPointF> points, double tolerance);

// The inside of the closed polyline `line`.
void addFill(CoverageRaster& raster, std::span<const QPointF> line, const QTransform& toDevice);

// A band `width` wide centred on the closed polyline `line`, with mitred
// corners (the stroke of a pen that wide).
void addBand(CoverageRaster& raster, std::span<const QPointF> line, double width, const QTransform& toDevice);

// Dashes `on` long and `off` apart along the closed polyline `line`, `width`
// wide with flat ends, the first starting at its first point and the last cut
// where the line ends (the dashes of a dashed pen). Dashes whose device box
// (grown by a pixel) meets none of the rectangles of `region` (in a region's
// order) are left out.
void addDashes(CoverageRaster& raster, std::span<const QPointF> line, double width, double on, double off,
               const QTransform& toDevice, std::span<const QRect> region);

}  // namespace sorbeta
