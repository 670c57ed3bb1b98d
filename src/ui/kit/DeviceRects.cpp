#include "ui/kit/DeviceRects.h"

#include <algorithm>

namespace sorbeta::DeviceRects {

std::vector<QRect> within(std::span<const QRect> rects, const QRect& box) {
    std::vector<QRect> cut;
    if (box.isEmpty()) return cut;
    // Bottoms never fall from one rectangle to the next: the first one that
    // reaches the box's top row starts the rows to look at.
    const auto first = std::lower_bound(rects.begin(), rects.end(), box.top(),
                                        [](const QRect& r, int top) { return r.bottom() < top; });
    for (auto it = first; it != rects.end() && it->top() <= box.bottom(); ++it) {
        const QRect part = *it & box;
        if (!part.isEmpty()) cut.push_back(part);
    }
    return cut;
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
