#include "model/drill/DrillListing.h"

#include <QFile>
#include <algorithm>

#include "model/disk/Access.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta::DrillListing {

bool isDirectory(const Path& url) { return platform::isRealFolder(url); }

std::vector<Child> list(const std::vector<Path>& urls, bool limited, const platform::Places& places) {
    const auto skipped = [&](const Path& url) { return limited && Access::wouldPrompt(url, places); };
    std::vector<Path> kept;
    for (const Path& url : urls)
        if (platform::exists(url) && !skipped(url)) kept.push_back(url);

    std::vector<Child> children;
    if (kept.size() == 1 && isDirectory(kept.front())) {
        const auto listed = platform::listChildren(kept.front());
        if (!listed) return children;
        children.reserve(listed->size());
        for (const platform::ListedChild& each : *listed) {
            Path child = kept.front() / each.name;
            if (skipped(child)) continue;
            children.push_back({std::move(child), each.isFolder});
        }
        return children;
    }
    for (Path& url : kept) {
        const bool folder = isDirectory(url);
        children.push_back({std::move(url), folder});
    }
    return children;
}

const std::vector<std::string>& genericNames() {
    static const std::vector<std::string> names = {"node_modules", "target", ".build",  "Pods",        ".venv",
                                                   "venv",         "build",  "cache",   "Cache",       "cache2",
                                                   "tmp",          ".next",  ".gradle", "__pycache__", "Backup"};
    return names;
}

QString displayName(const Path& url) {
    const std::string name = platform::lastComponent(url);
    const QString shown = QFile::decodeName(QByteArray::fromStdString(name));
    const auto& generic = genericNames();
    if (std::find(generic.begin(), generic.end(), name) == generic.end()) return shown;
    const std::string parent = platform::lastComponent(platform::parentOf(url));
    return QFile::decodeName(QByteArray::fromStdString(parent)) + QLatin1Char('/') + shown;
}

}  // namespace sorbeta::DrillListing
