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

// The indices of the positive weights, largest first (ties in input order).
std::vector<std::size_t> positiveByWeight(const std::vector<double>& values) {
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[b] < values[a]; });
    std::erase_if(order, [&](std::size_t i) { return !(values[i] > 0.0); });
    return order;
}

// The free part of the rectangle and the row being filled along its shorter
// side. The row keeps running figures so each step is O(1); the sum is added
// in row order, exactly as a fresh sum over the row would be.
class Squarifier {
public:
    Squarifier(const QRectF& area, std::vector<QRectF>& result)
        : result_(result), x0_(area.x()), y0_(area.y()), w_(area.width()), h_(area.height()) {}

    bool rowEmpty() const { return row_.empty(); }

    // Whether the row's worst aspect ratio stays as good with the item in it
    // (false for NaN: the item then starts the next row).
    bool keepsRowSquare(double itemArea) const {
        const double s = std::min(w_, h_);
        const double withItem = worst(rowSum_ + itemArea, std::max(rowMax_, itemArea), std::min(rowMin_, itemArea), s);
        return withItem <= worst(rowSum_, rowMax_, rowMin_, s);
    }

    void append(std::size_t index, double itemArea) {
        rowMax_ = row_.empty() ? itemArea : std::max(rowMax_, itemArea);
        rowMin_ = row_.empty() ? itemArea : std::min(rowMin_, itemArea);
        rowSum_ += itemArea;
        row_.push_back(index);
        rowAreas_.push_back(itemArea);
    }

    // Places the row's cells side by side along the free area's shorter side
    // and takes the strip they fill off the free area.
    void placeRow() {
        const bool alongWidth = h_ > w_;
        const double t = rowSum_ / (alongWidth ? w_ : h_);
        double at = alongWidth ? x0_ : y0_;
        for (std::size_t k = 0; k < row_.size(); ++k) {
            const double length = rowAreas_[k] / t;
            result_[row_[k]] = alongWidth ? QRectF(at, y0_, length, t) : QRectF(x0_, at, t, length);
            at += length;
        }
        if (alongWidth) {
            y0_ += t;
            h_ = std::max(h_ - t, 0.0);
        } else {
            x0_ += t;
            w_ = std::max(w_ - t, 0.0);
        }
        row_.clear();
        rowAreas_.clear();
        rowSum_ = 0.0;
    }

private:
    std::vector<QRectF>& result_;
    double x0_, y0_, w_, h_;
    std::vector<std::size_t> row_;
    std::vector<double> rowAreas_;
    double rowSum_ = 0.0;
    double rowMax_ = 0.0;
    double rowMin_ = 0.0;
};

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

    const std::vector<std::size_t> order = positiveByWeight(values);
    const double scale = area.width() * area.height() / total;
    Squarifier squarifier(area, result);
    std::size_t cursor = 0;
    while (cursor < order.size()) {
        const std::size_t index = order[cursor];
        const double itemArea = values[index] * scale;
        if (squarifier.rowEmpty() || squarifier.keepsRowSquare(itemArea)) {
            squarifier.append(index, itemArea);
            ++cursor;
        } else {
            squarifier.placeRow();  // the same index starts the next row
        }
    }
    if (!squarifier.rowEmpty()) squarifier.placeRow();
    return result;
}

}  // namespace sorbeta::Treemap
