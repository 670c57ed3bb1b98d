#pragma once
// The holding area as the views see it: the batches last read from disk and
// their total, and restore, purge and expiry run on the worker pool. Lives on
// the GUI thread.
#include <qcoro/qcorotask.h>
#include <QDateTime>
#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <vector>

#include "model/holding/HoldingArea.h"

namespace sorbeta {

class HoldingModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<sorbeta::HoldBatch> batches READ batches WRITE setBatches NOTIFY batchesChanged)
    Q_PROPERTY(qint64 total READ total NOTIFY batchesChanged)

public:
    using Clock = std::function<QDateTime()>;

    // `clock` is the time expiry reads (tests hand in their own).
    explicit HoldingModel(std::shared_ptr<HoldingArea> area, QObject* parent = nullptr);
    HoldingModel(std::shared_ptr<HoldingArea> area, Clock clock, QObject* parent = nullptr);

    const std::vector<HoldBatch>& batches() const { return batches_; }
    // Stores the list; observers hear of it only when it differs.
    void setBatches(std::vector<HoldBatch> batches);
    // Bytes held, as the manifests recorded them.
    qint64 total() const;

    const std::shared_ptr<HoldingArea>& area() const { return area_; }

    // Called after an operation changed the space used on disk.
    const std::function<void()>& onSpaceChanged() const { return onSpaceChanged_; }
    void setOnSpaceChanged(std::function<void()> action);

    QCoro::Task<HoldingArea::RestoreResult> restore(HoldBatch batch);
    QCoro::Task<qint64> purge(HoldBatch batch);
    QCoro::Task<> purgeExpired();

    static constexpr int kExpiryDays = 7;

signals:
    void batchesChanged();
    void onSpaceChangedChanged();

private:
    void reload();
    void spaceChanged();

    std::vector<HoldBatch> batches_;
    std::shared_ptr<HoldingArea> area_;
    std::function<void()> onSpaceChanged_;
    Clock clock_;
    // One worker: operations take turns in the order the user asked for them,
    // so a restore clicked before expiry runs is never overtaken by it.
    // Declared last so it waits for running work before the rest goes.
    QThreadPool ownPool_;
};

}  // namespace sorbeta
