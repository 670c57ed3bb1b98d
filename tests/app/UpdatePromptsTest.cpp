#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include "TestEnvironment.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "app/SorbetaApp.h"
#include "app/UpdatePrompts.h"
#include "model/care/Maintenance.h"
#include "model/dialog/CandyDialog.h"
#include "model/scan/AppModel.h"
#include "platform/Updater.h"
#include "ui/views/settings/SettingsView.h"

namespace sorbeta {
namespace {

using Outcome = platform::UpdateCheckResult::Outcome;

platform::UpdateCheckResult resultOf(Outcome outcome) {
    platform::UpdateCheckResult result;
    result.outcome = outcome;
    result.release = {QStringLiteral("1.3.0"), QUrl(QStringLiteral("https://downloads.invalid/sorbeta"))};
    return result;
}

TEST(UpdatePromptsTest, SpeaksUpUnaskedOnlyForANewerVersion) {
    const auto newer = updateDialog(resultOf(Outcome::newer), false, QStringLiteral("1.2.0"));
    ASSERT_TRUE(newer.has_value());
    EXPECT_EQ(newer->title, QStringLiteral("冰沙有新版本 1.3.0 了"));
    ASSERT_EQ(newer->choices.size(), 2u);
    EXPECT_TRUE(newer->choices[0].isDefault);
    EXPECT_TRUE(newer->choices[1].isCancel);

    EXPECT_FALSE(updateDialog(resultOf(Outcome::upToDate), false, QStringLiteral("1.3.0")).has_value());
    EXPECT_FALSE(updateDialog(resultOf(Outcome::failed), false, QStringLiteral("1.3.0")).has_value());
    const auto current = updateDialog(resultOf(Outcome::upToDate), true, QStringLiteral("1.3.0"));
    ASSERT_TRUE(current.has_value());
    EXPECT_EQ(current->message, QStringLiteral("冰沙 1.3.0 就是现在最新的版本。"));
    const auto failed = updateDialog(resultOf(Outcome::failed), true, QStringLiteral("1.3.0"));
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->choices.size(), 1u);
}

class AppMenuTest : public test::HomeTest {};

TEST_F(AppMenuTest, ShowingTheWindowAgainBringsItBackAsItWas) {
    SorbetaApp app;
    app.start();
    QMainWindow* window = test::mainWindow();
    ASSERT_NE(window, nullptr);
    window->showMaximized();
    QCoreApplication::processEvents();
    app.showMainWindow();  // the tray's "open" or a second launch
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isMaximized());
    window->setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    app.showMainWindow();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(AppMenuTest, SettingsAndUpdateItemsFollowTheirObjects) {
    SorbetaApp app;
    app.start();
    QMainWindow* window = test::mainWindow();
    ASSERT_NE(window, nullptr);
    QAction* settings = nullptr;
    QAction* check = nullptr;
    for (QAction* menu : window->menuBar()->actions())
        if (menu->menu())
            for (QAction* action : menu->menu()->actions()) {
                if (action->text() == QStringLiteral("设置…")) settings = action;
                if (action->text() == QStringLiteral("检查更新…")) check = action;
            }
    ASSERT_NE(settings, nullptr);
    ASSERT_NE(check, nullptr);
    // The update item is enabled exactly while a check can start (never in a
    // build without a feed, whose checker does not start).
    QCoreApplication::processEvents();
    EXPECT_EQ(check->isEnabled(), app.updater().canCheck());

    settings->trigger();
    auto* view = dynamic_cast<SettingsView*>(app.settingsWindow());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->size(), QSize(700, 560));
    EXPECT_EQ(view->section(), SettingsSection::general);
    view->setSection(SettingsSection::about);
    view->close();
    ASSERT_TRUE(test::waitUntil([&] { return app.settingsWindow() == nullptr; }));
    settings->trigger();  // a new window starts at the general page again
    view = dynamic_cast<SettingsView*>(app.settingsWindow());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->section(), SettingsSection::general);
}

