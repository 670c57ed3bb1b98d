#include <gtest/gtest.h>

#include <QStringList>
#include <filesystem>

#include "AppModelTestSupport.h"
#include "LinuxHome.h"
#include "model/scan/CleanRun.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;
using Host = CandyDialog::Host;

// The clean page on a Linux home: guards that name what Linux shows, and
// sandboxes spared by the application that runs in them.
class LinuxCleanTest : public test::AppModelFixture {
protected:
    void SetUp() override {
        AppModelFixture::SetUp();
        environment.places = test::LinuxHome::build(*tree, places());
        for (const char* big : {".cache/mozilla/firefox/abc.default-release/cache2/entries/big", ".cache/pip/http/big",
                                ".cache/thumbnails/big", ".var/app/org.gimp.GIMP/cache/gimp/big",
                                "snap/code/common/.cache/big", ".config/Slack/Cache/big", ".config/Slack/logs/big"})
            tree->file(big, 1'500'000);
        // Slack runs: a probe that sees its executable.
        environment.isProcessRunning = [](const QString& pattern) { return pattern.contains(u"slack"); };
        model = std::make_unique<AppModel>(environment);
        scan(*model);
    }
    void TearDown() override {
        model.reset();
        AppModelFixture::TearDown();
    }
    bool exists(const char* relative) const { return fs::exists(fs::symlink_status(home() / relative)); }

    std::unique_ptr<AppModel> model;
};

TEST_F(LinuxCleanTest, TheBusyAppsDialogNamesTheRunningBrowser) {
    apps->add(QStringLiteral("firefox"), QStringLiteral("Firefox"), false);
    auto task = model->cleanSelected(Host::main, {"browser", "pip"});
    ASSERT_TRUE(test::waitUntil([&] { return dialogs.isShowing(); }, 5000));
    EXPECT_EQ(dialogs.current()->title, QStringLiteral("Firefox 还开着"));
    dialogs.choose(1);  // skip these
    test::finish(task);
    EXPECT_TRUE(exists(".cache/mozilla/firefox/abc.default-release/cache2/entries/big"));
    EXPECT_FALSE(exists(".cache/pip/http/big"));
    EXPECT_EQ(model->lastSkipped(), QStringList{QStringLiteral("浏览器缓存")});
}

TEST_F(LinuxCleanTest, RunningSandboxesAndProcessesAreSpared) {
    apps->add(QStringLiteral("org.gimp.GIMP"), QStringLiteral("GIMP"));  // Flatpak id
    apps->add(QStringLiteral("code"), QStringLiteral("Code"));           // snap name
    auto task = model->cleanSelected(Host::main, {"appcache", "slackcache"});
    test::finish(task);
    EXPECT_FALSE(dialogs.isShowing());
    EXPECT_TRUE(exists(".var/app/org.gimp.GIMP/cache/gimp/big"));
    EXPECT_TRUE(exists("snap/code/common/.cache/big"));
    EXPECT_FALSE(exists(".cache/thumbnails/big"));
    EXPECT_TRUE(exists(".cache"));
    for (const std::string& file : test::LinuxHome::protectedFiles()) EXPECT_TRUE(exists(file.c_str())) << file;
    EXPECT_TRUE(exists(".config/Slack/Cache/big"));
    EXPECT_EQ(model->lastSkipped(), QStringList{QStringLiteral("Slack 缓存")});
}

// A snap's revision homes are its own, as its common folder is: their
// caches are spared while the snap runs.
TEST_F(LinuxCleanTest, RevisionCachesOfARunningSnapAreSpared) {
    apps->add(QStringLiteral("discord"), QStringLiteral("Discord"));  // snap name
    auto task = model->cleanSelected(Host::main, {"appcache", "logs"});
    test::finish(task);
    EXPECT_FALSE(dialogs.isShowing());
    EXPECT_TRUE(exists("snap/discord/42/.cache/fontconfig/c"));
    EXPECT_TRUE(exists("snap/discord/x1/.cache/fontconfig/c"));
    EXPECT_FALSE(exists(".cache/thumbnails/big"));
    // The browsers' crash reports go with the other logs.
    EXPECT_FALSE(exists(".config/google-chrome/Crash Reports/completed/a1.dmp"));
    EXPECT_FALSE(exists(".config/Slack/logs/big"));
    for (const std::string& file : test::LinuxHome::protectedFiles()) EXPECT_TRUE(exists(file.c_str())) << file;
}

}  // namespace
}  // namespace sorbeta
