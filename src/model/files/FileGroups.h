#pragma once
// The files page's search: the candidates turned into up to four groups of
// removable entries, in this order and each only when not empty: "dups"
// (every duplicate but the earliest ticked), "installers" (old installers in
// Downloads, ticked), "stale" (not opened for over a year) and "large" (the
// 200 largest of 500 MB and more). Every entry carries the action TrashFile.
#include <QDateTime>
#include <vector>

#include "model/dev/DevTypes.h"
#include "model/files/FileFinder.h"

namespace sorbeta::FileFinder {

inline constexpr int64_t kInstallerAgeSeconds = 2'592'000;  // 30 days
inline constexpr int64_t kStaleAgeSeconds = 31'536'000;     // 365 days
inline constexpr int64_t kStaleFloor = 100'000'000;
inline constexpr int64_t kLargeFloor = 500'000'000;
inline constexpr std::size_t kLargeLimit = 200;

// The groups for these candidates at `now`, for the home of `places`.
std::vector<DevGroup> groups(const std::vector<Found>& found, const QDateTime& now, const platform::Places& places);

// The whole search: the existing roots, the walk, the groups. The files
// page's loader; synchronous and slow, for a worker thread.
std::vector<DevGroup> all(const QDateTime& now, const platform::Places& places);

}  // namespace sorbeta::FileFinder
