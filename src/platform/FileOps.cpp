#include "platform/FileOps.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
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

bool makeAppFolder(const Path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return true;
    if (!folder.has_parent_path() || folder.parent_path() == folder) return false;
    if (!makeAppFolder(folder.parent_path())) return false;
    if (::mkdir(folder.c_str(), 0700) == 0) return true;
    return errno == EEXIST && std::filesystem::is_directory(folder, error);
}

bool removeFile(const Path& path) { return ::unlink(path.c_str()) == 0; }

bool removeFileAt(int folderFd, const std::string& name) {
    return isPlainName(name) && ::unlinkat(folderFd, name.c_str(), 0) == 0;
}

bool removeEmptyFolderAt(int folderFd, const std::string& name) {
    return isPlainName(name) && ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) == 0;
}

UniqueFd openForAppending(const Path& path) { return openForAppendingAt(AT_FDCWD, path.native()); }

UniqueFd openForAppendingAt(int folderFd, const std::string& name) {
    return UniqueFd(::openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600));
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

bool flushData(int fd) {
    for (;;) {
        if (::fdatasync(fd) == 0) return true;
        if (errno == EINTR) continue;
        // A file system that cannot be asked to flush (some network and user
        // space ones) keeps what it keeps however it is asked: refusing
        // there would only make it unusable.
        return errno == EINVAL || errno == ENOTSUP;
    }
}

bool writeFileAtomically(const Path& path, std::string_view bytes) {
    const UniqueFd folder(::open(parentOf(path).c_str(), kPathFlags));
    return folder.valid() && writeFileAtomicallyAt(folder.get(), lastComponent(path), bytes);
}

bool writeFileAtomicallyAt(int folderFd, const std::string& name, std::string_view bytes) {
    if (!isPlainName(name)) return false;
    // A temporary name of our own beside the target: tried a few times in case
    // one is taken, never opened through anything already there.
    std::string temporary;
    UniqueFd file;
    for (int attempt = 0; attempt < 16 && !file.valid(); ++attempt) {
        static std::atomic<unsigned> counter{0};
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".tmp-%d-%u", int(::getpid()), counter.fetch_add(1));
        temporary = name.substr(0, NAME_MAX - 32) + suffix;
        file =
            UniqueFd(::openat(folderFd, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!file.valid() && errno != EEXIST) return false;
    }
    if (!file.valid()) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t wrote = ::write(file.get(), bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0)
            ok = false;
        else
            done += std::size_t(wrote);
    }
    if (ok && ::fsync(file.get()) != 0) ok = false;
    // Closed by hand: a failed close means the data may not be there.
    if (::close(file.release()) != 0) ok = false;
    if (ok && ::renameat(folderFd, temporary.c_str(), folderFd, name.c_str()) != 0) ok = false;
    if (!ok) ::unlinkat(folderFd, temporary.c_str(), 0);
    return ok;
}

namespace {

ReadOutcome outcomeOfOpen(int error) {
    if (error == ENOENT || error == ENOTDIR) return ReadOutcome::missing;
    // A final link refused, or a special file that will not open without blocking.
    if (error == ELOOP || error == ENXIO || error == EISDIR) return ReadOutcome::refused;
    return ReadOutcome::failed;
}

}  // namespace

ReadOutcome readRegularFileAt(int folderFd, const std::string& name, std::size_t limit, std::string& out,
                              FinalLink finalLink) {
    out.clear();
    if (folderFd != AT_FDCWD && !isPlainName(name)) return ReadOutcome::refused;
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (finalLink == FinalLink::refuse ? O_NOFOLLOW : 0);
    const UniqueFd fd(::openat(folderFd, name.c_str(), flags));
    if (!fd.valid()) return outcomeOfOpen(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return ReadOutcome::failed;
    if (!S_ISREG(info.st_mode) || info.st_size < 0 || std::size_t(info.st_size) > limit) return ReadOutcome::refused;
    // Read to the end rather than trusting the size: the file may grow, and
    // /proc reports none.
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            out.clear();
            return ReadOutcome::failed;
        }
        if (got == 0) return ReadOutcome::ok;
        if (out.size() + std::size_t(got) > limit) {
            out.clear();
            return ReadOutcome::refused;
        }
        out.append(buffer, std::size_t(got));
    }
}

ReadOutcome readRegularFile(const Path& path, std::size_t limit, std::string& out, FinalLink finalLink) {
    return readRegularFileAt(AT_FDCWD, path.native(), limit, out, finalLink);
}

bool readSmallFile(const Path& path, std::size_t limit, std::string& out) {
    return readRegularFile(path, limit, out) == ReadOutcome::ok;
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
