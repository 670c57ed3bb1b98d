#include "model/uninstall/Weighing.h"

#include <map>

#include "model/disk/Measure.h"
#include "model/uninstall/LeftoverSearch.h"

namespace sorbeta::Uninstaller {

Weighed weigh(const InstalledApp& app, bool limited, bool nameIsShared, const UninstallPlaces& where,
              const LinuxLaunchers& launchers) {
    return {app.url, DiskScanner::size(app.url), findLeftovers(app, limited, nameIsShared, where, launchers)};
}

std::set<QString> sharedNames(const std::vector<InstalledApp>& apps) {
    std::map<QString, int> counts;
    for (const InstalledApp& app : apps) ++counts[app.name.toLower()];
    std::set<QString> shared;
    for (const auto& [name, count] : counts)
        if (count > 1) shared.insert(name);
    return shared;
}

}  // namespace sorbeta::Uninstaller
