#include "ui/kit/DeviceRects.h"

#include <algorithm>

namespace sorbeta::DeviceRects {

namespace {

// Bottoms never fall from one rectangle to the next: the first one that
// reaches the box's top row starts the rows to look at.
auto firstReaching(std::span<const QRect> rects, int top) {
    return std::lower_bound(rects.begin(), rects.end(), top, [](const QRect& r, int row) { return r.bottom() < row; });
}

}  // namespace

std::vector<QRect> within(std::span<const QRect> rects, const QRect& box) {
    std::vector<QRect> cut;
    if (box.isEmpty()) return cut;
    for (auto it = firstReaching(rects, box.top()); it != rects.end() && it->top() <= box.bottom(); ++it) {
        const QRect part = *it & box;
        if (!part.isEmpty()) cut.push_back(part);
    }
    return cut;
}

bool meets(std::span<const QRect> rects, const QRect& box) {
    if (box.isEmpty()) return false;
    for (auto it = firstReaching(rects, box.top()); it != rects.end() && it->top() <= box.bottom(); ++it)
        if (it->intersects(box)) return true;
    return false;
}

void translate(std::vector<QRect>& rects, const QPoint& offset) {
    for (QRect& r : rects) r.translate(offset);
}

QRect bounds(std::span<const QRect> rects) {
    QRect all;
    for (const QRect& r : rects) all |= r;
    return all;
}

}  // namespace sorbeta::DeviceRects
