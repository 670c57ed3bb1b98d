#include "model/uninstall/UninstallModel.h"

#include <qcoro/qcorofuture.h>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace sorbeta {
namespace {

Q_LOGGING_CATEGORY(uninstallLog, "com.rovek.sorbeta.uninstall", QtInfoMsg)

const std::string& key(const Path& path) { return path.native(); }

// What an uninstall left behind, read on the worker right after the moves.
struct AfterMove {
    Uninstaller::Outcome outcome;
    bool bundleGone = false;
    std::set<std::string> goneLeftovers;
};

}  // namespace

QString sortKey(UninstallModel::Sort sort) {
    return sort == UninstallModel::Sort::unused ? QStringLiteral("unused") : QStringLiteral("size");
}

std::optional<UninstallModel::Sort> sortFromKey(const QString& key) {
    if (key == QLatin1String("size")) return UninstallModel::Sort::size;
    if (key == QLatin1String("unused")) return UninstallModel::Sort::unused;
    return std::nullopt;
}

UninstallModel::UninstallModel(UninstallEngine engine, QObject* parent, QThreadPool* pool)
    : QObject(parent), engine_(std::move(engine)), pool_(pool) {}

UninstallModel::~UninstallModel() = default;

template <typename T>
void UninstallModel::assign(T& field, T value, void (UninstallModel::*changed)()) {
    if (field == value) return;
    field = std::move(value);
    emit(this->*changed)();
}

void UninstallModel::setSelectedID(std::optional<QString> id) {
    assign(selectedID_, std::move(id), &UninstallModel::selectedIDChanged);
}
void UninstallModel::setSearch(QString search) { assign(search_, std::move(search), &UninstallModel::searchChanged); }
void UninstallModel::setSort(Sort sort) { assign(sort_, sort, &UninstallModel::sortChanged); }
void UninstallModel::setLastResult(std::optional<Result> result) {
    assign(lastResult_, std::move(result), &UninstallModel::lastResultChanged);
}

QCoro::Task<> UninstallModel::load() {
    if (loading_) co_return;
    QPointer<UninstallModel> self(this);
    assign(loading_, true, &UninstallModel::loadingChanged);
    assign(weighed_, 0, &UninstallModel::weighedChanged);
    const bool limited = engine_.limited ? engine_.limited() : false;

    // Named futures: see platform/Async.h.
    auto listing = QtConcurrent::run(pool_, engine_.list);
    UninstallEngine::Listing found = co_await listing;
    if (!self) co_return;
    assign(apps_, std::move(found.apps), &UninstallModel::appsChanged);

    // One weighing per application, each applied as soon as it arrives.
    const std::set<QString> shared = Uninstaller::sharedNames(apps_);
    QList<QFuture<void>> applied;
    for (const InstalledApp& app : apps_) {
        const bool nameIsShared = shared.count(app.name.toLower()) > 0;
        QFuture<Uninstaller::Weighed> weighing = QtConcurrent::run(
            pool_, [weigh = found.weigh, app, limited, nameIsShared] { return weigh(app, limited, nameIsShared); });
        // Continued on the main thread through the application, which outlives
        // this model: a model gone before its weighing ends drops the result
        // (Qt 6.4 does not cope with a context that dies first).
        applied.append(weighing.then(QCoreApplication::instance(), [self](const Uninstaller::Weighed& weighed) {
            if (self) self->applyWeighed(weighed);
        }));
    }
    auto all = QtFuture::whenAll(applied.begin(), applied.end());
    co_await all;
    if (!self) co_return;
    assign(loading_, false, &UninstallModel::loadingChanged);
    assign(loaded_, true, &UninstallModel::loadedChanged);
}

