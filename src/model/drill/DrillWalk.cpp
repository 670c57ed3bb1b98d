#include "model/drill/DrillWalk.h"

#include <algorithm>

#include "model/drill/DrillListing.h"

namespace sorbeta {

std::optional<int64_t> DrillSizeCache::find(const std::string& path) const {
    std::lock_guard guard(lock_);
    const auto found = sizes_.find(path);
    if (found == sizes_.end()) return std::nullopt;
    return found->second;
}

void DrillSizeCache::store(const std::string& path, int64_t bytes) {
    std::lock_guard guard(lock_);
    sizes_[path] = bytes;
}

void DrillSizeCache::clear() {
    std::lock_guard guard(lock_);
    sizes_.clear();
}

std::size_t DrillSizeCache::size() const {
    std::lock_guard guard(lock_);
    return sizes_.size();
}

DrillWalk::DrillWalk(Setup setup, Notify notify) : setup_(std::move(setup)), notify_(std::move(notify)) {}

void DrillWalk::start() {
    setup_.pool->start([self = shared_from_this()] { self->list(); });
}

void DrillWalk::list() {
    if (stopped()) return;
    std::vector<DrillListing::Child> listed = DrillListing::list(setup_.urls, setup_.limited, setup_.places);
    children_.reserve(listed.size());
    for (DrillListing::Child& child : listed)
        children_.push_back(DirEntry{.url = std::move(child.url), .isDirectory = child.isDirectory});
    {
        std::lock_guard guard(outLock_);
        listed_ = true;
    }
    if (children_.empty()) {
        notify_(weak_from_this());  // finished, with nothing to show
        return;
    }
    // One job per pool thread takes children off the list in turn, so a
    // stopped walk leaves nothing queued ahead of the next level's jobs.
    const std::size_t jobs =
        std::min<std::size_t>(children_.size(), std::size_t(std::max(1, setup_.pool->maxThreadCount())));
    for (std::size_t job = 1; job < jobs; ++job) setup_.pool->start([self = shared_from_this()] { self->measure(); });
    measure();
}

void DrillWalk::measure() {
    while (!stopped()) {
        const std::size_t index = next_.fetch_add(1, std::memory_order_relaxed);
        if (index >= children_.size()) return;
        DirEntry entry = children_[index];
        const std::optional<int64_t> cached = setup_.cache->find(entry.url.native());
        entry.bytes = cached ? *cached : setup_.sizer(entry.url, inodes_, stop_.get_token());
        if (stopped()) return;
        entry.name = DrillListing::displayName(entry.url);
        deliver(std::move(entry));
    }
}

void DrillWalk::deliver(DirEntry entry) {
    bool first = false;
    {
        std::lock_guard guard(outLock_);
        first = out_.empty();
        out_.push_back(std::move(entry));
        ++delivered_;
    }
    // Results already waiting have their notice on the way.
    if (first) notify_(weak_from_this());
}

DrillWalk::Batch DrillWalk::take() {
    std::lock_guard guard(outLock_);
    Batch batch;
    batch.entries.swap(out_);
    batch.finished = listed_ && delivered_ == children_.size();
    return batch;
}

}  // namespace sorbeta
