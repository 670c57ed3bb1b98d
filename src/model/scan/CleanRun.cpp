#include "model/scan/CleanRun.h"

#include <QCoreApplication>
#include <QLocale>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include <qcoro/qcorofuture.h>

#include "model/catalog/LinuxCatalog.h"
#include "model/common/WorkPool.h"
#include "model/disk/Measure.h"
#include "model/disk/Removal.h"
#include "model/disk/Targets.h"
#include "model/holding/HoldingArea.h"
#include "model/scan/AppModel.h"
#include "platform/Async.h"
#include "platform/ProcessPlaces.h"
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
    const std::vector<std::string> ids = LinuxCatalog::guardIdentities(rule);
    return std::any_of(ids.begin(), ids.end(),
                       [&](const std::string& id) { return running.count(lowered(id).toStdString()) > 0; });
}

// Keeps the project artifacts in which a running program holds something (a
// server started from a .venv, a tool run out of node_modules): removed, they
// would pull its files out from under it. Each one kept counts as an item
// that did not go. `inUse` is read at the first artifact met.
void spareArtifactsInUse(std::vector<DiskScanner::TargetGroup>& groups, const ModelEnvironment& environment,
                         std::optional<std::vector<std::filesystem::path>>& inUse, int& stayed) {
    if (!environment.placesInUse) return;
    for (DiskScanner::TargetGroup& group : groups) {
        if (group.paths.empty()) continue;
        if (!inUse) inUse = environment.placesInUse();
        stayed += int(std::erase_if(
            group.paths, [&](const std::filesystem::path& artifact) { return platform::anyLiesIn(*inUse, artifact); }));
    }
}

// The dialog that asks about the applications that still run.
CandyDialog busyAppsDialog(const std::vector<platform::RunningAppPtr>& busy, const QStringList& blocked,
                           bool allBlocked, CandyDialog::Host host) {
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
    dialog.choices.push_back({sorbeta::tr("退出并清理"), Flavor::strawberry, true, false});
    if (allBlocked) {
        dialog.choices.push_back({sorbeta::tr("先不清理"), Flavor::cloud, false, true});
    } else {
        dialog.choices.push_back({sorbeta::tr("跳过这几项"), Flavor::grape, false, false});
        dialog.choices.push_back({sorbeta::tr("取消"), Flavor::cloud, false, true});
    }
    return dialog;
}

}  // namespace

int64_t CleanRun::Result::freedBy(const std::string& ruleID) const {
    const auto found = freedByRule.find(ruleID);
    return found == freedByRule.end() ? 0 : found->second;
}

CleanRun::CleanRun(AppModel& model, ModelEnvironment environment)
    : model_(&model), environment_(std::move(environment)) {}

bool CleanRun::isProcessRunning(const QString& name, const platform::Places& places) {
    platform::ProcessOptions options;
    options.environment = platform::toolEnvironment(places.home);
    options.timeLimit = kProbeTimeLimit;
    const platform::ProcessResult result = platform::runProcess("/usr/bin/pgrep", {"-f", name.toStdString()}, options);
    if (!result.started || result.timedOut) return true;
    return result.signal == 0 && result.exitCode == 0;
}

QCoro::Task<CleanRun::Result> CleanRun::clean(std::vector<CleanSpec> rules, std::shared_ptr<HoldingArea> holdIn,
                                              std::function<void(int, QString)> progress,
                                              ModelEnvironment environment) {
    std::vector<CleanItem> items;
    for (CleanSpec& rule : rules) items.push_back(CleanItem{std::move(rule), 0, {}});
    return cleanItems(std::move(items), false, std::move(holdIn), std::move(progress), std::move(environment));
}

QCoro::Task<CleanRun::Result> CleanRun::cleanListed(std::vector<CleanItem> items, std::shared_ptr<HoldingArea> holdIn,
                                                    std::function<void(int, QString)> progress,
                                                    ModelEnvironment environment) {
    return cleanItems(std::move(items), true, std::move(holdIn), std::move(progress), std::move(environment));
}

