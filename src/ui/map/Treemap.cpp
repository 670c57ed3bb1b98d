#include "ui/map/Treemap.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace sorbeta::Treemap {

namespace {

// Largest aspect ratio of a row laid along a side of length s, from the row's
// area sum and its largest and smallest areas.
double worst(double sum, double largest, double smallest, double s) {
    if (!(sum > 0.0)) return std::numeric_limits<double>::infinity();
    const double s2 = s * s;
    const double sum2 = sum * sum;
    return std::max(s2 * largest / sum2, sum2 / (s2 * smallest));
}

}  // namespace

std::vector<QRectF> layout(const std::vector<double>& values, const QRectF& rect) {
    if (values.empty()) return {};
    std::vector<QRectF> result(values.size(), QRectF());

    const QRectF area = rect.normalized();
    // Only positive weights count: a negative one would shrink the total and
    // push the placed areas past the rectangle.
    double total = 0.0;
    for (double value : values)
        if (value > 0.0) total += value;
    if (!(total > 0.0) || !(area.width() > 0.0) || !(area.height() > 0.0)) return result;

    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[b] < values[a]; });
    std::erase_if(order, [&](std::size_t i) { return !(values[i] > 0.0); });

    const double scale = area.width() * area.height() / total;
    double x0 = area.x();
    double y0 = area.y();
    double w = area.width();
    double h = area.height();

    // The row keeps running figures so each step is O(1); the sum is added in
    // row order, exactly as a fresh sum over the row would be.
    std::vector<std::size_t> row;
    std::vector<double> rowAreas;
    double rowSum = 0.0;
    double rowMax = 0.0;
    double rowMin = 0.0;
    auto append = [&](std::size_t index, double itemArea) {
        rowMax = row.empty() ? itemArea : std::max(rowMax, itemArea);
        rowMin = row.empty() ? itemArea : std::min(rowMin, itemArea);
        rowSum += itemArea;
        row.push_back(index);
        rowAreas.push_back(itemArea);
    };

    auto place = [&] {
        const double sum = rowSum;
        if (h > w) {
            const double t = sum / w;
            double x = x0;
            for (std::size_t k = 0; k < row.size(); ++k) {
                const double width = rowAreas[k] / t;
                result[row[k]] = QRectF(x, y0, width, t);
                x += width;
            }
            y0 += t;
            h = std::max(h - t, 0.0);
        } else {
            const double t = sum / h;
            double y = y0;
            for (std::size_t k = 0; k < row.size(); ++k) {
                const double height = rowAreas[k] / t;
                result[row[k]] = QRectF(x0, y, t, height);
                y += height;
            }
            x0 += t;
            w = std::max(w - t, 0.0);
        }
        row.clear();
        rowAreas.clear();
        rowSum = 0.0;
    };

    std::size_t cursor = 0;
    while (cursor < order.size()) {
        const double s = std::min(w, h);
        const std::size_t index = order[cursor];
        const double itemArea = values[index] * scale;
        if (row.empty()) {
            append(index, itemArea);
            ++cursor;
            continue;
        }
        const double withItem = worst(rowSum + itemArea, std::max(rowMax, itemArea),
                                      std::min(rowMin, itemArea), s);
        if (withItem <= worst(rowSum, rowMax, rowMin, s)) {
            append(index, itemArea);
            ++cursor;
        } else {
            place();  // NaN also lands here: the same index starts the next row
        }
    }
    if (!row.empty()) place();
    return result;
}

}  // namespace sorbeta::Treemap
