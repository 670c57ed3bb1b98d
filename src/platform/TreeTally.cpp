#include "platform/TreeTally.h"

#include "platform/FolderEntries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/StatInfo.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::size_t kListingBytes = 64 * 1024;

// Descriptors kept open, over every walk of the process, so that the folders
// found in them can be opened relative to them by whichever thread takes
// them. Past this many, a thread walks what it finds itself, one folder open
// per level, so a wide and deep tree never runs the process out of them.
constexpr int kMostHeld = 256;
std::atomic<int> heldDescriptors{0};

struct HeldFolder {
    explicit HeldFolder(UniqueFd descriptor) : fd(std::move(descriptor)) { ++heldDescriptors; }
    ~HeldFolder() { --heldDescriptors; }
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;
    UniqueFd fd;
};

// A folder and those above it, to tell a folder that is its own ancestor
// (a bind mount of a parent inside itself). One file system: inodes suffice.
struct Line {
    Line(std::shared_ptr<const Line> above, uint64_t folderInode) : up(std::move(above)), inode(folderInode) {}
    // Lets go of those above one by one while this holds the last reference
    // to them: a line is as long as the tree is deep, and letting each free
    // the next would take a stack frame per level.
    ~Line() {
        std::shared_ptr<const Line> next = std::move(up);
        while (next && next.use_count() == 1) next = std::move(next->up);
    }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    mutable std::shared_ptr<const Line> up;  // moved out only by the last holder, as it goes
    uint64_t inode = 0;
};

bool isOnLine(const Line* line, uint64_t inode) {
    for (; line; line = line->up.get())
        if (line->inode == inode) return true;
    return false;
}

std::optional<uint64_t> mountOf(const TallyOptions& options, int folderFd, const char* name) {
    return options.mountIdAt ? options.mountIdAt(folderFd, name) : mountIdAt(folderFd, name);
}

struct FoundFolder {
    std::string name;
    uint64_t inode = 0;
};

// A folder waiting to be read: its name in a folder that stays open for it.
struct Waiting {
    std::shared_ptr<const HeldFolder> parent;
    std::string name;
    std::shared_ptr<const Line> line;  // the folder itself and those above it
};

class Walk : public std::enable_shared_from_this<Walk> {
public:
    Walk(const TallyOptions& options, dev_t device, std::optional<uint64_t> mount)
        : options_(options),
          device_(device),
          mount_(mount),
          mostHelpers_(std::max(1u, std::thread::hardware_concurrency()) - 1) {}

    // Reads the root, then takes waiting folders until every one was read.
    int64_t runFrom(UniqueFd root, uint64_t inode) {
        std::vector<char> buffer(kListingBytes);
        readOpen(std::move(root), std::make_shared<const Line>(nullptr, inode), buffer);
        for (;;) {
            Waiting next;
            {
                std::unique_lock guard(lock_);
                wake_.wait(guard, [this] { return !queue_.empty() || pending_ == 0; });
                if (queue_.empty()) break;
                next = take();
            }
            read(next, buffer);
            done();
        }
        return bytes_.load();
    }

    // What another thread runs: folders while there are any, never a wait.
    void help() {
        std::vector<char> buffer(kListingBytes);
        for (;;) {
            Waiting next;
            {
                std::lock_guard guard(lock_);
                if (queue_.empty()) {
                    --helpers_;
                    return;
                }
                next = take();
            }
            read(next, buffer);
            done();
        }
    }

private:
    Waiting take() {
        // The newest first: the walk goes deep before wide, and few folders stay open.
        Waiting next = std::move(queue_.back());
        queue_.pop_back();
        return next;
    }

    void done() {
        std::lock_guard guard(lock_);
        if (--pending_ == 0) wake_.notify_all();
    }

    void read(const Waiting& folder, std::vector<char>& buffer) {
        if (options_.stop.stop_requested()) return;
        UniqueFd fd(::openat(folder.parent->fd.get(), folder.name.c_str(), kFolderFlags));
        if (fd.valid()) readOpen(std::move(fd), folder.line, buffer);
    }

    // Counts what the open folder holds and hands on the folders in it.
    void readOpen(UniqueFd fd, const std::shared_ptr<const Line>& line, std::vector<char>& buffer) {
        std::vector<FoundFolder> folders;
        bytes_ += list(fd.get(), line.get(), folders, buffer);
        if (folders.empty() || options_.stop.stop_requested()) return;
        if (heldDescriptors.load(std::memory_order_relaxed) >= kMostHeld) {
            for (const FoundFolder& found : folders) walkHere(fd.get(), found, line, buffer);
            return;
        }
        const auto held = std::make_shared<const HeldFolder>(std::move(fd));
        std::size_t waiting = 0;
        {
            std::lock_guard guard(lock_);
            for (FoundFolder& found : folders)
                queue_.push_back(Waiting{held, std::move(found.name), std::make_shared<const Line>(line, found.inode)});
            pending_ += int64_t(folders.size());
            waiting = queue_.size();
        }
        wake_.notify_one();
        askForHelp(waiting);
    }

