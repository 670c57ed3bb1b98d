#pragma once
// Squarified treemap: one rectangle per weight, areas proportional to the
// weights, sides as close to square as the method allows.
#include <QRectF>
#include <vector>

namespace sorbeta::Treemap {

// Rectangles in input order. Weights not greater than 0 keep the zero rect
// and do not count in the total, so placed areas always fill exactly the rect;
// all rects are zero when the total is not positive or the rect has no area.
// Equal weights are placed in input order; a tie in aspect ratio extends the row.
std::vector<QRectF> layout(const std::vector<double>& values, const QRectF& rect);

}  // namespace sorbeta::Treemap
