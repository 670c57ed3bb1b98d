#pragma once
// The view of one open drill-down level: a header (back button, breadcrumb,
// running total, reveal button, and the note or path line) over a jelly map
// of the measured children, the waiting jelly while the first sizes come in,
// or the empty text. A tapped folder opens as a new level. One pane shows one
// level; the page makes a fresh pane when the top level changes.
//
// Its parts are named (objectName): "back", "crumbs" (with "crumb<depth>"),
// "total", "reveal", "note", "map", "waiting" and "empty".
#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "model/drill/DrillLevel.h"
#include "ui/map/JellyMapView.h"

class QLabel;
class QShortcut;

namespace sorbeta {

class CandyButton;
class CandyDialogCenter;
class DrillCrumbs;
class DrillModel;
class DrillTotal;
class ScanningJelly;

class DrillPane final : public QWidget {
    Q_OBJECT

public:
    struct Services {
        MapServices map;
        std::filesystem::path home;  // written "~" in the path line
        // Escape goes back only while this centre shows the window nothing.
        CandyDialogCenter* dialogs = nullptr;
    };

    // Gap between the header and the main area, and the header's room above
    // and at the leading edge.
    static constexpr int kSpacing = 14;
    static constexpr int kHeaderTop = 8;
    static constexpr int kHeaderLeading = 4;
    static constexpr int kRowSpacing = 12;
    static constexpr int kButtonHeight = 36;

    DrillPane(DrillLevel level, DrillModel& drill, Services services, QWidget* parent = nullptr);
    ~DrillPane() override;

    const DrillLevel& level() const { return level_; }
    // What Escape and the back button do: close the shown level.
    void goBack();
    // Whether Escape would go back now: no dialog or sheet of this window shows.
    bool escapeGoesBack() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void place();
    void openNode(const MapNode& node);

    DrillLevel level_;
    QPointer<DrillModel> drill_;
    Services services_;
    CandyButton* back_ = nullptr;
    DrillCrumbs* crumbs_ = nullptr;
    DrillTotal* total_ = nullptr;
    CandyButton* reveal_ = nullptr;
    QLabel* note_ = nullptr;
    JellyMapView* map_ = nullptr;
    ScanningJelly* waiting_ = nullptr;
    QWidget* empty_ = nullptr;
    QShortcut* escape_ = nullptr;
};

}  // namespace sorbeta