QCoro::Task<CleanRun::Result> CleanRun::cleanItems(std::vector<CleanItem> items, bool onlyListed,
                                                   std::shared_ptr<HoldingArea> holdIn,
                                                   std::function<void(int, QString)> progress,
                                                   ModelEnvironment environment) {
    // One worker, rule after rule: the holding writer is used by this task only.
    auto body = [items = std::move(items), onlyListed, holdIn = std::move(holdIn), progress = std::move(progress),
                 environment = std::move(environment)]() -> Result {
        const std::set<std::string> running =
            environment.apps ? runningIdentifiers(*environment.apps) : std::set<std::string>{};
        const auto processRunning = environment.isProcessRunning
                                        ? environment.isProcessRunning
                                        : std::function<bool(const QString&)>([&environment](const QString& name) {
                                              return isProcessRunning(name, environment.places);
                                          });
        std::unique_ptr<HoldingWriter> writer = holdIn ? holdIn->makeWriter() : nullptr;
        std::optional<std::vector<std::filesystem::path>> inUse;
        Result result;
        QStringList cleanedNames;
        for (std::size_t position = 0; position < items.size(); ++position) {
            const CleanSpec& rule = items[position].spec;
            if (progress) progress(int(position), rule.name);
            const std::vector<std::string> processes = LinuxCatalog::guardProcesses(rule);
            const bool busy = guardedByRunningApp(rule, running) ||
                              std::any_of(processes.begin(), processes.end(), [&](const std::string& name) {
                                  return processRunning(QString::fromStdString(name));
                              });
            if (busy) {
                result.skipped << rule.name;
                continue;
            }
            // Found again, so that what runs or became too new by now is spared.
            auto groups = DiskScanner::targetGroups(rule, rule.skipRunningAppDirs ? running : std::set<std::string>{},
                                                    environment.places, environment.git);
            if (onlyListed) {
                // The patterns may meet more by now than the list showed the user.
                const std::set<std::filesystem::path> listed(items[position].urls.begin(), items[position].urls.end());
                for (DiskScanner::TargetGroup& group : groups)
                    std::erase_if(group.paths, [&](const std::filesystem::path& path) { return !listed.count(path); });
            }
            if (rule.source == CleanSpec::Source::projectArtifacts)
                spareArtifactsInUse(groups, environment, inUse, result.failed);
            int64_t& ruleFreed = result.freedByRule[rule.id];
            const std::optional<DiskScanner::ListedEntries>& entries = items[position].entries;
            for (const DiskScanner::TargetGroup& group : groups) {
                const int64_t freed =
                    DiskScanner::clean(group.paths, rule.removeRoots, group.allowUserFolders, writer.get(),
                                       environment.places, onlyListed && entries ? &*entries : nullptr, &result.failed);
                ruleFreed += freed;
                result.freed += freed;
            }
            // The batch is named after what it holds.
            if (ruleFreed > 0) cleanedNames << rule.name;
        }
        if (holdIn && writer)
            result.batch =
                holdIn->commit(*writer, QLocale().createSeparatedList(cleanedNames), QDateTime::currentDateTimeUtc());
        return result;
    };
    QFuture<Result> work = QtConcurrent::run(workPool(), std::move(body));
    Result result = co_await work;
    co_return result;
}

std::vector<CleanItem> CleanRun::stillListed(const std::set<std::string>& confirmed) const {
    std::vector<CleanItem> chosen;
    for (const CleanItem& item : model_->items())
        if (confirmed.count(item.spec.id)) chosen.push_back(item);
    return chosen;
}

QCoro::Task<> CleanRun::run(CandyDialog::Host host, std::set<std::string> confirmed, bool holdCleaned) {
    if (!model_ || !model_->phase().isIdle()) co_return;
    std::vector<CleanSpec> rules;
    for (const CleanItem& item : stillListed(confirmed)) rules.push_back(item.spec);
    if (rules.empty()) co_return;
    const uint64_t confirmedList = model_->itemsVersion_;

    QCoro::Task<std::optional<std::set<std::string>>> asking =
        askAboutBusyApps(rules, host);  // named: see platform/Async.h
    const std::optional<std::set<std::string>> declined = co_await asking;
    if (!model_ || !declined) co_return;
    // While the dialog was open a scan or an automatic clean may have
    // started: then this clean does not go on, so that two runs never change
    // the lists at once. The ticks stay for the user to try again.
    if (!model_->phase().isIdle()) co_return;
    // Or one may have ended and put a new list in place of the one the user
    // confirmed: what it holds now was never confirmed, so nothing goes.
    if (model_->itemsVersion_ != confirmedList) co_return;

    // Exactly what was confirmed and is still listed.
    const std::vector<CleanItem> chosen = stillListed(confirmed);
    if (chosen.empty()) co_return;
    std::vector<CleanItem> toClean;
    for (const CleanItem& item : chosen)
        if (!declined->count(item.spec.id)) toClean.push_back(item);

    AppModel& model = *model_;
    model.setPhase(Phase::cleaning());
    const int64_t freeBefore = model.freeBytes() + (model.heldBytes ? model.heldBytes() : 0);
    const int total = int(toClean.size());
    if (!toClean.empty()) model.setCleanProgress(CleanProgress{0, total, toClean.front().spec.name});

    // Called on the worker: only schedules the update, dropped once the model is gone.
    auto progress = [self = model_, total](int position, QString name) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, position, total, name = std::move(name)] {
                if (self && self->cleanProgress()) self->setCleanProgress(CleanProgress{position, total, name});
            },
            Qt::QueuedConnection);
    };
    Result result;
    if (!toClean.empty()) {
        QCoro::Task<Result> cleaning = cleanListed(std::move(toClean), holdCleaned ? environment_.holding : nullptr,
                                                   std::move(progress), environment_);
        result = co_await cleaning;
        if (!model_) co_return;
    }
    // The declined rules join those the worker spared, in rule order.
    QStringList skipped;
    for (const CleanItem& item : chosen)
        if (declined->count(item.spec.id) || result.skipped.contains(item.spec.name)) skipped << item.spec.name;
    result.skipped = skipped;
    report(chosen, result, freeBefore);

    model_->refreshFreeSoon();
    QCoro::Task<> rescan = model_->scan();
    co_await rescan;
}

