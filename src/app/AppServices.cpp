#include "app/AppServices.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "app/ModelTasks.h"
#include "model/care/Maintenance.h"
#include "model/dev/DevModel.h"
#include "model/drill/DrillModel.h"
#include "model/files/FileGroups.h"
#include "model/files/FileTrash.h"
#include "model/history/HistoryModel.h"
#include "model/holding/HoldingArea.h"
#include "model/holding/HoldingModel.h"
#include "model/scan/AppModel.h"
#include "model/shell/AppLanguage.h"
#include "model/shell/RenameMigration.h"
#include "model/uninstall/UninstallModel.h"
#include "platform/Defaults.h"
#include "platform/Relaunch.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/SoundFX.h"
#include "ui/map/JellyMapViewBands.h"

namespace sorbeta {
namespace {

QCoro::Task<> purgeExpiredOnce(QPointer<HoldingModel> holding) {
    if (!holding) co_return;
    auto task = holding->purgeExpired();  // named: see platform/Async.h
    co_await task;
}

// The files page over the file finder's search and its move to the Trash.
DevModel* fileFinderPage(const DevEnvironment& environment) {
    const platform::Places places = environment.places;
    return DevModel::files([places](const QDateTime& now) { return FileFinder::all(now, places); },
                           [places](const std::filesystem::path& url) { return FileFinder::trash(url, places); },
                           environment);
}

}  // namespace

AppServices::AppServices(QObject* parent)
    : AppServices(ModelEnvironment::system(platform::Places::fromEnvironment()), parent) {}

AppServices::AppServices(ModelEnvironment environment, QObject* parent)
    : AppServices(std::move(environment), StatusModel::Sources::system(), parent) {}

AppServices::AppServices(ModelEnvironment environment, StatusModel::Sources status, QObject* parent)
    : AppServices(environment, std::move(status), UninstallEngine::system(UninstallPlaces::system(environment.places)),
                  parent) {}

AppServices::AppServices(ModelEnvironment environment, StatusModel::Sources status, UninstallEngine uninstall,
                         QObject* parent)
    : QObject(parent),
      places_(environment.places),
      settings_(places_),
      hasFullDisk_(environment.hasFullDisk),
      relaunch_(&platform::relaunchSelf),
      historyStore_(HistoryStore::standard(places_)) {
    RenameMigration::run(places_, QString::fromLatin1(platform::Defaults::appDomain), RenameMigration::formerDomains());

    // One holding area for the scan model and the holding model.
    if (!environment.holding) environment.holding = HoldingArea::standard(places_);
    const std::shared_ptr<HoldingArea> area = environment.holding;
    DevEnvironment developer = DevEnvironment::system(places_);
    developer.git = environment.git;
    model_ = new AppModel(std::move(environment), this);
    drill_ = new DrillModel(DrillEnvironment::system(places_), this);
    uninstall_ = new UninstallModel(std::move(uninstall), this);
    status_ = new StatusModel(std::move(status), this);

    // The stored history, oldest first; equal dates keep their file order.
    history_ = new HistoryModel(historyStore_, this);
    std::vector<DiskSnapshot> stored = historyStore_.load();
    std::stable_sort(stored.begin(), stored.end(),
                     [](const DiskSnapshot& a, const DiskSnapshot& b) { return a.date < b.date; });
    history_->setSnapshots(std::move(stored));

    // The developer and files pages, searched the first time each is shown.
    toolkits_ = new Toolkits(DevModel::developer(developer), fileFinderPage(developer), this);
    followRemovals();

    holding_ = new HoldingModel(area, this);
    holding_->setBatches(holding_->area()->batches());

    care_ = new Maintenance(*model_, *history_, Maintenance::Environment::system(places_), this);

    // A finished scan's snapshot goes into the history file.
    HistoryModel* history = history_;
    model_->onSnapshot = [history](const DiskSnapshot& snapshot) { history->record(snapshot); };
    // A clean never runs under an open drill-down level. The drill-down's
    // sizes no longer hold once a scan starts (the disk may have changed
    // since they were measured) or a clean ends.
    DrillModel* drill = drill_;
    connect(model_, &AppModel::phaseChanged, drill_, [drill, model = model_, last = model_->phase().kind()]() mutable {
        const Phase::Kind now = model->phase().kind();
        if (now == last) return;  // a scan's new label
        if (now == Phase::Kind::cleaning)
            drill->reset();
        else if (now == Phase::Kind::scanning || last == Phase::Kind::cleaning)
            drill->forgetSizes();
        last = now;
    });
    // A clean reloads the held batches.
    HoldingModel* holding = holding_;
    care_->setHolding(holding_);
    model_->onHeld = [holding] { holding->setBatches(holding->area()->batches()); };
    // Space freed in the holding area re-reads the volume's free space, and
    // the drill-down measures its folders afresh.
    QPointer<AppModel> model(model_);
    QPointer<DrillModel> weakDrill(drill_);
    holding_->setOnSpaceChanged([model, weakDrill] {
        if (model) model->refreshFreeSoon();
        if (weakDrill) weakDrill->forgetSizes();
    });
    model_->heldBytes = [holding] { return holding->total(); };
    // So does a purge of what an uninstall moved to the Trash.
    uninstall_->onSpaceChanged = [model, weakDrill] {
        if (model) model->refreshFreeSoon();
        if (weakDrill) weakDrill->forgetSizes();
    };
    // The move itself changes the sizes of the folders it took from.
    connect(uninstall_, &UninstallModel::lastResultChanged, drill_, [drill, uninstall = uninstall_] {
        if (uninstall->lastResult()) drill->forgetSizes();
    });

    // Expired batches go once per launch, after the window is up.
    QPointer<HoldingModel> weakHolding(holding_);
    QTimer::singleShot(0, this, [weakHolding] { purgeExpiredOnce(weakHolding); });
    // Later expiry passes are the upkeep loop's.
    care_->start();
}

AppServices::~AppServices() = default;

void AppServices::setToolkits(Toolkits* toolkits) {
    if (toolkits == toolkits_) return;
    toolkits->setParent(this);
    delete std::exchange(toolkits_, toolkits);
    followRemovals();
}

void AppServices::followRemovals() {
    // What the developer and files pages remove (build folders deleted,
    // files moved to the Trash) changes the sizes of the folders it lay in,
    // and what they delete outright the volume's free space.
    DrillModel* drill = drill_;
    QPointer<AppModel> model(model_);
    for (DevModel* page : {&toolkits_->dev(), &toolkits_->files()})
        connect(page, &DevModel::lastResultChanged, drill_, [drill, model, page] {
            if (!page->lastResult()) return;
            drill->forgetSizes();
            if (model) model->refreshFreeSoon();
        });
}

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
