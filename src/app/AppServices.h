#pragma once
// The one container of the application's long-lived models: made once, on
// the GUI thread, before the first window; it carries the settings over from
// the former identifiers, creates the models, wires them to each other and
// starts the background work that runs for the life of the process.
#include <QObject>
#include <Qt>
#include <memory>
#include <vector>

#include "model/history/History.h"
#include "model/scan/ModelEnvironment.h"
#include "model/shell/AppLanguage.h"
#include "model/shell/AppSettings.h"
#include "model/status/StatusModel.h"
#include "model/uninstall/UninstallEngine.h"
#include "platform/Places.h"

namespace sorbeta {

class AppModel;
class BandPainter;
class DrillModel;
class HistoryModel;
class HoldingModel;
class Maintenance;
class SoundFX;
class UninstallModel;
class Toolkits;

class AppServices final : public QObject {
    Q_OBJECT

public:
    // Runs the migration, creates and wires the models, then starts the
    // expiry pass of the holding area (after the constructor returns) and
    // the upkeep loop. The
    // first form uses the system's own services, places read from the
    // environment once; the second takes them from the caller (tests).
    explicit AppServices(QObject* parent = nullptr);
    explicit AppServices(ModelEnvironment environment, QObject* parent = nullptr);
    // The same with the status figures' sources of the caller (tests).
    AppServices(ModelEnvironment environment, StatusModel::Sources status, QObject* parent = nullptr);
    // The same with the uninstaller's engine of the caller (tests).
    AppServices(ModelEnvironment environment, StatusModel::Sources status, UninstallEngine uninstall,
                QObject* parent = nullptr);
    ~AppServices() override;

    // The application's settings in the configuration folder of its places.
    AppSettings& settings() { return settings_; }
    // Whether the process has full disk access now (the guide and the
    // window ask the same probe as the scan).
    bool hasFullDisk() const { return hasFullDisk_(); }
    const Access::Probe& accessProbe() const { return hasFullDisk_; }
    // Starts a new instance and quits this one (a language change).
    const AppLanguage::Relaunch& relaunch() const { return relaunch_; }

    AppModel& model() const { return *model_; }
    HoldingModel& holding() const { return *holding_; }
    DrillModel& drill() const { return *drill_; }
    StatusModel& status() const { return *status_; }
    UninstallModel& uninstall() const { return *uninstall_; }
    // The usage history as last read or recorded, oldest first.
    HistoryModel& history() const { return *history_; }
    const HistoryStore& historyStore() const { return historyStore_; }
    // Background upkeep: alerts, automatic cleaning, expiry (started here).
    Maintenance& care() const { return *care_; }
    const platform::Places& places() const { return places_; }
    // The developer and files pages' models.
    Toolkits& toolkits() const { return *toolkits_; }
    // Puts other page models in their place (tests, before any view binds to
    // them); the container owns them from then on.
    void setToolkits(Toolkits* toolkits);

    // Files restored from the holding area show again after a full rescan.
    void rescanAfterRestore();

    // The interface's blips and the threads its maps paint on: one each for
    // the whole application, made when first asked for.
    SoundFX& sound();
    BandPainter& mapPainter();

    // The interface's layout direction, fixed for the life of the process by
    // the interface language picked at start-up.
    static Qt::LayoutDirection layoutDirection();

private:
    void followRemovals();

    platform::Places places_;
    AppSettings settings_;
    Access::Probe hasFullDisk_;
    AppLanguage::Relaunch relaunch_;
    AppModel* model_ = nullptr;
    HoldingModel* holding_ = nullptr;
    DrillModel* drill_ = nullptr;
    StatusModel* status_ = nullptr;
    UninstallModel* uninstall_ = nullptr;
    HistoryStore historyStore_;
    HistoryModel* history_ = nullptr;
    Maintenance* care_ = nullptr;
    Toolkits* toolkits_ = nullptr;
    std::unique_ptr<SoundFX> sound_;
    std::unique_ptr<BandPainter> mapPainter_;
};

}  // namespace sorbeta
