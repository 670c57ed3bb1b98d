#pragma once
// Folders opened one name at a time below a folder already held open, never
// through a symbolic link, so what is reached is what was meant however long
// the path and whatever was swapped into it; and advisory locks (flock) that
// let two processes take turns on our own files.
#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/UniqueFd.h"

namespace sorbeta::platform {

enum class Create { no, yes };

struct OpenedFolder {
    enum class Result {
        opened,
        missing,     // nothing there (and nothing made)
        notAFolder,  // a link, a file or anything else but a real folder is in the way
        notOurs,     // a real folder, but another user's
        failed,      // could not be opened or made (permissions, a full disk...)
    };
    UniqueFd fd;
    Result result = Result::failed;
    bool valid() const { return result == Result::opened; }
};

// The folder reached from `baseFd` through `names` (plain names), one step at
// a time. With `create`, missing folders are made as real folders with `mode`
// (less the umask). The descriptor is for *at() calls only (O_PATH).
OpenedFolder openFolderBelow(int baseFd, const std::vector<std::string>& names, Create create, mode_t mode = 0777);

// The child folder `name` of an open folder, for listing and *at() calls,
// only when it is a real folder owned by this user. With `create` a missing
// one is made with mode 0700 first.
OpenedFolder openOwnFolderAt(int parentFd, const std::string& name, Create create);

enum class LockMode { shared, exclusive };
enum class LockWait { block, tryOnly };

// Takes a lock on an open file (flock). It lasts until the last descriptor of
// that open file closes, and two opens of one file conflict even within one
// process. False when the lock is not held.
bool lockOpenFile(int fd, LockMode mode, LockWait wait);

struct FileLock {
    enum class State { held, busy, absent, failed };
    UniqueFd fd;  // closing it releases the lock
    State state = State::failed;
    bool held() const { return state == State::held; }
};

// Opens the file `name` of an open folder (never through a link; with
// `create`, made with mode 0600 when missing) and locks it.
FileLock lockFileAt(int folderFd, const std::string& name, LockMode mode, LockWait wait, Create create);

}  // namespace sorbeta::platform
