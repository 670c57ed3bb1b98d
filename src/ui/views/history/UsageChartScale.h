#pragma once
// The usage chart's maths: used gigabytes per snapshot, the vertical scale
// and its marks, the day marks along time and the smooth curve through the
// points. Pure functions, so the painter and the tests share them.
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QTimeZone>
#include <vector>

#include "model/history/History.h"

namespace sorbeta::UsageChartScale {

// max(total − free, 0) in decimal gigabytes, one per snapshot.
std::vector<double> usedGigabytes(const std::vector<DiskSnapshot>& snapshots);

struct Range {
    double lo = 0;
    double hi = 1;
    bool operator==(const Range&) const = default;
};
// From 0.995 of the smallest value (0 without values) to the larger of 1.005
// of the largest (1 without values) and 0.1 above the lower bound.
Range range(const std::vector<double>& values);

// Whole-number marks inside the range, about four steps apart (1, 2 or 5
// times a power of ten, never below 1), so no two labels read the same.
std::vector<double> valueMarks(Range range);
// "1,234 G": the mark rounded to a whole number, grouped as the locale groups.
QString valueLabel(double value, const QLocale& locale);

// The local midnights inside [first, last] at whole-day steps chosen so there
// are at most `desired` of them (each labelled with a different day). A span
// that holds no midnight gets one mark at its start.
std::vector<QDateTime> dayMarks(const QDateTime& first, const QDateTime& last, const QTimeZone& zone, int desired = 5);

// A smooth line through the points (centripetal Catmull–Rom), as a polyline
// that passes through every point: a piece whose ends lie less than
// `straightBelow` apart across is drawn straight (at that density the curve
// and its chord look the same, and a long history stays cheap to draw);
// wider pieces are cut into steps of about `step`.
QPolygonF smoothLine(const std::vector<QPointF>& points, double straightBelow = 6, double step = 4);

}  // namespace sorbeta::UsageChartScale
