// The manual clean: the busy-applications question, the removal of the
// chosen rules on one worker thread, the report, and the free-space refresh.
#include <QCoreApplication>
#include <QLocale>
#include <QThreadPool>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include <qcoro/qcorofuture.h>

#include "model/scan/AppModel.h"
#include "model/disk/Removal.h"
#include "model/disk/Measure.h"
#include "model/disk/Targets.h"
#include "model/holding/HoldingArea.h"
#include "platform/Async.h"
#include "platform/ProcessRunner.h"
#include "platform/Translate.h"

namespace sorbeta {

namespace {

// A process probe that has not answered by then counts as a running process.
constexpr std::chrono::seconds kProbeTimeLimit{10};

QString lowered(const std::string& text) { return QString::fromStdString(text).toLower(); }

std::set<std::string> runningIdentifiers(const platform::RunningApps& apps) {
    std::set<std::string> ids;
    for (const platform::RunningAppPtr& app : apps.list()) {
        const QString id = app->identifier();
        if (!id.isEmpty()) ids.insert(id.toLower().toStdString());
    }
    return ids;
}

bool guardedByRunningApp(const CleanSpec& rule, const std::set<std::string>& running) {
    return std::any_of(rule.guardBundleIDs.begin(), rule.guardBundleIDs.end(),
                       [&](const std::string& id) { return running.count(lowered(id).toStdString()) > 0; });
}

}  // namespace

bool AppModel::isProcessRunning(const QString& name, const platform::Places& places) {
    platform::ProcessOptions options;
    options.environment = platform::toolEnvironment(places.home);
    options.timeLimit = kProbeTimeLimit;
    const platform::ProcessResult result =
        platform::runProcess("/usr/bin/pgrep", {"-f", name.toStdString()}, options);
    if (!result.started || result.timedOut) return true;
    return result.signal == 0 && result.exitCode == 0;
}

QCoro::Task<AppModel::CleanResult> AppModel::clean(std::vector<CleanSpec> rules, std::shared_ptr<HoldingArea> holdIn,
                                                   std::function<void(int, QString)> progress,
                                                   ModelEnvironment environment) {
    // One worker, rule after rule: the holding writer is used by this task only.
    auto body = [rules = std::move(rules), holdIn = std::move(holdIn), progress = std::move(progress),
                 environment = std::move(environment)]() -> CleanResult {
        const std::set<std::string> running =
            environment.apps ? runningIdentifiers(*environment.apps) : std::set<std::string>{};
        const auto processRunning =
            environment.isProcessRunning
                ? environment.isProcessRunning
                : std::function<bool(const QString&)>(
                      [&environment](const QString& name) { return isProcessRunning(name, environment.places); });
        std::unique_ptr<HoldingWriter> writer = holdIn ? holdIn->makeWriter() : nullptr;
        CleanResult result;
        QStringList cleanedNames;
        for (std::size_t position = 0; position < rules.size(); ++position) {
            const CleanSpec& rule = rules[position];
            if (progress) progress(int(position), rule.name);
            const bool busy =
                guardedByRunningApp(rule, running) ||
                std::any_of(rule.guardProcesses.begin(), rule.guardProcesses.end(),
                            [&](const std::string& name) { return processRunning(QString::fromStdString(name)); });
            if (busy) {
                result.skipped << rule.name;
                continue;
            }
            const auto targets = DiskScanner::targets(rule, rule.skipRunningAppDirs ? running : std::set<std::string>{},
                                                      environment.places, environment.git);
            result.freed +=
                DiskScanner::clean(targets, rule.removeRoots, rule.allowUserFolders, writer.get(), environment.places);
            cleanedNames << rule.name;
        }
        if (holdIn && writer)
            result.batch = holdIn->commit(*writer, QLocale().createSeparatedList(cleanedNames),
                                          QDateTime::currentDateTimeUtc());
        return result;
    };
    QFuture<CleanResult> work = QtConcurrent::run(QThreadPool::globalInstance(), std::move(body));
    CleanResult result = co_await work;
    co_return result;
}

QCoro::Task<> AppModel::cleanSelected(CandyDialog::Host host) {
    return cleanSelected(host, selected_);
}

QCoro::Task<> AppModel::cleanSelected(CandyDialog::Host host, std::set<std::string> confirmed) {
    if (!phase_.isIdle()) co_return;
    auto chosenItems = [this, &confirmed] {
        std::vector<CleanItem> chosen;
        for (const CleanItem& item : items_)
            if (confirmed.count(item.spec.id)) chosen.push_back(item);
        return chosen;
    };
    std::vector<CleanSpec> rules;
    for (const CleanItem& item : chosenItems()) rules.push_back(item.spec);
    if (rules.empty()) co_return;

    QPointer<AppModel> self(this);
    // Awaited tasks are named: see platform/Async.h.
    QCoro::Task<bool> asking = askAboutBusyApps(rules, host);
    const bool goOn = co_await asking;
    if (!self || !goOn) co_return;
    // While the dialog was open a scan or an automatic clean may have
    // started: then this clean does not go on, so that two runs never change
    // the lists at once. The ticks stay for the user to try again.
    if (!phase_.isIdle()) co_return;

    // Exactly what was confirmed and is still listed.
    const std::vector<CleanItem> chosen = chosenItems();
    if (chosen.empty()) co_return;
    rules.clear();
    for (const CleanItem& item : chosen) rules.push_back(item.spec);

    setPhase(Phase::cleaning());
    const int64_t freeBefore = freeBytes_ + (heldBytes ? heldBytes() : 0);
    const bool hold = environment_.settings.holdCleaned();
    const int total = int(rules.size());
    setCleanProgress(CleanProgress{0, total, rules.front().name});

    // Called on the worker: only schedules the update, dropped once the model is gone.
    auto progress = [self, total](int position, QString name) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, position, total, name = std::move(name)] {
                if (self && self->cleanProgress_) self->setCleanProgress(CleanProgress{position, total, name});
            },
            Qt::QueuedConnection);
    };
    QCoro::Task<CleanResult> cleaning =
        clean(rules, hold ? HoldingArea::standard(environment_.places) : nullptr, std::move(progress), environment_);
    CleanResult result = co_await cleaning;
    if (!self) co_return;
    setCleanProgress(std::nullopt);

    std::vector<CleanItem> cleaned;
    for (const CleanItem& item : chosen)
        if (!result.skipped.contains(item.spec.name)) cleaned.push_back(item);
    if (result.freed >= 1 && !cleaned.empty())
        setLastReport(CleanReport{QDateTime::currentDateTimeUtc(), CleanReport::itemsFrom(cleaned), result.freed,
                                  freeBefore});
    else
        setLastReport(std::nullopt);

    setPhase(Phase::idle());
    setSelected({});
    setLastBatch(result.batch);
    if (onHeld) onHeld();

    std::set<std::string> cleanedIDs;
    for (const CleanItem& item : cleaned) cleanedIDs.insert(item.spec.id);
    std::vector<CleanItem> remaining;
    for (const CleanItem& item : items_)
        if (!cleanedIDs.count(item.spec.id)) remaining.push_back(item);
    setItems(std::move(remaining));
    setLastSkipped(result.skipped);
    setLastFreed(result.freed);

    refreshFreeSoon();
    QCoro::Task<> rescan = scan();
    co_await rescan;
}

