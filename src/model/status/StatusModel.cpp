#include "model/status/StatusModel.h"

#include <qcoro/qcorofuture.h>
#include <QPointer>
#include <QSysInfo>
#include <QtConcurrent/QtConcurrent>
#include <algorithm>
#include <utility>

#include "model/status/SystemProbe.h"
#include "platform/Translate.h"

namespace sorbeta {

StatusModel::Sources StatusModel::Sources::system() {
    Sources sources;
    sources.memory = [] { return SystemProbe::memory(); };
    sources.cpuTicks = [] { return SystemProbe::cpuTicks(); };
    sources.loadAverage = [] { return platform::loadAverage(); };
    sources.battery = [] { return SystemProbe::battery(); };
    sources.memoryHogs = [](int limit) { return SystemProbe::memoryHogs(limit); };
    sources.hardware = [] { return SystemProbe::hardware(); };
    sources.purge = [] { return PurgeCommand::run(); };
    sources.quit = [](const MemoryHog& hog) { SystemProbe::quit(hog); };
    sources.osVersion = QSysInfo::prettyProductName();
    sources.hogsOnWorker = true;
    return sources;
}

StatusModel::StatusModel(QObject* parent) : StatusModel(Sources::system(), parent) {}

StatusModel::StatusModel(Sources sources, QObject* parent)
    : QObject(parent), sources_(std::move(sources)), model_(sorbeta::tr("Mac")), osVersion_(sources_.osVersion) {
    sampleTimer_.setInterval(kSampleMilliseconds);
    sampleTimer_.setTimerType(Qt::PreciseTimer);
    connect(&sampleTimer_, &QTimer::timeout, this, &StatusModel::refresh);
    // The hardware read, the purge (which may wait long on the password
    // prompt) and the memory users list each have a worker.
    ownPool_.setMaxThreadCount(3);
    connect(&hogsWatcher_, &QFutureWatcher<std::vector<MemoryHog>>::finished, this, [this] {
        assign(hogs_, hogsWatcher_.result(), &StatusModel::hogsChanged);
        if (std::exchange(hogsAgain_, false)) listHogs();
    });
}

StatusModel::~StatusModel() = default;

template <typename T>
void StatusModel::assign(T& field, T value, void (StatusModel::*changed)()) {
    if (field == value) return;
    field = std::move(value);
    emit(this->*changed)();
}

void StatusModel::setLastFreed(std::optional<int64_t> bytes) {
    assign(lastFreed_, bytes, &StatusModel::lastFreedChanged);
}

QCoro::Task<> StatusModel::run() {
    const int generation = ++generation_;
    if (!started_) {
        started_ = true;
        QPointer<StatusModel> self(this);
        auto hardware = sources_.hardware;
        // Named future: see platform/Async.h.
        auto future = QtConcurrent::run(&ownPool_, [hardware] { return hardware(); });
        const HardwareNames names = co_await future;
        if (!self) co_return;
        assign(model_, names.model, &StatusModel::modelChanged);
        assign(chip_, names.chip, &StatusModel::chipChanged);
    }
    // Stopped (or run again) while the names were read.
    if (generation != generation_) co_return;
    refresh();
    sampleTimer_.start();
}

void StatusModel::stop() {
    ++generation_;
    sampleTimer_.stop();
}

void StatusModel::refresh() {
    assign(memory_, sources_.memory(), &StatusModel::memoryChanged);

    // Counters that went backwards (a reset) or did not move give no share.
    // No counters at all (the file could not be read) are no sample: taken
    // as the next baseline, they would make the next share the average
    // since boot.
    const platform::CpuTicks ticks = sources_.cpuTicks();
    if (ticks.total > 0) {
        if (lastTicks_ && ticks.total > lastTicks_->total && ticks.busy >= lastTicks_->busy) {
            const double share = double(ticks.busy - lastTicks_->busy) / double(ticks.total - lastTicks_->total);
            assign(cpu_, std::clamp(share, 0.0, 1.0), &StatusModel::cpuChanged);
        }
        lastTicks_ = ticks;
    }

    if (const auto load = sources_.loadAverage()) assign(load_, *load, &StatusModel::loadChanged);
    assign(battery_, sources_.battery(), &StatusModel::batteryChanged);
    if (sources_.hogsOnWorker)
        listHogs();
    else
        assign(hogs_, sources_.memoryHogs(kHogLimit), &StatusModel::hogsChanged);
}

void StatusModel::listHogs() {
    // One list at a time; a sample asked meanwhile gets a fresh one after it.
    if (hogsWatcher_.isRunning()) {
        hogsAgain_ = true;
        return;
    }
    auto list = sources_.memoryHogs;
    hogsWatcher_.setFuture(QtConcurrent::run(&ownPool_, [list] { return list(kHogLimit); }));
}

QCoro::Task<> StatusModel::purge() {
    if (purging_) co_return;
    assign(purging_, true, &StatusModel::purgingChanged);
    assign(purgeError_, std::optional<QString>(), &StatusModel::purgeErrorChanged);
    const int64_t freeBefore = sources_.memory().free;

    QPointer<StatusModel> self(this);
    auto command = sources_.purge;
    auto future = QtConcurrent::run(&ownPool_, [command] { return command(); });
    const PurgeCommand::Outcome outcome = co_await future;
    if (!self) co_return;

    assign(purging_, false, &StatusModel::purgingChanged);
    refresh();
    if (!outcome)
        setLastFreed(std::max<int64_t>(0, memory_.free - freeBefore));
    else if (!outcome->isEmpty())
        assign(purgeError_, outcome, &StatusModel::purgeErrorChanged);
}

void StatusModel::quit(const MemoryHog& hog) {
    if (sources_.quit) sources_.quit(hog);
    QPointer<StatusModel> self(this);
    auto later = [self] {
        if (self) self->refresh();
    };
    if (sources_.schedule)
        sources_.schedule(kQuitRefreshMilliseconds, later);
    else
        QTimer::singleShot(kQuitRefreshMilliseconds, this, later);
}

}  // namespace sorbeta
