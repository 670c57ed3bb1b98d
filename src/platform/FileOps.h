#pragma once
// The file operations that change user data: a move that never replaces what
// is at its destination, a removal walk that never follows a link and never
// enters another mounted file system, and atomic writes of our own files.
// All functions are synchronous, throw nothing and work on raw path bytes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/UniqueFd.h"

namespace sorbeta::platform {

using Path = std::filesystem::path;

// Whether symbolic links met on the way to a folder may be followed.
// `refuse` is for paths the safety test judged with their links already
// resolved: a link that shows up there since means something was swapped.
enum class ParentLinks { follow, refuse };

// Opens a folder for use as the base of *at() calls (O_PATH). With `refuse`
// no component of the path, the last one included, may be a symbolic link.
// Returns an invalid descriptor on failure; `missing` (if given) then tells
// whether the failure was that something on the way does not exist.
UniqueFd openFolder(const Path& folder, ParentLinks links, bool* missing = nullptr);
// Opens the folder `name` inside an open folder the same way, never through a link.
UniqueFd openChildFolder(int parentFd, const std::string& name, bool* missing = nullptr);

// Whether two open files lie on the same mount (bind mounts told apart too).
// False when either cannot be asked.
bool sameMount(int fdA, int fdB);

// A bare name of one directory entry: not empty, not "." or "..", no "/" and
// no NUL byte.
bool isPlainName(std::string_view name);

// Renames `fromName` in `fromDir` to `toName` in `toDir` without ever
// replacing an existing entry (renameat2 with RENAME_NOREPLACE). Never copies:
// across file systems it fails with EXDEV. Returns 0 or the errno value.
int moveNoReplace(int fromDir, const std::string& fromName, int toDir, const std::string& toName);
// The same for two paths; the parents of `from` are opened as `fromLinks` says,
// those of `to` are followed.
int moveNoReplace(const Path& from, const Path& to, ParentLinks fromLinks = ParentLinks::follow);
// From a name in an open folder to a path (whose folders are followed).
int moveNoReplace(int fromDir, const std::string& fromName, const Path& to);

// What one removal did.
struct Removal {
    bool complete = false;  // the entry is gone
    int64_t removed = 0;    // directory entries unlinked (files, links and folders)
};

// Removes an entry and, for a folder, everything below it. Never follows a
// symbolic link (a link is unlinked itself), never enters a folder that lies
// on another mount (bind mounts included), and goes on past failures so that
// whatever can go, goes. A folder that still holds something stays.
Removal removeTree(const Path& path, ParentLinks parentLinks);

// Creates the folder and its missing parents; folders we create get mode 0700.
bool makeAppFolder(const Path& folder);

// Unlinks one file or link of our own (never a folder); false when it stays.
bool removeFile(const Path& path);

// Opens (creating it with mode 0600 if needed) a file of our own for
// appending; never through a final link.
UniqueFd openForAppending(const Path& path);
// Appends all of `bytes`. When a write fails part-way, the file is cut back
// to where it was, so no torn piece stays, and the answer is false.
bool appendWhole(int fd, std::string_view bytes);

// Writes `bytes` to `path` through a temporary file in the same folder that
// is flushed to disk and then renamed over the target, so readers see either
// the old or the new contents. New files get mode 0600.
bool writeFileAtomically(const Path& path, std::string_view bytes);

// Reads a whole file of at most `limit` bytes; false when it cannot be read
// or is larger.
bool readSmallFile(const Path& path, std::size_t limit, std::string& out);

// The longest name the file system of `folder` allows (NAME_MAX when unknown).
std::size_t nameMax(const Path& folder);
std::size_t nameMax(int folderFd);

// `prefix` followed by `name`, with `name` shortened so the whole fits in
// `maxBytes`: the extension is kept when it is short, and a multi-byte UTF-8
// character is never cut in half.
std::string fitName(std::string_view prefix, std::string_view name, std::size_t maxBytes);

}  // namespace sorbeta::platform
