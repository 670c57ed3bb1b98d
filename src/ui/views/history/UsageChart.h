#pragma once
// The chart of used space over the snapshots a period shows: a smooth line
// with an area under it and a white point per snapshot, day marks along
// time and gigabyte marks with grid lines on the leading side. Painted by
// our own code, so the benchmark and the tests can paint it into an image.
#include <QLocale>
#include <QRectF>
#include <QTimeZone>
#include <QWidget>
#include <vector>

#include "model/history/History.h"

class QPainter;

namespace sorbeta {

struct UsageChartLook {
    QTimeZone zone = QTimeZone::systemTimeZone();  // where days begin
    QLocale locale;                                // how dates and numbers read
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// The plot itself (no title) inside `rect`.
void paintUsageChart(QPainter& painter, const QRectF& rect, const std::vector<DiskSnapshot>& snapshots,
                     const UsageChartLook& look);

// Where the points of `snapshots` stand inside the plot area of `rect`: by
// date across, by used space up, on the scale of UsageChartScale::range.
std::vector<QPointF> usageChartPoints(const QRectF& plot, const std::vector<DiskSnapshot>& snapshots);

// "已用空间" over the chart.
class UsageChart final : public QWidget {
public:
    static constexpr int kSpacing = 6;

    explicit UsageChart(QTimeZone zone, QWidget* parent = nullptr);
    void setSnapshots(std::vector<DiskSnapshot> snapshots);
    const std::vector<DiskSnapshot>& snapshots() const { return snapshots_; }
    // Where the day marks' days begin.
    void setZone(QTimeZone zone);
    const QTimeZone& zone() const { return zone_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DiskSnapshot> snapshots_;
    QTimeZone zone_;
};

}  // namespace sorbeta
