#pragma once
// The file operations that change user data: a move that never replaces what
// is at its destination, the removal walk (RemoveTree.h), and atomic writes
// and careful reads of our own files.
// All functions are synchronous, throw nothing and work on raw path bytes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/RemoveTree.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {

using Path = std::filesystem::path;

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

// Creates the folder and its missing parents; folders we create get mode 0700.
bool makeAppFolder(const Path& folder);

// Unlinks one file or link of our own (never a folder); false when it stays.
bool removeFile(const Path& path);
bool removeFileAt(int folderFd, const std::string& name);
// Removes an empty folder of an open folder; false when it stays.
bool removeEmptyFolderAt(int folderFd, const std::string& name);

// Opens (creating it with mode 0600 if needed) a file of our own for
// appending; never through a final link.
UniqueFd openForAppending(const Path& path);
UniqueFd openForAppendingAt(int folderFd, const std::string& name);
// Appends all of `bytes`. When a write fails part-way, the file is cut back
// to where it was, so no torn piece stays, and the answer is false.
bool appendWhole(int fd, std::string_view bytes);
// Forces what was written to an open file, and the size that reaches it, to
// the disk (fdatasync), so nothing done after it can reach the disk first.
// False when the data may not be there; true also where the file system
// cannot be asked to flush at all.
bool flushData(int fd);

// Writes `bytes` to `path` through a temporary file in the same folder that
// is flushed to disk and then renamed over the target, so readers see either
// the old or the new contents. New files get mode 0600.
bool writeFileAtomically(const Path& path, std::string_view bytes);
// The same for the file `name` of an open folder.
bool writeFileAtomicallyAt(int folderFd, const std::string& name, std::string_view bytes);

// How a careful read went.
enum class ReadOutcome {
    ok,
    missing,  // nothing there
    refused,  // not a regular file (a pipe, a device, a folder, a link where links
              // are refused) or larger than allowed: not read at all
    failed,   // there, but not readable now (permissions, an I/O error)
};
// Whether a final symbolic link may be followed. Our own stored files refuse
// them; system files (desktop entries) may be links to their real place.
enum class FinalLink { refuse, follow };

// Reads a whole regular file of at most `limit` bytes. The file is opened
// without blocking, so a pipe or a device in a file's place is refused at
// once, and a file larger than `limit` is never read. Files whose size the
// system does not report (/proc) are read up to `limit`.
ReadOutcome readRegularFile(const Path& path, std::size_t limit, std::string& out,
                            FinalLink finalLink = FinalLink::refuse);
ReadOutcome readRegularFileAt(int folderFd, const std::string& name, std::size_t limit, std::string& out,
                              FinalLink finalLink = FinalLink::refuse);
// The same, answering only whether the whole file was read.
bool readSmallFile(const Path& path, std::size_t limit, std::string& out);

// The longest name the file system of `folder` allows (NAME_MAX when unknown).
std::size_t nameMax(const Path& folder);
std::size_t nameMax(int folderFd);

// `prefix` followed by `name`, with `name` shortened so the whole fits in
// `maxBytes`: the extension is kept when it is short, and a multi-byte UTF-8
// character is never cut in half.
std::string fitName(std::string_view prefix, std::string_view name, std::size_t maxBytes);

}  // namespace sorbeta::platform
