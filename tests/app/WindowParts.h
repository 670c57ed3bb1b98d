#pragma once
// The main window's parts, found by the names the shell gives them.
#include <QApplication>
#include <QMainWindow>

#include "Children.h"
#include "app/ContentView.h"
#include "app/WorkingView.h"
#include "model/shell/AppMode.h"
#include "ui/jelly/ScanningJelly.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/map/JellyMapView.h"
#include "ui/views/clean/SidePanel.h"
#include "ui/views/clean/Toasts.h"
#include "ui/views/clean/TopBar.h"

namespace sorbeta::test {

// The open main window ("main"), or null.
inline QMainWindow* mainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("main"))
            if (auto* window = qobject_cast<QMainWindow*>(widget)) return window;
    return nullptr;
}
inline ContentView* content(const QWidget* window) { return child<ContentView>(window, "content"); }

inline WorkingView* working(const ContentView* content) { return child<WorkingView>(content, "working"); }
inline AccessGuide* guide(const ContentView* content) { return child<AccessGuide>(content, "guide"); }
inline TransitionLayer* transitions(const ContentView* content) {
    return child<TransitionLayer>(content, "contentTransitions");
}

inline ModeSwitch* modeSwitch(const WorkingView* view) { return child<ModeSwitch>(view, "modeSwitch"); }
inline SidePanel* sidePanel(const WorkingView* view) { return child<SidePanel>(view, "cleanPanel"); }
inline const char* modeKey(AppMode mode) {
    switch (mode) {
        case AppMode::clean: return "clean";
        case AppMode::uninstall: return "uninstall";
        case AppMode::dev: return "dev";
        case AppMode::files: return "files";
        case AppMode::history: return "history";
        case AppMode::status: return "status";
    }
    return "";
}
inline QWidget* sidePanelFor(const WorkingView* view, AppMode mode) {
    return child<QWidget>(view, (std::string(modeKey(mode)) + "Panel").c_str());
}
inline QWidget* mainPaneFor(const WorkingView* view, AppMode mode) {
    return child<QWidget>(view, (std::string(modeKey(mode)) + "Page").c_str());
}
inline JellyMapView* map(const WorkingView* view) { return child<JellyMapView>(view, "map"); }
inline ScanningJelly* scanningJelly(const WorkingView* view) { return child<ScanningJelly>(view, "scanningJelly"); }
inline FreedToast* freedToast(const WorkingView* view) { return child<FreedToast>(view, "freedToast"); }
inline QWidget* limitedBadge(const WorkingView* view) { return child<QWidget>(view, "limitedBadge"); }
inline TransitionLayer* transitions(const WorkingView* view) { return child<TransitionLayer>(view, "transitions"); }

}  // namespace sorbeta::test
