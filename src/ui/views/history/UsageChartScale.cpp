#include "ui/views/history/UsageChartScale.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/history/HistoryMath.h"
#include "platform/Translate.h"

namespace sorbeta::UsageChartScale {

std::vector<double> usedGigabytes(const std::vector<DiskSnapshot>& snapshots) {
    std::vector<double> values;
    values.reserve(snapshots.size());
    for (const DiskSnapshot& snapshot : snapshots) values.push_back(double(HistoryMath::usedSpace(snapshot)) / 1e9);
    return values;
}

Range range(const std::vector<double>& values) {
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double lo = (values.empty() ? 0.0 : *lowest) * 0.995;
    const double hi = std::max((values.empty() ? 1.0 : *highest) * 1.005, lo + 0.1);
    return {lo, hi};
}

std::vector<double> valueMarks(Range range) {
    const double span = range.hi - range.lo;
    if (!(span > 0)) return {};
    const double raw = span / 4.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power * 10;
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (power * factor >= raw) {
            step = power * factor;
            break;
        }
    step = std::max(step, 1.0);
    std::vector<double> marks;
    for (double value = std::ceil(range.lo / step) * step; value <= range.hi + 1e-9; value += step)
        marks.push_back(value);
    return marks;
}

QString valueLabel(double value, const QLocale& locale) {
    return sorbeta::tr("%1 G").arg(locale.toString(qlonglong(std::llround(value))));
}

std::vector<QDateTime> dayMarks(const QDateTime& first, const QDateTime& last, const QTimeZone& zone, int desired) {
    const QDate firstDay = first.toTimeZone(zone).date();
    // The days whose midnight lies inside the span: the first day's only when
    // the span starts at that very midnight.
    const qint64 lo = firstDay.toJulianDay() + (firstDay.startOfDay(zone) == first ? 0 : 1);
    const qint64 hi = last.toTimeZone(zone).date().toJulianDay();
    std::vector<QDateTime> marks;
    if (lo <= hi) {
        static constexpr std::array<qint64, 12> kSteps = {1, 2, 3, 7, 14, 30, 61, 91, 182, 365, 730, 1825};
        qint64 step = kSteps.back();
        const auto firstMultiple = [&](qint64 s) { return (lo + s - 1) / s * s; };
        for (qint64 each : kSteps) {
            const qint64 count = hi / each - firstMultiple(each) / each + 1;
            if (count <= desired) {
                step = each;
                break;
            }
        }
        for (qint64 day = firstMultiple(step); day <= hi; day += step)
            marks.push_back(QDate::fromJulianDay(day).startOfDay(zone));
    }
    if (marks.empty()) marks.push_back(first);
    return marks;
}

QPolygonF smoothLine(const std::vector<QPointF>& points, double straightBelow, double step) {
    QPolygonF line;
    if (points.empty()) return line;
    line.reserve(qsizetype(points.size()));
    line << points.front();
    const auto distance = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const double d2 = distance(p1, p2);
        if (std::abs(p2.x() - p1.x()) < straightBelow || !(d2 > 0)) {
            line << p2;
            continue;
        }
        const QPointF p0 = i == 0 ? p1 : points[i - 1];
        const QPointF p3 = i + 2 < points.size() ? points[i + 2] : p2;
        // The piece as a cubic Bézier; centripetal parameters are the square
        // roots of the chord lengths.
        const double d1 = distance(p0, p1), d3 = distance(p2, p3);
        const double r1 = std::sqrt(d1), r2 = std::sqrt(d2), r3 = std::sqrt(d3);
        const QPointF b1 = d1 > 0 ? (d1 * p2 - d2 * p0 + (2 * d1 + 3 * r1 * r2 + d2) * p1) / (3 * r1 * (r1 + r2))
                                  : p1 + (p2 - p1) / 3.0;
        const QPointF b2 = d3 > 0 ? (d3 * p1 - d2 * p3 + (2 * d3 + 3 * r3 * r2 + d2) * p2) / (3 * r3 * (r3 + r2))
                                  : p2 - (p2 - p1) / 3.0;
        const int pieces = std::max(2, int(std::ceil(d2 / step)));
        for (int k = 1; k < pieces; ++k) {
            const double t = double(k) / pieces, u = 1 - t;
            line << u * u * u * p1 + 3 * u * u * t * b1 + 3 * u * t * t * b2 + t * t * t * p2;
        }
        line << p2;
    }
    return line;
}

}  // namespace sorbeta::UsageChartScale
