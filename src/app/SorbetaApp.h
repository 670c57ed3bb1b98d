#pragma once
// The application object: the one service container, the main window (made
// afresh each time it is opened, named "main"), the tray icon with its panel,
// the settings window (named "settings", made afresh each time it opens),
// the update checker and the menu commands.
#include <QObject>
#include <QPointer>
#include <memory>

#include <QMainWindow>
class QMenuBar;
class QWidget;

namespace sorbeta {

class AppServices;
class MenuBarExtra;
namespace platform {
class Updater;
}

class SorbetaApp final : public QObject {
    Q_OBJECT

public:
    // Minimum and first size of the main window's content.
    static constexpr int kMinWidth = 1040, kMinHeight = 660;
    static constexpr int kDefaultWidth = 1280, kDefaultHeight = 820;

    explicit SorbetaApp(QObject* parent = nullptr);
    ~SorbetaApp() override;

    // Sets up the tray and opens the main window.
    void start();

    // The container, made on first use.
    AppServices& services();
    // The update checker, made with the application object (a child of it,
    // so it goes before the application does) and started by start().
    platform::Updater& updater() const { return *updater_; }
    // The settings window while it is open.
    QWidget* settingsWindow() const { return settings_; }

public slots:
    // Opens the main window, or brings the open one to the front.
    void showMainWindow();
    void openSettings();
    // Starts a scan when nothing runs.
    void rescan();

private:
    void buildMenus(QMenuBar* bar);
    void updateQuitOnClose();
    // A dialog waits in a window that shows it.
    bool questionOnScreen() const;

    std::unique_ptr<AppServices> services_;
    std::unique_ptr<MenuBarExtra> extra_;
    QPointer<QMainWindow> mainWindow_;
    QPointer<QWidget> settings_;
    platform::Updater* updater_ = nullptr;
};

}  // namespace sorbeta