TEST_F(AppMenuTest, LanguageWaitsWhileAScanOrCleanRuns) {
    SorbetaApp app;
    app.start();
    AppModel& model = app.services().model();
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 60000));
    QMainWindow* window = test::mainWindow();
    ASSERT_NE(window, nullptr);
    QList<QAction*> languages;
    for (QAction* menu : window->menuBar()->actions())
        if (menu->menu() && menu->text() == QStringLiteral("语言"))
            for (QAction* action : menu->menu()->actions())
                if (!action->isSeparator()) languages << action;
    ASSERT_EQ(languages.size(), 10);
    app.openSettings();
    auto* picker = test::child<QComboBox>(app.settingsWindow(), "language");
    ASSERT_NE(picker, nullptr);

    model.setPhase(Phase::cleaning());
    EXPECT_FALSE(picker->isEnabled());
    for (QAction* action : languages) EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    model.setPhase(Phase::idle());
    EXPECT_TRUE(picker->isEnabled());
    for (QAction* action : languages) EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
}

// Every command on Ctrl+Q, wherever it lives, counted as it fires. (The
// offscreen platform names no quit key of its own: the app falls back to
// Ctrl+Q, as a desktop's theme would give it.)
class QuitCommands {
public:
    QuitCommands() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            QList<QAction*> actions = top->findChildren<QAction*>();
            actions += top->actions();
            for (QAction* action : actions)
                if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)) && !seen_.contains(action)) {
                    seen_.insert(action);
                    QObject::connect(action, &QAction::triggered, [this] { ++fired; });
                }
        }
    }
    int fired = 0;

private:
    QSet<QAction*> seen_;
};

QWidget* trayPanel() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("menuBarPanel")) return widget;
    return nullptr;
}

TEST_F(AppMenuTest, ControlQQuitsOnceFromThePanelAndTheWindow) {
    SorbetaApp app;
    app.start();
    QMainWindow* window = test::mainWindow();
    QWidget* panel = trayPanel();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(panel, nullptr);
    QuitCommands quit;

    // The panel open over the main window.
    panel->show();
    ASSERT_EQ(QApplication::activePopupWidget(), panel);
    QTest::keyClick(panel, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.fired, 1);

    // The main window alone.
    panel->hide();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.fired, 2);

    // The panel after the main window was closed.
    window->close();
    ASSERT_TRUE(test::waitUntil([] { return test::mainWindow() == nullptr; }));
    panel->show();
    QTest::keyClick(panel, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.fired, 3);
    panel->hide();
}

TEST_F(AppMenuTest, AQuestionHoldsTheAutomaticCleanBackOnlyWhileItsWindowShowsIt) {
    SorbetaApp app;
    app.start();
    QMainWindow* window = test::mainWindow();
    ASSERT_NE(window, nullptr);
    Maintenance& care = app.services().care();
    CandyDialogCenter& center = CandyDialogCenter::shared();
    auto question = [](CandyDialog::Host host) {
        CandyDialog dialog;
        dialog.title = QStringLiteral("冰沙有新版本 1.3.0 了");
        dialog.host = host;
        dialog.choices = {{QStringLiteral("好"), Flavor::lime, true, false},
                          {QStringLiteral("以后再说"), Flavor::cloud, false, true}};
        return dialog;
    };
    EXPECT_FALSE(care.userIsAsked());

    center.confirm(question(CandyDialog::Host::main), [] {});
    EXPECT_TRUE(care.userIsAsked());
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(care.userIsAsked());
    app.showMainWindow();
    EXPECT_TRUE(care.userIsAsked());
    // Closed unanswered: the question waits for the window, upkeep does not.
    window->close();
    ASSERT_TRUE(test::waitUntil([] { return test::mainWindow() == nullptr; }));
    ASSERT_TRUE(center.isShowing());
    EXPECT_FALSE(care.userIsAsked());
    center.choose(1);

    // The panel shows its own questions, whatever the main window does.
    center.confirm(question(CandyDialog::Host::menuBar), [] {});
    QWidget* panel = trayPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(test::waitUntil([&] { return panel->isVisible(); }));
    EXPECT_TRUE(care.userIsAsked());
    center.choose(1);
    EXPECT_FALSE(care.userIsAsked());
    while (center.isShowing()) center.choose(-1);
    panel->hide();
}

}  // namespace
}  // namespace sorbeta
