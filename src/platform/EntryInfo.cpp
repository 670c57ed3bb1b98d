#include "platform/EntryInfo.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/PathText.h"
#include "platform/StatInfo.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

Presence presenceFrom(int result) {
    if (result == 0) return Presence::present;
    return errno == ENOENT ? Presence::absent : Presence::unknown;
}

}  // namespace

std::optional<EntryInfo> entryInfo(const Path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    return entryInfoOf(st);
}

std::optional<EntryInfo> entryInfoAt(int folderFd, const std::string& name) {
    struct stat st {};
    if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
    return entryInfoOf(st);
}

std::optional<EntryInfo> targetInfo(const Path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return entryInfoOf(st);
}

bool exists(const Path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isSymlink(const Path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool isRealFolder(const Path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isMountedFolder(const Path& path, const EntryInfo& info) {
    if (info.kind != EntryKind::folder) return false;
    const auto parent = entryInfo(path.parent_path());
    if (!parent) return false;
    if (parent->device != info.device) return true;
    // A bind mount of a folder of the same file system keeps the device
    // number: only the mounts tell it apart. Both are asked through the
    // folder around it, as the path leads there.
    const UniqueFd around(::open(path.parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!around.valid()) return false;
    const auto outer = mountIdAt(around.get(), "");
    const auto own = mountIdAt(around.get(), path.filename().c_str());
    return outer && own && *outer != *own;
}

bool entryExists(const Path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

Presence presenceOf(const Path& path) {
    struct stat st {};
    return presenceFrom(::lstat(path.c_str(), &st));
}

Presence presenceAt(int folderFd, const std::string& name) {
    struct stat st {};
    return presenceFrom(::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW));
}

std::optional<Path> resolvedPath(const Path& path, bool* missing) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer)) return Path(buffer);
    if (missing) *missing = errno == ENOENT || errno == ENOTDIR;
    return std::nullopt;
}

Path realFolder(const Path& folder) {
    return Path(withoutTrailingSlashes(resolvedPath(folder).value_or(folder).lexically_normal().native()));
}

bool holdsHomeFolder(const Path& folder, const Path& home) {
    const Path real = realFolder(folder);
    const std::string& text = real.native();
    const std::string& homeText = home.native();
    return text == "/" || text == homeText ||
           (homeText.size() > text.size() && homeText.compare(0, text.size(), text) == 0 &&
            homeText[text.size()] == '/');
}

bool opensForReading(const Path& path) {
    return UniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)).valid();
}

bool opensAsFolder(const Path& path) {
    DIR* folder = ::opendir(path.c_str());
    if (!folder) return false;
    ::closedir(folder);
    return true;
}

}  // namespace sorbeta::platform
