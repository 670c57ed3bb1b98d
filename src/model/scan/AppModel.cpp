#include "model/scan/AppModel.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <map>

#include <qcoro/qcorofuture.h>

#include "model/disk/Access.h"
#include "model/catalog/Catalog.h"
#include "model/scan/CleanSelection.h"
#include "model/disk/Measure.h"
#include "model/disk/Targets.h"
#include "platform/Translate.h"

namespace sorbeta {

namespace fs = std::filesystem;

namespace {

struct CategoryMeasure {
    std::string id;
    int64_t bytes = 0;
    std::vector<fs::path> urls;
    std::map<std::string, int64_t> parts;
};

struct RuleMeasure {
    std::size_t position = 0;
    int64_t bytes = 0;
    std::vector<fs::path> urls;
};

CategoryMeasure measureCategory(const CategorySpec& spec, const platform::Places& places) {
    CategoryMeasure out{spec.id, 0, {}, {}};
    for (fs::path& url : DiskScanner::resolveRoots(spec.roots, spec.childrenOf, spec.excludingChildren, {}, places)) {
        std::error_code error;
        if (fs::exists(url, error)) out.urls.push_back(std::move(url));
    }
    DiskScanner::SizedParts sized = DiskScanner::sizeWithParts(out.urls, AppModel::minPartBytes, places);
    out.bytes = sized.total;
    out.parts = std::move(sized.parts);
    return out;
}

RuleMeasure measureRule(const CleanSpec& spec, std::size_t position, const platform::Places& places,
                        const ProjectArtifacts::Git& git) {
    // A scan measures the folders of running applications too.
    RuleMeasure out{position, 0, DiskScanner::targets(spec, {}, places, git)};
    out.bytes = DiskScanner::size(out.urls);
    return out;
}

std::vector<CleanItem> sortedBySize(std::vector<CleanItem> list) {
    std::stable_sort(list.begin(), list.end(), [](const CleanItem& a, const CleanItem& b) { return a.bytes > b.bytes; });
    return list;
}

}  // namespace

// Working state of one scan, kept in the scan's coroutine frame.
struct AppModel::ScanRun {
    std::vector<CleanItem> found;  // in the order measurements finished
    std::map<std::string, std::map<std::string, int64_t>> partsByCategory;
    bool firstScan = false;
};

AppModel::AppModel(QObject* parent)
    : AppModel(ModelEnvironment::system(platform::Places::fromEnvironment()), parent) {}

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
void AppModel::setHasScanned(bool value) { SORBETA_SET(hasScanned_, hasScannedChanged) }
void AppModel::setScanComplete(bool value) { SORBETA_SET(scanComplete_, scanCompleteChanged) }
void AppModel::setLastBatch(std::optional<HoldBatch> value) { SORBETA_SET(lastBatch_, lastBatchChanged) }
void AppModel::setCleanProgress(std::optional<CleanProgress> value) { SORBETA_SET(cleanProgress_, cleanProgressChanged) }
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
    const bool allTicked = std::all_of(ids.begin(), ids.end(), [&](const std::string& id) { return selected_.count(id) > 0; });
    std::set<std::string> next = selected_;
    for (const std::string& id : ids) {
        if (allTicked) next.erase(id);
        else next.insert(id);
    }
    setSelected(std::move(next));
}

// ----- scan

