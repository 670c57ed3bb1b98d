// One clean from start to end, through the real main window on a temporary
// home: scan, tick, confirm in the candy dialog, hold the files, toast, rescan.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <fstream>

#include "TestEnvironment.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "app/ContentView.h"
#include "app/SorbetaApp.h"
#include "app/WorkingView.h"
#include "model/holding/HoldingModel.h"
#include "model/scan/AppModel.h"
#include "platform/Defaults.h"
#include "platform/Places.h"
#include "ui/kit/CandyDialogView.h"
#include "ui/map/JellyMapView.h"
#include "ui/views/clean/SidePanel.h"
#include "ui/views/clean/SidePanelParts.h"
#include "ui/views/clean/TopBar.h"
#include "ui/views/share/ShareCardSheet.h"

using namespace sorbeta;
using namespace sorbeta::test;
namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& path, std::size_t bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    const std::string block(64 * 1024, 'x');
    for (std::size_t written = 0; written < bytes; written += block.size()) out << block;
}

}  // namespace

class CleanJourneyTest : public test::HomeTest {};

TEST_F(CleanJourneyTest, ScanTickConfirmHoldToastAndRescan) {
    const fs::path logs = home() / "Library/Logs/SomeApp";
    writeBytes(logs / "old.log", 3 * 1024 * 1024);
    // Beside it a folder that cannot move into the holding area.
    const fs::path locked = home() / "Library/Logs/Locked";
    writeBytes(locked / "stuck.log", 1);
    const bool lockable = test::permissionsEnforced();
    if (lockable) ::chmod(locked.c_str(), 0555);
    platform::Defaults().setValue("holdCleaned", false);

    SorbetaApp app;
    app.start();
    QMainWindow* window = mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_GE(content(mainWindow())->minimumWidth(), 1040);
    EXPECT_GE(content(mainWindow())->minimumHeight(), 660);
    AppModel& model = app.services().model();
    // The clean menu rescans; it offers no privacy settings page, which Linux does not have.
    QStringList commands;
    for (QAction* menu : window->menuBar()->actions())
        if (menu->menu())
            for (QAction* action : menu->menu()->actions()) commands << action->text();
    EXPECT_TRUE(commands.contains(QStringLiteral("重新扫描"))) << commands.join(u'|').toStdString();
    EXPECT_FALSE(commands.contains(QStringLiteral("打开“完全磁盘访问”设置…"))) << commands.join(u'|').toStdString();

    // The window opened and scanned at once (no guide: access is granted here).
    ASSERT_FALSE(content(mainWindow())->showingGuide());
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 60000));
    WorkingView* working = test::working(content(mainWindow()));
    ASSERT_NE(map(working), nullptr);
    EXPECT_TRUE(map(working)->isVisibleTo(working));

    SidePanel* panel = sidePanel(working);
    auto* row = rowButton(safeSection(panel), "logs");
    ASSERT_NE(row, nullptr) << "the logs rule was not measured";
    // Tick exactly the logs rule through the interface.
    model.setSelected({});
    QTest::mouseClick(row, Qt::LeftButton);
    EXPECT_EQ(model.selected(), (std::set<std::string>{"logs"}));
    // Holding is turned on in the settings window after the scan: the clean
    // does what the setting says when Clean is pressed.
    app.services().settings().setHoldCleaned(true);
    ASSERT_TRUE(cleanButton(panel)->isEnabled());
    QTest::mouseClick(cleanButton(panel), Qt::LeftButton);

    // The confirmation shows in the main window's overlay; confirm it there.
    auto* overlay = window->findChild<CandyDialogOverlay*>();
    ASSERT_NE(overlay, nullptr);
    ASSERT_TRUE(test::waitUntil([&] { return overlay->card() != nullptr; }, 10000));
    QTest::mouseClick(overlay->card()->button(0), Qt::LeftButton);

    // The clean holds the files, reports them in a toast and rescans.
    ASSERT_TRUE(test::waitUntil([&] { return model.lastFreed().has_value(); }, 60000));
    EXPECT_GT(*model.lastFreed(), 3'000'000);
    ASSERT_TRUE(model.lastBatch().has_value());
    EXPECT_FALSE(fs::exists(logs / "old.log"));
    EXPECT_FALSE(app.services().holding().batches().empty());
    ASSERT_TRUE(test::waitUntil([&] { return freedToast(working) != nullptr; }, 10000));
    // The toast says what stayed behind instead of a plain success.
    EXPECT_EQ(
        freedToast(working)->findChild<QLabel*>(QStringLiteral("toastSubtitle"))->text(),
        lockable ? QStringLiteral("有 1 项没能清理掉，还在原处") : QStringLiteral("在暂存区放 7 天，后悔了可以恢复"));
    if (lockable) {
        EXPECT_TRUE(fs::exists(locked / "stuck.log"));
    }
    ASSERT_TRUE(test::waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 60000));
    EXPECT_EQ(rowButton(safeSection(panel), "logs"), nullptr);  // nothing left to clean
    EXPECT_TRUE(holdingLink(panel)->isVisibleTo(panel));

    // Sharing from the toast closes it and opens the share card of that clean.
    ASSERT_TRUE(model.lastReport().has_value());
    const CleanReport report = *model.lastReport();
    EXPECT_EQ(report.items.size(), 1u);
    QAbstractButton* share = nullptr;
    for (auto* button : freedToast(working)->findChildren<QAbstractButton*>())
        if (button->text() == QStringLiteral("分享战报")) share = button;
    ASSERT_NE(share, nullptr);
    QTest::mouseClick(share, Qt::LeftButton);
    ASSERT_TRUE(test::waitUntil([&] { return content(mainWindow())->sharing() != nullptr; }, 10000));
    EXPECT_EQ(content(mainWindow())->sharing()->report(), report);
    EXPECT_FALSE(model.lastFreed().has_value());
    ASSERT_TRUE(test::waitUntil([&] { return freedToast(working) == nullptr; }, 10000));
    ASSERT_TRUE(test::waitUntil([&] { return content(mainWindow())->sharing()->temporaryFile().has_value(); }));
    content(mainWindow())->sharing()->close();
    ASSERT_TRUE(test::waitUntil([&] { return content(mainWindow())->sharing() == nullptr; }));
}
