#pragma once
// The tray: the jelly icon coloured by the share of free space, and the panel
// it opens, a frameless popup placed next to the icon (or the pointer when
// the tray does not say where it is). The panel carries its own dialog host,
// and is shown whenever a dialog waits for it, so a question asked there is
// never left unseen behind a closed panel.
//
// It also holds the application's one quit command: a single action, so that
// its shortcut is never found twice (Qt fires neither of two actions sharing
// a key). The main window lists it in its menu and carries it too, so the key
// works in any of the app's windows while the panel or the main window shows.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "model/common/Flavor.h"
#include "model/status/StatusTypes.h"

class QAction;

namespace sorbeta {

class AppModel;
class CandyDialogCenter;
class Maintenance;
class MenuPanel;
class StatusModel;

class MenuBarExtra final : public QObject {
    Q_OBJECT

public:
    // `memory` feeds the panel's memory meter (empty: the system's figures).
    MenuBarExtra(AppModel& model, StatusModel& status, Maintenance& care, CandyDialogCenter& dialogs,
                 std::function<MemoryBreakdown()> memory = {}, QObject* parent = nullptr);
    ~MenuBarExtra() override;

    // Whether the desktop shows tray icons at all.
    static bool trayAvailable();

    Flavor flavor() const { return flavor_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    // The popup window and the panel inside it.
    QWidget* panelWindow() const { return window_.get(); }
    MenuPanel* panel() const { return panel_; }
    // The quit command ("退出", the platform's quit key, application-wide);
    // it emits quitRequested.
    QAction* quitAction() const { return quit_; }

    // Shows the icon (when the desktop has a tray).
    void show();

public slots:
    void setVolume(qint64 totalBytes, qint64 freeBytes);
    void togglePanel();
    void showPanel();
    void hidePanel();

signals:
    void openMainWindow();
    void openSettings();
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    bool dialogWaiting() const;

    Flavor flavor_ = Flavor::cloud;
    QSystemTrayIcon* tray_ = nullptr;
    std::unique_ptr<QWidget> window_;
    MenuPanel* panel_ = nullptr;
    QAction* quit_ = nullptr;
    CandyDialogCenter& dialogs_;
    QElapsedTimer sinceHidden_;
};

}  // namespace sorbeta
