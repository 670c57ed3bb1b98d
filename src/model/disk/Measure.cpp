// The measuring half of DiskScanner: tree walks that add up allocated blocks,
// with hard links counted once per inode set.
#include "model/disk/Measure.h"

#include <QThreadPool>
#include <string_view>

#include "model/common/WorkPool.h"
#include "model/disk/Access.h"
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

}  // namespace

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

int64_t size(const Path& root, InodeSet* shared, std::stop_token stop) {
    InodeSet own;
    InodeSet& seen = shared ? *shared : own;
    platform::TallyOptions options;
    if (limited()) options.skipFolder = isPromptingLibrary;
    options.firstLink = [&seen](uint64_t device, uint64_t inode) { return seen.insert(device, inode); };
    // A large tree is walked by every thread of the pool that is free; a
    // busy pool leaves it to this thread alone.
    options.offerHelp = [](std::function<void()> job) { return workPool()->tryStart(std::move(job)); };
    options.stop = std::move(stop);
    return platform::tallyTree(root, options);
}

int64_t size(const std::vector<Path>& roots) {
    InodeSet set;
    int64_t total = 0;
    for (const Path& root : roots) total += size(root, &set);
    return total;
}

SizedParts sizeWithParts(const std::vector<Path>& roots, int64_t minParts, const platform::Places& places) {
    InodeSet set;
    SizedParts result;
    const auto measure = [&](const Path& unit) {
        const int64_t bytes = size(unit, &set);
        result.total += bytes;
        if (bytes >= minParts) result.parts[unit.native()] = bytes;
    };
    for (const Path& root : roots) {
        const auto target = platform::targetInfo(root);
        if (!target) continue;
        if (target->kind == platform::EntryKind::folder && !platform::isSymlink(root)) {
            if (const auto names = platform::listNames(root)) {
                for (const std::string& name : *names) {
                    const Path child = root / name;
                    if (limited() && Access::wouldPrompt(child, places)) continue;
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
