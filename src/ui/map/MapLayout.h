#pragma once
// Turns map nodes into placed rectangles with the squarified treemap. One
// layout serves painting, hit-testing and tooltips.
#include <QRectF>
#include <vector>

#include "ui/map/MapNode.h"

namespace sorbeta::MapLayout {

// bytes^0.75: large nodes dominate less than their raw size.
double weight(int64_t bytes);

// Nodes with bytes <= 0 are dropped with their children. A node with children
// is replaced by its children laid out inside its rectangle (one level only).
// Every placed rect is inset by gap/2; rects whose smaller side is 22 or less
// are dropped. Order: top-level order, children in their parent's position.
std::vector<PlacedNode> layout(const std::vector<MapNode>& nodes, const QRectF& rect, double gap = kMapGap);

}  // namespace sorbeta::MapLayout
