#include "model/drill/DrillModel.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <algorithm>
#include <chrono>
#include <mutex>

#include "model/common/WorkPool.h"
#include "model/disk/Measure.h"
#include "platform/EntryInfo.h"

namespace sorbeta {

// Carries a walk's "results are waiting" from the worker threads to the
// model. The model signs off when it goes, so no notice is posted to an
// object that no longer exists; notices already posted die with it.
struct DrillModel::Mailbox {
    std::mutex lock;
    DrillModel* model = nullptr;
};

DrillEnvironment DrillEnvironment::system(const platform::Places& places) {
    DrillEnvironment environment;
    environment.places = places;
    environment.sizer = [](const std::filesystem::path& url, DiskScanner::InodeSet& shared,
                           std::stop_token stop) -> int64_t {
        // Anything but a folder is its own blocks: one look instead of a walk,
        // which counts the same (a link is the link itself).
        const auto info = platform::entryInfo(url);
        if (!info) return 0;
        if (info->kind != platform::EntryKind::folder) {
            if (info->links >= 2 && !shared.insert(info->device, info->inode)) return 0;
            return info->allocatedBytes;
        }
        // A folder another file system is mounted on is not walked: a
        // network share would be read whole, and none of it is this disk's.
        if (platform::isMountedFolder(url, *info)) return 0;
        return DiskScanner::size(url, &shared, std::move(stop));
    };
    environment.limited = &DiskScanner::limited;
    return environment;
}

DrillModel::DrillModel(DrillEnvironment environment, QObject* parent)
    : QObject(parent),
      environment_(std::move(environment)),
      cache_(std::make_shared<DrillSizeCache>()),
      mailbox_(std::make_shared<Mailbox>()) {
    mailbox_->model = this;
    heldBack_.setSingleShot(true);
    heldBack_.setInterval(int(kPublishInterval * 1000));
    connect(&heldBack_, &QTimer::timeout, this, &DrillModel::publishHeldBack);
    if (!environment_.sizer) environment_.sizer = DrillEnvironment::system(environment_.places).sizer;
    if (!environment_.limited) environment_.limited = &DiskScanner::limited;
    if (!environment_.pool) environment_.pool = workPool();
    if (!environment_.clock)
        environment_.clock = [] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
        };
    // Quitting never waits for a level still being measured.
    if (QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &DrillModel::cancel);
}

DrillModel::~DrillModel() {
    stopWalk();
    std::lock_guard guard(mailbox_->lock);
    mailbox_->model = nullptr;
}

void DrillModel::open(DrillLevel level) {
    std::vector<DrillLevel> stack = stack_;
    stack.push_back(std::move(level));
    stopWalk();
    // Whoever follows the stack reads the entries at once: they are the
    // new level's (none yet), never the one it replaces.
    setEntries({});
    setLoading(true);
    setStack(std::move(stack));
    load();
}

void DrillModel::popTo(int depth) {
    const std::size_t keep = std::size_t(std::max(depth, 0));
    if (keep >= stack_.size()) return;
    stopWalk();
    setEntries({});
    setLoading(keep > 0);
    setStack(std::vector<DrillLevel>(stack_.begin(), stack_.begin() + std::ptrdiff_t(keep)));
    if (!stack_.empty()) load();
}

void DrillModel::reset() {
    popTo(0);
    forgetSizes();
}

void DrillModel::forgetSizes() {
    cache_->clear();
    // What the running load measured may be from before the change: shown, not kept.
    rememberWalk_ = false;
}

void DrillModel::cancel() { stopWalk(); }

std::optional<int64_t> DrillModel::cachedSize(const std::filesystem::path& url) const {
    return cache_->find(url.native());
}

void DrillModel::stopWalk() {
    heldBack_.stop();
    if (walk_) walk_->stop();
    walk_.reset();
}

void DrillModel::load() {
    stopWalk();
    if (stack_.empty()) return;
    const DrillLevel& level = stack_.back();
    setEntries({});
    setLoading(true);
    found_.clear();
    publishedOnce_ = false;
    rememberWalk_ = true;

    DrillWalk::Setup setup{.urls = level.urls,
                           .limited = environment_.limited(),
                           .places = environment_.places,
                           .sizer = environment_.sizer,
                           .cache = cache_,
                           .pool = environment_.pool};
    auto notify = [mailbox = mailbox_](std::weak_ptr<DrillWalk> weakWalk) {
        std::lock_guard guard(mailbox->lock);
        DrillModel* model = mailbox->model;
        if (!model) return;
        QMetaObject::invokeMethod(
            model,
            [model, weakWalk] {
                if (const auto walk = weakWalk.lock()) model->receive(walk);
            },
            Qt::QueuedConnection);
    };
    auto walk = std::make_shared<DrillWalk>(std::move(setup), std::move(notify));
    walk_ = walk;
    walk->start();
}

void DrillModel::receive(const std::shared_ptr<DrillWalk>& walk) {
    // A level that is no longer on top keeps nothing and shows nothing.
    if (walk != walk_ || walk->stopped()) return;
    DrillWalk::Batch batch = walk->take();
    for (DirEntry& entry : batch.entries) {
        if (rememberWalk_) cache_->store(entry.url.native(), entry.bytes);
        // Nothing measured as empty is shown.
        if (entry.bytes < 1) continue;
        found_.push_back(std::move(entry));
        const double now = environment_.clock();
        if (!publishedOnce_ || now - lastPublished_ > kPublishInterval) {
            setEntries(sortedFound());
            lastPublished_ = now;
            publishedOnce_ = true;
        }
    }
    if (!batch.finished) {
        // Results that came in too soon after the last publication would
        // otherwise wait for the next result, which a large folder still
        // being measured may hold back for minutes.
        if (found_.size() != entries_.size() && !heldBack_.isActive()) heldBack_.start();
        return;
    }
    heldBack_.stop();
    setEntries(sortedFound());
    setLoading(false);
    walk_.reset();
}

std::vector<DirEntry> DrillModel::sortedFound() const {
    std::vector<DirEntry> list = found_;
    std::stable_sort(list.begin(), list.end(), [](const DirEntry& a, const DirEntry& b) { return a.bytes > b.bytes; });
    return list;
}

void DrillModel::publishHeldBack() {
    if (!walk_ || found_.size() == entries_.size()) return;
    const double now = environment_.clock();
    if (now - lastPublished_ <= kPublishInterval) {
        heldBack_.start();  // the clock says the interval is not over yet
        return;
    }
    setEntries(sortedFound());
    lastPublished_ = now;
}

void DrillModel::setStack(std::vector<DrillLevel> stack) {
    if (stack == stack_) return;
    stack_ = std::move(stack);
    emit stackChanged();
}

void DrillModel::setEntries(std::vector<DirEntry> entries) {
    if (entries == entries_) return;
    entries_ = std::move(entries);
    emit entriesChanged();
}

void DrillModel::setLoading(bool loading) {
    if (loading == loading_) return;
    loading_ = loading;
    emit loadingChanged();
}

}  // namespace sorbeta
