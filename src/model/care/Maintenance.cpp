#include "model/care/Maintenance.h"

#include <QLocale>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <set>

#include <qcoro/qcorofuture.h>

#include "model/catalog/Catalog.h"
#include "model/common/Bytes.h"
#include "model/common/WorkPool.h"
#include "model/dialog/CandyDialog.h"
#include "model/disk/Targets.h"
#include "model/history/HistoryModel.h"
#include "model/holding/HoldingModel.h"
#include "model/scan/AppModel.h"
#include "model/shell/AppMode.h"
#include "model/status/SystemProbe.h"
#include "platform/Autostart.h"
#include "platform/BootTimer.h"
#include "platform/Notifications.h"
#include "platform/Translate.h"

namespace sorbeta {
namespace {

platform::Defaults appDefaults(const platform::Places& places) {
    return platform::Defaults(QString::fromLatin1(platform::Defaults::appDomain), places.configHome);
}

// The enabled rules, each catalog id once (the first wins), and only those
// that name a safe catalog row: nothing else is ever cleaned unasked.
struct Plan {
    std::vector<AutoRule> enabled;
    std::vector<CleanSpec> specs;
};

Plan planFor(const std::vector<AutoRule>& rules) {
    Plan plan;
    std::set<std::string> seen;
    for (const AutoRule& rule : rules) {
        if (!rule.enabled || !seen.insert(rule.itemID).second) continue;
        const CleanSpec* spec = Catalog::cleanable(rule.itemID);
        if (!spec || spec->safety != Safety::safe) continue;
        plan.enabled.push_back(rule);
        plan.specs.push_back(*spec);
    }
    return plan;
}

}  // namespace

Maintenance::Environment Maintenance::Environment::system(const platform::Places& places) {
    Environment environment;
    environment.places = places;
    environment.historyVisible = isVisible(AppMode::history);
    return environment;
}

Maintenance::Maintenance(AppModel& model, HistoryModel& history, Environment environment, QObject* parent)
    : QObject(parent), model_(&model), history_(&history), environment_(std::move(environment)) {
    settings_ = CareSettings::load(appDefaults(environment_.places));
}

Maintenance::~Maintenance() = default;

void Maintenance::setSettings(CareSettings settings) {
    if (settings == settings_) return;
    settings_ = std::move(settings);
    platform::Defaults defaults = appDefaults(environment_.places);
    settings_.save(defaults);
    emit settingsChanged();
}

RuleBinding Maintenance::ruleBinding(const std::string& itemID) {
    QPointer<Maintenance> self(this);
    RuleBinding binding;
    binding.get = [self, itemID] {
        if (self)
            for (const AutoRule& rule : self->settings_.rules)
                if (rule.itemID == itemID) return rule;
        return AutoRule{itemID, false, 0};
    };
    binding.set = [self, itemID](const AutoRule& changed) {
        if (!self) return;
        CareSettings next = self->settings_;
        for (AutoRule& rule : next.rules)
            if (rule.itemID == itemID) {
                rule = changed;
                rule.itemID = itemID;
                self->setSettings(std::move(next));
                return;
            }
    };
    return binding;
}

void Maintenance::setLastAutoClean(std::optional<AutoClean> value) {
    if (value == lastAutoClean_) return;
    lastAutoClean_ = std::move(value);
    emit lastAutoCleanChanged();
}

HoldingModel* Maintenance::holding() const { return holding_; }

void Maintenance::setHolding(HoldingModel* holding) {
    if (holding == holding_) return;
    holding_ = holding;
    emit holdingChanged();
}

bool Maintenance::launchAtLogin() const { return platform::Autostart::isEnabled(environment_.places); }

void Maintenance::setLaunchAtLogin(bool on) {
    if (on)
        platform::Autostart::enable(environment_.places, environment_.program.isEmpty()
                                                             ? platform::Autostart::ownProgram()
                                                             : environment_.program);
    else
        platform::Autostart::disable(environment_.places);
    emit launchAtLoginChanged();
}

int Maintenance::enabledRuleCount() const {
    return int(std::count_if(settings_.rules.begin(), settings_.rules.end(),
                             [](const AutoRule& rule) { return rule.enabled; }));
}

void Maintenance::setQuestionOnScreen(std::function<bool()> onScreen) { questionOnScreen_ = std::move(onScreen); }

bool Maintenance::userIsAsked() const {
    if (questionOnScreen_) return questionOnScreen_();
    const CandyDialogCenter* dialogs = model_ ? model_->environment().dialogs : nullptr;
    return dialogs && dialogs->isShowing();
}

// ----- the loop

void Maintenance::start() {
    if (started_) return;
    started_ = true;
    arm(kFirstDelay);
}

void Maintenance::arm(std::chrono::seconds delay) {
    if (environment_.schedule) {
        QPointer<Maintenance> self(this);
        environment_.schedule(delay, [self] {
            if (self) self->wake();
        });
        return;
    }
    auto* timer = qobject_cast<platform::BootTimer*>(timer_);
    if (!timer) {
        timer = new platform::BootTimer(this);
        connect(timer, &platform::BootTimer::timeout, this, &Maintenance::wake);
        timer_ = timer;
    }
    timer->start(delay);
}

void Maintenance::wake() { pass(); }

QCoro::Task<> Maintenance::pass() {
    QPointer<Maintenance> self(this);
    QCoro::Task<> ticking = tick(currentTime());  // named: see platform/Async.h
    co_await ticking;
    // The next pass counts from the end of this one.
    if (self) self->arm(kInterval);
}

QDateTime Maintenance::currentTime() const {
    return environment_.now ? environment_.now() : QDateTime::currentDateTimeUtc();
}

QCoro::Task<> Maintenance::tick(QDateTime now) {
    QPointer<Maintenance> self(this);
    const auto volumeRead = environment_.volume ? environment_.volume
                                                : std::function<DiskScanner::Volume()>([places = environment_.places] {
                                                      return DiskScanner::volume(places);
                                                  });
    QFuture<DiskScanner::Volume> reading = QtConcurrent::run(workPool(), volumeRead);
    const DiskScanner::Volume volume = co_await reading;
    if (!self) co_return;
    // A failed read (no capacity) says nothing about the disk: no figures, no alert.
    if (volume.total >= 1) {
        if (model_) {
            model_->setTotalBytes(volume.total);
            model_->setFreeBytes(volume.free);
        }
        alertLowSpace(now, volume.free);
    }

    if (settings_.memoryAlert) {
        QCoro::Task<> memory = alertMemory(now);
        co_await memory;
        if (!self) co_return;
    }

    QCoro::Task<> rules = runRules();
    co_await rules;
    if (!self) co_return;

    if (QPointer<HoldingModel> holding = holding_) {
        QCoro::Task<> expiry = holding->purgeExpired();
        co_await expiry;
        if (!self) co_return;
    }

    QCoro::Task<> snapshot = recordDailySnapshot(now);
    co_await snapshot;
}

// Whether an alert posted `last` must wait at `now`. A clock set back since
// makes the wait count from now, not from a time that may be far ahead.
bool Maintenance::alertMustWait(std::optional<QDateTime>& last, const QDateTime& now, qint64 spacing) {
    if (!last) return false;
    if (now < *last) last = now;
    return last->secsTo(now) < spacing;
}

void Maintenance::alertLowSpace(const QDateTime& now, int64_t freeBytes) {
    if (!settings_.lowSpaceAlert) return;
    if (!(settings_.lowSpaceGB * 1e9 > double(freeBytes))) return;
    if (alertMustWait(lastLowSpaceAlert_, now, kLowSpaceSpacingSeconds)) return;
    lastLowSpaceAlert_ = now;
    notify(sorbeta::tr("磁盘快满了"),
           sorbeta::tr("只剩 %1 可用，打开冰沙看看哪些可以清理。").arg(Bytes::text(freeBytes)));
}

QCoro::Task<> Maintenance::alertMemory(QDateTime now) {
    QPointer<Maintenance> self(this);
    const auto memoryRead =
        environment_.memory ? environment_.memory : std::function<MemoryBreakdown()>(&SystemProbe::memory);
    QFuture<MemoryBreakdown> reading = QtConcurrent::run(workPool(), memoryRead);
    const MemoryBreakdown memory = co_await reading;
    if (!self) co_return;
    if (memory.pressure < kCriticalPressure) co_return;
    if (alertMustWait(lastMemoryAlert_, now, kMemorySpacingSeconds)) co_return;
    lastMemoryAlert_ = now;
    notify(sorbeta::tr("内存很紧张"), sorbeta::tr("关掉几个不用的应用，或者在冰沙里释放内存。"));
}

QCoro::Task<> Maintenance::runRules() {
    QPointer<Maintenance> self(this);
    QPointer<AppModel> model = model_;
    if (!model) co_return;
    const Plan plan = planFor(settings_.rules);
    if (plan.enabled.empty()) co_return;
    if (!model->phase().isIdle() || userIsAsked()) co_return;

    // Running applications spare nothing here: the sizes decide, the clean
    // itself skips what a running application guards.
    const platform::Places places = model->environment().places;
    const ProjectArtifacts::Git git = model->environment().git;
    QFuture<std::map<std::string, int64_t>> measuring =
        QtConcurrent::run(workPool(), [specs = plan.specs, places, git] {
            std::map<std::string, int64_t> sizes;
            for (const CleanSpec& spec : specs)
                sizes[spec.id] = DiskScanner::size(DiskScanner::cleanableTargets(spec, {}, places, git));
            return sizes;
        });
    const std::map<std::string, int64_t> sizes = co_await measuring;
    if (!self || !model) co_return;

    // A scan or a manual clean may have started while the sizes were
    // measured, or a question come up: this pass then leaves the model to it.
    if (!model->phase().isIdle() || userIsAsked()) co_return;

    // Measuring can take minutes, and the user may have switched a rule off
    // or raised its threshold meanwhile; automatic cleaning deletes outright,
    // so what is due comes from the settings as they are now. A rule switched
    // on meanwhile was not measured and waits for the next pass.
    const Plan current = planFor(settings_.rules);
    std::vector<AutoRule> measured;
    for (const AutoRule& rule : current.enabled)
        if (sizes.count(rule.itemID)) measured.push_back(rule);
    const std::vector<AutoRule> due = CareMath::due(measured, sizes);
    if (due.empty()) co_return;
    std::set<std::string> dueIDs;
    for (const AutoRule& rule : due) dueIDs.insert(rule.itemID);
    std::vector<CleanSpec> toClean;
    for (const CleanSpec& spec : current.specs)
        if (dueIDs.count(spec.id)) toClean.push_back(spec);

    model->setPhase(Phase::cleaning());
    QCoro::Task<CleanRun::Result> cleaning = model->clean(toClean);
    const CleanRun::Result result = co_await cleaning;
    if (!model) co_return;
    model->setPhase(Phase::idle());
    if (!self || result.freed <= 0) co_return;

    // Only the rules that freed something: not those skipped, nor those
    // whose files would not go.
    QStringList names;
    for (const CleanSpec& spec : toClean)
        if (result.freedBy(spec.id) >= 1) names << spec.name;
    setLastAutoClean(AutoClean{currentTime(), result.freed, names});
    // Items that would not go are told, as on the clean page: a pass that
    // freed something yet left some behind is no plain success.
    QString body = QLocale().createSeparatedList(names);
    if (result.failed >= 1) body += u'\n' + sorbeta::tr("有 %n 项没能清理掉，还在原处", nullptr, result.failed);
    notify(sorbeta::tr("自动清理了 %1").arg(Bytes::text(result.freed)), body);
    if (model->hasScanned()) {
        QCoro::Task<> rescan = model->scan();
        co_await rescan;
        if (!model) co_return;
    }
    model->refreshFreeSoon();
}

QCoro::Task<> Maintenance::recordDailySnapshot(QDateTime now) {
    QPointer<AppModel> model = model_;
    if (!settings_.dailySnapshot || !environment_.historyVisible || !model || !history_) co_return;
    if (!model->phase().isIdle()) co_return;
    const std::vector<DiskSnapshot>& snapshots = history_->snapshots();
    const QTimeZone zone = history_->zone();
    // Any snapshot of today, not only the latest: after the clock was set
    // back, a snapshot dated ahead stays the latest, and looking at it alone
    // would start a whole scan on every pass.
    const QDate today = now.toTimeZone(zone).date();
    if (std::any_of(snapshots.begin(), snapshots.end(),
                    [&](const DiskSnapshot& s) { return s.date.toTimeZone(zone).date() == today; }))
        co_return;
    QCoro::Task<> scanning = model->scan();
    co_await scanning;
}

void Maintenance::notify(const QString& title, const QString& body) {
    if (environment_.notify)
        environment_.notify(title, body);
    else
        platform::postNotification(title, body);
}

}  // namespace sorbeta
