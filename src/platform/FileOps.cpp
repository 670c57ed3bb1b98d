#include "platform/FileOps.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/PathText.h"

namespace sorbeta::platform {
namespace {

constexpr int kPathFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// Identity of the mount an open file lies on. The device number alone misses
// bind mounts of the same file system, so the mount id is compared as well
// where the kernel reports it.
struct MountKey {
    dev_t device = 0;
    uint64_t mountId = 0;
    bool operator==(const MountKey&) const = default;
};

bool mountOf(int fd, MountKey& key) {
    struct statx info {};
    if (::statx(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_MNT_ID, &info) != 0) {
        return false;
    }
    key.device = makedev(info.stx_dev_major, info.stx_dev_minor);
    key.mountId = (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : 0;
    return true;
}

bool removeFolderAt(int parent, const char* name, const MountKey& mount, int64_t& removed);

// Empties an open folder; true when nothing is left in it.
bool removeContents(int folder, const MountKey& mount, int64_t& removed) {
    UniqueFd listFd(::dup(folder));
    if (!listFd.valid()) return false;
    DIR* listing = ::fdopendir(listFd.get());
    if (!listing) return false;
    listFd.release();  // the listing owns it now
    // Read the whole listing before changing the folder, so removals cannot
    // make the directory stream skip or repeat entries.
    struct Entry {
        std::string name;
        unsigned char type;
    };
    std::vector<Entry> entries;
    errno = 0;
    bool listedAll = true;
    while (const dirent* entry = ::readdir(listing)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
        entries.push_back({name, entry->d_type});
    }
    if (errno != 0) listedAll = false;
    ::closedir(listing);

    bool empty = listedAll;
    for (const Entry& entry : entries) {
        unsigned char type = entry.type;
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(folder, entry.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno != ENOENT) empty = false;
                continue;
            }
            type = S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
        }
        if (type == DT_DIR) {
            if (!removeFolderAt(folder, entry.name.c_str(), mount, removed)) empty = false;
            continue;
        }
        if (::unlinkat(folder, entry.name.c_str(), 0) == 0) {
            ++removed;
        } else if (errno == EISDIR) {
            // Swapped for a folder since the listing: handle it as one.
            if (!removeFolderAt(folder, entry.name.c_str(), mount, removed)) empty = false;
        } else if (errno != ENOENT) {
            empty = false;
        }
    }
    return empty;
}

bool removeFolderAt(int parent, const char* name, const MountKey& mount, int64_t& removed) {
    UniqueFd fd(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno == ENOENT) return true;
        if (errno == ENOTDIR || errno == ELOOP) {
            // Not a folder (any more): a link or file is unlinked itself.
            if (::unlinkat(parent, name, 0) == 0) {
                ++removed;
                return true;
            }
            return errno == ENOENT;
        }
        // Unreadable: an empty one can still go.
        if (::unlinkat(parent, name, AT_REMOVEDIR) == 0) {
            ++removed;
            return true;
        }
        return false;
    }
    MountKey here;
    // Another file system is mounted here: never enter it.
    if (!mountOf(fd.get(), here) || !(here == mount)) return false;
    removeContents(fd.get(), mount, removed);
    fd.reset();
    if (::unlinkat(parent, name, AT_REMOVEDIR) == 0) {
        ++removed;
        return true;
    }
    return errno == ENOENT;
}

UniqueFd openFolderWalking(const Path& folder, ParentLinks links) {
    if (links == ParentLinks::follow) return UniqueFd(::open(folder.c_str(), kPathFlags));
    const std::string& text = folder.native();
    if (text.empty() || text.front() != '/') {
        errno = EINVAL;
        return UniqueFd();
    }
    UniqueFd current(::open("/", kPathFlags));
    std::size_t start = 1;
    while (current.valid() && start < text.size()) {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos) end = text.size();
        const std::string part = text.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            errno = EINVAL;
            return UniqueFd();
        }
        current = UniqueFd(::openat(current.get(), part.c_str(), kPathFlags | O_NOFOLLOW));
    }
    return current;
}

