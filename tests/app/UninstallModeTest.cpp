// The uninstall mode from first visit to deleting for good, on a temporary
// home with a fake AppImage, its leftovers and a running copy of it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QLabel>
#include <QProcess>
#include <filesystem>

#include "Children.h"
#include "FileTree.h"
#include "TestEnvironment.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "app/UninstallShell.h"
#include "app/WorkingView.h"
#include "model/dialog/CandyDialog.h"
#include "model/uninstall/UninstallModel.h"
#include "platform/ProcessTable.h"
#include "platform/Trash.h"
#include "ui/kit/CandyControls.h"
#include "ui/views/clean/Toasts.h"
#include "ui/views/uninstall/UninstallMain.h"

using namespace sorbeta;
using namespace sorbeta::test;
namespace fs = std::filesystem;

namespace {

StatusModel::Sources quietStatus() {
    StatusModel::Sources s;
    s.memory = [] { return MemoryBreakdown{.total = 1, .free = 1}; };
    s.cpuTicks = [] { return platform::CpuTicks{}; };
    s.loadAverage = [] { return std::optional<double>(); };
    s.battery = [] { return std::optional<BatteryInfo>(); };
    s.memoryHogs = [](int) { return std::vector<MemoryHog>(); };
    s.hardware = [] { return HardwareNames{}; };
    s.purge = [] { return PurgeCommand::Outcome(); };
    s.quit = [](const MemoryHog&) {};
    return s;
}

// Answers the main window's current dialog with the button `index`.
bool answer(int index) {
    CandyDialogCenter& center = CandyDialogCenter::shared();
    if (!waitUntil([&] { return center.currentFor(CandyDialog::Host::main) != nullptr; })) return false;
    center.choose(index);
    return true;
}

}  // namespace

class UninstallModeTest : public HomeTest {
protected:
    void TearDown() override {
        // Whatever was started from the temporary folders goes too.
        const std::string root = home().parent_path().native() + "/";
        for (const auto& sample : platform::ProcFolder().ownProcesses())
            if (sample.executable.native().rfind(root, 0) == 0) ::kill(sample.pid, SIGKILL);
        if (child_) {
            child_->kill();
            child_->waitForFinished(2000);
        }
        HomeTest::TearDown();
    }
    std::unique_ptr<QProcess> child_;
};

