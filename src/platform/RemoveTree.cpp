#include "platform/RemoveTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/FileOps.h"
#include "platform/FolderEntries.h"
#include "platform/PathText.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr unsigned kEntryFields = STATX_TYPE | STATX_BLOCKS | STATX_NLINK | STATX_INO;

std::atomic<RemovalFolderHook> folderHook{nullptr};

// Which folder an open descriptor is, and on which mount it lies. The device
// alone misses bind mounts of the same file system, so the mount id is
// compared as well where the kernel reports it.
struct Identity {
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t mountId = 0;  // 0 when the kernel does not say
    bool sameMount(const Identity& other) const { return device == other.device && mountId == other.mountId; }
    bool sameFolder(const Identity& other) const { return device == other.device && inode == other.inode; }
};

bool identify(int fd, Identity& out) {
    struct statx info {};
    if (::statx(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_INO | STATX_MNT_ID, &info) != 0)
        return false;
    out.device = makedev(info.stx_dev_major, info.stx_dev_minor);
    out.inode = info.stx_ino;
    out.mountId = (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : 0;
    return true;
}

struct Entry {
    std::string name;
    unsigned char type;  // DT_* as the listing gave it
};

// Reads the whole listing of an open folder before anything in it changes,
// so removals cannot make the listing skip or repeat names. False when a read
// failed part-way (what was read is kept).
bool listAll(int fd, std::vector<Entry>& out) {
    alignas(dirent64) char buffer[32768];
    return forEachEntry(fd, buffer, [&](const char* name, unsigned char type) {
        out.push_back({name, type});
        return true;
    });
}

// One folder being emptied.
struct Frame {
    UniqueFd fd;  // closed while the folder is far above the walk's bottom
    std::string name;
    Identity identity;
    std::vector<Entry> entries;
    std::size_t next = 0;
    bool clear = true;  // everything in it that was met so far went
};

class Walk {
public:
    Walk(int baseFd, const Identity& base, LockedFolders locked) : baseFd_(baseFd), base_(base), locked_(locked) {}

    Removal run(const std::string& name) {
        struct statx info {};
        if (::statx(baseFd_, name.c_str(), AT_SYMLINK_NOFOLLOW, kEntryFields, &info) != 0) return result_;
        if (!S_ISDIR(info.stx_mode)) {
            const Outcome outcome = unlinkEntry(baseFd_, name, info);
            if (outcome != Outcome::isFolder) {
                result_.complete = outcome == Outcome::gone;
                return result_;
            }
        }
        const bool entered = enter(baseFd_, name);
        if (stack_.empty()) {
            // Not entered: gone meanwhile, removed as something else, or refused.
            result_.complete = entered;
            return result_;
        }
        while (!stack_.empty()) {
            const std::size_t top = stack_.size() - 1;
            Frame& frame = stack_[top];
            if (frame.next < frame.entries.size()) {
                Entry entry = std::move(frame.entries[frame.next++]);
                const int folderFd = frame.fd.get();  // the bottom frame is always open
                if (!process(folderFd, entry)) stack_[top].clear = false;
                continue;
            }
            if (!leave()) return result_;  // lost the way back up: stop, nothing more is touched
        }
        return result_;
    }

private:
    enum class Outcome { gone, stays, isFolder };

    void count(const struct statx& info) {
        // A file with several names counts once: the names met later may
        // already show a lower link count, so they are looked up too.
        if (info.stx_nlink >= 2 || !linked_.empty()) {
            const auto key = std::pair(uint64_t(makedev(info.stx_dev_major, info.stx_dev_minor)), info.stx_ino);
            if (info.stx_nlink >= 2 ? !linked_.insert(key).second : linked_.count(key) > 0) return;
        }
        const int64_t bytes = int64_t(info.stx_blocks) * 512;
        if (__builtin_add_overflow(result_.bytes, bytes, &result_.bytes)) result_.bytes = INT64_MAX;
    }

    // Unlinks a file, link or other non-folder described by `info`.
    Outcome unlinkEntry(int folderFd, const std::string& name, const struct statx& info) {
        if (::unlinkat(folderFd, name.c_str(), 0) == 0) {
            ++result_.removed;
            count(info);
            return Outcome::gone;
        }
        if (errno == EISDIR) return Outcome::isFolder;  // swapped for a folder since it was looked at
        return errno == ENOENT ? Outcome::gone : Outcome::stays;
    }

    // One entry of the bottom folder; true when it went or was entered.
    bool process(int folderFd, const Entry& entry) {
        if (entry.type != DT_DIR) {
            struct statx info {};
            if (::statx(folderFd, entry.name.c_str(), AT_SYMLINK_NOFOLLOW, kEntryFields, &info) != 0)
                return errno == ENOENT;
            if (!S_ISDIR(info.stx_mode)) {
                const Outcome outcome = unlinkEntry(folderFd, entry.name, info);
                if (outcome != Outcome::isFolder) return outcome == Outcome::gone;
            }
        }
        return enter(folderFd, entry.name);
    }

    // Gives a folder of ours that lacks its owner's read, write or search
    // permission all three, so it can be listed and emptied. Never through a
    // link, and never a folder of another disk mounted inside the tree.
    void openUp(int folderFd, const std::string& name) const {
        struct statx info {};
        constexpr unsigned fields = STATX_TYPE | STATX_MODE | STATX_UID | STATX_MNT_ID;
        if (::statx(folderFd, name.c_str(), AT_SYMLINK_NOFOLLOW, fields, &info) != 0) return;
        if (!S_ISDIR(info.stx_mode) || info.stx_uid != ::geteuid() || (info.stx_mode & S_IRWXU) == S_IRWXU) return;
        const Identity found{makedev(info.stx_dev_major, info.stx_dev_minor), info.stx_ino,
                             (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : 0};
        if (!found.sameMount(base_)) return;
        ::fchmodat(folderFd, name.c_str(), (info.stx_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
    }

    // Opens a child folder and pushes it; true when it was entered or is gone.
    bool enter(int folderFd, const std::string& name) {
        if (const RemovalFolderHook hook = folderHook.load(std::memory_order_relaxed)) hook(folderFd, name.c_str());
        if (locked_ == LockedFolders::openUp) openUp(folderFd, name);
        UniqueFd fd(::openat(folderFd, name.c_str(), kFolderFlags));
        if (!fd.valid()) {
            if (errno == ENOENT) return true;
            if (errno == ENOTDIR || errno == ELOOP) {
                // No longer a folder: a link or file is unlinked itself.
                if (::unlinkat(folderFd, name.c_str(), 0) == 0) {
                    ++result_.removed;
                    return true;
                }
                return errno == ENOENT;
            }
            // Cannot be opened: an empty one can still go.
            if (::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) == 0) {
                ++result_.removed;
                return true;
            }
            return errno == ENOENT;
        }
        Frame frame;
        // Another file system is mounted here: never enter it.
        if (!identify(fd.get(), frame.identity) || !frame.identity.sameMount(base_)) return false;
        frame.clear = listAll(fd.get(), frame.entries);
        frame.fd = std::move(fd);
        frame.name = name;
        stack_.push_back(std::move(frame));
        // Keep only the bottom folders open: the ones above are found again
        // through ".." on the way back up.
        if (stack_.size() - firstOpen_ > std::size_t(kRemovalOpenFolders)) stack_[firstOpen_++].fd.reset();
        return true;
    }

    // Removes the bottom folder once its contents are done and returns to
    // its parent; false when the parent cannot be found again for certain.
    bool leave() {
        const std::size_t top = stack_.size() - 1;
        int parentFd = baseFd_;
        if (top > 0) {
            Frame& parent = stack_[top - 1];
            if (!parent.fd.valid()) {
                UniqueFd up(::openat(stack_[top].fd.get(), "..", kFolderFlags));
                Identity found;
                if (!up.valid() || !identify(up.get(), found) || !found.sameFolder(parent.identity) ||
                    !found.sameMount(base_))
                    return false;
                parent.fd = std::move(up);
                firstOpen_ = top - 1;
            }
            parentFd = parent.fd.get();
        }
        Frame& frame = stack_[top];
        frame.fd.reset();
        bool gone = false;
        if (frame.clear) {
            if (::unlinkat(parentFd, frame.name.c_str(), AT_REMOVEDIR) == 0) {
                ++result_.removed;
                gone = true;
            } else {
                gone = errno == ENOENT;
            }
        }
        stack_.pop_back();
        if (firstOpen_ > stack_.size()) firstOpen_ = stack_.size();
        if (stack_.empty())
            result_.complete = gone;
        else if (!gone)
            stack_.back().clear = false;
        return true;
    }

    struct PairHash {
        std::size_t operator()(const std::pair<uint64_t, uint64_t>& key) const noexcept {
            return std::hash<uint64_t>()(key.second * 1000003u ^ key.first);
        }
    };

    int baseFd_;
    Identity base_;
    LockedFolders locked_;
    std::vector<Frame> stack_;
    std::size_t firstOpen_ = 0;  // frames below this index have their descriptor closed
    Removal result_;
    std::unordered_set<std::pair<uint64_t, uint64_t>, PairHash> linked_;
};

}  // namespace

Removal removeTreeAt(int parentFd, const std::string& name, LockedFolders locked) {
    if (!isPlainName(name)) return {};
    Identity base;
    if (!identify(parentFd, base)) return {};
    return Walk(parentFd, base, locked).run(name);
}

Removal removeTree(const Path& path, ParentLinks parentLinks) {
    const std::string name = lastComponent(path);
    if (!isPlainName(name)) return {};
    const UniqueFd parent = openFolder(parentOf(path), parentLinks);
    if (!parent.valid()) return {};
    return removeTreeAt(parent.get(), name);
}

void setRemovalFolderHookForTesting(RemovalFolderHook hook) { folderHook.store(hook, std::memory_order_relaxed); }

}  // namespace sorbeta::platform
