#include "model/history/HistoryModel.h"

namespace sorbeta {

std::optional<HistoryModel::Period> HistoryModel::periodFromValue(int value) {
    for (Period period : kPeriods)
        if (int(period) == value) return period;
    return std::nullopt;
}

HistoryModel::HistoryModel(HistoryStore store, QObject* parent) : QObject(parent), store_(std::move(store)) {}

HistoryModel::HistoryModel(HistoryStore store, QTimeZone zone, QObject* parent)
    : QObject(parent), store_(std::move(store)), fixedZone_(std::move(zone)) {}

QTimeZone HistoryModel::zone() const { return calendarZone(fixedZone_ ? *fixedZone_ : QTimeZone::systemTimeZone()); }

void HistoryModel::setSnapshots(std::vector<DiskSnapshot> snapshots) {
    if (snapshots == snapshots_) return;
    snapshots_ = std::move(snapshots);
    emit snapshotsChanged();
}

void HistoryModel::setPeriod(Period period) {
    if (period == period_) return;
    period_ = period;
    emit periodChanged();
}

void HistoryModel::record(const DiskSnapshot& snapshot) { setSnapshots(store_.record(snapshot, zone())); }

std::optional<DiskSnapshot> HistoryModel::baseline() const {
    if (snapshots_.size() < 2) return std::nullopt;
    if (period_ == Period::all) return snapshots_.front();
    const QDateTime target = HistoryMath::daysBefore(snapshots_.back().date, int(period_), zone());
    return HistoryMath::baseline(std::span(snapshots_).first(snapshots_.size() - 1), target);
}

std::vector<DiskChange> HistoryModel::changes() const {
    const auto base = baseline();
    if (!base) return {};
    return HistoryMath::changes(*base, snapshots_.back(), HistoryMath::kMinDelta);
}

std::optional<int64_t> HistoryModel::usedDelta() const {
    const auto base = baseline();
    if (!base) return std::nullopt;
    return HistoryMath::usedSpace(snapshots_.back()) - HistoryMath::usedSpace(*base);
}

std::vector<DiskSnapshot> HistoryModel::visible() const {
    const auto base = baseline();
    if (!base) return snapshots_;
    std::vector<DiskSnapshot> shown;
    for (const DiskSnapshot& snapshot : snapshots_)
        if (snapshot.date >= base->date) shown.push_back(snapshot);
    return shown;
}

}  // namespace sorbeta
