#pragma once
// One drill-down level being measured: its listing, then every child on the
// worker pool, each result handed back in the order the measurements
// complete. A walk that is stopped measures nothing more (queued children are
// dropped, a running measurement is asked to end) and what it still hands
// back is for the owner to discard.
#include <QThreadPool>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/disk/Measure.h"
#include "model/drill/DirEntry.h"
#include "platform/Places.h"

namespace sorbeta {

// Sizes measured so far, by the child's path. The GUI thread writes it;
// walks only read it.
class DrillSizeCache {
public:
    std::optional<int64_t> find(const std::string& path) const;
    void store(const std::string& path, int64_t bytes);
    void clear();
    std::size_t size() const;

private:
    mutable std::mutex lock_;
    std::unordered_map<std::string, int64_t> sizes_;
};

// Measures one child with the level's inode set; ends early when `stop` is
// requested (the result is then thrown away).
using DrillSizer =
    std::function<int64_t(const std::filesystem::path& url, DiskScanner::InodeSet& shared, std::stop_token stop)>;

class DrillWalk final : public std::enable_shared_from_this<DrillWalk> {
public:
    struct Setup {
        std::vector<std::filesystem::path> urls;
        bool limited = false;
        platform::Places places;
        DrillSizer sizer;
        std::shared_ptr<const DrillSizeCache> cache;
        QThreadPool* pool = nullptr;
    };
    // Called on a worker thread whenever results wait where none waited before:
    // the owner then takes them on its own thread.
    using Notify = std::function<void(std::weak_ptr<DrillWalk> walk)>;

    DrillWalk(Setup setup, Notify notify);

    // Lists the level on the pool, then measures its children there.
    void start();
    void stop() { stop_.request_stop(); }
    bool stopped() const { return stop_.stop_requested(); }

    struct Batch {
        std::vector<DirEntry> entries;  // in completion order
        bool finished = false;          // every child is in
    };
    // What came in since the last call.
    Batch take();

private:
    void list();
    void measure();
    void deliver(DirEntry entry);

    Setup setup_;
    Notify notify_;
    std::stop_source stop_;
    DiskScanner::InodeSet inodes_;
    std::vector<DirEntry> children_;  // written once by the listing, before any measuring starts
    std::atomic<std::size_t> next_{0};

    std::mutex outLock_;
    std::vector<DirEntry> out_;
    std::size_t delivered_ = 0;
    bool listed_ = false;
};

}  // namespace sorbeta
