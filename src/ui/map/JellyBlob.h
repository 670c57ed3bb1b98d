#pragma once
// One jelly of the map at one instant: where its layers stand (pure maths)
// and how the frame is painted. The map keeps the state; this draws it.
#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <optional>

#include "ui/jelly/JellyShape.h"
#include "ui/map/JellyHover.h"
#include "ui/map/JellyLayers.h"
#include "ui/map/MapNode.h"

namespace sorbeta {

// Squareness of a node's jelly: free space is rounder (3.4), all others 4.4.
double jellySquareness(MapNode::Kind kind);

// Where the layers of one jelly stand in its box (origin at the box's
// top-left corner, size w × h), for one pointer reaction.
struct BlobGeometry {
    double m = 0;           // the smaller side
    double iconSide = 0;    // min(0.42 m, 72)
    bool showIcon = false;  // an icon path and m > 46
    QPointF iconCenter;
    double iconScale = 1;
    QPointF labelCenter;      // centre of the label's text column
    double labelOpacity = 1;  // 0 when an icon path is set and h <= 90
    double labelScale = 1;
    double labelTextWidth = 0;  // width the label's lines may take
    bool showDot = false;       // kind item
    QRectF dotRect;             // 20 × 20 in the top-trailing corner
    double dotHitRadius = 0;    // a circle 6 points larger than the dot
    bool hintAllowed = false;   // shown while hovered
    double bodyOpacity = 1;     // 0.82 for a category's remainder
    double squareness = 4.4;
    double wobble = 0;
    double pullAmount = 0;
};

BlobGeometry blobGeometry(const MapNode& node, QSizeF size, const HoverFX& fx, bool rightToLeft);

// The jelly's outline at time t with the pointer reaction applied.
JellyShape blobShape(const MapNode& node, QSizeF size, const HoverFX& fx, double time);

// The whole-frame transform of a jelly's box: the 3D tilt about the centre
// (perspective 0.5), the hover swell and jiggle, then the press squish, both
// about the bottom centre, then moved to `origin`.
QTransform blobTransform(QSizeF size, const HoverFX& fx, Squish squish, QPointF origin);

// A 3D rotation of the plane about an axis in it through `center`, projected
// with the viewer at `distance`.
QTransform tilt3D(double degrees, QPointF axis, QPointF center, double distance);

// Everything that varies for one jelly in one frame.
struct BlobFrame {
    const MapNode* node = nullptr;
    QRectF rect;      // placed rectangle in map coordinates
    double time = 0;  // frame time; 0 for a still jelly
    // The earlier time the outline wobbles at, if not `time`: a resting
    // outline that moved too little to show keeps its place while the fizz
    // bubbles move on.
    std::optional<double> outlineHeldAt;
    HoverFX fx;
    Squish squish;
    double opacity = 1;  // fade in and out of the map
    double glow = 0;     // hover glow, animated
    double hint = 0;     // hint's entrance, 0 to 1
    double dot = 0;      // tick state, animated 0 to 1
    bool selected = false;
    bool rightToLeft = false;
    const JellyLabelImage* label = nullptr;
    qint64 labelKey = 0;  // the label's picture this frame was made with
    // The node's icon at its drawn size (`blobIconImage`); null to fetch it
    // while painting, which only the main thread may do.
    const QImage* icon = nullptr;
};

// The node's workspace icon for a jelly of `size` at the pixel ratio, as an
// image that any thread may draw. Main thread only.
QImage blobIconImage(const MapNode& node, QSizeF size, double pixelRatio);

// The time the outline of `frame` wobbles at.
inline double outlineTime(const BlobFrame& frame) { return frame.outlineHeldAt.value_or(frame.time); }

// `clip`, when given, is the part of the painter's device clip near the
// jelly (device pixels, in a region's order).
void paintJellyBlob(QPainter& painter, const BlobFrame& frame, const std::vector<QRect>* clip = nullptr);

}  // namespace sorbeta