TEST_F(UninstallModeTest, QuitUninstallToTheTrashAndDeleteForGood) {
    FileTree user(home());
    const fs::path image = user.at("Applications/Tool.AppImage");
    user.dir("Applications");
    fs::copy_file("/bin/sleep", image);
    FileTree(places().dataHome / "applications")
        .text("tool.desktop", "[Desktop Entry]\nType=Application\nName=Tool\nExec=" + image.native() + " %U\n");
    user.file(".config/Tool/settings.ini", 40'000);
    user.file(".cache/Tool/blob", 300'000);

    UninstallPlaces where;
    where.places = places();
    where.systemApplications = outside() / "Applications";
    where.locale = QStringLiteral("zh_CN");
    where.display = std::string();  // no desktop: the polite quit is SIGTERM
    AppServices services(ModelEnvironment::system(places()), quietStatus(), UninstallEngine::system(where));
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    UninstallModel& uninstall = services.uninstall();
    EXPECT_FALSE(uninstall.loading());  // nothing is listed before the first visit

    view.setMode(AppMode::uninstall);
    ASSERT_TRUE(waitUntil([&] { return uninstall.loaded(); }, 10000));
    ASSERT_EQ(uninstall.apps().size(), 1u);
    const InstalledApp tool = uninstall.apps()[0];
    EXPECT_EQ(tool.name, "Tool");
    ASSERT_GE(tool.leftovers.size(), 2u);  // its settings and cache (and its desktop entry)
    view.setMode(AppMode::clean);
    view.setMode(AppMode::uninstall);
    EXPECT_FALSE(uninstall.loading());  // a second visit lists nothing again

    // A running copy: the pane says so and the uninstall button waits.
    child_ = std::make_unique<QProcess>();
    child_->start(QString::fromStdString(image.native()), {QStringLiteral("30")});
    ASSERT_TRUE(child_->waitForStarted(2000));
    uninstall.setSelectedID(tool.id());
    auto* main = mainPaneFor(&view, AppMode::uninstall)->findChild<UninstallMain*>();
    ASSERT_NE(main, nullptr);
    ASSERT_NE(main->detail(), nullptr);
    AppDetail* detail = main->detail();
    ASSERT_TRUE(waitUntil([&] { return detail->runState() != UninstallModel::RunState::none; }));
    auto* uninstallButton = child<CandyButton>(detail, "uninstallButton");
    EXPECT_FALSE(uninstallButton->isEnabled());
    // Even asked directly, the model refuses while it runs.
    bool refused = false;
    [](UninstallModel& m, InstalledApp a, bool& flag) -> QCoro::Task<> {
        auto t = m.uninstall(a);
        co_await t;
        flag = true;
    }(uninstall, tool, refused);
    ASSERT_TRUE(waitUntil([&] { return refused; }));
    EXPECT_FALSE(uninstall.lastResult());
    EXPECT_TRUE(fs::exists(image));

    child<CandyButton>(detail, "quitButton")->click();
    ASSERT_TRUE(waitUntil([&] { return child_->state() == QProcess::NotRunning; }, 5000));
    ASSERT_TRUE(waitUntil([&] { return uninstallButton->isEnabled(); }, 5000));

    // Uninstall: confirm, and everything ticked goes to the temporary Trash.
    uninstallButton->click();
    ASSERT_TRUE(answer(0));
    ASSERT_TRUE(waitUntil([&] { return uninstall.lastResult().has_value(); }, 5000));
    EXPECT_FALSE(fs::exists(image));
    EXPECT_FALSE(fs::exists(home() / ".cache/Tool"));
    const fs::path trash = places().dataHome / "Trash/files";
    EXPECT_TRUE(fs::exists(trash / "Tool.AppImage"));
    EXPECT_TRUE(uninstall.apps().empty());
    EXPECT_FALSE(uninstall.selectedID());
    EXPECT_EQ(uninstall.lastResult()->failed, 0);
    EXPECT_EQ(uninstall.lastResult()->inTrash.size(), 1 + tool.leftovers.size());

    auto* toast = child<CandyToast>(&view, "uninstallToast");
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(toast->findChildren<CandyButton*>().size(), 2);  // "现在腾出空间" and "好"
    // The toast's action asks, and "彻底删除" deletes exactly those items.
    user.text(".local/share/Trash/files/Other.txt", "mine");
    UninstallShell::askPurge(uninstall, {.name = uninstall.lastResult()->name,
                                         .bytes = uninstall.lastResult()->bytes,
                                         .items = uninstall.lastResult()->inTrash});
    const CandyDialog* asked = CandyDialogCenter::shared().currentFor(CandyDialog::Host::main);
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->title, "彻底删除刚卸载的 Tool？");
    ASSERT_TRUE(answer(0));
    ASSERT_TRUE(waitUntil([&] { return !uninstall.lastResult(); }, 5000));
    EXPECT_FALSE(fs::exists(trash / "Tool.AppImage"));
    EXPECT_TRUE(fs::exists(trash / "Other.txt"));
    ASSERT_TRUE(waitUntil([&] { return child<CandyToast>(&view, "uninstallToast") == nullptr; }));

    // Nothing reached the Trash: no action, and the count in the subtitle.
    uninstall.setLastResult(UninstallModel::Result{.name = "Tool", .failed = 2});
    toast = child<CandyToast>(&view, "uninstallToast");
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(toast->findChildren<CandyButton*>().size(), 1);
}

TEST(UninstallShellTexts, ToastAndPurgeWordings) {
    UninstallModel::Result result{.name = "Tool", .bytes = 1'234'000'000, .failed = 0};
    EXPECT_EQ(UninstallShell::toastTitle(result), "Tool 移到废纸篓了 · 1.2 G");
    EXPECT_EQ(UninstallShell::toastSubtitle(result), "清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来");
    result.failed = 2;
    EXPECT_EQ(UninstallShell::toastSubtitle(result), "有 2 项没权限移走，可以在访达里手动拖进废纸篓");
    // The application itself could not be moved: the title does not say it went.
    result.appStayed = true;
    EXPECT_EQ(UninstallShell::toastTitle(result), "Tool 没能移到废纸篓");
    EXPECT_EQ(UninstallShell::purgeTitle("Tool"), "彻底删除刚卸载的 Tool？");
    EXPECT_EQ(UninstallShell::purgeMessage(1'234'000'000),
              "只删这次移进废纸篓的 1.2 G，废纸篓里别的东西不动。删了就不能放回来了。");
}
