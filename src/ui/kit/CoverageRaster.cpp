#include "ui/kit/CoverageRaster.h"

#include <limits>

#include "ui/kit/ImageEffects.h"

namespace sorbeta {

namespace {

// floor() and ceil() of device coordinates without a library call.
inline int floorOf(double v) {
    const int i = static_cast<int>(v);
    return i - (v < static_cast<double>(i) ? 1 : 0);
}
inline int ceilOf(double v) { return -floorOf(-v); }

}  // namespace

void CoverageRaster::reset(const QRect& kept) {
    const int top = kept.top(), bottom = kept.bottom();
    keptLeft_ = kept.left();
    keptRight_ = std::max(kept.right(), kept.left() - 1);
    top_ = top;
    bottom_ = std::max(bottom, top - 1);
    const auto count = static_cast<std::size_t>(bottom_ - top_ + 1);
    // Rows keep their capacity from one shape to the next.
    if (rows_.size() < count) rows_.resize(count);
    for (std::size_t i = 0; i < count; ++i) rows_[i].clear();
    left_ = std::numeric_limits<int>::max();
    right_ = std::numeric_limits<int>::min();
    usedTop_ = std::numeric_limits<int>::max();
    usedBottom_ = std::numeric_limits<int>::min();
}

void CoverageRaster::addPolygon(std::span<const QPointF> points) {
    if (points.size() < 3) return;
    for (std::size_t i = 0; i < points.size(); ++i) addLine(points[i], points[(i + 1) % points.size()]);
}

void CoverageRaster::addLine(QPointF from, QPointF to) {
    const double y0 = from.y(), y1 = to.y();
    if (!(y0 != y1) || !std::isfinite(from.x()) || !std::isfinite(to.x()) || !std::isfinite(y0) || !std::isfinite(y1) ||
        std::max(std::abs(y0), std::abs(y1)) > kFarthest)
        return;
    const double low = std::min(y0, y1), high = std::max(y0, y1);
    const int first = std::max(floorOf(low), top_);
    const int last = std::min(ceilOf(high) - 1, bottom_);
    if (first > last) return;
    // The cells this line may add to lie between its ends.
    if (std::max(std::abs(from.x()), std::abs(to.x())) > kFarthest) return;
    if (std::min(from.x(), to.x()) >= keptRight_ + 1.0) return;  // never read
    left_ = std::min(left_, floorOf(std::min(from.x(), to.x())));
    right_ = std::max(right_, floorOf(std::max(from.x(), to.x())));
    usedTop_ = std::min(usedTop_, first);
    usedBottom_ = std::max(usedBottom_, last);
    const double dxdy = (to.x() - from.x()) / (y1 - y0);
    auto xAt = [&](double y) { return from.x() + (y - y0) * dxdy; };
    for (int y = first; y <= last; ++y) {
        const double top = std::max(low, double(y)), bottom = std::min(high, double(y) + 1.0);
        if (!(bottom > top)) continue;
        // The piece of the edge within this row, in the edge's own direction.
        if (y1 > y0)
            addRowPiece(y, xAt(top), top, xAt(bottom), bottom);
        else
            addRowPiece(y, xAt(bottom), bottom, xAt(top), top);
    }
}

void CoverageRaster::addRowPiece(int y, double xa, double ya, double xb, double yb) {
    const double left = keptLeft_, right = keptRight_ + 1.0;
    if (std::min(xa, xb) >= right) return;
    if (std::max(xa, xb) <= left) {
        addCell(y, keptLeft_ - 1, yb - ya, 0.0);
        return;
    }
    if (xa >= left && xb >= left && xa <= right && xb <= right) return addKeptRowPiece(y, xa, ya, xb, yb);
    // Cut at the kept columns' sides (the piece is not upright here): the
    // part to the left only adds its height, the part to the right is dropped.
    const double dydx = (yb - ya) / (xb - xa);
    const double xs = std::clamp(xa, left, right), xe = std::clamp(xb, left, right);
    const double ys = ya + (xs - xa) * dydx, ye = ya + (xe - xa) * dydx;
    if (xa < left) addCell(y, keptLeft_ - 1, ys - ya, 0.0);
    if (xb < left) addCell(y, keptLeft_ - 1, yb - ye, 0.0);
    addKeptRowPiece(y, xs, ys, xe, ye);
}

void CoverageRaster::addKeptRowPiece(int y, double xa, double ya, double xb, double yb) {
    const int ca = floorOf(xa), cb = floorOf(xb);
    auto add = [&](int column, double x0, double y0, double x1, double y1) {
        const double dy = y1 - y0;
        if (dy == 0) return;
        // The part of the cell right of the edge (within its height) is covered.
        addCell(y, column, dy, dy * (1.0 - ((x0 - column) + (x1 - column)) / 2.0));
    };
    if (ca == cb || xa == xb) {
        add(std::min(ca, cb), xa, ya, xb, yb);
        return;
    }
    const double dydx = (yb - ya) / (xb - xa);
    auto yAt = [&](double x) { return ya + (x - xa) * dydx; };
    if (xb > xa) {
        for (int c = ca; c <= cb; ++c) {
            const double x0 = std::max(xa, double(c)), x1 = std::min(xb, double(c) + 1.0);
            if (x1 > x0) add(c, x0, yAt(x0), x1, yAt(x1));
        }
    } else {
        for (int c = ca; c >= cb; --c) {
            const double x0 = std::min(xa, double(c) + 1.0), x1 = std::max(xb, double(c));
            if (x0 > x1) add(c, x0, yAt(x0), x1, yAt(x1));
        }
    }
}

void CoverageRaster::addCell(int y, int x, double cover, double area) {
    std::vector<Cell>& cells = rows_[std::size_t(y - top_)];
    // An edge crosses its cells in order: most often the cell is the last one.
    if (!cells.empty() && cells.back().x == x) {
        cells.back().cover += cover;
        cells.back().area += area;
    } else {
        cells.push_back({x, cover, area});
    }
}

void CoverageRaster::finish() {
    for (int y = top_; y <= bottom_; ++y) {
        std::vector<Cell>& cells = rows_[std::size_t(y - top_)];
        if (cells.size() < 2) continue;
        const auto byColumn = [](const Cell& a, const Cell& b) { return a.x < b.x; };
        if (!std::is_sorted(cells.begin(), cells.end(), byColumn)) std::sort(cells.begin(), cells.end(), byColumn);
        std::size_t kept = 0;
        for (std::size_t i = 1; i < cells.size(); ++i) {
            if (cells[i].x == cells[kept].x) {
                cells[kept].cover += cells[i].cover;
                cells[kept].area += cells[i].area;
            } else {
                cells[++kept] = cells[i];
            }
        }
        cells.resize(kept + 1);
    }
}

QRect CoverageRaster::bounds() const {
    if (usedBottom_ < usedTop_) return {};
    // Coverage reaches from the leftmost crossed cell to the rightmost one.
    return QRect(QPoint(left_, usedTop_), QPoint(right_, usedBottom_));
}

void fillCoverage(uchar* bits, qsizetype stride, std::span<const QRect> region, const CoverageRaster& raster,
                  QRgb color) {
    using ImageEffects::byteMul;
    using ImageEffects::over;
    const QRect reach = raster.bounds();
    if (reach.isEmpty() || color == 0) return;
    for (const QRect& rect : region) {
        const QRect area = rect & reach;
        if (area.isEmpty()) continue;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* out = reinterpret_cast<QRgb*>(bits + y * stride);
            raster.row(y, area.left(), area.right(), [&](int x, int count, int coverage) {
                if (coverage == 0) return;
                const QRgb c = coverage == 255 ? color : byteMul(color, uint(coverage));
                if (qAlpha(c) == 255) {
                    std::fill_n(out + x, count, c);
                    return;
                }
                for (int i = x; i < x + count; ++i) out[i] = over(c, out[i]);
            });
        }
    }
}

}  // namespace sorbeta
