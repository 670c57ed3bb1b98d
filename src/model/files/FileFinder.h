#pragma once
// The file finder's walk: the user's folders it searches, what it never
// enters, and the record of one candidate file (a big regular file). Only
// reads; keeps nothing between runs. Synchronous: call it on a worker thread.
#include <QDateTime>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/dev/DevTypes.h"
#include "platform/Places.h"

namespace sorbeta::FileFinder {

using Path = std::filesystem::path;

// Smallest allocated size of a candidate.
inline constexpr int64_t kCandidateFloor = 10'000'000;

// One candidate file.
struct Found {
    Path url;             // as the walk reached it (not resolved)
    int64_t bytes = 0;    // allocated size on disk, not the logical length
    QDateTime lastUsed;   // the later of modification and access (UTC)
    QDateTime created;    // birth time, else the modification time (UTC)
    bool inCode = false;  // found under a code root: never part of a duplicate set
    // The file as the walk saw it, before anything read it: a file changed
    // after that (while it was being hashed, say) is not the one offered.
    std::optional<DevEntry::FileIdentity> identity;

    bool operator==(const Found&) const = default;
};

// The folders searched, as written for the user: "~/Downloads", "~/Documents",
// "~/Desktop", "~/Movies", "~/Music", "~/Pictures", "~/Developer",
// "~/Projects", "~/Code".
const std::vector<std::string>& roots();
// The roots that hold source code: "~/Developer", "~/Projects", "~/Code",
// and the same names in lower case, which are other folders on Linux.
const std::vector<std::string>& codeRoots();
// Folder names never entered, wherever they are (case matters).
const std::unordered_set<std::string>& skipNames();
// Build-output folder names not entered inside a code root.
const std::unordered_set<std::string>& codeSkipNames();
// Installer extensions, lower case ("dmg", "pkg", "zip", "xip", "iso", and
// Linux's "deb" and "rpm").
const std::unordered_set<std::string>& installerExts();

// The roots as folders of this home, in table order: the six user folders
// through user-dirs.dirs (Movies is the videos folder; a folder the desktop
// turned off is left out), the code roots in home. Existence is not checked.
std::vector<Path> rootPaths(const platform::Places& places);
// The code roots as folders of this home, in table order.
std::vector<Path> codeRootPaths(const platform::Places& places);

// Walks the roots in order and returns every candidate in walk order: a root
// reached twice is listed twice. Pruned folders are never entered; in limited
// mode roots and folders that would prompt are skipped. Never fails: what
// cannot be read is left out. Reading facts changes no access time.
std::vector<Found> collect(const std::vector<Path>& roots, const platform::Places& places);

}  // namespace sorbeta::FileFinder
