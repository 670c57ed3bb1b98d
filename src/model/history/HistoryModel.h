#pragma once
// The history page's model: the stored snapshots and the period the page
// compares over, with what follows from them (the snapshot to compare with,
// the folders that changed, the change of used space, what the chart shows),
// worked out afresh on every read. Lives on the GUI thread.
#include <QObject>
#include <QTimeZone>
#include <array>
#include <optional>
#include <vector>

#include "model/history/History.h"
#include "model/history/HistoryMath.h"

namespace sorbeta {

class HistoryModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<sorbeta::DiskSnapshot> snapshots READ snapshots WRITE setSnapshots NOTIFY snapshotsChanged)
    Q_PROPERTY(Period period READ period WRITE setPeriod NOTIFY periodChanged)

public:
    // How far back the page compares: the value is the length in days; all
    // (0) compares with the oldest snapshot.
    enum class Period { day = 1, week = 7, month = 30, all = 0 };
    Q_ENUM(Period)
    static constexpr std::array<Period, 4> kPeriods = {Period::day, Period::week, Period::month, Period::all};
    // Exactly 1, 7, 30 and 0 make a period.
    static std::optional<Period> periodFromValue(int value);

    // Days begin where the system's time zone puts them, looked up again on
    // every use: a laptop carried into another zone, or a zone changed in the
    // settings, moves them without a restart.
    explicit HistoryModel(HistoryStore store, QObject* parent = nullptr);
    // Days begin in `zone`, whatever the system says.
    HistoryModel(HistoryStore store, QTimeZone zone, QObject* parent = nullptr);

    // Oldest first. Storing an equal list notifies nobody.
    const std::vector<DiskSnapshot>& snapshots() const { return snapshots_; }
    void setSnapshots(std::vector<DiskSnapshot> snapshots);
    Period period() const { return period_; }
    void setPeriod(Period period);
    const HistoryStore& store() const { return store_; }
    // The calendar's zone now: it decides where days begin.
    QTimeZone zone() const;

    // Records a finished scan's snapshot in the file and shows the history it returns.
    void record(const DiskSnapshot& snapshot);

    // The older snapshot compared with the newest: none with fewer than two.
    std::optional<DiskSnapshot> baseline() const;
    // Folders that changed by 50,000,000 bytes or more since the baseline.
    std::vector<DiskChange> changes() const;
    // Used space now minus at the baseline; none without a baseline.
    std::optional<int64_t> usedDelta() const;
    // What the chart shows: from the baseline on, or everything there is.
    std::vector<DiskSnapshot> visible() const;

signals:
    void snapshotsChanged();
    void periodChanged();

private:
    std::vector<DiskSnapshot> snapshots_;
    Period period_ = Period::week;
    HistoryStore store_;
    std::optional<QTimeZone> fixedZone_;  // none: the system's
};

}  // namespace sorbeta
