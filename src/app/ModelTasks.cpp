#include "app/ModelTasks.h"

#include <QPointer>

#include "model/dev/DevModel.h"
#include "model/holding/HoldingModel.h"
#include "model/scan/AppModel.h"
#include "model/status/StatusModel.h"

namespace sorbeta {
namespace {

// Awaited tasks are named: see platform/Async.h.
QCoro::Task<> scan(QPointer<AppModel> model) {
    if (!model) co_return;
    auto task = model->scan();
    co_await task;
}

QCoro::Task<> clean(QPointer<AppModel> model, std::set<std::string> ids, bool holdCleaned) {
    if (!model) co_return;
    auto task = model->cleanSelected(CandyDialog::Host::main, std::move(ids), holdCleaned);
    co_await task;
}

QCoro::Task<> freeNow(QPointer<HoldingModel> holding, QPointer<AppModel> model, HoldBatch batch) {
    if (!holding) co_return;
    auto task = holding->purge(batch);
    co_await task;
    if (!model) co_return;
    model->setLastBatch(std::nullopt);
    model->setLastFreed(std::nullopt);
}

QCoro::Task<> sample(QPointer<StatusModel> status) {
    if (!status) co_return;
    auto task = status->run();
    co_await task;
}

QCoro::Task<> purge(QPointer<StatusModel> status) {
    if (!status) co_return;
    auto task = status->purge();
    co_await task;
}

QCoro::Task<> devLoad(QPointer<DevModel> dev) {
    if (!dev) co_return;
    auto task = dev->load();
    co_await task;
}

QCoro::Task<> devRun(QPointer<DevModel> dev, std::vector<DevEntry> entries) {
    if (!dev) co_return;
    auto task = dev->run(std::move(entries));
    co_await task;
}

}  // namespace

void startDevLoad(DevModel& dev) { devLoad(QPointer<DevModel>(&dev)); }

void startDevRun(DevModel& dev, std::vector<DevEntry> entries) { devRun(QPointer<DevModel>(&dev), std::move(entries)); }

void startStatusSampler(StatusModel& status) { sample(QPointer<StatusModel>(&status)); }

void startPurge(StatusModel& status) { purge(QPointer<StatusModel>(&status)); }

void startScan(AppModel& model) { scan(QPointer<AppModel>(&model)); }

void startClean(AppModel& model, std::set<std::string> ids, bool holdCleaned) {
    clean(QPointer<AppModel>(&model), std::move(ids), holdCleaned);
}

void startFreeNow(HoldingModel& holding, AppModel& model, HoldBatch batch) {
    freeNow(QPointer<HoldingModel>(&holding), QPointer<AppModel>(&model), std::move(batch));
}

}  // namespace sorbeta
