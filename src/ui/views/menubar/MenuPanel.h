#pragma once
// The tray panel: free space, the disk and memory meters, the big action
// (clean the safe items, or scan), freeing memory, opening the main window,
// the state of automatic upkeep and a settings link. It keeps no state: every
// model change rebuilds its texts, and each rebuild takes a fresh memory sample.
#include <QDateTime>
#include <QWidget>
#include <functional>

#include "model/common/Flavor.h"
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

    // `memory` is sampled at every rebuild (empty: the system's figures);
    // `now` dates the last automatic clean (empty: the current time).
    MenuPanel(AppModel& model, StatusModel& status, Maintenance& care, std::function<MemoryBreakdown()> memory = {},
              std::function<QDateTime()> now = {}, QWidget* parent = nullptr);

    // Reads every model again.
    void rebuild();

    // What the parts show now (tests and the tray read them).
    QString freeNumberText() const;
    QString freeUnitText() const;
    Flavor headerFlavor() const;
    CandyButton* mainButton() const { return main_; }
    CandyButton* purgeButton() const { return purge_; }
    CandyButton* openButton() const { return open_; }
    QLabel* careLine() const { return careLine_; }
    QLabel* lastCleanLine() const { return lastClean_; }
    QAbstractButton* settingsButton() const;
    double diskFraction() const;
    double memoryFraction() const;

    // The meter percentage text of a fraction ("%lld%", rounded).
    static QString percentText(double fraction);
    // The width of a meter's fill over a track of `width`: at least a 6-point stub.
    static double fillWidth(double width, double fraction);

signals:
    void openMainWindow();
    void openSettings();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    class Header;
    class Meter;
    void mainAction();

    AppModel& model_;
    StatusModel& status_;
    Maintenance& care_;
    std::function<MemoryBreakdown()> memory_;
    std::function<QDateTime()> now_;
    Header* header_ = nullptr;
    Meter* disk_ = nullptr;
    Meter* memoryMeter_ = nullptr;
    CandyButton* main_ = nullptr;
    CandyButton* purge_ = nullptr;
    CandyButton* open_ = nullptr;
    QLabel* careLine_ = nullptr;
    QLabel* lastClean_ = nullptr;
    PlainTextButton* settings_ = nullptr;
};

}  // namespace sorbeta
