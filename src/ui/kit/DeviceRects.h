#pragma once
// The rectangles of a repaint region cut down to one box. A map frame's
// region holds a couple of thousand thin rectangles and every jelly near it
// works on its own small part: QRegion's operators copy and walk the whole
// list for each jelly, this looks up only the rows the box spans.
#include <QRect>
#include <span>
#include <vector>

namespace sorbeta::DeviceRects {

// The rectangles of `rects` that meet `box`, cut to it, in their order.
// `rects` must not overlap and must come in a region's order (top to bottom
// in bands, so no rectangle ends above one before it), as QRegion keeps
// them and as this function leaves them.
std::vector<QRect> within(std::span<const QRect> rects, const QRect& box);
// Whether any of `rects` (in a region's order) meets `box`.
bool meets(std::span<const QRect> rects, const QRect& box);
// Every rectangle moved by `offset`.
void translate(std::vector<QRect>& rects, const QPoint& offset);
// The smallest rectangle holding them all (empty when there are none).
QRect bounds(std::span<const QRect> rects);

}  // namespace sorbeta::DeviceRects
