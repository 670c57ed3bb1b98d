#pragma once
// Weighing one listed application: the bytes of its bundle and its
// leftovers. The uninstall model runs one weighing per application on the
// worker pool and applies each result as it arrives.
#include <QString>
#include <cstdint>
#include <set>
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "model/uninstall/UninstallPlaces.h"

namespace sorbeta::Uninstaller {

struct Weighed {
    Path url;  // the bundle weighed, to find its record again
    int64_t appBytes = 0;
    std::vector<Leftover> leftovers;
};

struct LinuxLaunchers;

// `launchers`: LinuxLaunchers::read() once for the whole listing.
Weighed weigh(const InstalledApp& app, bool limited, bool nameIsShared, const UninstallPlaces& where,
              const LinuxLaunchers& launchers);

// The lower-cased names more than one application goes by.
std::set<QString> sharedNames(const std::vector<InstalledApp>& apps);

}  // namespace sorbeta::Uninstaller
