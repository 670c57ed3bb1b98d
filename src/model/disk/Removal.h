#pragma once
// The removal half of DiskScanner: the one safety test every removal passes
// and the one function that deletes or holds what a cleaning rule found.
// Synchronous, callable from any thread, never throws.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/disk/ListedEntries.h"
#include "platform/FileOps.h"
#include "platform/Places.h"

namespace sorbeta::DiskScanner {

using Path = std::filesystem::path;

// Where a clean puts the items the user asked to keep for a while instead of
// deleting them (the holding area's writer).
class HoldSink {
public:
    virtual ~HoldSink() = default;
    // Takes one item, a path as normalised() gives it, measured at `bytes`.
    // True when it was taken; an item not taken stays where it is.
    virtual bool hold(const Path& item, int64_t bytes) = 0;
    // The same for the entry `name` of a folder the clean holds open (`item`
    // is its path as normalised): what moves is that very entry, whatever the
    // path leads to by now.
    virtual bool holdAt(int folderFd, const std::string& name, const Path& item, int64_t bytes) {
        (void)folderFd;
        (void)name;
        return hold(item, bytes);
    }
};

// The path as the safety test judges it: its folder with symbolic links
// resolved, its own last component unresolved, "." and ".." removed.
// Nothing when the path is relative or its folder cannot be resolved.
std::optional<Path> normalised(const Path& url);

// Whether `url` may be removed: it lies inside the home folder of `places`,
// outside our data folder, and passes the depth and name rules.
// `allowUserFolders` permits places outside ~/Library that are not
// dot-folders; `removingRoot` says the path itself goes, not only what is
// inside it.
bool isSafeToTouch(const Path& url, bool allowUserFolders, bool removingRoot, const platform::Places& places);

// Removes the given places: a folder's contents unless `removeRoots`, a file
// or link itself. With `hold` each item is moved into the holding batch; an
// item the batch cannot take is left where it is. Returns the bytes freed or
// held, counting only what really went. Each place is opened once, before
// anything goes, and its items are removed relative to that open folder, so
// a link or mount put in its place meanwhile is never reached. With `listed`
// a folder that is emptied loses only the entries listed for it (entriesOf),
// and a folder with no listing nothing. `stayed`, when given, grows by one
// for each item that was to go and is still there afterwards (it could not
// be deleted whole, or the batch would not take it).
int64_t clean(const std::vector<Path>& urls, bool removeRoots, bool allowUserFolders, HoldSink* hold,
              const platform::Places& places, const ListedEntries* listed = nullptr, int* stayed = nullptr);

// What the folder `url` (as a rule's target names it) holds now, listed as
// the clean would list it; none when it cannot be listed so.
FolderEntries entriesOf(const Path& url);
// Whether `item` is still the very entry that `entries` lists by its name;
// true for everything when there is no listing.
bool isListed(const FolderEntries* entries, const Path& item);

// Whether clean() would take anything of `url`: it exists and passes the
// safety test as the clean judges it (a file or link goes itself, a folder is
// emptied unless `removeRoots`), and a folder that is only emptied lies on the
// file system of the folder around it.
bool wouldClean(const Path& url, bool removeRoots, bool allowUserFolders, const platform::Places& places);

// The direct children of a folder that passed the safety test, listed through
// the folder opened without following any link on its way, so what is listed
// is what was judged. None when another file system is mounted on the folder
// (what is inside belongs to that other disk) or it cannot be listed whole.
std::vector<Path> contentsOf(const Path& folder);

// Deletes one item that already passed the safety test (the path as
// normalised() gives it). Returns the bytes that really went: the measured
// size when all of it went, else the part the removal walk counted.
int64_t removeMeasured(const Path& item, int64_t measuredBytes,
                       platform::ParentLinks parentLinks = platform::ParentLinks::refuse);

}  // namespace sorbeta::DiskScanner