    // A folder walked to its end by this thread alone, level by level: a
    // deep tree costs neither a stack frame nor a descriptor per level. Each
    // folder is listed whole when entered and only the one being read stays
    // open; going back up reopens the parent through "..", which must still
    // be the folder it was.
    void walkHere(int parentFd, const FoundFolder& folder, const std::shared_ptr<const Line>& up,
                  std::vector<char>& buffer) {
        struct Level {
            std::shared_ptr<const Line> line;
            std::vector<FoundFolder> inside;
            std::size_t next = 0;
        };
        std::vector<Level> levels;
        UniqueFd fd;
        auto enter = [&](UniqueFd opened, uint64_t inode, std::shared_ptr<const Line> above) {
            Level level{std::make_shared<const Line>(std::move(above), inode), {}, 0};
            bytes_ += list(opened.get(), level.line.get(), level.inside, buffer);
            levels.push_back(std::move(level));
            fd = std::move(opened);
        };
        if (options_.stop.stop_requested()) return;
        if (UniqueFd first(::openat(parentFd, folder.name.c_str(), kFolderFlags)); first.valid())
            enter(std::move(first), folder.inode, up);
        while (!levels.empty() && !options_.stop.stop_requested()) {
            Level& level = levels.back();
            if (level.next < level.inside.size()) {
                const FoundFolder child = level.inside[level.next++];
                if (UniqueFd opened(::openat(fd.get(), child.name.c_str(), kFolderFlags)); opened.valid())
                    enter(std::move(opened), child.inode, level.line);
                continue;
            }
            levels.pop_back();
            if (levels.empty()) break;
            UniqueFd parent(::openat(fd.get(), "..", kFolderFlags));
            struct stat info {};
            // Moved elsewhere meanwhile: what is left of the walk goes uncounted.
            if (!parent.valid() || ::fstat(parent.get(), &info) != 0 || info.st_dev != device_ ||
                uint64_t(info.st_ino) != levels.back().line->inode)
                return;
            fd = std::move(parent);
        }
    }

    // The bytes of what the folder holds besides folders; the folders to
    // enter go to `folders`.
    int64_t list(int fd, const Line* line, std::vector<FoundFolder>& folders, std::vector<char>& buffer) const {
        int64_t bytes = 0;
        // A listing that fails part-way counts what was read.
        forEachEntry(fd, buffer, [&](const char* name, unsigned char) {
            if (options_.stop.stop_requested()) return false;
            struct stat info {};
            if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return true;
            if (S_ISDIR(info.st_mode)) {
                if (info.st_dev != device_) return true;
                if (options_.skipFolder && options_.skipFolder(name)) return true;
                if (isOnLine(line, uint64_t(info.st_ino))) return true;
                if (!onRootMount(fd, name)) return true;
                if (options_.knownFolder) {
                    if (const auto known = options_.knownFolder(uint64_t(info.st_dev), uint64_t(info.st_ino))) {
                        bytes += *known;
                        return true;
                    }
                }
                folders.push_back(FoundFolder{name, uint64_t(info.st_ino)});
                return true;
            }
            const int64_t allocated = int64_t(info.st_blocks) * 512;
            if (info.st_nlink >= 2 && options_.firstLink &&
                !options_.firstLink(uint64_t(info.st_dev), uint64_t(info.st_ino), allocated))
                return true;
            bytes += allocated;
            return true;
        });
        return bytes;
    }

    // A bind mount keeps the device number: another mount of the same file
    // system (~/Videos bound on ~/Public/v) would be counted twice.
    bool onRootMount(int fd, const char* name) const {
        if (!mount_) return true;
        const std::optional<uint64_t> own = mountOf(options_, fd, name);
        return !own || *own == *mount_;
    }

    // Asks for another thread while there are more folders waiting than
    // threads helping; the first refusal means none is free for now.
    void askForHelp(std::size_t waiting) {
        if (!options_.offerHelp) return;
        for (;;) {
            {
                std::lock_guard guard(lock_);
                if (helpers_ >= mostHelpers_ || waiting <= std::size_t(helpers_)) return;
                ++helpers_;
            }
            if (!options_.offerHelp([walk = shared_from_this()] { walk->help(); })) {
                std::lock_guard guard(lock_);
                --helpers_;
                return;
            }
        }
    }

    const TallyOptions options_;
    const dev_t device_;
    const std::optional<uint64_t> mount_;  // the root's, when it could be told
    const int mostHelpers_;
    std::atomic<int64_t> bytes_{0};

    std::mutex lock_;
    std::condition_variable wake_;  // the calling thread waits on it
    std::vector<Waiting> queue_;    // under lock_
    int64_t pending_ = 0;           // waiting or being read; under lock_
    int helpers_ = 0;               // under lock_
};

}  // namespace

int64_t tallyTree(const std::filesystem::path& root, const TallyOptions& options) {
    struct stat info {};
    if (::lstat(root.c_str(), &info) != 0) return 0;
    if (!S_ISDIR(info.st_mode)) {
        const int64_t allocated = int64_t(info.st_blocks) * 512;
        if (info.st_nlink >= 2 && options.firstLink &&
            !options.firstLink(uint64_t(info.st_dev), uint64_t(info.st_ino), allocated))
            return 0;
        return allocated;
    }
    if (options.skipFolder && options.skipFolder(root.native())) return 0;
    UniqueFd fd(::open(root.c_str(), kFolderFlags));
    if (!fd.valid()) return 0;
    const auto walk = std::make_shared<Walk>(options, info.st_dev, mountOf(options, AT_FDCWD, root.c_str()));
    return walk->runFrom(std::move(fd), uint64_t(info.st_ino));
}

}  // namespace sorbeta::platform
