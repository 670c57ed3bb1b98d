#include "app/SorbetaApp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/AppServices.h"
#include "app/ContentView.h"
#include "app/FirstFrameTrace.h"
#include "app/LanguageChoices.h"
#include "app/MaintenanceLink.h"
#include "app/MenuBarExtra.h"
#include "app/ModelTasks.h"
#include "app/UpdatePrompts.h"
#include "model/care/Maintenance.h"
#include "model/dialog/CandyDialog.h"
#include "model/disk/Access.h"
#include "model/scan/AppModel.h"
#include "platform/Notifications.h"
#include "platform/Translate.h"
#include "platform/Updater.h"
#include "ui/kit/CandyDialogView.h"
#include "ui/views/clean/HoldingSheet.h"
#include "ui/views/settings/SettingsView.h"

namespace sorbeta {
namespace {}  // namespace

SorbetaApp::SorbetaApp(QObject* parent)
    : QObject(parent), updater_(new platform::Updater(platform::Updater::standardSetup(), this)) {
    connectUpdatePrompts(*updater_, [this] { showMainWindow(); });
}

SorbetaApp::~SorbetaApp() {
    if (mainWindow_) delete mainWindow_.data();
    if (settings_) delete settings_.data();
}

AppServices& SorbetaApp::services() {
    if (!services_) {
        services_ = std::make_unique<AppServices>();
        QApplication::setLayoutDirection(AppServices::layoutDirection());
    }
    return *services_;
}

void SorbetaApp::start() {
    AppServices& container = services();
    AppModel& model = container.model();
    extra_ = std::make_unique<MenuBarExtra>(model, container.status(), container.care(), CandyDialogCenter::shared());
    auto volume = [this, &model] { extra_->setVolume(model.totalBytes(), model.freeBytes()); };
    connect(&model, &AppModel::totalBytesChanged, extra_.get(), volume);
    connect(&model, &AppModel::freeBytesChanged, extra_.get(), volume);
    volume();
    connect(extra_.get(), &MenuBarExtra::openMainWindow, this, &SorbetaApp::showMainWindow);
    connect(extra_.get(), &MenuBarExtra::openSettings, this, &SorbetaApp::openSettings);
    connect(extra_.get(), &MenuBarExtra::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    extra_->show();
    // A question counts while its window shows it: one left in a main window
    // that was closed (an update prompt at login) must not stop the
    // automatic clean until the window is opened again.
    container.care().setQuestionOnScreen([this] { return questionOnScreen(); });
    updater_->start();
    updateQuitOnClose();
    showMainWindow();
}

bool SorbetaApp::questionOnScreen() const {
    const std::optional<CandyDialog>& question = CandyDialogCenter::shared().current();
    if (!question) return false;
    if (question->host == CandyDialog::Host::menuBar) return extra_ && extra_->panelWindow()->isVisible();
    return mainWindow_ && mainWindow_->isVisible() && !mainWindow_->isMinimized();
}

void SorbetaApp::updateQuitOnClose() {
    // With a tray the process outlives its window; without one, closing the
    // window would leave an unreachable process, so it quits instead.
    QApplication::setQuitOnLastWindowClosed(!MenuBarExtra::trayAvailable());
}

void SorbetaApp::showMainWindow() {
    if (mainWindow_) {
        // Out of the dock, but a maximized or full-screen window stays so.
        mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
        return;
    }
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);  // reopening builds the content afresh
    window->setObjectName(QStringLiteral("main"));
    auto* content = new ContentView(services());
    content->setObjectName(QStringLiteral("content"));
    content->setMinimumSize(kMinWidth, kMinHeight);
    connect(content, &ContentView::openSettings, this, &SorbetaApp::openSettings);
    connect(content, &ContentView::showHolding, this, [this, window] {
        QPointer<AppServices> services(&this->services());
        auto* sheet = new HoldingSheet(
            services->holding(),
            [services] {
                if (services) services->rescanAfterRestore();
            },
            window);
        sheet->setAttribute(Qt::WA_DeleteOnClose);
        sheet->open();
    });
    window->setCentralWidget(candyDialogHost(content, CandyDialog::Host::main));
    buildMenus(window->menuBar());
    window->resize(kDefaultWidth, kDefaultHeight + window->menuBar()->sizeHint().height());
    mainWindow_ = window;
    FirstFrameTrace::attachIfAsked(window, content);
    window->show();
}

void SorbetaApp::buildMenus(QMenuBar* bar) {
    // The application's own menu: settings, then the update check.
    QMenu* app = bar->addMenu(QStringLiteral("Sorbeta"));
    QAction* settings = app->addAction(sorbeta::tr("设置…"));
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(settings, &QAction::triggered, this, &SorbetaApp::openSettings);
    QAction* check = app->addAction(sorbeta::tr("检查更新…"));
    check->setEnabled(updater_->canCheck());
    connect(updater_, &platform::Updater::canCheckChanged, check, &QAction::setEnabled);
    connect(check, &QAction::triggered, updater_, [updater = updater_] { updater->checkForUpdates(true); });

    QMenu* clean = bar->addMenu(sorbeta::tr("清理"));
    QAction* rescanAction = clean->addAction(sorbeta::tr("重新扫描"));
    rescanAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    AppModel& model = services().model();
    auto follow = [rescanAction, &model] { rescanAction->setEnabled(model.phase().isIdle()); };
    connect(&model, &AppModel::phaseChanged, rescanAction, follow);
    follow();
    connect(rescanAction, &QAction::triggered, this, &SorbetaApp::rescan);
    if (Access::hasPrivacyGate()) {  // with no gate the page would open nothing
        clean->addSeparator();
        QAction* access = clean->addAction(sorbeta::tr("打开“完全磁盘访问”设置…"));
        connect(access, &QAction::triggered, this, [] { QDesktopServices::openUrl(Access::settingsURL()); });
    }

    QMenu* language = bar->addMenu(sorbeta::tr("语言"));
    addLanguageChoices(language, services().relaunch(), &model);

    // The platform's quit command (the process otherwise outlives its window
    // in the tray), in the first menu as Linux applications place it. It is
    // the tray's own: a second action on the same key would leave Qt unable
    // to choose, and Ctrl+Q would do nothing while the panel is open.
    if (extra_) {
        QAction* quit = extra_->quitAction();
        clean->addSeparator();
        clean->addAction(quit);
        bar->parentWidget()->addAction(quit);
    }
}

void SorbetaApp::rescan() {
    AppModel& model = services().model();
    if (!model.phase().isIdle()) return;
    startScan(model);
}

void SorbetaApp::openSettings() {
    if (!settings_) {
        AppServices& container = services();
        SettingsContext context;
        context.settings = &container.settings();
        context.sound = &container.sound();
        context.relaunch = container.relaunch();
        context.fullDisk = container.accessProbe();
        context.model = &container.model();
        context.updater = updater_;
        auto* care = new MaintenanceLink(container.care());
        context.care = care;
        context.staysInTray = MenuBarExtra::trayAvailable();
        context.askNotificationPermission = platform::requestNotificationPermission;
        context.openPrivacySettings = [] { QDesktopServices::openUrl(Access::settingsURL()); };
        auto* window = new SettingsView(std::move(context));
        care->setParent(window);
        window->setWindowFlag(Qt::Window);
        window->setObjectName(QStringLiteral("settings"));
        window->setWindowTitle(sorbeta::tr("设置"));
        window->setAttribute(Qt::WA_DeleteOnClose);  // reopening starts at the general page
        settings_ = window;
    }
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

}  // namespace sorbeta
