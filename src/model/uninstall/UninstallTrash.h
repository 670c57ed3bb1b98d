#pragma once
// Moving an application and its leftovers to the Trash, never deleting them
// outright, each only after its safety test; and later deleting for good
// exactly the items this program moved there. Synchronous, for worker threads.
#include <cstdint>
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "model/uninstall/UninstallPlaces.h"
#include "platform/Trash.h"

namespace sorbeta::Uninstaller {

struct Outcome {
    int64_t trashed = 0;                         // bytes moved, measured just before each move
    std::vector<Path> failed;                    // refused or not moved and still there, in input order
    std::vector<platform::TrashedItem> inTrash;  // where the moved items now lie, in input order

    bool operator==(const Outcome&) const = default;
};

// Moves each item to the Trash: `appURL` only when it lies in an application
// folder, everything else only when it is a safe leftover.
Outcome trash(const std::vector<Path>& urls, const Path& appURL, const UninstallPlaces& where);

// A bundle (*.app) directly in an application folder or one folder below, or
// a Linux application where those are installed (an AppImage in
// ~/Applications, one folder below it or ~/.local/bin; a folder in
// ~/Applications or one folder below it). Folders are compared with their
// links resolved.
bool isInAppRoot(const Path& url, const UninstallPlaces& where);

// Strictly inside a Trash: ~/.Trash/…, /Volumes/<disk>/.Trashes/<uid>/…, or a
// freedesktop trash's files/ folder.
bool isInTrash(const Path& url, const UninstallPlaces& where);

// Deletes for good the given items of an earlier trash(), each only while it
// is still in the Trash and still the very item that was moved. Returns the
// bytes removed; a second call for the same items removes nothing.
int64_t purgeFromTrash(const std::vector<platform::TrashedItem>& items, const UninstallPlaces& where);

}  // namespace sorbeta::Uninstaller
