#include "ui/views/share/ShareCardLayout.h"

#include <QFontMetricsF>
#include <QLocale>
#include <algorithm>

#include "model/common/Bytes.h"
#include "model/common/LocaleDates.h"
#include "platform/Translate.h"
#include "ui/kit/Theme.h"
#include "ui/map/Treemap.h"

namespace sorbeta::ShareCardLayout {

std::vector<CleanReport::Item> shownItems(const CleanReport& report) {
    const std::size_t shown = std::min<std::size_t>(report.items.size(), kShownItems);
    std::vector<CleanReport::Item> items(report.items.begin(), report.items.begin() + std::ptrdiff_t(shown));
    int64_t rest = 0;
    for (std::size_t i = shown; i < report.items.size(); ++i)
        rest = Bytes::plus(rest, std::max<int64_t>(report.items[i].bytes, 0));
    if (rest >= 1) items.push_back({sorbeta::tr("其他"), rest, Flavor::cloud});
    return items;
}

Label labelFor(QSizeF blob) {
    if (blob.width() > 64 && blob.height() > 44) return Label::nameAndSize;
    if (blob.width() > 34 && blob.height() > 26) return Label::sizeOnly;
    return Label::none;
}

double nameFontSize(double blobWidth) { return std::min(blobWidth * 0.125, 14.0); }

std::vector<Blob> blobs(const CleanReport& report, QSizeF area, bool rightToLeft) {
    const std::vector<CleanReport::Item> items = shownItems(report);
    std::vector<double> weights;
    weights.reserve(items.size());
    for (const CleanReport::Item& item : items) weights.push_back(std::max(double(item.bytes), 1.0));
    const std::vector<QRectF> rects = Treemap::layout(weights, QRectF(QPointF(0, 0), area));
    std::vector<Blob> placed;
    placed.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        QRectF frame = rects[i].adjusted(kBlobInset, kBlobInset, -kBlobInset, -kBlobInset);
        if (frame.width() < 0) frame.setWidth(0);
        if (frame.height() < 0) frame.setHeight(0);
        if (rightToLeft) frame.moveLeft(area.width() - frame.right());
        placed.push_back(Blob{items[i], int(i), frame, labelFor(frame.size()), Bytes::text(items[i].bytes)});
    }
    return placed;
}

QString summaryText(const CleanReport& report) {
    return sorbeta::tr("清理了 %n 项 · 可用空间 %1 → %2", nullptr, qint64(report.items.size()))
        .arg(Bytes::text(report.freeBefore), Bytes::text(Bytes::plus(report.freeBefore, report.freed)));
}

QFont summaryFont() { return roundedFont(13, QFont::DemiBold); }

QFont footFont() { return roundedFont(12, QFont::DemiBold); }

double sloganRoom(const QString& address) {
    const double addressWidth = QFontMetricsF(footFont()).horizontalAdvance(address);
    return std::max(0.0, kCardSize.width() - 2 * kPadding - addressWidth - 8);
}

QString fileName(const QDateTime& date) {
    return QStringLiteral("Sorbeta-") + date.toUTC().date().toString(Qt::ISODate) + QStringLiteral(".png");
}

QString cardDate(const QDateTime& date) {
    // The locale's long date without the weekday and with the month's short
    // name: "Mar 7, 2026", "2026年3月7日".
    return LocaleDates::abbreviatedDate(date.toLocalTime().date(), QLocale());
}

}  // namespace sorbeta::ShareCardLayout