QCoro::Task<bool> AppModel::askAboutBusyApps(std::vector<CleanSpec> rules, CandyDialog::Host host) {
    QPointer<AppModel> self(this);
    // Reading the process table is file work: do it off the GUI thread.
    QFuture<std::vector<platform::RunningAppPtr>> listing = QtConcurrent::run(
        QThreadPool::globalInstance(),
        [apps = environment_.apps] { return apps ? apps->list() : std::vector<platform::RunningAppPtr>{}; });
    const std::vector<platform::RunningAppPtr> running = co_await listing;
    if (!self) co_return false;

    QStringList blocked;
    std::vector<platform::RunningAppPtr> busy;
    for (const CleanSpec& rule : rules) {
        bool matched = false;
        for (const platform::RunningAppPtr& app : running) {
            const QString id = app->identifier().toLower();
            const bool guards = std::any_of(rule.guardBundleIDs.begin(), rule.guardBundleIDs.end(),
                                            [&](const std::string& guard) { return !id.isEmpty() && lowered(guard) == id; });
            if (!guards) continue;
            matched = true;
            if (std::find(busy.begin(), busy.end(), app) == busy.end()) busy.push_back(app);
        }
        if (matched) blocked << rule.name;
    }
    if (busy.empty()) co_return true;

    QStringList names;
    for (const platform::RunningAppPtr& app : busy) {
        QString name = app->name();
        if (name.isEmpty()) name = app->identifier();
        if (name.isEmpty()) name = QStringLiteral("?");
        names << name;
    }
    QStringList lines;
    for (const QString& name : blocked) lines << QStringLiteral("· ") + name;

    CandyDialog dialog;
    dialog.emoji = QStringLiteral("✋");
    dialog.title = sorbeta::tr("%1 还开着").arg(QLocale().createSeparatedList(names));
    dialog.message = sorbeta::tr("清理这几项需要先退出它们：\n%1\n\n退出前记得保存手头的东西。").arg(lines.join(u'\n'));
    dialog.host = host;
    const bool allBlocked = blocked.size() == qsizetype(rules.size());
    dialog.choices.push_back({sorbeta::tr("退出并清理"), Flavor::strawberry, true, false});
    if (allBlocked) {
        dialog.choices.push_back({sorbeta::tr("先不清理"), Flavor::cloud, false, true});
    } else {
        dialog.choices.push_back({sorbeta::tr("跳过这几项"), Flavor::grape, false, false});
        dialog.choices.push_back({sorbeta::tr("取消"), Flavor::cloud, false, true});
    }

    QCoro::Task<int> answer = CandyDialogCenter::shared().ask(std::move(dialog));
    const int index = co_await answer;
    if (!self) co_return false;
    if (index == 0) {
        for (const platform::RunningAppPtr& app : busy) app->terminate();
        const int checks = environment_.quitChecks;
        const auto interval = environment_.quitInterval;
        for (int check = 0; check < checks; ++check) {
            if (std::all_of(busy.begin(), busy.end(), [](const platform::RunningAppPtr& app) { return app->isTerminated(); }))
                co_return true;
            QCoro::Task<> pause = sleepFor(interval);
            co_await pause;
            if (!self) co_return false;
        }
        co_return true;  // what still runs is skipped by the clean
    }
    co_return index == 1 && !allBlocked;
}

void AppModel::refreshFreeSoon() {
    // Moving the generation on stops the running series at its next wake.
    refreshFree(++freeRefreshGeneration_);
}

QCoro::Task<> AppModel::refreshFree(uint64_t generation) {
    QPointer<AppModel> self(this);
    const std::vector<std::chrono::milliseconds> delays = environment_.freeRefreshDelays;
    for (const std::chrono::milliseconds delay : delays) {
        QCoro::Task<> pause = sleepFor(delay);
        co_await pause;
        if (!self || self->freeRefreshGeneration_ != generation) co_return;
        QFuture<DiskScanner::Volume> read = QtConcurrent::run(
            QThreadPool::globalInstance(), [places = environment_.places] { return DiskScanner::volume(places); });
        const DiskScanner::Volume volume = co_await read;
        if (!self || self->freeRefreshGeneration_ != generation || volume.total < 1) co_return;
        setFreeBytes(volume.free);
        setTotalBytes(volume.total);
    }
}

}  // namespace sorbeta
