#include "platform/TreeWalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/FolderEntries.h"
#include "platform/StatInfo.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::size_t kListingBytes = 32 * 1024;

}  // namespace

// Depth first, one open folder per level: each folder is listed through its
// own descriptor and everything in it is examined relative to that
// descriptor, so the walk never resolves a full path after the root's.
struct TreeWalk::State {
    struct Level {
        UniqueFd fd;
        uint64_t inode = 0;
        std::size_t pathLength = 0;  // the folder's own path in `path`
        std::vector<char> listing;
        long filled = 0;
        long at = 0;
        bool ended = false;
    };

    std::string path;
    WalkOptions options;
    WalkEntry entry;
    std::vector<Level> levels;
    std::vector<std::vector<char>> spareListings;  // reused by the next folder entered
    uint64_t device = 0;
    std::optional<uint64_t> mount;  // the root's, when it could be told
    bool rootDone = false;

    // The next name in the deepest open folder, or nullptr once it is read to its end.
    const char* nextName(Level& level) {
        for (;;) {
            if (level.at < level.filled) {
                const auto* found = reinterpret_cast<const dirent64*>(level.listing.data() + level.at);
                level.at += found->d_reclen;
                if (!isDotOrDotDot(found->d_name)) return found->d_name;
                continue;
            }
            if (level.ended) return nullptr;
            level.filled = ::getdents64(level.fd.get(), level.listing.data(), level.listing.size());
            level.at = 0;
            // The end, or a listing that failed: what was read so far stands.
            if (level.filled <= 0) {
                level.filled = 0;
                level.ended = true;
            }
        }
    }

    void leave() {
        spareListings.push_back(std::move(levels.back().listing));
        levels.pop_back();
    }

    void enter(UniqueFd fd, uint64_t inode) {
        Level level;
        level.fd = std::move(fd);
        level.inode = inode;
        level.pathLength = path.size();
        if (spareListings.empty()) {
            level.listing.resize(kListingBytes);
        } else {
            level.listing = std::move(spareListings.back());
            spareListings.pop_back();
        }
        levels.push_back(std::move(level));
    }

    bool onLine(uint64_t inode) const {
        for (const Level& level : levels)
            if (level.inode == inode) return true;
        return false;
    }

    std::optional<uint64_t> mountOf(int folderFd, const char* name) const {
        return options.mountIdAt ? options.mountIdAt(folderFd, name) : platform::mountIdAt(folderFd, name);
    }

    // Describes a folder and decides whether to enter it; `open` opens it and
    // `mountOfFolder` tells the mount it lies on.
    template <typename Open, typename MountOf>
    void folder(const struct stat& info, Open open, MountOf mountOfFolder) {
        entry.info = entryInfoOf(info);
        if (uint64_t(info.st_dev) != device) return;  // another file system: reported, not entered
        if (onLine(uint64_t(info.st_ino))) {
            entry.error = WalkError::cycle;
            return;
        }
        // A bind mount keeps the device number: another mount of the same
        // file system (~/Videos bound on ~/Public/v) would be counted twice.
        if (mount) {
            const std::optional<uint64_t> own = mountOfFolder();
            if (own && *own != *mount) return;
        }
        if (options.skipFolder && options.skipFolder(std::string_view(path))) return;
        UniqueFd fd(open());
        if (!fd.valid()) {
            entry.error = WalkError::unreadableFolder;
            return;
        }
        enter(std::move(fd), uint64_t(info.st_ino));
    }

    const WalkEntry* root() {
        rootDone = true;
        entry = WalkEntry{};
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            entry.path = path;
            entry.error = WalkError::failedStat;
            return &entry;
        }
        device = uint64_t(info.st_dev);
        if (S_ISDIR(info.st_mode)) {
            mount = mountOf(AT_FDCWD, path.c_str());
            const auto open = [this] { return ::open(path.c_str(), kFolderFlags); };
            folder(info, open, [this] { return mount; });
        } else {
            entry.info = entryInfoOf(info);
        }
        entry.path = path;
        return &entry;
    }

    const WalkEntry* next() {
        if (!rootDone) return root();
        while (!levels.empty()) {
            Level& level = levels.back();
            const char* name = nextName(level);
            if (!name) {
                leave();
                continue;
            }
            path.resize(level.pathLength);
            if (path.empty() || path.back() != '/') path.push_back('/');
            path.append(name);
            entry = WalkEntry{};
            struct stat info {};
            const int parent = level.fd.get();
            if (::fstatat(parent, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                entry.error = WalkError::failedStat;
            } else if (S_ISDIR(info.st_mode)) {
                // `level` may move when a level is added: the name is read before that.
                folder(
                    info, [parent, name] { return ::openat(parent, name, kFolderFlags); },
                    [this, parent, name] { return mountOf(parent, name); });
            } else {
                entry.info = entryInfoOf(info);
            }
            entry.path = path;
            return &entry;
        }
        return nullptr;
    }
};

TreeWalk::TreeWalk(const std::filesystem::path& root, WalkOptions options) : state_(std::make_unique<State>()) {
    state_->path = root.native();
    state_->options = std::move(options);
}

TreeWalk::~TreeWalk() = default;

const WalkEntry* TreeWalk::next() { return state_->next(); }

}  // namespace sorbeta::platform
