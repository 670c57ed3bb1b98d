#include "model/scan/ScanRun.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include <qcoro/qcorofuture.h>

#include "model/catalog/Catalog.h"
#include "model/common/WorkPool.h"
#include "model/disk/Measure.h"
#include "model/disk/Removal.h"
#include "model/disk/RowRoots.h"
#include "model/disk/Targets.h"
#include "model/scan/AppModel.h"
#include "platform/EntryInfo.h"
#include "platform/Translate.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

// Every rule's targets, found before anything is measured, and the folders
// among them that a category's walk may meet too.
struct RuleTargets {
    std::vector<std::vector<fs::path>> byRule;
    std::vector<std::optional<DiskScanner::ListedEntries>> entriesByRule;
    std::shared_ptr<DiskScanner::SharedFolders> shared = std::make_shared<DiskScanner::SharedFolders>();
};

RuleTargets findRuleTargets(const platform::Places& places, const ProjectArtifacts::Git& git) {
    RuleTargets found;
    for (const CleanSpec& spec : Catalog::cleanables()) {
        // A scan measures the folders of running applications too, but only
        // what the clean would take: anything else would be a size it never frees.
        found.byRule.push_back(DiskScanner::cleanableTargets(spec, {}, places, git));
        for (const fs::path& target : found.byRule.back()) found.shared->add(target);
        std::optional<DiskScanner::ListedEntries>& entries = found.entriesByRule.emplace_back();
        if (!spec.onlyListedEntries) continue;
        entries.emplace();
        for (const fs::path& target : found.byRule.back()) (*entries)[target] = DiskScanner::entriesOf(target);
    }
    return found;
}

ScanRun::CategoryMeasure measureCategory(const CategorySpec& spec, const platform::Places& places,
                                         const std::shared_ptr<DiskScanner::SharedFolders>& shared) {
    ScanRun::CategoryMeasure out{spec.id, 0, {}, {}};
    for (fs::path& url : DiskScanner::categoryRoots(spec, places)) {
        std::error_code error;
        if (fs::exists(url, error)) out.urls.push_back(std::move(url));
    }
    // Once the program is leaving nobody reads the sizes: the walks stop
    // rather than hold the way out for the rest of the home.
    DiskScanner::SizedParts sized =
        DiskScanner::sizeWithParts(out.urls, AppModel::minPartBytes, places, shared.get(), leavingToken());
    out.bytes = sized.total;
    out.parts = std::move(sized.parts);
    return out;
}

ScanRun::RuleMeasure measureRule(std::size_t position, std::vector<fs::path> targets,
                                 std::optional<DiskScanner::ListedEntries> entries,
                                 const std::shared_ptr<DiskScanner::SharedFolders>& shared) {
    ScanRun::RuleMeasure out{position, 0, std::move(targets), std::move(entries)};
    out.bytes = DiskScanner::size(out.urls, shared.get(), leavingToken());
    return out;
}

std::vector<CleanItem> sortedBySize(std::vector<CleanItem> list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const CleanItem& a, const CleanItem& b) { return a.bytes > b.bytes; });
    return list;
}

}  // namespace

ScanRun::ScanRun(AppModel& model, const ModelEnvironment& environment)
    : model_(&model), places_(environment.places), hasFullDisk_(environment.hasFullDisk), git_(environment.git) {}

QCoro::Task<> ScanRun::run() {
    if (!model_ || !model_->phase().isIdle()) co_return;
    AppModel& model = *model_;
    model.setPhase(Phase::scanning(sorbeta::tr("磁盘")));
    model.setScanComplete(false);

    model.setFullDisk(hasFullDisk_ ? hasFullDisk_() : Access::hasFullDisk());
    DiskScanner::setLimited(!model.fullDisk());

    QFuture<DiskScanner::Volume> volumeRead =
        QtConcurrent::run(workPool(), [places = places_] { return DiskScanner::volume(places); });
    const DiskScanner::Volume volume = co_await volumeRead;
    if (!model_) co_return;
    // A failed read (no capacity) never replaces the figures we have.
    if (volume.total >= 1) {
        model_->setTotalBytes(volume.total);
        model_->setFreeBytes(volume.free);
    }

    firstScan_ = !model_->hasScanned();
    model_->setHasScanned(true);
    QCoro::Task<> measuring = measureAll();  // named: see platform/Async.h
    co_await measuring;
    if (!model_) co_return;
    finish();
}

