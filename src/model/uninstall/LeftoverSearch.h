#pragma once
// Finding what an application left outside itself: fixed path templates
// filled with its identifier and, when distinctive enough, its name; only
// matches whose name really belongs to the application and that lie safely
// inside the user's Library (bundles) or XDG folders (Linux applications)
// are kept, measured, largest first. Pure file-system work for worker threads.
#include <QString>
#include <set>
#include <string>
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "model/uninstall/UninstallPlaces.h"

namespace sorbeta::Uninstaller {

struct LeftoverPattern {
    std::string path;  // "~/Library/…/{id}…": the last part may hold "{id}", "{name}" and "*"
    Leftover::Kind kind;
};

// The bundles' 17 templates, in search order.
const std::vector<LeftoverPattern>& leftoverPatterns();
// Lower-cased names too common to search by.
const std::set<std::string>& genericNames();
// Folders the desktop shares between applications: never a leftover
// themselves, and never matched by name.
const std::set<std::string>& sharedDesktopNames();

bool isPlainBundleID(const QString& id);
bool isPlainName(const QString& name);
// A Linux identifier (a desktop-file id or a file name): ASCII letters,
// digits, ".", "-" and "_", and either a plain bundle identifier's shape or
// one part that is not a generic name.
bool isPlainLinuxID(const QString& id);

// Whether an item may go to the Trash as a leftover: safely inside
// ~/Library, or an entry of the user's XDG folders the desktop does not share.
bool isSafeLeftover(const Path& url, const UninstallPlaces& where);
// The ~/Library rule alone: at least two levels below ~/Library, no ".."
// and none of the system's secret stores on the way.
bool isSafeLibraryLeftover(const Path& url, const platform::Places& places);

// The application's leftovers, largest first (equal sizes in the order
// found). `limited`: the program lacks full disk access; `nameIsShared`:
// another listed application has the same name ignoring case.
std::vector<Leftover> findLeftovers(const InstalledApp& app, bool limited, bool nameIsShared,
                                    const UninstallPlaces& where);
struct LinuxLaunchers;
// The same, with what starts the user's applications read once beforehand
// (LinuxLaunchers::read) for all applications of a listing.
std::vector<Leftover> findLeftovers(const InstalledApp& app, bool limited, bool nameIsShared,
                                    const UninstallPlaces& where, const LinuxLaunchers& launchers);

}  // namespace sorbeta::Uninstaller
