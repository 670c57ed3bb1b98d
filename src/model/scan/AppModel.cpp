#include "model/scan/AppModel.h"

#include <QPointer>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <map>

#include <qcoro/qcorofuture.h>

#include "model/common/WorkPool.h"
#include "model/disk/Measure.h"
#include "model/scan/CleanRun.h"
#include "model/scan/CleanSelection.h"
#include "model/scan/ScanRun.h"
#include "platform/Async.h"

namespace sorbeta {

AppModel::AppModel(ModelEnvironment environment, QObject* parent)
    : QObject(parent), environment_(std::move(environment)) {}

AppModel::~AppModel() = default;

// ----- setters: equal values notify nobody, except the two lists.

#define SORBETA_SET(member, signal) \
    if (member == value) return;    \
    member = std::move(value);      \
    emit signal();

void AppModel::setTotalBytes(int64_t value) { SORBETA_SET(totalBytes_, totalBytesChanged) }
void AppModel::setFreeBytes(int64_t value) { SORBETA_SET(freeBytes_, freeBytesChanged) }
void AppModel::setSelected(std::set<std::string> value) { SORBETA_SET(selected_, selectedChanged) }
void AppModel::setPhase(Phase value) { SORBETA_SET(phase_, phaseChanged) }
void AppModel::setLastFreed(std::optional<int64_t> value) { SORBETA_SET(lastFreed_, lastFreedChanged) }
void AppModel::setLastSkipped(QStringList value) { SORBETA_SET(lastSkipped_, lastSkippedChanged) }
void AppModel::setLastFailed(int value) { SORBETA_SET(lastFailed_, lastFailedChanged) }
void AppModel::setHasScanned(bool value) { SORBETA_SET(hasScanned_, hasScannedChanged) }
void AppModel::setScanComplete(bool value) { SORBETA_SET(scanComplete_, scanCompleteChanged) }
void AppModel::setLastBatch(std::optional<HoldBatch> value) { SORBETA_SET(lastBatch_, lastBatchChanged) }
void AppModel::setCleanProgress(std::optional<CleanProgress> value) {
    SORBETA_SET(cleanProgress_, cleanProgressChanged)
}
void AppModel::setScanDone(int value) { SORBETA_SET(scanDone_, scanDoneChanged) }
void AppModel::setScanTotal(int value) { SORBETA_SET(scanTotal_, scanTotalChanged) }
void AppModel::setLastReport(std::optional<CleanReport> value) { SORBETA_SET(lastReport_, lastReportChanged) }
void AppModel::setFullDisk(bool value) { SORBETA_SET(fullDisk_, fullDiskChanged) }

#undef SORBETA_SET

void AppModel::setCategories(std::vector<CategoryResult> value) {
    categories_ = std::move(value);
    emit categoriesChanged();
}

void AppModel::setItems(std::vector<CleanItem> value) {
    items_ = std::move(value);
    ++itemsVersion_;
    emit itemsChanged();
}

// Every snapshot goes to onSnapshot, also one equal to the last.
void AppModel::setLastSnapshot(std::optional<DiskSnapshot> value) {
    const bool changed = lastSnapshot_ != value;
    lastSnapshot_ = std::move(value);
    if (lastSnapshot_ && onSnapshot) onSnapshot(*lastSnapshot_);
    if (changed) emit lastSnapshotChanged();
}

// ----- derived values

double AppModel::scanFraction() const {
    if (scanTotal_ < 1) return 0;
    return double(scanDone_) / double(scanTotal_);
}

std::vector<CleanItem> AppModel::safeItems() const { return CleanSelection::withSafety(items_, Safety::safe); }

std::vector<CleanItem> AppModel::reviewItems() const { return CleanSelection::withSafety(items_, Safety::review); }

std::vector<CleanItem> AppModel::selectedItems() const { return CleanSelection::ticked(items_, selected_); }

std::vector<CleanItem> AppModel::itemsIn(const std::string& categoryID) const {
    std::vector<CleanItem> out;
    std::copy_if(items_.begin(), items_.end(), std::back_inserter(out),
                 [&](const CleanItem& item) { return item.spec.categoryID == categoryID; });
    return out;
}

int64_t AppModel::selectedBytes(const std::vector<CleanItem>& list) const {
    return CleanSelection::tickedBytes(list, selected_);
}

void AppModel::toggle(const std::string& id) {
    std::set<std::string> next = selected_;
    if (!next.erase(id)) next.insert(id);
    setSelected(std::move(next));
}

void AppModel::toggleAll(const std::vector<CleanItem>& list) {
    std::set<std::string> ids;
    for (const CleanItem& item : list) ids.insert(item.spec.id);
    const bool allTicked =
        std::all_of(ids.begin(), ids.end(), [&](const std::string& id) { return selected_.count(id) > 0; });
    std::set<std::string> next = selected_;
    for (const std::string& id : ids) {
        if (allTicked)
            next.erase(id);
        else
            next.insert(id);
    }
    setSelected(std::move(next));
}

// ----- the runs

QCoro::Task<> AppModel::scan() {
    ScanRun run(*this, environment_);
    QCoro::Task<> scanning = run.run();  // named: see platform/Async.h
    co_await scanning;
}

QCoro::Task<> AppModel::cleanSelected(CandyDialog::Host host) { return cleanSelected(host, selected_); }

QCoro::Task<> AppModel::cleanSelected(CandyDialog::Host host, std::set<std::string> confirmed) {
    return cleanSelected(host, std::move(confirmed), environment_.settings.holdCleaned());
}

QCoro::Task<> AppModel::cleanSelected(CandyDialog::Host host, std::set<std::string> confirmed, bool holdCleaned) {
    CleanRun run(*this, environment_);
    QCoro::Task<> cleaning = run.run(host, std::move(confirmed), holdCleaned);
    co_await cleaning;
}

QCoro::Task<CleanRun::Result> AppModel::clean(std::vector<CleanSpec> rules, std::shared_ptr<HoldingArea> holdIn,
                                              std::function<void(int, QString)> progress) {
    QCoro::Task<CleanRun::Result> cleaning =
        CleanRun::clean(std::move(rules), std::move(holdIn), std::move(progress), environment_);
    CleanRun::Result result = co_await cleaning;
    co_return result;
}

// ----- free space

void AppModel::refreshFreeSoon() {
    // Moving the generation on stops the running series at its next wake.
    refreshFree(++freeRefreshGeneration_);
}

QCoro::Task<> AppModel::refreshFree(uint64_t generation) {
    QPointer<AppModel> self(this);
    const std::vector<std::chrono::milliseconds> delays = environment_.freeRefreshDelays;
    const platform::Places places = environment_.places;
    for (const std::chrono::milliseconds delay : delays) {
        QCoro::Task<> pause = sleepFor(delay);
        co_await pause;
        if (!self || self->freeRefreshGeneration_ != generation) co_return;
        QFuture<DiskScanner::Volume> read =
            QtConcurrent::run(workPool(), [places] { return DiskScanner::volume(places); });
        const DiskScanner::Volume volume = co_await read;
        if (!self || self->freeRefreshGeneration_ != generation || volume.total < 1) co_return;
        setFreeBytes(volume.free);
        setTotalBytes(volume.total);
    }
}

}  // namespace sorbeta