void UninstallModel::applyWeighed(const Uninstaller::Weighed& weighed) {
    // A result for an application no longer listed is dropped.
    auto app = std::find_if(apps_.begin(), apps_.end(),
                            [&](const InstalledApp& each) { return key(each.url) == key(weighed.url); });
    if (app == apps_.end()) return;
    const bool changed = app->appBytes != weighed.appBytes || app->leftovers != weighed.leftovers;
    app->appBytes = weighed.appBytes;
    app->leftovers = weighed.leftovers;
    if (changed) emit appsChanged();
    assign(weighed_, weighed_ + 1, &UninstallModel::weighedChanged);
}

std::vector<InstalledApp> UninstallModel::visibleApps() const {
    std::vector<InstalledApp> shown = apps_;
    if (sort_ == Sort::size) {
        std::stable_sort(shown.begin(), shown.end(),
                         [](const InstalledApp& a, const InstalledApp& b) { return a.totalBytes() > b.totalBytes(); });
    } else {
        // Dated applications first, the longest unused first; the undated
        // after them, larger first.
        std::stable_sort(shown.begin(), shown.end(), [](const InstalledApp& a, const InstalledApp& b) {
            if (a.lastUsed.has_value() != b.lastUsed.has_value()) return a.lastUsed.has_value();
            if (a.lastUsed) return *a.lastUsed < *b.lastUsed;
            return a.totalBytes() > b.totalBytes();
        });
    }
    if (search_.isEmpty()) return shown;
    std::erase_if(shown, [this](const InstalledApp& app) {
        return !app.name.contains(search_, Qt::CaseInsensitive) && !app.bundleID.contains(search_, Qt::CaseInsensitive);
    });
    return shown;
}

const InstalledApp* UninstallModel::selectedApp() const {
    if (!selectedID_) return nullptr;
    for (const InstalledApp& app : apps_)
        if (app.id() == *selectedID_) return &app;
    return nullptr;
}

std::vector<Path> UninstallModel::paths(const InstalledApp& app) {
    std::vector<Path> all{app.url};
    for (const Leftover& leftover : app.leftovers) all.push_back(leftover.url);
    return all;
}

bool UninstallModel::isPicked(const Path& url, const InstalledApp& app) const {
    auto entry = picked_.find(key(app.url));
    return entry == picked_.end() || entry->second.count(key(url)) > 0;
}

void UninstallModel::togglePick(const Path& url, const InstalledApp& app) {
    std::set<std::string> entry;
    if (auto found = picked_.find(key(app.url)); found != picked_.end()) {
        entry = found->second;
    } else {
        for (const Path& each : paths(app)) entry.insert(key(each));
    }
    if (!entry.erase(key(url))) entry.insert(key(url));
    picked_[key(app.url)] = std::move(entry);
    emit pickedChanged();
}

std::vector<Path> UninstallModel::pickedURLs(const InstalledApp& app) const {
    std::vector<Path> ticked;
    for (const Path& each : paths(app))
        if (isPicked(each, app)) ticked.push_back(each);
    return ticked;
}

int64_t UninstallModel::pickedBytes(const InstalledApp& app) const {
    int64_t bytes = isPicked(app.url, app) ? app.appBytes : 0;
    for (const Leftover& leftover : app.leftovers)
        if (isPicked(leftover.url, app)) bytes += leftover.bytes;
    return bytes;
}

UninstallModel::RunState UninstallModel::runStateOf(const std::vector<AppProcess>& processes) {
    if (processes.empty()) return RunState::none;
    const bool main = std::any_of(processes.begin(), processes.end(), [](const AppProcess& p) { return p.isMain; });
    return main ? RunState::app : RunState::helpers;
}

QFuture<UninstallModel::RunState> UninstallModel::runState(const InstalledApp& app) const {
    return QtConcurrent::run(pool_, [processes = engine_.processes, app] { return runStateOf(processes(app)); });
}

