#pragma once
// Comparing two disk snapshots: the older one to compare with, the folders
// that grew or shrank by at least a threshold, used space. Pure functions.
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/history/History.h"

namespace sorbeta {

// A folder whose size changed between two snapshots; 0 where it was absent.
struct DiskChange {
    std::string path;        // absolute folder path, a key of a snapshot's parts
    std::string categoryID;  // the usage category it belongs to
    int64_t before = 0;
    int64_t after = 0;

    // Positive: it grew. A history file may hold any counts: the difference
    // stops at INT64_MAX either way instead of wrapping, so it can always be
    // negated.
    int64_t delta() const;
    bool operator==(const DiskChange&) const = default;
};

namespace HistoryMath {

// Folders listed by the history from this change on, either way.
inline constexpr int64_t kMinDelta = 50'000'000;

// The newest snapshot taken no later than `target`, or the oldest when all
// are later; none for an empty list. `list` is oldest first.
std::optional<DiskSnapshot> baseline(std::span<const DiskSnapshot> list, const QDateTime& target);

// The folders of either snapshot whose category both snapshots measured and
// whose size changed by at least `minDelta` (exactly `minDelta` counts),
// largest change first, equal changes by path.
std::vector<DiskChange> changes(const DiskSnapshot& older, const DiskSnapshot& newer, int64_t minDelta);

// total − free, never below 0 nor above INT64_MAX.
int64_t usedSpace(const DiskSnapshot& snapshot);

// `date` moved back by `days` calendar days in `zone`: the same wall-clock
// time, whatever the offset then (a time the clocks skipped that day moves
// on past the gap); `date` itself when no such date can be made.
QDateTime daysBefore(const QDateTime& date, int days, const QTimeZone& zone);

}  // namespace HistoryMath

namespace PathNames {

// Folder names too generic to show alone (the drill-down's list plus
// "Caches", "Data" and "data").
const std::vector<std::string>& generic();

// A short name for a folder or application: "Foo" for ".../Foo.app",
// "proj/node_modules" for a generic name, else the last component.
QString display(const std::filesystem::path& url);

}  // namespace PathNames

}  // namespace sorbeta
