#pragma once
// What a Linux application leaves in the user's XDG folders: its settings,
// data, caches and state under its identifier or names, its Flatpak-style
// ~/.var/app folder, the autostart entries and user systemd units that run
// it, and the desktop entries and icons that launch it. Agents and launchers
// are matched by the path they run, never by name. Beside a program or
// another copy of it that goes by the same name, only those are found.
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "model/uninstall/UninstallPlaces.h"

namespace sorbeta::Uninstaller {

struct LinuxLaunchers;

// `launchers`: read once for every application of a listing.
std::vector<Leftover> findLinuxLeftovers(const InstalledApp& app, bool limited, bool nameIsShared,
                                         const UninstallPlaces& where, const LinuxLaunchers& launchers);

// An entry inside ~/.config, ~/.cache, ~/.local/share, ~/.local/state or
// ~/.var/app (never those folders themselves) whose folder resolves, that the
// engine's safety test allows, and that is not a folder the desktop shares;
// inside applications/, autostart/, systemd/ and icons/ only single entries
// (never a folder) qualify.
bool isSafeLinuxLeftover(const Path& url, const UninstallPlaces& where);

// The programs an autostart entry or a user unit runs (%h read, links
// resolved); empty for anything else.
std::vector<Path> agentPrograms(const Path& agent, const UninstallPlaces& where);
// Whether the agent is a user systemd unit (not a link in a *.wants folder)
// that systemctl can stop.
bool isStoppableUnit(const Path& agent, const UninstallPlaces& where);

}  // namespace sorbeta::Uninstaller