QCoro::Task<> AppModel::scan() {
    if (!phase_.isIdle()) co_return;
    QPointer<AppModel> self(this);
    setPhase(Phase::scanning(sorbeta::tr("磁盘")));
    setScanComplete(false);

    setFullDisk(environment_.hasFullDisk());
    DiskScanner::setLimited(!fullDisk_);

    const platform::Places places = environment_.places;
    const ProjectArtifacts::Git git = environment_.git;
    QFuture<DiskScanner::Volume> volumeRead =
        QtConcurrent::run(QThreadPool::globalInstance(), [places] { return DiskScanner::volume(places); });
    const DiskScanner::Volume volume = co_await volumeRead;
    if (!self) co_return;
    // A failed read (no capacity) never replaces the figures we have.
    if (volume.total >= 1) {
        setTotalBytes(volume.total);
        setFreeBytes(volume.free);
    }

    ScanRun run;
    run.firstScan = !hasScanned_;
    setHasScanned(true);

    const auto& categorySpecs = Catalog::categories();
    const auto& rules = Catalog::cleanables();
    if (categories_.empty()) {
        std::vector<CategoryResult> fresh;
        for (const CategorySpec& spec : categorySpecs) fresh.push_back(CategoryResult{spec, 0, {}});
        setCategories(std::move(fresh));
    }
    setScanDone(0);
    setScanTotal(int(categorySpecs.size() + rules.size()));

    // One child per category, then one per rule, all at once on the pool;
    // each result is applied here, on the GUI thread, as it arrives.
    std::vector<QFuture<void>> children;
    children.reserve(categorySpecs.size() + rules.size());
    for (const CategorySpec& spec : categorySpecs) {
        QFuture<CategoryMeasure> child =
            QtConcurrent::run(QThreadPool::globalInstance(), measureCategory, spec, places);
        children.push_back(child.then(this, [this, &run](CategoryMeasure m) {
            applyCategory(run, m.id, m.bytes, std::move(m.urls), std::move(m.parts));
        }));
    }
    for (std::size_t position = 0; position < rules.size(); ++position) {
        QFuture<RuleMeasure> child =
            QtConcurrent::run(QThreadPool::globalInstance(), measureRule, rules[position], position, places, git);
        children.push_back(child.then(this, [this, &run](RuleMeasure m) {
            applyRule(run, m.position, m.bytes, std::move(m.urls));
        }));
    }
    for (QFuture<void>& child : children) {
        co_await child;
        if (!self) co_return;
    }

    setItems(sortedBySize(run.found));
    std::set<std::string> kept;
    for (const CleanItem& item : items_)
        if (selected_.count(item.spec.id)) kept.insert(item.spec.id);
    setSelected(std::move(kept));
    setLastSnapshot(buildSnapshot(run));
    setScanComplete(true);
    setPhase(Phase::idle());
}

void AppModel::applyCategory(ScanRun& run, const std::string& id, int64_t bytes, std::vector<fs::path> urls,
                             std::map<std::string, int64_t> parts) {
    setScanDone(scanDone_ + 1);
    run.partsByCategory[id] = std::move(parts);
    const auto entry = std::find_if(categories_.begin(), categories_.end(),
                                    [&](const CategoryResult& result) { return result.spec.id == id; });
    if (entry == categories_.end()) return;
    entry->bytes = bytes;
    entry->urls = std::move(urls);
    emit categoriesChanged();
    setPhase(Phase::scanning(entry->spec.name));
}

void AppModel::applyRule(ScanRun& run, std::size_t position, int64_t bytes, std::vector<fs::path> urls) {
    setScanDone(scanDone_ + 1);
    if (bytes < cleanItemThreshold) return;
    const CleanSpec& spec = Catalog::cleanables()[position];
    run.found.push_back(CleanItem{spec, bytes, std::move(urls)});
    // Only the first scan shows items as they come and ticks the pre-selected
    // ones; later scans keep the previous list and the user's ticks until the end.
    if (!run.firstScan) return;
    setItems(sortedBySize(run.found));
    if (spec.selectedByDefault) {
        std::set<std::string> next = selected_;
        next.insert(spec.id);
        setSelected(std::move(next));
    }
}

DiskSnapshot AppModel::buildSnapshot(const ScanRun& run) const {
    DiskSnapshot snapshot;
    snapshot.date = QDateTime::currentDateTimeUtc();
    snapshot.total = totalBytes_;
    snapshot.free = freeBytes_;
    for (const CategoryResult& result : categories_) snapshot.categories[result.spec.id] = result.bytes;
    for (const auto& [category, parts] : run.partsByCategory) {
        for (const auto& [path, bytes] : parts) {
            snapshot.parts.emplace(path, bytes);          // the first category's bytes stay
            snapshot.partCategory[path] = category;       // the last category wins
        }
    }
    return snapshot;
}

}  // namespace sorbeta
