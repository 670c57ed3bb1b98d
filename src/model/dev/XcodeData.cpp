#include "model/dev/XcodeData.h"

#include <algorithm>
#include <map>
#include <string>

#include "model/common/PathId.h"
#include "model/dev/DevDates.h"
#include "model/dev/DevPaths.h"
#include "model/disk/Measure.h"
#include "platform/PropertyList.h"

namespace sorbeta {

using DevPaths::childrenOf;
using DevPaths::displayed;
using Path = std::filesystem::path;

std::vector<DevEntry> DevParse::archives(const std::vector<ArchiveItem>& items, int keep) {
    // Keyed by the name's UTF-8 bytes, whose order is the code points' order.
    std::map<std::string, std::vector<const ArchiveItem*>> byName;
    for (const ArchiveItem& item : items) byName[item.name.toStdString()].push_back(&item);

    std::vector<DevEntry> entries;
    for (auto& [name, group] : byName) {
        std::stable_sort(group.begin(), group.end(),
                         [](const ArchiveItem* a, const ArchiveItem* b) { return a->date > b->date; });
        for (std::size_t i = 0; i < group.size(); ++i) {
            const ArchiveItem& item = *group[i];
            DevEntry entry;
            entry.id = QStringLiteral("arc:") + pathId(item.url);
            entry.title = item.name;
            entry.detail = DevDates::abbreviatedDateTime(item.date);
            entry.bytes = item.bytes;
            entry.action = DevEntry::Trash{{item.url}};
            entry.recommended = int64_t(i) >= keep;
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

std::vector<DevEntry> DevScan::archives(const DevEnvironment& environment) {
    const Path root = environment.places.home / "Library/Developer/Xcode/Archives";
    std::vector<DevParse::ArchiveItem> items;
    for (const std::string& dateFolder : childrenOf(root)) {
        for (const std::string& name : childrenOf(root / dateFolder)) {
            const Path bundle = root / dateFolder / name;
            if (bundle.extension() != ".xcarchive") continue;
            const auto info = platform::readPropertyListDictionary(bundle / "Info.plist");
            DevParse::ArchiveItem item;
            item.url = bundle;
            const QVariant title = info ? info->value(QStringLiteral("Name")) : QVariant();
            item.name = title.typeId() == QMetaType::QString ? title.toString() : displayed(bundle.stem());
            const QVariant created = info ? info->value(QStringLiteral("CreationDate")) : QVariant();
            // Where the bundle's own date cannot be read either, this is the distant past.
            item.date = created.typeId() == QMetaType::QDateTime ? created.toDateTime() : DiskScanner::modified(bundle);
            item.bytes = DiskScanner::size(bundle);
            items.push_back(std::move(item));
        }
    }
    return DevParse::archives(items, kArchivesKept);
}

std::vector<DevEntry> DevScan::xcodeApps(const DevEnvironment& environment) {
    std::vector<DevEntry> entries;
    for (const std::string& name : childrenOf(environment.applications)) {
        const Path bundle = environment.applications / name;
        if (!name.starts_with("Xcode") || bundle.extension() != ".app") continue;
        const auto info = platform::readPropertyListDictionary(bundle / "Contents/Info.plist");
        const QVariant version = info ? info->value(QStringLiteral("CFBundleShortVersionString")) : QVariant();

        DevEntry entry;
        entry.id = QStringLiteral("xc:") + pathId(bundle);
        entry.title = displayed(bundle.stem());
        entry.detail = version.typeId() == QMetaType::QString ? version.toString() : QString();
        entry.bytes = DiskScanner::size(bundle);
        entry.action = DevEntry::Trash{{bundle}};
        entries.push_back(std::move(entry));
    }
    sortLargestFirst(entries);
    return entries;
}

}  // namespace sorbeta
