#include "ui/views/history/UsageChart.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "platform/Translate.h"
#include "ui/kit/Theme.h"
#include "ui/views/history/HistoryPageText.h"
#include "ui/views/history/UsageChartScale.h"

namespace sorbeta {
namespace {

QFont axisFont() { return roundedFont(10, QFont::Medium); }
QFont titleFont() { return roundedFont(13, QFont::Bold); }

constexpr double kAxisGap = 6;      // between the value labels and the plot, and the plot and the dates
constexpr double kPointSide = 6.2;  // a point whose area is 30 square points
constexpr double kLineWidth = 3;

// The plot area: room for the value labels on the leading side and the
// dates below.
QRectF plotArea(const QRectF& rect, double labelWidth, double labelHeight, bool rtl) {
    QRectF plot = rect.adjusted(0, labelHeight / 2, 0, -(labelHeight + kAxisGap));
    if (rtl)
        plot.setRight(plot.right() - labelWidth - kAxisGap);
    else
        plot.setLeft(plot.left() + labelWidth + kAxisGap);
    // The first and last points keep their whole circle inside.
    return plot.adjusted(kPointSide / 2, 0, -kPointSide / 2, 0);
}

double xOf(const QRectF& plot, const QDateTime& date, const QDateTime& first, const QDateTime& last) {
    const double span = double(first.msecsTo(last));
    if (!(span > 0)) return plot.center().x();
    return plot.left() + plot.width() * double(first.msecsTo(date)) / span;
}

double yOf(const QRectF& plot, double value, UsageChartScale::Range range) {
    return plot.bottom() - plot.height() * (value - range.lo) / (range.hi - range.lo);
}

}  // namespace

std::vector<QPointF> usageChartPoints(const QRectF& plot, const std::vector<DiskSnapshot>& snapshots) {
    const std::vector<double> values = UsageChartScale::usedGigabytes(snapshots);
    const UsageChartScale::Range range = UsageChartScale::range(values);
    std::vector<QPointF> points;
    points.reserve(snapshots.size());
    for (std::size_t i = 0; i < snapshots.size(); ++i)
        points.emplace_back(xOf(plot, snapshots[i].date, snapshots.front().date, snapshots.back().date),
                            yOf(plot, values[i], range));
    return points;
}

void paintUsageChart(QPainter& painter, const QRectF& rect, const std::vector<DiskSnapshot>& snapshots,
                     const UsageChartLook& look) {
    const bool rtl = look.direction == Qt::RightToLeft;
    const std::vector<double> values = UsageChartScale::usedGigabytes(snapshots);
    const UsageChartScale::Range range = UsageChartScale::range(values);
    const std::vector<double> marks = UsageChartScale::valueMarks(range);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = axisFont();
    const QFontMetricsF metrics(font);
    std::vector<QString> labels;
    double labelWidth = 0;
    for (double mark : marks) {
        labels.push_back(UsageChartScale::valueLabel(mark, look.locale));
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(labels.back()));
    }
    const QRectF plot = plotArea(rect, labelWidth, metrics.height(), rtl);
    // A right-to-left chart runs from the right.
    const auto across = [&](double x) { return rtl ? plot.left() + plot.right() - x : x; };

