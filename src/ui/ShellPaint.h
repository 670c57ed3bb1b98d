#pragma once
// Soft shadows for the shell's capsules, painted as stacked translucent
// outlines: cheap enough for every frame of a spring and close to a blur.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace sorbeta {

// A drop shadow of `path` with the given colour (its alpha is the peak
// opacity), blur radius and offset, painted under where the shape will go.
void paintDropShadow(QPainter& painter, const QPainterPath& path, const QColor& color, double radius,
                     QPointF offset);

// An inner shadow: a rim of `color` inside `path`, strongest at the edge
// facing away from the offset (offset y 2 lights the top rim).
void paintInnerShadow(QPainter& painter, const QPainterPath& path, const QColor& color, double radius,
                      QPointF offset);

// A capsule (fully rounded rectangle) path.
QPainterPath shellCapsule(const QRectF& rect);

}  // namespace sorbeta
