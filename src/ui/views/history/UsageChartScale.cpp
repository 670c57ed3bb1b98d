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
    const QDate lastDay = last.toTimeZone(zone).date();
    static constexpr std::array<qint64, 12> kSteps = {1, 2, 3, 7, 14, 30, 61, 91, 182, 365, 730, 1825};
    std::vector<QDateTime> marks;
    for (qint64 step : kSteps) {
        marks.clear();
        for (qint64 day = firstDay.toJulianDay(); day <= lastDay.toJulianDay(); ++day) {
            if (day % step != 0) continue;
            const QDateTime midnight = QDate::fromJulianDay(day).startOfDay(zone);
            if (midnight >= first && midnight <= last) marks.push_back(midnight);
        }
        if (int(marks.size()) <= desired) break;
    }
    if (marks.empty()) marks.push_back(first);
    return marks;
}

QPainterPath curve(const std::vector<QPointF>& points) {
    QPainterPath path;
    if (points.empty()) return path;
    path.moveTo(points.front());
    const auto distance = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const QPointF p0 = i == 0 ? p1 : points[i - 1];
        const QPointF p3 = i + 2 < points.size() ? points[i + 2] : p2;
        // Centripetal parameters: the square roots of the chord lengths.
        const double d1 = distance(p0, p1), d2 = distance(p1, p2), d3 = distance(p2, p3);
        const double r1 = std::sqrt(d1), r2 = std::sqrt(d2), r3 = std::sqrt(d3);
        QPointF b1 = p1, b2 = p2;
        if (d1 > 0 && d2 > 0) b1 = (d1 * p2 - d2 * p0 + (2 * d1 + 3 * r1 * r2 + d2) * p1) / (3 * r1 * (r1 + r2));
        else if (d2 > 0) b1 = p1 + (p2 - p1) / 3.0;
        if (d3 > 0 && d2 > 0) b2 = (d3 * p1 - d2 * p3 + (2 * d3 + 3 * r3 * r2 + d2) * p2) / (3 * r3 * (r3 + r2));
        else if (d2 > 0) b2 = p2 - (p2 - p1) / 3.0;
        path.cubicTo(b1, b2, p2);
    }
    return path;
}

}  // namespace sorbeta::UsageChartScale
