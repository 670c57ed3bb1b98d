#pragma once
// The desktop's Trash as freedesktop.org describes it: the home trash
// ($XDG_DATA_HOME/Trash) for items on its file system, and a trash at the top
// of each other mounted file system ($topdir/.Trash/$uid when the
// administrator made $topdir/.Trash sticky, else $topdir/.Trash-$uid). An
// item and its .trashinfo always go together: the info file is written first
// (with exclusive create, so two movers never share a name), then the item
// is renamed next to it. Nothing is ever copied across file systems.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/FileOps.h"
#include "platform/Places.h"

namespace sorbeta::platform {

// One item this program moved into a trash, as it was when it arrived:
// `path` is its place in the trash's files/ folder (links resolved), and
// device, inode and status-change time tell it apart from anything put there
// later by that name (a new file can get a freed inode number again).
struct TrashedItem {
    Path path;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t changed = 0;  // nanoseconds since the epoch, as it arrived; 0: not known

    bool operator==(const TrashedItem&) const = default;
};

namespace Trash {

struct MoveResult {
    std::optional<TrashedItem> item;  // absent when the item stayed where it was
    int error = 0;                    // errno of what failed
};

// Moves one file, folder or link (never followed) into the trash of its file
// system, with the time now as its deletion date.
MoveResult moveToTrash(const Path& item, const Places& places);

// Whether the path lies strictly inside a trash's files/ folder (the trash,
// files/, info/ and the uid folder themselves do not). The folder holding
// the path is resolved; the path's own last part is taken as it is.
bool isInTrash(const Path& path, const Places& places);

// Whether the trash still holds exactly this item: directly in a files/
// folder, not replaced by anything else since it was moved.
bool holds(const TrashedItem& item, const Places& places);

// Deletes the item for good, with its .trashinfo, when holds() says it is
// still there; never follows a link inside it and never crosses a mount.
// Absent when it was refused.
std::optional<Removal> purge(const TrashedItem& item, const Places& places);

// The text of a .trashinfo file for an item at `originalPath` ("Path=" as
// written into the file: absolute, or relative to the top folder of a
// per-volume trash), deleted at `when` (seconds since the epoch, local time).
std::string infoText(const std::string& originalPath, int64_t when);

}  // namespace Trash
}  // namespace sorbeta::platform
