#pragma once
// The working window: the top bar, the side column (mode switch, the mode's
// panel, the limited-scan badge) and the main area (the mode's map or page),
// with the result toasts on top. Its parts are named (objectName): "topBar",
// "modeSwitch", "<mode>Panel" and "<mode>Page" for each mode (the clean
// panel is the side panel), "map", "scanningJelly", "drillPane" while a
// drill-down level is open, "limitedBadge", "freedToast", "memoryToast" and
// "uninstallToast" while one shows, and "transitions". The status figures are sampled only
// panel is the side panel; the developer and files pages hold a "devPanel"
// and a "devMain"), "map", "scanningJelly", "drillPane" while a
// drill-down level is open, "limitedBadge", "freedToast" and "memoryToast"
// while one shows, and "transitions". The status figures are sampled only
// while the status mode is on screen.
#include <QPointer>
#include <QWidget>
#include <map>

#include "model/scan/CleanReport.h"
#include "model/shell/AppMode.h"
#include "ui/kit/Transitions.h"
#include "ui/views/clean/Toasts.h"

namespace sorbeta {

class AppServices;
class DrillPane;
class CandyToast;
class FreedToast;
class JellyMapView;
class ScanningJelly;
class LimitedBadge;
class ModeSwitch;
class SidePanel;
class TopBar;
class TransitionLayer;

class WorkingView final : public QWidget {
    Q_OBJECT

public:
    explicit WorkingView(AppServices& services, QWidget* parent = nullptr);
    ~WorkingView() override;

    // The springs of the working window's changes.
    static constexpr Spring kModeSpring{0.5, 0.8};
    static constexpr Spring kFirstReadingSpring{0.6, 0.7};
    static constexpr Spring kFreedSpring{0.5, 0.7};
    static constexpr Spring kDrillSpring{0.5, 0.78};
    // A drill-down pane grows in from this scale and shrinks away to it.
    static constexpr double kDrillScale = 0.82;

    // How each mode's side panel and main pane come and go.
    static Transition panelTransition(AppMode mode);
    static Transition pageTransition(AppMode mode, bool cleanShowsMap);

    AppMode mode() const { return mode_; }
    // The panel and the page of the new mode replace the old ones at once,
    // their pictures crossing over with the mode's spring.
    void setMode(AppMode mode);

    // Side column and main area geometry for a window of the given size.
    struct Frames {
        QRect topBar;
        QRect sideColumn;
        QRect mainArea;
    };
    static Frames frames(QSize size);

signals:
    void openSettings();
    // The limited-scan badge asks for the onboarding guide.
    void showGuide();
    // The side panel asks for the holding-area sheet.
    void showHolding();
    // The freed toast's share action: the share card of that clean.
    void shareReport(const sorbeta::CleanReport& report);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void layoutChildren();
    void refreshPanel();
    void refreshCleanPane();
    void refreshBadge();
    void refreshMap();
    void refreshFreedToast();
    void refreshDrill();
    // What the clean page shows without a drill-down level: the map or the scanning jelly.
    QWidget* cleanOverview() const;
    void refreshMemoryToast();
    void refreshSampler();
    void addStatusPage();
    void addUninstallPage();
    void refreshUninstallToast();
    void addDevPages();
    // The first entry into the developer, files or uninstall page starts its search.
    void loadOnEntry(AppMode mode);

    AppServices& services_;
    AppMode mode_ = AppMode::clean;
    TopBar* topBar_ = nullptr;
    ModeSwitch* modeSwitch_ = nullptr;
    SidePanel* sidePanel_ = nullptr;
    std::map<AppMode, QWidget*> panels_;  // side panels by mode
    std::map<AppMode, QWidget*> pages_;   // main panes by mode
    JellyMapView* map_ = nullptr;
    ScanningJelly* scanning_ = nullptr;
    LimitedBadge* badge_ = nullptr;
    bool badgeShown_ = false;
    bool mapShown_ = false;
    QPointer<FreedToast> freedToast_;
    QPointer<DrillPane> drillPane_;
    QPointer<CandyToast> memoryToast_;
    QPointer<CandyToast> uninstallToast_;
    TransitionLayer* transitions_ = nullptr;
};

}  // namespace sorbeta
