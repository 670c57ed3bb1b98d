#pragma once
// The history page's main area: the waiting jelly until two snapshots are
// in; then the used-space chart on a white card over a jelly map of the
// folders that grew (or a line saying nothing grew). Opening a jelly shows
// its folder in the file manager.
//
// Its parts are named (objectName): "waiting", "chartCard" (holding
// "usageChart"), "map" and "calm".
#include <QPointer>
#include <QWidget>

#include "model/history/HistoryModel.h"
#include "ui/views/history/HistoryPanel.h"

namespace sorbeta {

class ScanningJelly;
class UsageChart;

class HistoryMain final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kChartHeight = 230;
    static constexpr int kCardInset = 16;
    static constexpr double kCardRadius = 26;
    static constexpr int kBelowCard = 14;

    HistoryMain(HistoryModel& model, HistoryPageServices services, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void place();

    QPointer<HistoryModel> model_;
    HistoryPageServices services_;
    ScanningJelly* waiting_ = nullptr;
    QWidget* card_ = nullptr;
    UsageChart* chart_ = nullptr;
    JellyMapView* map_ = nullptr;
    QWidget* calm_ = nullptr;
};

}  // namespace sorbeta
