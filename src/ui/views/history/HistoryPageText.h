#pragma once
// What the history page shows, as pure functions of the history model's
// values: the header's amount, caption and subtitle, the change lists and
// their rows, the jelly map of grown folders and the dates.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTimeZone>
#include <QVariant>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "model/common/Flavor.h"
#include "model/history/HistoryMath.h"
#include "model/history/HistoryModel.h"
#include "ui/map/MapNode.h"

namespace sorbeta::HistoryPageText {

// The period picker's options in case order: "1 天", "7 天", "30 天", "全部".
QString periodLabel(HistoryModel::Period period);
std::vector<std::pair<QVariant, QString>> periodOptions();

// An abbreviated date without time in `locale` ("Mar 5, 2024", "2024年3月5日"),
// and its month and day alone ("Mar 5", "3月5日").
QString abbreviatedDate(QDate date, const QLocale& locale);
QString monthAndDay(QDate date, const QLocale& locale);

struct Header {
    QString amount;  // "…" without a baseline, else "+1.2" or "−3.2" (U+2212)
    QString unit;    // empty without a baseline
    int64_t magnitude = 0;
    Flavor flavor = Flavor::strawberry;  // mint when space was freed
    QString caption;
    QString subtitle;
    bool operator==(const Header&) const = default;
};
// Dates are the days of the model's time zone, written in `locale`.
Header header(const HistoryModel& model, const QLocale& locale = QLocale());

// The side column's lists: at most 30 grown and 15 shrunk folders in the
// order of `changes`, and whether to say that nothing changed notably.
struct Lists {
    std::vector<DiskChange> grown;
    std::vector<DiskChange> shrunk;
    bool quiet = false;
};
inline constexpr std::size_t kGrownRows = 30;
inline constexpr std::size_t kShrunkRows = 15;
Lists lists(const std::vector<DiskChange>& changes, bool hasBaseline);

// The colour of a usage category; cloud for one the catalog does not know.
Flavor categoryFlavor(const std::string& categoryID);

struct Row {
    QString name;    // the folder's short name
    QString sizes;   // "before → after"
    QString change;  // "+1.2 G" or "−400 M"
    Flavor dot = Flavor::cloud;
    Flavor tint = Flavor::strawberry;  // of the change: strawberry grew, mint shrank
    QString tooltip;                   // the path, home as "~"
};
Row row(const DiskChange& change, const std::filesystem::path& home);

// The grown folders that get a jelly: the first 24 of `changes`.
inline constexpr std::size_t kMapNodes = 24;
std::vector<MapNode> nodes(const std::vector<DiskChange>& changes);

// Only the changes that grew, in order.
std::vector<DiskChange> grown(const std::vector<DiskChange>& changes);

}  // namespace sorbeta::HistoryPageText
