#pragma once
// The drill-down: the stack of open levels and the measured children of the
// top one, published largest first while they are measured. Every size
// measured is remembered until reset() or forgetSizes(), so going back up, or
// opening a folder seen before, shows at once. Lives on the GUI thread;
// listing and measuring run on the worker pool (DrillWalk).
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/drill/DirEntry.h"
#include "model/drill/DrillLevel.h"
#include "model/drill/DrillWalk.h"
#include "platform/Places.h"

class QThreadPool;

namespace sorbeta {

struct DrillEnvironment {
    platform::Places places;
    // Measures one child; the engine's size walk unless a test hands in its own.
    DrillSizer sizer;
    // Whether the last scan ran without full disk access.
    std::function<bool()> limited;
    // Where listing and measuring run; none: the shared worker pool.
    QThreadPool* pool = nullptr;
    // Seconds on a steady clock, for the publication throttle.
    std::function<double()> clock;

    // The engine's measuring, the scan's limited flag, the shared pool.
    static DrillEnvironment system(const platform::Places& places);
};

class DrillModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<sorbeta::DrillLevel> stack READ stack NOTIFY stackChanged)
    Q_PROPERTY(std::vector<sorbeta::DirEntry> entries READ entries NOTIFY entriesChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)

public:
    // While results stream in, entries are re-sorted and published at most
    // this often; results held back are published once the interval is over,
    // even while no other result comes in.
    static constexpr double kPublishInterval = 0.25;

    explicit DrillModel(DrillEnvironment environment, QObject* parent = nullptr);
    ~DrillModel() override;

    // Open levels, root first; empty: the drill-down is closed.
    const std::vector<DrillLevel>& stack() const { return stack_; }
    // Measured children of the top level of at least 1 byte, largest first.
    const std::vector<DirEntry>& entries() const { return entries_; }
    // From the start of a load until its last child is in.
    bool loading() const { return loading_; }

    // Pushes a level and measures it.
    void open(DrillLevel level);
    // Keeps the first `depth` levels (clamped to 0) and shows the new top;
    // nothing happens for a depth at or past the stack's count.
    void popTo(int depth);
    // Closes every level and forgets every measured size.
    void reset();
    // Forgets every measured size, for when the disk changed under them; the
    // open levels stay as they show, and what opens next is measured afresh.
    void forgetSizes();
    // Stops the running walk (the application is leaving).
    void cancel();

    // A remembered size, by the child's path.
    std::optional<int64_t> cachedSize(const std::filesystem::path& url) const;
    std::size_t cacheCount() const { return cache_->size(); }

signals:
    void stackChanged();
    void entriesChanged();
    void loadingChanged();

private:
    struct Mailbox;

    void load();
    void receive(const std::shared_ptr<DrillWalk>& walk);
    std::vector<DirEntry> sortedFound() const;
    void publishHeldBack();
    void setStack(std::vector<DrillLevel> stack);
    void setEntries(std::vector<DirEntry> entries);
    void setLoading(bool loading);
    void stopWalk();

    DrillEnvironment environment_;
    std::vector<DrillLevel> stack_;
    std::vector<DirEntry> entries_;
    bool loading_ = false;
    std::shared_ptr<DrillSizeCache> cache_;
    std::shared_ptr<DrillWalk> walk_;
    std::vector<DirEntry> found_;  // the running load's results of 1 byte or more, in completion order
    bool rememberWalk_ = true;     // false once the sizes were forgotten while the running load measured
    double lastPublished_ = 0;
    bool publishedOnce_ = false;
    QTimer heldBack_;  // runs while results of the running load wait to be published
    std::shared_ptr<Mailbox> mailbox_;
};

}  // namespace sorbeta
