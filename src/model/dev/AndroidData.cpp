#include "model/dev/AndroidData.h"

#include <set>
#include <string>

#include "model/common/PathId.h"
#include "model/dev/DevDates.h"
#include "model/dev/DevPaths.h"
#include "model/disk/Measure.h"
#include "platform/EntryInfo.h"
#include "platform/Translate.h"

namespace sorbeta::DevScan {
namespace {

using DevPaths::childrenOf;
using DevPaths::displayed;
using Path = std::filesystem::path;

void addImages(const Path& root, std::vector<DevEntry>& entries) {
    for (const std::string& level : childrenOf(root)) {
        for (const std::string& variant : childrenOf(root / level)) {
            for (const std::string& abi : childrenOf(root / level / variant)) {
                if (abi.starts_with('.')) continue;
                const Path folder = root / level / variant / abi;
                DevEntry entry;
                entry.id = QStringLiteral("img:") + pathId(folder);
                entry.title = displayed(level) + QStringLiteral(" · ") + displayed(variant);
                entry.detail = sorbeta::tr("系统镜像 · ") + displayed(abi);
                entry.bytes = DiskScanner::size(folder);
                entry.action = DevEntry::Trash{{folder}};
                entries.push_back(std::move(entry));
            }
        }
    }
}

void addEmulators(const Path& root, const QDateTime& now, std::vector<DevEntry>& entries) {
    for (const std::string& name : childrenOf(root)) {
        const Path folder = root / name;
        if (folder.extension() != ".avd") continue;
        const Path description = root / (folder.stem().native() + ".ini");
        const QDateTime changed = DiskScanner::modified(folder);
        DevEntry entry;
        entry.id = QStringLiteral("avd:") + pathId(folder);
        entry.title = displayed(folder.stem());
        entry.detail = sorbeta::tr("模拟器 · 上次改动 ") + DevDates::abbreviatedDate(changed);
        entry.bytes = DiskScanner::size(folder);
        entry.action = DevEntry::Trash{{folder, description}};
        entry.recommended = changed.msecsTo(now) > kOldEmulatorSeconds * 1000;
        entries.push_back(std::move(entry));
    }
}

}  // namespace

std::vector<DevEntry> androidEntries(const QDateTime& now, const DevEnvironment& environment) {
    std::vector<DevEntry> entries;
    // The same SDK may be named twice (ANDROID_HOME pointing at the other systems' place): scan it once.
    std::set<Path> seen;
    for (const Path& root : environment.androidImageRoots) {
        if (!seen.insert(platform::resolvedPath(root).value_or(root)).second) continue;
        addImages(root, entries);
    }
    addEmulators(environment.androidEmulators, now, entries);
    std::erase_if(entries, [](const DevEntry& entry) { return entry.bytes <= 0; });
    sortLargestFirst(entries);
    return entries;
}

}  // namespace sorbeta::DevScan
