#include "platform/HeldFolders.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileOps.h"

namespace sorbeta::platform {
namespace {

using Result = OpenedFolder::Result;

Result failureOf(int error) {
    if (error == ENOENT) return Result::missing;
    if (error == ENOTDIR || error == ELOOP) return Result::notAFolder;
    return Result::failed;
}

// Opens a child folder with `flags` (O_NOFOLLOW | O_DIRECTORY among them),
// making it first when it is missing and `create` says so.
OpenedFolder openStep(int parentFd, const std::string& name, int flags, Create create, mode_t mode) {
    OpenedFolder opened;
    if (!isPlainName(name)) return opened;
    opened.fd = UniqueFd(::openat(parentFd, name.c_str(), flags));
    if (!opened.fd.valid() && errno == ENOENT && create == Create::yes) {
        if (::mkdirat(parentFd, name.c_str(), mode) != 0 && errno != EEXIST) {
            opened.result = failureOf(errno == ENOENT ? EIO : errno);
            return opened;
        }
        // Opened again without following: a link put there meanwhile is refused.
        opened.fd = UniqueFd(::openat(parentFd, name.c_str(), flags));
    }
    opened.result = opened.fd.valid() ? Result::opened : failureOf(errno);
    return opened;
}

}  // namespace

OpenedFolder openFolderBelow(int baseFd, const std::vector<std::string>& names, Create create, mode_t mode) {
    constexpr int flags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    OpenedFolder current;
    current.fd = UniqueFd(::openat(baseFd, ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    current.result = current.fd.valid() ? Result::opened : Result::failed;
    for (const std::string& name : names) {
        if (!current.valid()) break;
        OpenedFolder next = openStep(current.fd.get(), name, flags, create, mode);
        current = std::move(next);
    }
    return current;
}

OpenedFolder openOwnFolderAt(int parentFd, const std::string& name, Create create) {
    OpenedFolder opened = openStep(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, create, 0700);
    if (!opened.valid()) return opened;
    struct stat info {};
    if (::fstat(opened.fd.get(), &info) != 0) {
        opened.fd.reset();
        opened.result = Result::failed;
    } else if (info.st_uid != ::geteuid()) {
        opened.fd.reset();
        opened.result = Result::notOurs;
    }
    return opened;
}

bool lockOpenFile(int fd, LockMode mode, LockWait wait) {
    const int operation = (mode == LockMode::shared ? LOCK_SH : LOCK_EX) | (wait == LockWait::tryOnly ? LOCK_NB : 0);
    for (;;) {
        if (::flock(fd, operation) == 0) return true;
        if (errno != EINTR) return false;
    }
}

FileLock lockFileAt(int folderFd, const std::string& name, LockMode mode, LockWait wait, Create create) {
    FileLock lock;
    if (!isPlainName(name)) return lock;
    // Writing is asked for an exclusive lock: some network file systems grant
    // one only on a file open for writing. Non-blocking, so a pipe put in the
    // lock file's place cannot hang the open.
    int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | (mode == LockMode::exclusive ? O_RDWR : O_RDONLY);
    if (create == Create::yes) flags |= O_CREAT;
    lock.fd = UniqueFd(::openat(folderFd, name.c_str(), flags, 0600));
    if (!lock.fd.valid()) {
        lock.state = errno == ENOENT ? FileLock::State::absent : FileLock::State::failed;
        return lock;
    }
    struct stat info {};
    if (::fstat(lock.fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        lock.fd.reset();
        return lock;
    }
    if (lockOpenFile(lock.fd.get(), mode, wait)) {
        lock.state = FileLock::State::held;
    } else {
        lock.state = errno == EWOULDBLOCK ? FileLock::State::busy : FileLock::State::failed;
        lock.fd.reset();
    }
    return lock;
}

}  // namespace sorbeta::platform
