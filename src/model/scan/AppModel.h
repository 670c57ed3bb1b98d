#pragma once
// The clean page's one model: the volume's figures, the measured categories,
// the rules worth cleaning, the user's ticks, what the engine is doing and
// what the last clean freed, skipped and held. Lives on the GUI thread. One
// scan is a ScanRun, one clean a CleanRun: they measure and remove on the
// worker pool and apply their results here as they arrive.
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <qcoro/qcorotask.h>

#include "model/dialog/CandyDialog.h"
#include "model/history/History.h"
#include "model/holding/HoldingManifest.h"
#include "model/scan/CleanReport.h"
#include "model/scan/CleanRun.h"
#include "model/scan/ModelEnvironment.h"
#include "model/scan/ScanTypes.h"

namespace sorbeta {

class AppModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint64 totalBytes READ totalBytes WRITE setTotalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(qint64 freeBytes READ freeBytes WRITE setFreeBytes NOTIFY freeBytesChanged)
    Q_PROPERTY(std::vector<sorbeta::CategoryResult> categories READ categories NOTIFY categoriesChanged)
    Q_PROPERTY(std::vector<sorbeta::CleanItem> items READ items NOTIFY itemsChanged)
    Q_PROPERTY(std::set<std::string> selected READ selected WRITE setSelected NOTIFY selectedChanged)
    Q_PROPERTY(sorbeta::Phase phase READ phase WRITE setPhase NOTIFY phaseChanged)
    Q_PROPERTY(std::optional<int64_t> lastFreed READ lastFreed WRITE setLastFreed NOTIFY lastFreedChanged)
    Q_PROPERTY(QStringList lastSkipped READ lastSkipped NOTIFY lastSkippedChanged)
    Q_PROPERTY(int lastFailed READ lastFailed NOTIFY lastFailedChanged)
    Q_PROPERTY(bool hasScanned READ hasScanned NOTIFY hasScannedChanged)
    Q_PROPERTY(bool scanComplete READ scanComplete NOTIFY scanCompleteChanged)
    Q_PROPERTY(std::optional<sorbeta::DiskSnapshot> lastSnapshot READ lastSnapshot NOTIFY lastSnapshotChanged)
    Q_PROPERTY(std::optional<sorbeta::HoldBatch> lastBatch READ lastBatch WRITE setLastBatch NOTIFY lastBatchChanged)
    Q_PROPERTY(std::optional<sorbeta::CleanProgress> cleanProgress READ cleanProgress NOTIFY cleanProgressChanged)
    Q_PROPERTY(int scanDone READ scanDone NOTIFY scanDoneChanged)
    Q_PROPERTY(int scanTotal READ scanTotal NOTIFY scanTotalChanged)
    Q_PROPERTY(std::optional<sorbeta::CleanReport> lastReport READ lastReport NOTIFY lastReportChanged)
    Q_PROPERTY(bool fullDisk READ fullDisk NOTIFY fullDiskChanged)

public:
    // A rule becomes a clean item from this many bytes on.
    static constexpr int64_t cleanItemThreshold = 1'000'000;
    // Sub-folders of a category from this size on go into the snapshot.
    static constexpr int64_t minPartBytes = 20'000'000;

    explicit AppModel(ModelEnvironment environment, QObject* parent = nullptr);
    ~AppModel() override;

    // ----- observed state
    int64_t totalBytes() const { return totalBytes_; }
    void setTotalBytes(int64_t value);
    int64_t freeBytes() const { return freeBytes_; }
    void setFreeBytes(int64_t value);
    const std::vector<CategoryResult>& categories() const { return categories_; }
    const std::vector<CleanItem>& items() const { return items_; }
    const std::set<std::string>& selected() const { return selected_; }
    void setSelected(std::set<std::string> value);
    const Phase& phase() const { return phase_; }
    void setPhase(Phase value);
    std::optional<int64_t> lastFreed() const { return lastFreed_; }
    void setLastFreed(std::optional<int64_t> value);
    const QStringList& lastSkipped() const { return lastSkipped_; }
    // How many items the last manual clean could not remove or hold.
    int lastFailed() const { return lastFailed_; }
    bool hasScanned() const { return hasScanned_; }
    bool scanComplete() const { return scanComplete_; }
    const std::optional<DiskSnapshot>& lastSnapshot() const { return lastSnapshot_; }
    const std::optional<HoldBatch>& lastBatch() const { return lastBatch_; }
    void setLastBatch(std::optional<HoldBatch> value);
    const std::optional<CleanProgress>& cleanProgress() const { return cleanProgress_; }
    int scanDone() const { return scanDone_; }
    int scanTotal() const { return scanTotal_; }
    const std::optional<CleanReport>& lastReport() const { return lastReport_; }
    bool fullDisk() const { return fullDisk_; }

