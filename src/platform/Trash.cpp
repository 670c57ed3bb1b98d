#include "platform/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string_view>
#include <vector>

#include "platform/EntryInfo.h"
#include "platform/PathText.h"

namespace sorbeta::platform::Trash {
namespace {

constexpr std::string_view kInfoSuffix = ".trashinfo";
constexpr int kMaxNameTries = 10000;

int64_t changeTimeOf(const struct stat& info) {
    return int64_t(info.st_ctim.tv_sec) * 1'000'000'000 + int64_t(info.st_ctim.tv_nsec);
}

std::vector<std::string> componentsOf(const std::string& absolute) {
    std::vector<std::string> parts;
    std::size_t start = 1;
    while (start <= absolute.size()) {
        const std::size_t end = std::min(absolute.find('/', start), absolute.size());
        if (end > start) parts.push_back(absolute.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string joined(const std::vector<std::string>& parts, std::size_t count) {
    std::string path;
    for (std::size_t i = 0; i < count; ++i) path += "/" + parts[i];
    return path.empty() ? "/" : path;
}

bool isMountRoot(const Path& folder) {
    struct statx info {};
    if (::statx(AT_FDCWD, folder.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE, &info) != 0) return false;
    return (info.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (info.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

// The item's path with its folder's links resolved and its own name kept.
std::optional<Path> placeOf(const Path& path) {
    const std::string text = withoutTrailingSlashes(path.native());
    if (text.empty() || text.front() != '/') return std::nullopt;
    const std::string leaf = lastComponent(Path(text));
    if (!isPlainName(leaf)) return std::nullopt;
    for (const std::string& part : componentsOf(text))
        if (part == "..") return std::nullopt;
    const auto folder = resolvedPath(parentOf(Path(text)));
    if (!folder) return std::nullopt;
    return *folder / leaf;
}

// Where a resolved path lies in a trash: the trash folder and how many names
// below its files/ folder the path goes (0: files/ itself).
struct Location {
    Path trash;
    std::size_t depth = 0;
};

std::optional<Location> locate(const Path& place, const Places& places) {
    const std::vector<std::string> parts = componentsOf(place.native());
    if (const auto home = resolvedPath(places.dataHome / "Trash")) {
        const std::vector<std::string> trash = componentsOf(home->native());
        if (parts.size() > trash.size() && std::equal(trash.begin(), trash.end(), parts.begin()) &&
            parts[trash.size()] == "files")
            return Location{*home, parts.size() - trash.size() - 1};
    }
    const std::string uid = std::to_string(::getuid());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::size_t files = 0;
        if (parts[i] == ".Trash-" + uid)
            files = i + 1;
        else if (parts[i] == ".Trash" && i + 1 < parts.size() && parts[i + 1] == uid)
            files = i + 2;
        else
            continue;
        if (files >= parts.size() || parts[files] != "files") continue;
        // A per-volume trash stands right at the top of its file system.
        if (!isMountRoot(joined(parts, i))) continue;
        return Location{joined(parts, files), parts.size() - files - 1};
    }
    return std::nullopt;
}

std::string percentEncoded(std::string_view bytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        }
    }
    return out;
}

// A folder of the trash, made when missing; never a link, always ours.
UniqueFd openTrashFolder(int parent, const std::string& name, mode_t mode) {
    if (::mkdirat(parent, name.c_str(), mode) != 0 && errno != EEXIST) return UniqueFd();
    UniqueFd folder(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!folder.valid() || ::fstat(folder.get(), &info) != 0 || info.st_uid != ::getuid()) return UniqueFd();
    return folder;
}

struct TrashFolders {
    Path trash;       // links resolved
    std::string top;  // the folder "Path=" is relative to; empty: absolute paths
    UniqueFd files;
    UniqueFd info;
};

std::optional<TrashFolders> openTrash(const Path& trash, const std::string& top) {
    UniqueFd base = openFolder(trash, ParentLinks::refuse);
    if (!base.valid()) return std::nullopt;
    TrashFolders folders{trash, top, openTrashFolder(base.get(), "files", 0700),
                         openTrashFolder(base.get(), "info", 0700)};
    if (!folders.files.valid() || !folders.info.valid()) return std::nullopt;
    return folders;
}

std::optional<TrashFolders> homeTrash(const Places& places) {
    if (!makeAppFolder(places.dataHome)) return std::nullopt;
    const auto data = resolvedPath(places.dataHome);
    if (!data) return std::nullopt;
    UniqueFd dataFd = openFolder(*data, ParentLinks::refuse);
    if (!dataFd.valid() || !openTrashFolder(dataFd.get(), "Trash", 0700).valid()) return std::nullopt;
    return openTrash(*data / "Trash", {});
}

// The trash at the top of the file system that holds `folder` (resolved).
std::optional<TrashFolders> volumeTrash(const Path& folder) {
    const std::vector<std::string> parts = componentsOf(folder.native());
    std::size_t depth = parts.size();
    while (depth > 0 && !isMountRoot(joined(parts, depth))) --depth;
    const std::string top = joined(parts, depth);
    UniqueFd topFd = openFolder(top, ParentLinks::refuse);
    if (!topFd.valid()) return std::nullopt;
    const std::string uid = std::to_string(::getuid());
    struct stat shared {};
    // The administrator's shared .Trash counts only when sticky and not a link.
    if (::fstatat(topFd.get(), ".Trash", &shared, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(shared.st_mode) &&
        (shared.st_mode & S_ISVTX)) {
        UniqueFd sharedFd(::openat(topFd.get(), ".Trash", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (sharedFd.valid() && openTrashFolder(sharedFd.get(), uid, 0700).valid()) {
            if (auto trash = openTrash(Path(top) / ".Trash" / uid, top)) return trash;
        }
    }
    if (!openTrashFolder(topFd.get(), ".Trash-" + uid, 0700).valid()) return std::nullopt;
    return openTrash(Path(top) / (".Trash-" + uid), top);
}

// "name", "name 2", "name 3"…, the extension kept at the end, each short
// enough that its .trashinfo name still fits.
std::string candidateName(const std::string& name, int attempt, std::size_t maxBytes) {
    if (attempt == 1) return fitName("", name, maxBytes);
    std::string stem = name;
    std::string extension;
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        stem = name.substr(0, dot);
        extension = name.substr(dot);
    }
    const std::string suffix = " " + std::to_string(attempt) + extension;
    return fitName("", stem, maxBytes > suffix.size() ? maxBytes - suffix.size() : 0) + suffix;
}

bool writeInfo(int infoFolder, const std::string& infoName, const std::string& text) {
    UniqueFd file(::openat(infoFolder, infoName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.valid()) return false;
    if (!appendWhole(file.get(), text) || ::fsync(file.get()) != 0) {
        ::unlinkat(infoFolder, infoName.c_str(), 0);
        return false;
    }
    return true;
}

MoveResult moveInto(TrashFolders& trash, int fromFolder, const std::string& name, const Path& original,
                    const struct stat& item) {
    struct stat files {};
    // Never across file systems: the trash must be where the item already is.
    if (::fstat(trash.files.get(), &files) != 0 || files.st_dev != item.st_dev) return {std::nullopt, EXDEV};
    std::string written = original.native();
    if (!trash.top.empty() && trash.top != "/" && written.rfind(trash.top + "/", 0) == 0)
        written = written.substr(trash.top.size() + 1);
    const std::string text = infoText(written, std::time(nullptr));
    const std::size_t maxName = nameMax(trash.info.get()) - kInfoSuffix.size();
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt) {
        const std::string candidate = candidateName(name, attempt, maxName);
        const std::string infoName = candidate + std::string(kInfoSuffix);
        if (!writeInfo(trash.info.get(), infoName, text)) {
            if (errno == EEXIST) continue;
            return {std::nullopt, errno ? errno : EIO};
        }
        const int moved = moveNoReplace(fromFolder, name, trash.files.get(), candidate);
        if (moved == 0) {
            TrashedItem trashed{trash.trash / "files" / candidate, uint64_t(item.st_dev), uint64_t(item.st_ino)};
            struct stat arrived {};
            if (::fstatat(trash.files.get(), candidate.c_str(), &arrived, AT_SYMLINK_NOFOLLOW) == 0)
                trashed.changed = changeTimeOf(arrived);
            return {trashed, 0};
        }
        ::unlinkat(trash.info.get(), infoName.c_str(), 0);
        if (moved != EEXIST) return {std::nullopt, moved};
    }
    return {std::nullopt, EEXIST};
}

}  // namespace

std::string infoText(const std::string& originalPath, int64_t when) {
    const std::time_t seconds = std::time_t(when);
    std::tm local{};
    char date[32] = {};
    if (::localtime_r(&seconds, &local)) std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + percentEncoded(originalPath) + "\nDeletionDate=" + date + "\n";
}

MoveResult moveToTrash(const Path& item, const Places& places) {
    const auto place = placeOf(item);
    if (!place) return {std::nullopt, EINVAL};
    const std::string name = lastComponent(*place);
    UniqueFd from = openFolder(parentOf(*place), ParentLinks::refuse);
    struct stat info {};
    if (!from.valid() || ::fstatat(from.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return {std::nullopt, errno ? errno : ENOENT};
    if (locate(*place, places)) return {std::nullopt, EINVAL};  // already in a trash

    int error = EXDEV;
    if (auto home = homeTrash(places)) {
        MoveResult result = moveInto(*home, from.get(), name, *place, info);
        if (result.item || result.error != EXDEV) return result;
    }
    // Another file system (or another mount of the same one): its own trash.
    if (auto volume = volumeTrash(parentOf(*place))) return moveInto(*volume, from.get(), name, *place, info);
    return {std::nullopt, error};
}

bool isInTrash(const Path& path, const Places& places) {
    const auto place = placeOf(path);
    if (!place) return false;
    const auto location = locate(*place, places);
    return location && location->depth >= 1;
}

bool holds(const TrashedItem& item, const Places& places) {
    const auto place = placeOf(item.path);
    if (!place || *place != item.path) return false;  // recorded with its links resolved
    const auto location = locate(*place, places);
    if (!location || location->depth != 1) return false;
    struct stat now {};
    if (::lstat(place->c_str(), &now) != 0) return false;
    // A file made since may have been given the freed inode number: its
    // status-change time still tells it apart.
    return uint64_t(now.st_dev) == item.device && uint64_t(now.st_ino) == item.inode &&
           (item.changed == 0 || changeTimeOf(now) == item.changed);
}

std::optional<Removal> purge(const TrashedItem& item, const Places& places) {
    if (!holds(item, places)) return std::nullopt;
    const Removal removal = removeTree(item.path, ParentLinks::refuse);
    if (removal.complete) {
        const Path trash = parentOf(parentOf(item.path));
        const Path info = trash / "info" / (lastComponent(item.path) + std::string(kInfoSuffix));
        if (const auto infoEntry = entryInfo(info); infoEntry && infoEntry->kind != EntryKind::folder) removeFile(info);
    }
    return removal;
}

}  // namespace sorbeta::platform::Trash
