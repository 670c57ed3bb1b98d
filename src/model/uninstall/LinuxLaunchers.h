#pragma once
// What starts the user's applications, read once for a whole listing: the
// user desktop entries, the autostart entries, the user systemd services,
// the timers and *.wants links that switch them on, and by name the icon
// files applications put in the user's icon folder. Weighing a hundred
// applications then reads each of these files once, not once per application.
#include <map>
#include <string>
#include <vector>

#include "model/uninstall/UninstallPlaces.h"
#include "model/uninstall/UserEntries.h"

namespace sorbeta::Uninstaller {

struct LaunchFile {
    Path file;
    std::vector<Path> programs;  // what it runs, as comparablePath() gives them
};

struct UnitTimer {
    Path file;
    std::string unit;  // the unit it starts
};

struct UnitLink {
    Path link;         // {config}/systemd/user/<x>.wants/<name>
    std::string name;  // the unit it switches on
};

struct LinuxLaunchers {
    std::vector<UserEntry> entries;
    std::vector<LaunchFile> autostart;
    std::vector<LaunchFile> services;
    std::vector<UnitTimer> timers;
    std::vector<UnitLink> unitLinks;
    std::map<std::string, std::vector<Path>> icons;  // icon name -> its files in {data}/icons and hicolor/*/apps
    std::vector<Path> leftoverRoots;                 // the folders leftovers may lie in, links resolved

    static LinuxLaunchers read(const UninstallPlaces& where);
};

// The folders whose entries may be leftovers: ~/.config, ~/.cache,
// ~/.local/share, ~/.local/state, ~/.var/app and the XDG folders, links
// resolved, each only when it lies inside home.
std::vector<Path> leftoverRoots(const UninstallPlaces& where);

}  // namespace sorbeta::Uninstaller