    // ----- actions installed by the service container (not observed)
    std::function<void(const DiskSnapshot&)> onSnapshot;
    std::function<void()> onHeld;
    std::function<int64_t()> heldBytes = [] { return int64_t(0); };

    // ----- derived, computed afresh on every call
    double scanFraction() const;
    std::vector<CleanItem> safeItems() const;
    std::vector<CleanItem> reviewItems() const;
    std::vector<CleanItem> selectedItems() const;
    std::vector<CleanItem> itemsIn(const std::string& categoryID) const;
    int64_t selectedBytes(const std::vector<CleanItem>& list) const;

    // ----- changes
    void toggle(const std::string& id);
    void toggleAll(const std::vector<CleanItem>& list);

    // Measures the volume, every category and every rule; does nothing
    // unless the phase is idle.
    QCoro::Task<> scan();

    // Cleans the rules the user confirmed (`confirmed`: the ticks at the
    // moment of confirming, so later ticks never widen the clean) that are
    // still listed; asks `host` about busy applications first. `holdCleaned`
    // is the choice the user confirmed: what goes is held, or deleted.
    QCoro::Task<> cleanSelected(CandyDialog::Host host, std::set<std::string> confirmed, bool holdCleaned);
    // The same with the "holdCleaned" setting as it is now, read before any
    // question is asked.
    QCoro::Task<> cleanSelected(CandyDialog::Host host, std::set<std::string> confirmed);
    // The same with the current ticks, for callers that tick and clean at once.
    QCoro::Task<> cleanSelected(CandyDialog::Host host);

    // Removes the targets of each rule in order without asking anything,
    // sparing the rules whose guarding application or process runs; with
    // `holdIn` what goes into a new batch. The automatic clean's way in: the
    // same targets, safety test and removal as the manual clean.
    QCoro::Task<CleanRun::Result> clean(std::vector<CleanSpec> rules, std::shared_ptr<HoldingArea> holdIn = nullptr,
                                        std::function<void(int, QString)> progress = {});

    // What the model asks of the system (places, git, running applications).
    const ModelEnvironment& environment() const { return environment_; }

    // Re-reads free space now and after 1.5, 4, 8 and 14 seconds; a new call
    // restarts the series.
    void refreshFreeSoon();

signals:
    void totalBytesChanged();
    void freeBytesChanged();
    void categoriesChanged();
    void itemsChanged();
    void selectedChanged();
    void phaseChanged();
    void lastFreedChanged();
    void lastSkippedChanged();
    void lastFailedChanged();
    void hasScannedChanged();
    void scanCompleteChanged();
    void lastSnapshotChanged();
    void lastBatchChanged();
    void cleanProgressChanged();
    void scanDoneChanged();
    void scanTotalChanged();
    void lastReportChanged();
    void fullDiskChanged();

private:
    // The two runs change the observed state through the setters below.
    friend class ScanRun;
    friend class CleanRun;

    void setCategories(std::vector<CategoryResult> value);
    void setItems(std::vector<CleanItem> value);
    void setLastSkipped(QStringList value);
    void setLastFailed(int value);
    void setHasScanned(bool value);
    void setScanComplete(bool value);
    void setLastSnapshot(std::optional<DiskSnapshot> value);
    void setCleanProgress(std::optional<CleanProgress> value);
    void setScanDone(int value);
    void setScanTotal(int value);
    void setLastReport(std::optional<CleanReport> value);
    void setFullDisk(bool value);

    QCoro::Task<> refreshFree(uint64_t generation);

    int64_t totalBytes_ = 0;
    int64_t freeBytes_ = 0;
    std::vector<CategoryResult> categories_;
    std::vector<CleanItem> items_;
    std::set<std::string> selected_;
    Phase phase_ = Phase::idle();
    std::optional<int64_t> lastFreed_;
    QStringList lastSkipped_;
    int lastFailed_ = 0;
    bool hasScanned_ = false;
    bool scanComplete_ = false;
    std::optional<DiskSnapshot> lastSnapshot_;
    std::optional<HoldBatch> lastBatch_;
    std::optional<CleanProgress> cleanProgress_;
    int scanDone_ = 0;
    int scanTotal_ = 0;
    std::optional<CleanReport> lastReport_;
    bool fullDisk_ = true;
    // Moves on whenever the list is replaced, so a clean can tell that the
    // list its user confirmed is no longer the one shown.
    uint64_t itemsVersion_ = 0;

    ModelEnvironment environment_;
    uint64_t freeRefreshGeneration_ = 0;  // a running refresh stops when this moves on
};

}  // namespace sorbeta
