#pragma once
// The simulator tool's JSON listings of devices and runtimes as entries of
// the developer page. Pure functions of their input; safe on any thread.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "model/dev/DevTypes.h"

namespace sorbeta::DevParse {

// A device unused for longer than this is old.
inline constexpr int64_t kOldDeviceSeconds = 7'776'000;  // 90 days
// A runtime unused for longer than this is old.
inline constexpr int64_t kOldRuntimeSeconds = 5'184'000;  // 60 days

// An internet date-time as the tools print it ("2024-03-05T10:11:12Z", an
// offset instead of Z, optionally a fraction of a second); nothing when the
// text is anything else.
std::optional<QDateTime> iso(const QString& text);

// "iOS", "watchOS", "tvOS", "visionOS" or "macOS" for a platform identifier.
QString platformName(const QString& identifier);

// Whether version `a` is newer than `b`, digit runs compared as numbers ("17.10" > "17.9").
bool versionIsNewer(const QString& a, const QString& b);

struct DeviceListing {
    std::vector<DevEntry> entries;         // largest first
    std::map<QString, int64_t> byRuntime;  // runtime key → devices of it, skipped ones included
};

// `xcrun simctl list devices -j`: every device from `minBytes` on, and every
// unavailable one. Nothing when the listing does not have the expected shape
// (then the device counts are unknown, not zero).
std::optional<DeviceListing> devices(const QByteArray& json, const QDateTime& now, int64_t minBytes);

// `xcrun simctl runtime list -j`: the deletable runtimes, largest first.
// `devicesByRuntime` is nullopt when the device listing failed: then no
// runtime is recommended, since any of them may still have devices.
std::vector<DevEntry> runtimes(const QByteArray& json,
                               const std::optional<std::map<QString, int64_t>>& devicesByRuntime, const QDateTime& now);

}  // namespace sorbeta::DevParse
