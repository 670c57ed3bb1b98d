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

namespace sorbeta {

class AppModel;
class BandPainter;
class HoldingModel;
class SoundFX;

class AppServices final : public QObject {
    Q_OBJECT

public:
    // Runs the migration, creates and wires the models, then starts the
    // expiry pass of the holding area (after the constructor returns).
    explicit AppServices(QObject* parent = nullptr);
    ~AppServices() override;

    AppModel& model() const { return *model_; }
    HoldingModel& holding() const { return *holding_; }
    // The usage history as last read or recorded, oldest first.
    const std::vector<DiskSnapshot>& historySnapshots() const { return history_; }
    const HistoryStore& historyStore() const { return historyStore_; }

    // Files restored from the holding area show again after a full rescan.
    void rescanAfterRestore();

    // The interface's blips and the threads its maps paint on: one each for
    // the whole application, made when first asked for.
    SoundFX& sound();
    BandPainter& mapPainter();

    // The interface's layout direction, fixed for the life of the process by
    // the interface language picked at start-up.
    static Qt::LayoutDirection layoutDirection();

signals:
    void historyChanged();

private:
    AppModel* model_ = nullptr;
    HoldingModel* holding_ = nullptr;
    HistoryStore historyStore_;
    std::vector<DiskSnapshot> history_;
    std::unique_ptr<SoundFX> sound_;
    std::unique_ptr<BandPainter> mapPainter_;
};

}  // namespace sorbeta
