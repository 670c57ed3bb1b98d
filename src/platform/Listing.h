#pragma once
// Small, non-throwing questions about the file system that the engine asks
// over and over: a folder's children, whether something exists, what kind it is.
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sorbeta::platform {

using Path = std::filesystem::path;

// The names of a folder's direct children in the order the file system gives
// them, hidden names included, "." and ".." left out. nullopt when the folder
// cannot be listed (a read error part-way counts as a failed listing).
std::optional<std::vector<std::string>> listNames(const Path& folder);

// Something exists at the path; a final symbolic link is followed, so a
// dangling link does not exist.
bool exists(const Path& path);
// A directory, following a final symbolic link.
bool isDirectory(const Path& path);
// The path itself is a symbolic link.
bool isSymlink(const Path& path);
// The entry itself (a final link is not followed); false when it cannot be read.
bool entryStat(const Path& path, struct stat& result);

// A folder that the desktop treats as one document rather than a folder to
// open (an application bundle, a media library): judged by its name's suffix,
// any letter case.
bool isPackageName(const std::string& name);

// Lower case for comparing names: Unicode-aware for valid UTF-8, ASCII-only for
// byte strings that are not UTF-8 (those are left otherwise as they are).
std::string lowercased(const std::string& text);

}  // namespace sorbeta::platform
