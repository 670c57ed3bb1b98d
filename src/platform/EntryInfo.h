#pragma once
// One directory entry as the file system describes it, as a plain record, and
// the small questions the engine asks about single paths: is something there,
// what kind is it, where does the path really lead. Nothing here throws or
// follows a link unless its name says so.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace sorbeta::platform {

using Path = std::filesystem::path;

enum class EntryKind { file, folder, symlink, other };

struct EntryInfo {
    EntryKind kind = EntryKind::other;
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t links = 0;
    int64_t allocatedBytes = 0;   // blocks really allocated: sparse files count what they use
    int64_t modifiedSeconds = 0;  // content modification time since the epoch
    int64_t modifiedNanoseconds = 0;

    bool operator==(const EntryInfo&) const = default;
};

// The entry itself; a final symbolic link is described, not followed.
std::optional<EntryInfo> entryInfo(const Path& path);
// The entry `name` of an open folder itself, never followed.
std::optional<EntryInfo> entryInfoAt(int folderFd, const std::string& name);
// What the path leads to, following a final symbolic link.
std::optional<EntryInfo> targetInfo(const Path& path);

// Something exists at the path, following a final link: a dangling link does not exist.
bool exists(const Path& path);
// The path itself is a symbolic link.
bool isSymlink(const Path& path);
// The path itself is a folder: a link to one is not.
bool isRealFolder(const Path& path);
// The folder at `path`, described by `info`, lies on another file system or
// another mount than the folder around it: one is mounted on it, a bind mount
// of a folder of the same file system included.
bool isMountedFolder(const Path& path, const EntryInfo& info);
// An entry of any kind is at the path, a dangling link included.
bool entryExists(const Path& path);

// Whether something is at a path, with "nothing there" told apart from "could
// not look" (a folder on the way that cannot be searched, say).
enum class Presence { present, absent, unknown };
Presence presenceOf(const Path& path);
// The same for a name inside an open folder.
Presence presenceAt(int folderFd, const std::string& name);

// The path with every symbolic link resolved and "." and ".." removed. When it
// cannot be resolved, `missing` (if given) tells whether a part of it does not exist.
std::optional<Path> resolvedPath(const Path& path, bool* missing = nullptr);
// A folder with its links resolved when the whole path resolves, else only
// "." and ".." removed; without a trailing slash either way.
Path realFolder(const Path& folder);
// Whether `folder`, its links resolved, is `home` (resolved already) or a
// folder above it.
bool holdsHomeFolder(const Path& folder, const Path& home);

// The file can be opened for reading (without blocking on a special file).
bool opensForReading(const Path& path);
// The folder can be opened for listing.
bool opensAsFolder(const Path& path);

}  // namespace sorbeta::platform
