#pragma once
// The uninstall mode's main area: the selected application's detail pane;
// else a jelly map of the weighed applications, a tap on one selecting it;
// else, while nothing is weighed, the waiting jelly. Named parts: "appMap",
// "waitingJelly" and "appDetail" while an application is selected.
#include <QPointer>
#include <QWidget>

#include "model/uninstall/UninstallModel.h"
#include "ui/map/JellyMapView.h"
#include "ui/views/uninstall/AppDetail.h"

namespace sorbeta {

class ScanningJelly;
class TransitionLayer;

class UninstallMain final : public QWidget {
    Q_OBJECT
public:
    enum class Shows { detail, map, waiting };

    UninstallMain(UninstallModel& model, MapServices map, AppDetail::Services detail, QWidget* parent = nullptr);

    Shows shows() const { return shows_; }
    JellyMapView* map() const { return map_; }
    AppDetail* detail() const { return detail_; }
    const std::vector<MapNode>& nodes() const { return nodes_; }
    // Reads the model again: which part shows, the map's jellies, the pane's record.
    void refresh();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Shows wanted() const;
    QWidget* partFor(Shows shows) const;

    UninstallModel& model_;
    AppDetail::Services detailServices_;
    JellyMapView* map_ = nullptr;
    ScanningJelly* waiting_ = nullptr;
    QPointer<AppDetail> detail_;
    TransitionLayer* transitions_ = nullptr;
    Shows shows_ = Shows::waiting;
    std::vector<MapNode> nodes_;
};

}  // namespace sorbeta
