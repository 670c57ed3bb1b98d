#include "model/holding/HoldingModel.h"

#include "model/common/Bytes.h"

#include <qcoro/qcorofuture.h>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

namespace sorbeta {

HoldingModel::HoldingModel(std::shared_ptr<HoldingArea> area, QObject* parent)
    : HoldingModel(
          std::move(area), [] { return QDateTime::currentDateTimeUtc(); }, parent) {}

HoldingModel::HoldingModel(std::shared_ptr<HoldingArea> area, Clock clock, QObject* parent)
    : QObject(parent), area_(std::move(area)), clock_(std::move(clock)) {
    ownPool_.setMaxThreadCount(1);
}

void HoldingModel::setBatches(std::vector<HoldBatch> batches) {
    if (batches == batches_) return;
    batches_ = std::move(batches);
    emit batchesChanged();
}

qint64 HoldingModel::total() const {
    qint64 sum = 0;
    for (const HoldBatch& batch : batches_) {
        for (const HoldBatch::Item& item : batch.items) sum = Bytes::plus(sum, item.bytes);
    }
    return sum;
}

void HoldingModel::setOnSpaceChanged(std::function<void()> action) {
    onSpaceChanged_ = std::move(action);
    emit onSpaceChangedChanged();  // functions cannot be compared
}

void HoldingModel::reload() { setBatches(area_->batches()); }

void HoldingModel::spaceChanged() {
    if (onSpaceChanged_) onSpaceChanged_();
}

// The area serialises its own operations, so two quick requests simply queue
// on the pool; each reloads the list when it is done and the last one wins.
QCoro::Task<HoldingArea::RestoreResult> HoldingModel::restore(HoldBatch batch) {
    QPointer<HoldingModel> self(this);
    const auto area = area_;
    // Named futures: see platform/Async.h.
    auto future = QtConcurrent::run(&ownPool_, [area, batch] { return area->restore(batch); });
    const auto result = co_await future;
    if (!self) co_return result;
    reload();
    spaceChanged();
    co_return result;
}

QCoro::Task<qint64> HoldingModel::purge(HoldBatch batch) {
    QPointer<HoldingModel> self(this);
    const auto area = area_;
    auto future = QtConcurrent::run(&ownPool_, [area, batch] { return area->purge(batch); });
    const qint64 freed = co_await future;
    if (!self) co_return freed;
    reload();
    spaceChanged();
    co_return freed;
}

QCoro::Task<> HoldingModel::purgeExpired() {
    QPointer<HoldingModel> self(this);
    const auto area = area_;
    const QDateTime now = clock_();
    auto future = QtConcurrent::run(&ownPool_, [area, now] { return area->purgeExpired(kExpiryDays, now); });
    const qint64 freed = co_await future;
    if (!self) co_return;
    reload();
    if (freed > 0) spaceChanged();
}

}  // namespace sorbeta
