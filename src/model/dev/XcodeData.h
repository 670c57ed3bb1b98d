#pragma once
// Xcode's build archives, grouped by app with the newest of each kept, and
// extra copies of Xcode in the applications folder.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "model/dev/DevEnvironment.h"
#include "model/dev/DevTypes.h"

namespace sorbeta {

namespace DevParse {

// One archive bundle (a folder ending in .xcarchive) as the scan found it.
struct ArchiveItem {
    std::filesystem::path url;
    QString name;
    QDateTime date;
    int64_t bytes = 0;
};

// The archives by app name (names in code-point order), each app's newest
// first; all but the newest `keep` of each app are recommended.
std::vector<DevEntry> archives(const std::vector<ArchiveItem>& items, int keep);

}  // namespace DevParse

namespace DevScan {

// Archives kept unticked per app.
inline constexpr int kArchivesKept = 2;

// ~/Library/Developer/Xcode/Archives/<date>/<name>.xcarchive, named and dated
// by their Info.plist where it says so.
std::vector<DevEntry> archives(const DevEnvironment& environment);

// Every Xcode*.app in the applications folder, largest first, never recommended.
std::vector<DevEntry> xcodeApps(const DevEnvironment& environment);

}  // namespace DevScan
}  // namespace sorbeta