// Removes one entry of an open folder (see removeTree).
Removal removeEntry(int parentDir, const std::string& name) {
    Removal result;
    if (!isPlainName(name)) return result;
    struct stat info {};
    if (::fstatat(parentDir, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return result;
    if (!S_ISDIR(info.st_mode)) {
        if (::unlinkat(parentDir, name.c_str(), 0) == 0) result = {true, 1};
        return result;
    }
    MountKey mount;
    if (!mountOf(parentDir, mount)) return result;
    result.complete = removeFolderAt(parentDir, name.c_str(), mount, result.removed);
    return result;
}

}  // namespace

UniqueFd openFolder(const Path& folder, ParentLinks links, bool* missing) {
    UniqueFd opened = openFolderWalking(folder, links);
    if (!opened.valid() && missing) *missing = errno == ENOENT;
    return opened;
}

UniqueFd openChildFolder(int parentFd, const std::string& name, bool* missing) {
    UniqueFd opened(::openat(parentFd, name.c_str(), kPathFlags | O_NOFOLLOW));
    if (!opened.valid() && missing) *missing = errno == ENOENT;
    return opened;
}

bool sameMount(int fdA, int fdB) {
    MountKey a, b;
    return mountOf(fdA, a) && mountOf(fdB, b) && a == b;
}

bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

int moveNoReplace(int fromDir, const std::string& fromName, int toDir, const std::string& toName) {
    if (::renameat2(fromDir, fromName.c_str(), toDir, toName.c_str(), RENAME_NOREPLACE) == 0) return 0;
    return errno;
}

int moveNoReplace(const Path& from, const Path& to, ParentLinks fromLinks) {
    const std::string fromName = lastComponent(from);
    const std::string toName = lastComponent(to);
    if (!isPlainName(fromName) || !isPlainName(toName)) return EINVAL;
    const UniqueFd fromDir = openFolder(parentOf(from), fromLinks);
    if (!fromDir.valid()) return errno ? errno : EINVAL;
    const UniqueFd toDir = openFolder(parentOf(to), ParentLinks::follow);
    if (!toDir.valid()) return errno ? errno : EINVAL;
    return moveNoReplace(fromDir.get(), fromName, toDir.get(), toName);
}

int moveNoReplace(int fromDir, const std::string& fromName, const Path& to) {
    if (::renameat2(fromDir, fromName.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    return errno;
}

Removal removeTree(const Path& path, ParentLinks parentLinks) {
    const std::string name = lastComponent(path);
    if (!isPlainName(name)) return {};
    const UniqueFd parent = openFolder(parentOf(path), parentLinks);
    if (!parent.valid()) return {};
    return removeEntry(parent.get(), name);
}

bool makeAppFolder(const Path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return true;
    if (!folder.has_parent_path() || folder.parent_path() == folder) return false;
    if (!makeAppFolder(folder.parent_path())) return false;
    if (::mkdir(folder.c_str(), 0700) == 0) return true;
    return errno == EEXIST && std::filesystem::is_directory(folder, error);
}

bool removeFile(const Path& path) { return ::unlink(path.c_str()) == 0; }

UniqueFd openForAppending(const Path& path) {
    return UniqueFd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600));
}

bool appendWhole(int fd, std::string_view bytes) {
    struct stat info {};
    const off_t before = ::fstat(fd, &info) == 0 ? info.st_size : -1;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            if (before >= 0) [[maybe_unused]]
                const int ignored = ::ftruncate(fd, before);
            return false;
        }
        done += std::size_t(wrote);
    }
    return true;
}

bool writeFileAtomically(const Path& path, std::string_view bytes) {
    std::string temporary = path.native() + ".tmp-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0)
            ok = false;
        else
            done += std::size_t(wrote);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;  // by hand: a failed close means the data may not be there
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

bool readSmallFile(const Path& path, std::size_t limit, std::string& out) {
    out.clear();
    // O_NONBLOCK so a pipe put in a file's place cannot hang us; only regular
    // files are read, never through a link.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    UniqueFd owner(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 || std::size_t(info.st_size) > limit) {
        return false;
    }
    // Read to the end rather than trusting the size: the file may grow.
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (out.size() + std::size_t(got) > limit) return false;
        out.append(buffer, std::size_t(got));
    }
}

std::size_t nameMax(int folderFd) {
    const long reported = ::fpathconf(folderFd, _PC_NAME_MAX);
    if (reported <= 0 || reported > NAME_MAX) return NAME_MAX;
    return std::size_t(reported);
}

std::size_t nameMax(const Path& folder) {
    const UniqueFd fd = openFolder(folder, ParentLinks::follow);
    return fd.valid() ? nameMax(fd.get()) : NAME_MAX;
}

std::string fitName(std::string_view prefix, std::string_view name, std::size_t maxBytes) {
    if (prefix.size() + name.size() <= maxBytes) return std::string(prefix) + std::string(name);
    if (prefix.size() >= maxBytes) return std::string(prefix.substr(0, maxBytes));
    const std::size_t budget = maxBytes - prefix.size();
    std::string_view stem = name;
    std::string_view extension;
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0 && name.size() - dot <= 16 && name.size() - dot < budget) {
        stem = name.substr(0, dot);
        extension = name.substr(dot);
    }
    std::size_t cut = std::min(stem.size(), budget - extension.size());
    // Back up to the start of a UTF-8 character so none is cut in half.
    while (cut > 0 && cut < stem.size() && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
    return std::string(prefix) + std::string(stem.substr(0, cut)) + std::string(extension);
}

}  // namespace sorbeta::platform
