// The measuring half of DiskScanner: fts walks that add up allocated blocks,
// with hard links counted once per inode set.
#include "model/disk/DiskScanner.h"

#include <fts.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cstring>
#include <string_view>

#include "model/disk/Access.h"
#include "platform/Listing.h"
#include "platform/Paths.h"

namespace sorbeta::DiskScanner {
namespace {

// Written once per scan before any measuring starts; each walk reads it once.
std::atomic<bool> limitedFlag{false};

// Media libraries are walked only with full disk access. The length and
// last-byte test keeps the string work off nearly every directory: every
// library suffix ends in "y" and the shortest is 13 bytes.
bool isPromptingLibrary(const char* path, std::size_t length) {
    if (length < 13) return false;
    const char last = path[length - 1];
    if (last != 'y' && last != 'Y') return false;
    for (const std::string& suffix : Access::promptingPackageSuffixes()) {
        if (suffix.size() > length) continue;
        const char* tail = path + (length - suffix.size());
        bool same = true;
        for (std::size_t i = 0; i < suffix.size() && same; ++i) {
            char c = tail[i];
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
            same = c == suffix[i];
        }
        if (same) return true;
    }
    return false;
}

}  // namespace

bool InodeSet::insert(dev_t device, ino_t inode) {
    std::lock_guard guard(lock_);
    return set_.insert(Key{device, inode}).second;
}

bool limited() { return limitedFlag.load(std::memory_order_relaxed); }
void setLimited(bool value) { limitedFlag.store(value, std::memory_order_relaxed); }

QDateTime distantPast() {
    static const QDateTime past(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
    return past;
}

int64_t size(const Path& root, InodeSet* shared) {
    // fts wants writable strings that outlive the walk.
    std::string rootPath = root.native();
    char* roots[] = {rootPath.data(), nullptr};
    FTS* walk = ::fts_open(roots, FTS_NOCHDIR | FTS_PHYSICAL | FTS_XDEV, nullptr);
    if (!walk) return 0;

    const bool prune = limited();
    InodeSet own;
    InodeSet& seen = shared ? *shared : own;
    int64_t total = 0;
    while (FTSENT* entry = ::fts_read(walk)) {
        switch (entry->fts_info) {
            case FTS_F:
            case FTS_SL:
            case FTS_DEFAULT: {
                const struct stat* st = entry->fts_statp;
                if (!st) break;
                if (st->st_nlink >= 2 && !seen.insert(st->st_dev, st->st_ino)) break;
                total += int64_t(st->st_blocks) * 512;
                break;
            }
            case FTS_D:
                if (prune && isPromptingLibrary(entry->fts_path, entry->fts_pathlen))
                    ::fts_set(walk, entry, FTS_SKIP);
                break;
            default:
                break;  // directories, unreadable folders, failed stats: nothing of their own
        }
    }
    ::fts_close(walk);
    return total;
}

int64_t size(const std::vector<Path>& roots) {
    InodeSet set;
    int64_t total = 0;
    for (const Path& root : roots) total += size(root, &set);
    return total;
}

SizedParts sizeWithParts(const std::vector<Path>& roots, int64_t minParts) {
    InodeSet set;
    SizedParts result;
    const auto measure = [&](const Path& unit) {
        const int64_t bytes = size(unit, &set);
        result.total += bytes;
        if (bytes >= minParts) result.parts[unit.native()] = bytes;
    };
    for (const Path& root : roots) {
        struct stat target {};
        if (::stat(root.c_str(), &target) != 0) continue;
        if (S_ISDIR(target.st_mode) && !platform::isSymlink(root)) {
            if (const auto names = platform::listNames(root)) {
                for (const std::string& name : *names) {
                    const Path child = root / name;
                    if (limited() && Access::wouldPrompt(child)) continue;
                    measure(child);
                }
                continue;
            }
        }
        measure(root);
    }
    return result;
}

Volume volume() {
    struct statvfs info {};
    if (::statvfs(platform::home().c_str(), &info) != 0) return {};
    return {int64_t(info.f_blocks) * int64_t(info.f_frsize), int64_t(info.f_bavail) * int64_t(info.f_frsize)};
}

QDateTime modified(const Path& path) {
    struct stat st {};
    if (!platform::entryStat(path, st)) return distantPast();
    const int64_t ms = int64_t(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

}  // namespace sorbeta::DiskScanner
