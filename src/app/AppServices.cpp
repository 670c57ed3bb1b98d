#include "app/AppServices.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "app/ModelTasks.h"
#include "model/shell/AppLanguage.h"
#include "model/scan/AppModel.h"
#include "model/holding/HoldingArea.h"
#include "model/holding/HoldingModel.h"
#include "model/shell/RenameMigration.h"
#include "platform/Defaults.h"
#include "platform/Paths.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/SoundFX.h"
#include "ui/map/JellyMapViewBands.h"

namespace sorbeta {
namespace {

QCoro::Task<> purgeExpiredOnce(QPointer<HoldingModel> holding) {
    if (!holding) co_return;
    auto task = holding->purgeExpired();  // named: g++ 12 mishandles temporaries inside co_await
    co_await task;
}

}  // namespace

AppServices::AppServices(QObject* parent) : QObject(parent), historyStore_(HistoryStore::standard()) {
    RenameMigration::run(QString::fromLatin1(platform::Defaults::appDomain), RenameMigration::formerDomains(),
                         platform::dataHome());

    model_ = new AppModel(this);

    // The stored history, oldest first; equal dates keep their file order.
    history_ = historyStore_.load();
    std::stable_sort(history_.begin(), history_.end(),
                     [](const DiskSnapshot& a, const DiskSnapshot& b) { return a.date < b.date; });

    holding_ = new HoldingModel(HoldingArea::standard(), this);
    holding_->setBatches(holding_->area()->batches());

    // A finished scan's snapshot goes into the history file.
    model_->onSnapshot = [this](const DiskSnapshot& snapshot) {
        history_ = historyStore_.record(snapshot);
        emit historyChanged();
    };
    // A clean reloads the held batches.
    HoldingModel* holding = holding_;
    model_->onHeld = [holding] { holding->setBatches(holding->area()->batches()); };
    // Space freed in the holding area re-reads the volume's free space.
    QPointer<AppModel> model(model_);
    holding_->setOnSpaceChanged([model] {
        if (model) model->refreshFreeSoon();
    });
    model_->heldBytes = [holding] { return holding->total(); };

    // Expired batches go once per launch, after the window is up.
    QPointer<HoldingModel> weakHolding(holding_);
    QTimer::singleShot(0, this, [weakHolding] { purgeExpiredOnce(weakHolding); });
}

AppServices::~AppServices() = default;

void AppServices::rescanAfterRestore() { startScan(*model_); }

SoundFX& AppServices::sound() {
    if (!sound_) sound_ = std::make_unique<SoundFX>(makeDeviceSoundOutput(), [] { return kitNow(); });
    return *sound_;
}

BandPainter& AppServices::mapPainter() {
    if (!mapPainter_) mapPainter_ = std::make_unique<BandPainter>();
    return *mapPainter_;
}

Qt::LayoutDirection AppServices::layoutDirection() {
    static const Qt::LayoutDirection direction = AppLanguage::layoutDirection();
    return direction;
}

}  // namespace sorbeta