    // Grid lines and value labels on the leading side.
    painter.setFont(font);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const double y = yOf(plot, marks[i], range);
        painter.setPen(QPen(Theme::hairline(), 1));
        painter.drawLine(QPointF(plot.left() - kPointSide / 2, y), QPointF(plot.right() + kPointSide / 2, y));
        painter.setPen(Theme::inkSoft());
        const QRectF box = rtl ? QRectF(plot.right() + kPointSide / 2 + kAxisGap, y - metrics.height() / 2, labelWidth,
                                        metrics.height())
                               : QRectF(rect.left(), y - metrics.height() / 2, labelWidth, metrics.height());
        painter.drawText(box, Qt::AlignVCenter | (rtl ? Qt::AlignLeft : Qt::AlignRight), labels[i]);
    }

    if (!snapshots.empty()) {
        // Day marks under the plot.
        const QDateTime first = snapshots.front().date;
        const QDateTime last = snapshots.back().date;
        painter.setPen(Theme::inkSoft());
        for (const QDateTime& day : UsageChartScale::dayMarks(first, last, look.zone)) {
            const QString text = HistoryPageText::monthAndDay(day.toTimeZone(look.zone).date(), look.locale);
            const double width = metrics.horizontalAdvance(text);
            const double x = across(xOf(plot, day, first, last));
            const double left = std::clamp(x - width / 2, rect.left(), rect.right() - width);
            painter.drawText(QRectF(left, plot.bottom() + kAxisGap, width + 1, metrics.height()),
                             Qt::AlignLeft | Qt::AlignTop, text);
        }

        std::vector<QPointF> points = usageChartPoints(plot, snapshots);
        for (QPointF& point : points) point.setX(across(point.x()));
        if (rtl) std::reverse(points.begin(), points.end());
        const JellyPalette grape = palette(Flavor::grape);
        const QPolygonF line = UsageChartScale::smoothLine(points);
        if (line.size() >= 2) {
            QPolygonF area = line;
            const double floor = yOf(plot, range.lo, range);
            area << QPointF(line.back().x(), floor) << QPointF(line.front().x(), floor);
            QLinearGradient fill(0, plot.top(), 0, plot.bottom());
            fill.setColorAt(0, withOpacity(grape.base, 0.55));
            fill.setColorAt(1, withOpacity(grape.light, 0.08));
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            // The line covers the area's top edge, so its edges need no smoothing.
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.drawPolygon(area);
            painter.setRenderHint(QPainter::Antialiasing, true);

            // The line's colour runs from pink on the leading side to grape:
            // each short piece takes the colour where it stands, which draws
            // far faster than one long stroke filled with a gradient.
            const QColor from = rgba(255, 92, 138);
            const QColor to = grape.base;
            const auto mix = [&](double x) {
                double t = plot.width() > 0 ? std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0) : 0.0;
                if (rtl) t = 1 - t;
                return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                                        float(from.greenF() + (to.greenF() - from.greenF()) * t),
                                        float(from.blueF() + (to.blueF() - from.blueF()) * t));
            };
            QPen pen(from, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            for (qsizetype i = 0; i + 1 < line.size(); ++i) {
                pen.setColor(mix((line[i].x() + line[i + 1].x()) / 2));
                painter.setPen(pen);
                painter.drawLine(line[i], line[i + 1]);
            }
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (const QPointF& point : points)
            painter.drawEllipse(QRectF(point.x() - kPointSide / 2, point.y() - kPointSide / 2, kPointSide, kPointSide));
    }
    painter.restore();
}

UsageChart::UsageChart(QTimeZone zone, QWidget* parent) : QWidget(parent), zone_(std::move(zone)) {
    setObjectName(QStringLiteral("usageChart"));
}

void UsageChart::setSnapshots(std::vector<DiskSnapshot> snapshots) {
    if (snapshots == snapshots_) return;
    snapshots_ = std::move(snapshots);
    update();
}

void UsageChart::setZone(QTimeZone zone) {
    if (zone == zone_) return;
    zone_ = std::move(zone);
    update();
}

void UsageChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QFont font = titleFont();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(Theme::ink());
    const QRectF title(0, 0, width(), metrics.height());
    painter.drawText(title, Qt::AlignTop | (rtl ? Qt::AlignRight : Qt::AlignLeft), sorbeta::tr("已用空间"));
    const QRectF chart(0, title.bottom() + kSpacing, width(), std::max(0.0, height() - title.bottom() - kSpacing));
    paintUsageChart(painter, chart, snapshots_, {.zone = zone_, .locale = locale(), .direction = layoutDirection()});
}

}  // namespace sorbeta
