#pragma once
// A temporary home with something in several catalog places, and a model
// wired to fake running applications and short waits.
#include <QCoreApplication>
#include <chrono>
#include <memory>

#include <qcoro/qcorotask.h>

#include "FakeRunningApps.h"
#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/dialog/CandyDialog.h"
#include "model/scan/AppModel.h"

namespace sorbeta::test {

// Runs a task to its end on the event loop.
template <typename T>
T finish(QCoro::Task<T>& task) {
    waitUntil([&] { return task.isReady(); }, 10'000);
    return QCoro::waitFor(task);
}
inline void finish(QCoro::Task<>& task) {
    waitUntil([&] { return task.isReady(); }, 10'000);
    QCoro::waitFor(task);
}

class AppModelFixture : public HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        tree = std::make_unique<FileTree>(home());
        apps = std::make_shared<FakeRunningApps>();
        environment = ModelEnvironment::system(places());
        environment.apps = apps;
        environment.dialogs = &dialogs;
        environment.isProcessRunning = [](const QString&) { return false; };
        environment.quitChecks = 3;
        environment.quitInterval = std::chrono::milliseconds(1);
        environment.freeRefreshDelays = {std::chrono::milliseconds(0), std::chrono::milliseconds(1)};
    }
    void TearDown() override {
        // Answer what is still asked, so no clean waits on a centre that is gone.
        while (dialogs.isShowing()) dialogs.choose(-1);
        tree.reset();
        HomeTest::TearDown();
    }

    // Safe rules npm, yarn, logs and browser; the review rule trash; a
    // 21 MB folder of media; a rule below the threshold (pip).
    void buildHome() {
        tree->file(".npm/_cacache/index/blob", 3'000'000);
        tree->file("Library/Caches/Yarn/v6/pkg.tgz", 2'000'000);
        tree->file("Library/Logs/app/crash.log", 1'500'000);
        tree->file("Library/Caches/Google/Chrome/Default/Cache/data_1", 2'500'000);
        tree->file(".Trash/old.zip", 1'200'000);
        tree->file("Library/Caches/pip/http/small", 400'000);
        tree->file("Pictures/Trip/clip.mov", 21'000'000);
        tree->file("Documents/note.txt", 10'000);
    }

    std::unique_ptr<AppModel> makeModel() { return std::make_unique<AppModel>(environment); }

    void scan(AppModel& model) {
        auto task = model.scan();
        finish(task);
    }

    std::unique_ptr<FileTree> tree;
    std::shared_ptr<FakeRunningApps> apps;
    CandyDialogCenter dialogs;  // the model's own, not the application's
    ModelEnvironment environment;
};

}  // namespace sorbeta::test