// The model after the clean: the report, the ticks cleared, the batch, the
// cleaned rules gone from the list, the skipped names and the freed bytes.
void CleanRun::report(const std::vector<CleanItem>& chosen, const Result& result, int64_t freeBefore) {
    AppModel& model = *model_;
    model.setCleanProgress(std::nullopt);

    std::vector<CleanItem> cleaned;
    for (const CleanItem& item : chosen)
        if (!result.skipped.contains(item.spec.name)) cleaned.push_back(item);
    // The report lists what each rule freed, not what the scan had found: a
    // rule whose files would not go, or were gone already, is left out.
    std::vector<CleanItem> freed;
    for (const CleanItem& item : cleaned) {
        const int64_t bytes = result.freedBy(item.spec.id);
        if (bytes < 1) continue;
        freed.push_back(item);
        freed.back().bytes = bytes;
    }
    // The last clean's toast goes first: this one's comes in its place even
    // when it freed just as much.
    model.setLastFreed(std::nullopt);
    if (result.freed >= 1 && !freed.empty())
        model.setLastReport(
            CleanReport{QDateTime::currentDateTimeUtc(), CleanReport::itemsFrom(freed), result.freed, freeBefore});
    else
        model.setLastReport(std::nullopt);

    model.setPhase(Phase::idle());
    model.setSelected({});
    model.setLastBatch(result.batch);
    if (model.onHeld) model.onHeld();

    std::set<std::string> cleanedIDs;
    for (const CleanItem& item : cleaned) cleanedIDs.insert(item.spec.id);
    std::vector<CleanItem> remaining;
    for (const CleanItem& item : model.items())
        if (!cleanedIDs.count(item.spec.id)) remaining.push_back(item);
    model.setItems(std::move(remaining));
    model.setLastSkipped(result.skipped);
    model.setLastFailed(result.failed);
    model.setLastFreed(result.freed);
}

QCoro::Task<std::optional<std::set<std::string>>> CleanRun::askAboutBusyApps(std::vector<CleanSpec> rules,
                                                                             CandyDialog::Host host) {
    // Reading the process table is file work: do it off the GUI thread.
    QFuture<std::vector<platform::RunningAppPtr>> listing = QtConcurrent::run(workPool(), [apps = environment_.apps] {
        return apps ? apps->list() : std::vector<platform::RunningAppPtr>{};
    });
    const std::vector<platform::RunningAppPtr> running = co_await listing;
    if (!model_) co_return std::nullopt;

    QStringList blocked;
    std::set<std::string> blockedIDs;
    std::vector<platform::RunningAppPtr> busy;
    for (const CleanSpec& rule : rules) {
        bool matched = false;
        const std::vector<std::string> guardIDs = LinuxCatalog::guardIdentities(rule);
        for (const platform::RunningAppPtr& app : running) {
            const QString id = app->identifier().toLower();
            const bool guards = std::any_of(guardIDs.begin(), guardIDs.end(), [&](const std::string& guard) {
                return !id.isEmpty() && lowered(guard) == id;
            });
            if (!guards) continue;
            matched = true;
            if (std::find(busy.begin(), busy.end(), app) == busy.end()) busy.push_back(app);
        }
        if (matched) {
            blocked << rule.name;
            blockedIDs.insert(rule.id);
        }
    }
    if (busy.empty()) co_return std::set<std::string>{};

    // With no one to ask, nothing is cleaned while applications run.
    if (!environment_.dialogs) co_return std::nullopt;
    const bool allBlocked = blocked.size() == qsizetype(rules.size());
    QCoro::Task<int> answer = environment_.dialogs->ask(busyAppsDialog(busy, blocked, allBlocked, host));
    const int index = co_await answer;
    if (!model_) co_return std::nullopt;
    if (index == 0) {
        QCoro::Task<bool> quitting = quitAndWait(std::move(busy));
        const bool goOn = co_await quitting;
        if (!goOn) co_return std::nullopt;
        co_return std::set<std::string>{};
    }
    if (index == 1 && !allBlocked) co_return blockedIDs;
    co_return std::nullopt;
}

// Asks the busy applications to quit and waits a while for them; whatever
// still runs afterwards is skipped by the clean.
QCoro::Task<bool> CleanRun::quitAndWait(std::vector<platform::RunningAppPtr> busy) {
    for (const platform::RunningAppPtr& app : busy) app->terminate();
    for (int check = 0; check < environment_.quitChecks; ++check) {
        if (std::all_of(busy.begin(), busy.end(),
                        [](const platform::RunningAppPtr& app) { return app->isTerminated(); }))
            co_return true;
        QCoro::Task<> pause = sleepFor(environment_.quitInterval);
        co_await pause;
        if (!model_) co_return false;
    }
    co_return true;
}

}  // namespace sorbeta
