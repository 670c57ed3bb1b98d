#pragma once
// The live system figures the status page, the tray panel and the main
// window's memory toast show. Samples every 2 seconds while sampling runs,
// gives file-cache memory back on request and looks again shortly after the
// user quits a memory-hungry application. Lives on the GUI thread; the slow
// hardware read and the privileged purge run on a worker.
#include <qcoro/qcorotask.h>
#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "model/status/PurgeCommand.h"
#include "model/status/StatusTypes.h"
#include "platform/SystemFigures.h"

namespace sorbeta {

class StatusModel final : public QObject {
    Q_OBJECT

public:
    // Where the figures come from; tests hand in their own.
    struct Sources {
        std::function<MemoryBreakdown()> memory;
        std::function<platform::CpuTicks()> cpuTicks;
        std::function<std::optional<double>()> loadAverage;
        std::function<std::optional<BatteryInfo>()> battery;
        std::function<std::vector<MemoryHog>(int limit)> memoryHogs;
        std::function<HardwareNames()> hardware;                                     // run on a worker
        std::function<PurgeCommand::Outcome()> purge;                                // run on a worker
        std::function<void(const MemoryHog&)> quit;                                  // the polite request
        std::function<void(int milliseconds, std::function<void()> task)> schedule;  // none: a timer
        QString osVersion;
        // memoryHogs walks every process: run it on a worker, its list
        // arriving a moment after the rest of the sample.
        bool hogsOnWorker = false;

        static Sources system();
    };

    static constexpr int kSampleMilliseconds = 2000;
    static constexpr int kQuitRefreshMilliseconds = 1500;
    static constexpr int kHogLimit = 6;

    explicit StatusModel(QObject* parent = nullptr);
    explicit StatusModel(Sources sources, QObject* parent = nullptr);
    ~StatusModel() override;

    const MemoryBreakdown& memory() const { return memory_; }
    double cpu() const { return cpu_; }
    double load() const { return load_; }
    const std::optional<BatteryInfo>& battery() const { return battery_; }
    const QString& model() const { return model_; }
    const QString& chip() const { return chip_; }
    const std::vector<MemoryHog>& hogs() const { return hogs_; }
    bool purging() const { return purging_; }
    const std::optional<int64_t>& lastFreed() const { return lastFreed_; }
    const std::optional<QString>& purgeError() const { return purgeError_; }
    const QString& osVersion() const { return osVersion_; }

    // The memory toast clears it when it closes.
    void setLastFreed(std::optional<int64_t> bytes);

    // Reads the hardware names the first time, then samples at once and every
    // 2 seconds until stop(). A later run() samples at once again.
    QCoro::Task<> run();
    void stop();
    bool sampling() const { return sampleTimer_.isActive(); }

    // One sample of everything but the hardware names.
    void refresh();
    // Gives file-cache memory back; a request while one runs is ignored.
    QCoro::Task<> purge();
    // Asks the application to quit and looks again 1.5 s later.
    void quit(const MemoryHog& hog);

signals:
    void memoryChanged();
    void cpuChanged();
    void loadChanged();
    void batteryChanged();
    void modelChanged();
    void chipChanged();
    void hogsChanged();
    void purgingChanged();
    void lastFreedChanged();
    void purgeErrorChanged();

private:
    void listHogs();

    template <typename T>
    void assign(T& field, T value, void (StatusModel::*changed)());

    Sources sources_;
    MemoryBreakdown memory_;
    double cpu_ = 0;
    double load_ = 0;
    std::optional<BatteryInfo> battery_;
    QString model_;
    QString chip_;
    std::vector<MemoryHog> hogs_;
    bool purging_ = false;
    std::optional<int64_t> lastFreed_;
    std::optional<QString> purgeError_;
    QString osVersion_;
    std::optional<platform::CpuTicks> lastTicks_;
    bool started_ = false;
    int generation_ = 0;
    QTimer sampleTimer_;
    QFutureWatcher<std::vector<MemoryHog>> hogsWatcher_;
    bool hogsAgain_ = false;  // a sample asked while the list was being made
    // Workers of its own: the purge may wait minutes on the password prompt
    // and must not hold up the shared pool. Declared last so it waits for
    // running work before the rest goes.
    QThreadPool ownPool_;
};

}  // namespace sorbeta
