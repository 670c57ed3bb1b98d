// The measuring half of DiskScanner: tree walks that add up allocated blocks,
// with hard links counted once per inode set.
#include "model/disk/Measure.h"

#include <QThreadPool>
#include <atomic>
#include <functional>
#include <string_view>

#include "model/common/WorkPool.h"
#include "model/disk/Access.h"
#include "model/disk/RowRoots.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/TreeTally.h"
#include "platform/Volume.h"

namespace sorbeta::DiskScanner {
namespace {

// Written once per scan before any measuring starts; each walk reads it once.
std::atomic<bool> limitedFlag{false};

// Media libraries are walked only with full disk access. Asked with a
// measured place's whole path or with the name of a folder met inside it;
// every suffix begins with its dot, so the name alone decides as the whole
// path would. The last-byte test keeps the string work off nearly every
// folder: every library suffix ends in "y".
bool isPromptingLibrary(std::string_view pathOrName) {
    const std::size_t length = pathOrName.size();
    if (length == 0) return false;
    const char last = pathOrName[length - 1];
    if (last != 'y' && last != 'Y') return false;
    for (const std::string& suffix : Access::promptingPackageSuffixes()) {
        if (suffix.size() > length) continue;
        const std::string_view tail = pathOrName.substr(length - suffix.size());
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

// How every walk of the engine goes: limited-mode pruning as the flag stands
// now, and a large tree walked by every thread of the pool that is free (a
// busy pool leaves it to the calling thread alone).
platform::TallyOptions tallyOptions(std::stop_token stop) {
    platform::TallyOptions options;
    if (limited()) options.skipFolder = isPromptingLibrary;
    options.offerHelp = [](std::function<void()> job) { return workPool()->tryStart(std::move(job)); };
    options.stop = std::move(stop);
    return options;
}

enum FolderState : int { unread, reading, read };

// A folder in the home that another file system is mounted on (a share or a
// data disk on ~/Music) holds none of the home disk's space. A folder of the
// same disk bound on a category root (music kept in /data/music, bound on
// ~/Music) is that category's and is measured; the walks below the roots
// still never enter a bind mount, so nothing bound inside counts twice.
// Places outside the home (/opt) are measured as they are, whatever holds
// them.
bool isMountedInHome(const Path& root, const platform::Places& places) {
    if (places.home == "/" || root == places.home || !isWithin(root, places.home)) return false;
    const auto info = platform::entryInfo(root);
    if (!info || info->kind != platform::EntryKind::folder) return false;
    const auto parent = platform::entryInfo(root.parent_path());
    return parent && parent->device != info->device;
}

}  // namespace

struct SharedFolders::Folder {
    struct Linked {
        uint64_t device;
        uint64_t inode;
        int64_t bytes;
    };
    Path path;
    std::atomic<int> state{unread};
    // Written once by the thread that reads the folder, before `state` says read.
    int64_t singleBytes = 0;
    std::vector<Linked> linked;  // each (device, inode) once

    // False when the walk was stopped before its end.
    bool readNow(const std::stop_token& stop) {
        std::mutex lock;
        std::unordered_set<Key, KeyHash> met;
        platform::TallyOptions options = tallyOptions(stop);
        // Entries with several links are kept aside for each user to count against its own set.
        options.firstLink = [&](uint64_t device, uint64_t inode, int64_t bytes) {
            std::lock_guard guard(lock);
            if (met.insert(Key{device, inode}).second) linked.push_back(Linked{device, inode, bytes});
            return false;
        };
        singleBytes = platform::tallyTree(path, options);
        return !stop.stop_requested();
    }
};

SharedFolders::SharedFolders() = default;
SharedFolders::~SharedFolders() = default;

void SharedFolders::add(const Path& folder) {
    const auto info = platform::entryInfo(folder);
    if (!info || info->kind != platform::EntryKind::folder) return;
    std::unique_ptr<Folder>& slot = folders_[Key{info->device, info->inode}];
    if (slot) return;
    slot = std::make_unique<Folder>();
    slot->path = folder;
}

std::optional<int64_t> SharedFolders::bytes(uint64_t device, uint64_t inode, InodeSet& seen, std::stop_token stop) {
    const auto found = folders_.find(Key{device, inode});
    if (found == folders_.end()) return std::nullopt;
    Folder& folder = *found->second;
    int state = folder.state.load(std::memory_order_acquire);
    if (state == unread && folder.state.compare_exchange_strong(state, reading, std::memory_order_acq_rel)) {
        if (!folder.readNow(stop)) {
            folder.linked.clear();
            folder.state.store(unread, std::memory_order_release);
            return std::nullopt;
        }
        folder.state.store(read, std::memory_order_release);
        state = read;
    }
    if (state != read) return std::nullopt;
    int64_t total = folder.singleBytes;
    for (const Folder::Linked& entry : folder.linked)
        if (seen.insert(entry.device, entry.inode)) total += entry.bytes;
    return total;
}

bool InodeSet::insert(uint64_t device, uint64_t inode) {
    std::lock_guard guard(lock_);
    return set_.insert(Key{device, inode}).second;
}

bool limited() { return limitedFlag.load(std::memory_order_relaxed); }
void setLimited(bool value) { limitedFlag.store(value, std::memory_order_relaxed); }

QDateTime distantPast() {
    static const QDateTime past(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
    return past;
}

int64_t size(const Path& root, InodeSet* shared, std::stop_token stop, SharedFolders* folders) {
    InodeSet own;
    InodeSet& seen = shared ? *shared : own;
    platform::TallyOptions options = tallyOptions(stop);
    if (folders) {
        if (const auto info = platform::entryInfo(root); info && info->kind == platform::EntryKind::folder)
            if (const auto known = folders->bytes(info->device, info->inode, seen, stop)) return *known;
        options.knownFolder = [folders, &seen, stop](uint64_t device, uint64_t inode) {
            return folders->bytes(device, inode, seen, stop);
        };
    }
    options.firstLink = [&seen](uint64_t device, uint64_t inode, int64_t) { return seen.insert(device, inode); };
    return platform::tallyTree(root, options);
}

int64_t size(const std::vector<Path>& roots, SharedFolders* folders, std::stop_token stop) {
    InodeSet set;
    int64_t total = 0;
    for (const Path& root : roots) total += size(root, &set, stop, folders);
    return total;
}

SizedParts sizeWithParts(const std::vector<Path>& roots, int64_t minParts, const platform::Places& places,
                         SharedFolders* folders, std::stop_token stop) {
    InodeSet set;
    SizedParts result;
    const auto measure = [&](const Path& unit) {
        const int64_t bytes = size(unit, &set, stop, folders);
        result.total += bytes;
        if (bytes >= minParts) result.parts[unit.native()] = bytes;
    };
    for (const Path& root : roots) {
        const auto target = platform::targetInfo(root);
        if (!target || isMountedInHome(root, places)) continue;
        if (target->kind == platform::EntryKind::folder && !platform::isSymlink(root)) {
            if (const auto names = platform::listNames(root)) {
                for (const std::string& name : *names) {
                    const Path child = root / name;
                    if (limited() && Access::wouldPrompt(child, places)) continue;
                    // A folder something is mounted on (a network share in
                    // ~/Documents) holds none of this disk's space, and a bind
                    // mount (~/Videos bound on ~/Public/v) none that is not
                    // counted where it lies, as the walk below the root has it.
                    if (const auto info = platform::entryInfo(child); info && platform::isMountedFolder(child, *info))
                        continue;
                    measure(child);
                }
                continue;
            }
        }
        measure(root);
    }
    return result;
}

Volume volume(const platform::Places& places) {
    const auto figures = platform::volumeFigures(places.home);
    if (!figures) return {};
    return {figures->total, figures->available};
}

QDateTime modified(const Path& path) {
    const auto info = platform::entryInfo(path);
    if (!info) return distantPast();
    const int64_t ms = info->modifiedSeconds * 1000 + info->modifiedNanoseconds / 1000000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

}  // namespace sorbeta::DiskScanner