QCoro::Task<> ScanRun::measureAll() {
    AppModel& model = *model_;
    const auto& categorySpecs = Catalog::categories();
    const auto& rules = Catalog::cleanables();
    if (model.categories().empty()) {
        std::vector<CategoryResult> fresh;
        for (const CategorySpec& spec : categorySpecs) fresh.push_back(CategoryResult{spec, 0, {}});
        model.setCategories(std::move(fresh));
    }
    model.setScanDone(0);
    model.setScanTotal(int(categorySpecs.size() + rules.size()));

    // The rules' targets first: a folder that a rule and a category both
    // measure is then read once.
    QFuture<RuleTargets> finding = QtConcurrent::run(workPool(), findRuleTargets, places_, git_);
    RuleTargets targets = co_await finding;
    if (!model_) co_return;

    // One child per category, then one per rule, all at once on the pool;
    // each result is applied here, on the GUI thread, as it arrives, and the
    // scan goes on once every result was applied (or dropped, when the model
    // went meanwhile).
    unapplied_ = int(categorySpecs.size() + rules.size());
    allApplied_.start();
    for (const CategorySpec& spec : categorySpecs) {
        whenMeasured(QtConcurrent::run(workPool(), measureCategory, spec, places_, targets.shared),
                     [this](CategoryMeasure m) { applyCategory(std::move(m)); });
    }
    for (std::size_t position = 0; position < rules.size(); ++position) {
        whenMeasured(QtConcurrent::run(workPool(), measureRule, position, std::move(targets.byRule[position]),
                                       std::move(targets.entriesByRule[position]), targets.shared),
                     [this](RuleMeasure m) { applyRule(std::move(m)); });
    }
    QFuture<void> applied = allApplied_.future();
    co_await applied;
}

// A watcher of the run's own brings the result to the GUI thread. Unlike a
// continuation with a context object (which Qt 6.4 requires to outlive the
// future), a watcher may go first; and what it leaves in the event queue
// does nothing when dropped at exit.
template <typename Measure, typename Apply>
void ScanRun::whenMeasured(QFuture<Measure> measuring, Apply apply) {
    auto* watcher = new QFutureWatcher<Measure>(&receiver_);
    QObject::connect(watcher, &QFutureWatcherBase::finished, &receiver_, [this, watcher, apply] {
        if (model_) apply(watcher->result());
        watcher->deleteLater();
        if (--unapplied_ == 0) allApplied_.finish();
    });
    watcher->setFuture(measuring);
}

void ScanRun::applyCategory(CategoryMeasure measure) {
    AppModel& model = *model_;
    model.setScanDone(model.scanDone() + 1);
    partsByCategory_[measure.id] = std::move(measure.parts);
    auto& categories = model.categories_;
    const auto entry = std::find_if(categories.begin(), categories.end(),
                                    [&](const CategoryResult& result) { return result.spec.id == measure.id; });
    if (entry == categories.end()) return;
    entry->bytes = measure.bytes;
    entry->urls = std::move(measure.urls);
    emit model.categoriesChanged();
    model.setPhase(Phase::scanning(entry->spec.name));
}

void ScanRun::applyRule(RuleMeasure measure) {
    AppModel& model = *model_;
    model.setScanDone(model.scanDone() + 1);
    if (measure.bytes < AppModel::cleanItemThreshold) return;
    const CleanSpec& spec = Catalog::cleanables()[measure.position];
    found_.push_back(CleanItem{spec, measure.bytes, std::move(measure.urls), std::move(measure.entries)});
    // Only the first scan shows items as they come and ticks the pre-selected
    // ones; later scans keep the previous list and the user's ticks until the end.
    if (!firstScan_) return;
    model.setItems(sortedBySize(found_));
    if (spec.selectedByDefault) {
        std::set<std::string> next = model.selected();
        next.insert(spec.id);
        model.setSelected(std::move(next));
    }
}

void ScanRun::finish() {
    AppModel& model = *model_;
    model.setItems(sortedBySize(found_));
    std::set<std::string> kept;
    for (const CleanItem& item : model.items())
        if (model.selected().count(item.spec.id)) kept.insert(item.spec.id);
    model.setSelected(std::move(kept));
    model.setLastSnapshot(snapshot());
    model.setScanComplete(true);
    model.setPhase(Phase::idle());
}

DiskSnapshot ScanRun::snapshot() const {
    const AppModel& model = *model_;
    DiskSnapshot snapshot;
    snapshot.date = QDateTime::currentDateTimeUtc();
    snapshot.total = model.totalBytes();
    snapshot.free = model.freeBytes();
    for (const CategoryResult& result : model.categories()) snapshot.categories[result.spec.id] = result.bytes;
    for (const auto& [category, parts] : partsByCategory_) {
        for (const auto& [path, bytes] : parts) {
            snapshot.parts.emplace(path, bytes);     // the first category's bytes stay
            snapshot.partCategory[path] = category;  // the last category wins
        }
    }
    return snapshot;
}

}  // namespace sorbeta
