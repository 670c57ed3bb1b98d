#pragma once
// The usage history: one disk snapshot per calendar day, at most 400, kept in
// ~/.local/share/Sorbeta/history.json as a compact JSON array, oldest first.
// Read and written whole, on the GUI thread.
#include <QDateTime>
#include <QTimeZone>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/Places.h"

namespace sorbeta {

// What one finished scan saw: the volume's figures, the bytes of each usage
// category and of each large sub-folder with the category it was found in.
struct DiskSnapshot {
    QDateTime date;  // UTC
    int64_t total = 0;
    int64_t free = 0;
    std::map<std::string, int64_t> categories;        // category id -> bytes
    std::map<std::string, int64_t> parts;             // absolute folder path -> bytes
    std::map<std::string, std::string> partCategory;  // same keys as parts -> category id

    bool operator==(const DiskSnapshot&) const = default;
};

struct HistoryStore {
    static constexpr int maxSnapshots = 400;

    std::filesystem::path url;
    // Far above what 400 snapshots usually take; a larger file is not read,
    // and none is written.
    std::size_t maxBytes = std::size_t(64) << 20;

    // <data folder>/history.json in the data folder of `places`.
    static HistoryStore standard(const platform::Places& places);

    // The stored history, oldest first; anything missing or broken reads empty.
    std::vector<DiskSnapshot> load() const;

    // Replaces the snapshot of the new one's day (in `zone`), keeps the newest
    // 400 (fewer when they would not fit in maxBytes), rewrites the file atomically and returns the new history,
    // whether or not it reached the disk. A file that exists but cannot be read is moved aside first, never
    // overwritten.
    std::vector<DiskSnapshot> record(const DiskSnapshot& snapshot,
                                     const QTimeZone& zone = QTimeZone::systemTimeZone()) const;
};

// `zone` when Qt can read it, or else the fixed offset the C library gives
// local time now. Qt cannot read some TZ values the rest of the desktop
// takes (a rule with summer time but no dates, a path without its colon);
// in a zone it cannot read every date falls on the same invalid day.
QTimeZone calendarZone(const QTimeZone& zone);

namespace HistoryFile {
// The file's text for a list of snapshots: compact, slashes escaped, dates in
// whole UTC seconds.
std::string encode(const std::vector<DiskSnapshot>& snapshots);
// The snapshots of a file's text, in file order; false when anything in it is
// not a valid history.
bool decode(const QByteArray& data, std::vector<DiskSnapshot>& out);
// "YYYY-MM-DDThh:mm:ssZ" exactly, or an invalid date.
QDateTime parseDate(const QString& text);
}  // namespace HistoryFile

}  // namespace sorbeta