QCoro::Task<> UninstallModel::uninstall(InstalledApp app, std::optional<std::vector<Path>> only) {
    if (busy_) co_return;
    QPointer<UninstallModel> self(this);
    // The pane's run state may be a second old: look again before anything moves.
    auto looking = runState(app);
    const RunState running = co_await looking;
    if (!self || busy_ || running != RunState::none) co_return;
    assign(busy_, true, &UninstallModel::busyChanged);

    std::vector<Path> urls = pickedURLs(app);
    if (only) {
        // Leftovers a late weighing added were never listed to the user; items
        // gone or unticked since are not asked for either.
        std::set<std::string> listed;
        for (const Path& each : *only) listed.insert(key(each));
        std::erase_if(urls, [&](const Path& each) { return listed.count(key(each)) == 0; });
    }
    auto moving = QtConcurrent::run(pool_, [engine = engine_, urls, app] {
        AfterMove after;
        after.outcome = engine.trash(urls, app.url);
        after.bundleGone = !engine.exists(app.url);
        for (const Leftover& leftover : app.leftovers)
            if (!engine.exists(leftover.url)) after.goneLeftovers.insert(key(leftover.url));
        return after;
    });
    const AfterMove after = co_await moving;
    if (!self) co_return;
    assign(busy_, false, &UninstallModel::busyChanged);
    const bool appAsked =
        std::any_of(urls.begin(), urls.end(), [&](const Path& each) { return key(each) == key(app.url); });
    setLastResult(Result{.name = app.name,
                         .bytes = after.outcome.trashed,
                         .failed = int(after.outcome.failed.size()),
                         .inTrash = after.outcome.inTrash,
                         .appStayed = appAsked && !after.bundleGone});

    auto listed = std::find_if(apps_.begin(), apps_.end(),
                               [&](const InstalledApp& each) { return key(each.url) == key(app.url); });
    if (listed != apps_.end()) {
        if (after.bundleGone) {
            apps_.erase(listed);
            setSelectedID(std::nullopt);
        } else {
            // The bundle stayed (not ticked, or its move failed): only the
            // leftovers that went drop out; its own size stays as measured.
            std::erase_if(listed->leftovers,
                          [&](const Leftover& leftover) { return after.goneLeftovers.count(key(leftover.url)) > 0; });
        }
        emit appsChanged();
    }
    if (picked_.erase(key(app.url))) emit pickedChanged();
}

QCoro::Task<int64_t> UninstallModel::purge(std::vector<platform::TrashedItem> items) {
    // The same items asked for twice (the confirmation answered twice) are
    // deleted once: two workers on one tree would each count what it freed.
    if (std::any_of(items.begin(), items.end(),
                    [this](const platform::TrashedItem& item) { return purging_.count(key(item.path)) > 0; }))
        co_return 0;
    QPointer<UninstallModel> self(this);
    const auto count = qlonglong(items.size());
    const std::vector<platform::TrashedItem> purged = items;
    for (const platform::TrashedItem& item : purged) purging_.insert(key(item.path));
    auto purging =
        QtConcurrent::run(pool_, [purgeItems = engine_.purge, items = std::move(items)] { return purgeItems(items); });
    const int64_t freed = co_await purging;
    qCInfo(uninstallLog, "purged %lld item(s) from Trash, freed %lld bytes", count, qlonglong(freed));
    if (!self) co_return freed;
    for (const platform::TrashedItem& item : purged) purging_.erase(key(item.path));
    // The result these items came from is done with; a newer uninstall's,
    // with its own failures and items to purge, stays.
    if (lastResult_ && lastResult_->inTrash == purged) setLastResult(std::nullopt);
    if (onSpaceChanged) onSpaceChanged();
    co_return freed;
}

void UninstallModel::quit(const InstalledApp& app) {
    if (!engine_.quit) return;
    // Runs on its own; the detail pane's poll shows when it is done.
    [](std::function<QCoro::Task<>(InstalledApp)> quitApp, InstalledApp which) -> QCoro::Task<> {
        auto task = quitApp(std::move(which));  // named: see platform/Async.h
        co_await task;
    }(engine_.quit, app);
}

}  // namespace sorbeta
