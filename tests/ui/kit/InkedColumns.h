#pragma once
// For tests that check where a text was drawn on a white image.
#include <QImage>
#include <algorithm>
#include <utility>

namespace sorbeta::test {

// The leftmost and rightmost columns with dark ink in them (last is -1 when
// there is none).
inline std::pair<int, int> inkedColumns(const QImage& image) {
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

}  // namespace sorbeta::test
