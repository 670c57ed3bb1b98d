#pragma once
// Antialiased coverage of filled polygons, as exact pixel areas under the
// non-zero winding rule (as a painter's antialiased fill works them out), kept
// as a few cells per row where edges cross pixels. Reading the coverage of a
// handful of pixels then costs only those pixels, never the whole shape's box:
// a jelly's outline band can be repainted without filling its whole body.
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace sorbeta {

class CoverageRaster {
public:
    // Edges reaching further than this from the origin (in device pixels),
    // or not numbers at all, are left out: no picture is that large.
    static constexpr double kFarthest = 1e8;

    // Starts over, keeping only the pixels of `kept`: rows outside it are
    // dropped, and of the columns outside it only what the edges left of it
    // add to the winding is kept. Rows must then be read within its columns.
    void reset(const QRect& kept);
    // A closed polygon in device pixels; its last point joins its first.
    void addPolygon(std::span<const QPointF> points);
    // Orders the cells for reading; call once after the last polygon.
    void finish();

    // Rows and columns any coverage lies in (empty when none).
    QRect bounds() const;

    // Calls span(x, count, coverage) for consecutive runs of equal coverage
    // (0 to 255) covering columns `left` to `right` of row `y`.
    template <typename Span>
    void row(int y, int left, int right, Span&& span) const {
        if (y < top_ || y > bottom_ || left > right) return;
        const std::vector<Cell>& cells = rows_[std::size_t(y - top_)];
        double winding = 0;
        std::size_t i = 0;
        for (; i < cells.size() && cells[i].x < left; ++i) winding += cells[i].cover;
        int x = left;
        while (x <= right) {
            if (i < cells.size() && cells[i].x == x) {
                span(x, 1, level(winding + cells[i].area));
                winding += cells[i].cover;
                ++i;
                ++x;
                continue;
            }
            const int end = i < cells.size() ? std::min(cells[i].x - 1, right) : right;
            span(x, end - x + 1, level(winding));
            x = end + 1;
        }
    }

private:
    struct Cell {
        int x;
        double cover;  // signed height of the edges crossing the cell
        double area;   // of which the part that covers the cell itself
    };

    static int level(double winding) {
        const double a = std::min(std::abs(winding), 1.0);
        return static_cast<int>(a * 255.0 + 0.5);
    }
    void addLine(QPointF from, QPointF to);
    void addRowPiece(int y, double xa, double ya, double xb, double yb);
    void addKeptRowPiece(int y, double xa, double ya, double xb, double yb);
    void addCell(int y, int x, double cover, double area);

    int top_ = 0, bottom_ = -1;
    // Columns kept; edges left of them add their height to the column just left.
    int keptLeft_ = 0, keptRight_ = -1;
    int left_ = 0, right_ = -1, usedTop_ = 0, usedBottom_ = -1;
    std::vector<std::vector<Cell>> rows_;
};

// Lays `color` (premultiplied) at each pixel's coverage over the pixels of a
// premultiplied ARGB32 image (its `bits`, `stride` bytes a row) within the
// rectangles of `region`.
void fillCoverage(uchar* bits, qsizetype stride, std::span<const QRect> region, const CoverageRaster& raster,
                  QRgb color);

}  // namespace sorbeta
