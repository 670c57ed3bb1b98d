#include "model/uninstall/UserEntries.h"

#include <QFile>
#include <algorithm>

#include "model/disk/Removal.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta::Uninstaller {

std::vector<UserEntry> userEntries(const platform::Places& places) {
    std::vector<UserEntry> entries;
    const Path folder = places.dataHome / "applications";
    auto names = platform::listNames(folder);
    if (!names) return entries;
    std::sort(names->begin(), names->end());
    for (const std::string& name : *names) {
        if (name.size() <= 8 || name.compare(name.size() - 8, 8, ".desktop") != 0 || name.front() == '.') continue;
        auto entry = platform::readDesktopEntry(folder / name);
        if (!entry || entry->isTrue("Hidden")) continue;
        const std::string type = entry->value("Type");
        if (!type.empty() && type != "Application") continue;
        UserEntry user;
        user.file = folder / name;
        user.id = QFile::decodeName(name.substr(0, name.size() - 8).c_str());
        user.program = comparablePath(entry->execProgram());
        user.tryExec = comparablePath(entry->value("TryExec"));
        user.entry = std::move(*entry);
        entries.push_back(std::move(user));
    }
    return entries;
}

Path comparablePath(const std::string& program) {
    if (program.empty() || program.front() != '/') return {};
    if (auto resolved = platform::resolvedPath(program)) return *resolved;
    if (auto normal = DiskScanner::normalised(program)) return *normal;
    return Path(program).lexically_normal();
}

bool liesIn(const Path& program, const Path& bundle) { return platform::liesWithin(program, bundle); }

}  // namespace sorbeta::Uninstaller
