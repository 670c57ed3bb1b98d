#pragma once
// The tray panel: free space, the disk and memory meters, the big action
// (clean the safe items, or scan), freeing memory, opening the main window,
// the state of automatic upkeep and a settings link. It keeps no state: every
// model change rebuilds its texts, and each rebuild takes a fresh memory sample.
#include <QWidget>
#include <functional>

#include "model/status/StatusTypes.h"

class QAbstractButton;
class QLabel;

namespace sorbeta {

class AppModel;
class Maintenance;
class StatusModel;
class CandyButton;
class PlainTextButton;

class MenuPanel final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 320;

    // `memory` is sampled at every rebuild (empty: the system's figures).
    MenuPanel(AppModel& model, StatusModel& status, Maintenance& care,
              std::function<MemoryBreakdown()> memory = {}, QWidget* parent = nullptr);

    // Reads every model again.
    void rebuild();

    // What the parts show now (tests and the tray read them).
    QLabel* freeNumber() const { return number_; }
    QLabel* freeUnit() const { return unit_; }
    CandyButton* mainButton() const { return main_; }
    CandyButton* purgeButton() const { return purge_; }
    CandyButton* openButton() const { return open_; }
    QLabel* careLine() const { return careLine_; }
    QLabel* lastCleanLine() const { return lastClean_; }
    QAbstractButton* settingsButton() const;
    double diskFraction() const { return diskFraction_; }
    double memoryFraction() const { return memoryFraction_; }

    // The meter percentage text of a fraction ("%lld%", rounded).
    static QString percentText(double fraction);
    // The width of a meter's fill over a track of `width`: at least a 6-point stub.
    static double fillWidth(double width, double fraction);

signals:
    void openMainWindow();
    void openSettings();

private:
    class Meter;
    void mainAction();

    AppModel& model_;
    StatusModel& status_;
    Maintenance& care_;
    std::function<MemoryBreakdown()> memory_;
    QLabel* number_ = nullptr;
    QLabel* unit_ = nullptr;
    Meter* disk_ = nullptr;
    Meter* memoryMeter_ = nullptr;
    CandyButton* main_ = nullptr;
    CandyButton* purge_ = nullptr;
    CandyButton* open_ = nullptr;
    QLabel* careLine_ = nullptr;
    QLabel* lastClean_ = nullptr;
    PlainTextButton* settings_ = nullptr;
    double diskFraction_ = 0;
    double memoryFraction_ = 0;
};

}  // namespace sorbeta
