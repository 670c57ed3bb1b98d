#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <filesystem>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/status/DesktopApps.h"
#include "model/status/MemoryUsers.h"
#include "model/status/SystemProbe.h"
#include "platform/ProcessTable.h"

using namespace sorbeta;
namespace fs = std::filesystem;

namespace {

constexpr int64_t MiB = int64_t(1) << 20;
const std::string kSession = "0::/user.slice/user-1000.slice/session-2.scope\n";

std::string unit(const std::string& name) {
    return "0::/user.slice/user-1000.slice/user@1000.service/app.slice/" + name + "\n";
}

// A proc folder and the desktop's applications, both made by hand.
class MemoryUsersTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        tree_ = std::make_unique<test::FileTree>(home());
        tree_->dir("proc");
        for (const char* program : {"editor", "viewer", "gnome-shell", "helper", "python3", "sh"})
            tree_->text(std::string("bin/") + program, "#!/bin/sh\n");
    }

    fs::path bin(const std::string& program) const { return tree_->at("bin/" + program); }

    // One process: `megabytes` of anonymous memory (and 1 MiB of shared
    // memory), running `program` (none: a kernel thread) in `cgroup`.
    void process(int pid, int parent, const std::string& program, int megabytes, const std::string& cgroup,
                 uint64_t started = 100) {
        const std::string folder = "proc/" + std::to_string(pid) + "/";
        tree_->text(folder + "stat", std::to_string(pid) + " (" + program + ") S " + std::to_string(parent) +
                                         " 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 " + std::to_string(started) +
                                         " 1000 100\n");
        tree_->text(folder + "status", "Name:\t" + program + "\nRssAnon:\t" + std::to_string((megabytes - 1) * 1024) +
                                           " kB\nRssFile:\t999999 kB\nRssShmem:\t1024 kB\n");
        tree_->text(folder + "cgroup", cgroup);
        if (!program.empty()) tree_->symlink(bin(program), folder + "exe");
    }

    void entry(const std::string& file, const std::string& name, const std::string& exec,
               const std::string& more = {}) {
        tree_->text("apps/" + file, "[Desktop Entry]\nType=Application\nName=" + name + "\nName[de]=" + name +
                                        " (de)\nIcon=" + name + "-icon\nExec=" + exec + "\n" + more);
    }

    DesktopApps apps() const {
        return DesktopApps::read({tree_->at("apps")}, QStringLiteral("de_DE"), tree_->at("bin").string());
    }

    std::vector<MemoryHog> hogs(int limit = 6) const {
        return SystemProbe::memoryHogsFrom(platform::ProcFolder(tree_->at("proc")), apps(), limit);
    }

    std::unique_ptr<test::FileTree> tree_;
};

std::vector<int> pidsOf(const std::vector<MemoryHog>& hogs) {
    std::vector<int> pids;
    for (const MemoryHog& hog : hogs) pids.push_back(hog.pid);
    return pids;
}

}  // namespace

TEST_F(MemoryUsersTest, ApplicationsAreUnitsOrShownProgramsWithTheirProcessesSummed) {
    entry("org.example.Editor.desktop", "Editor", "editor %F");
    entry("viewer.desktop", "Viewer", "viewer %U");
    // The editor's unit: its main process and a helper outside the family tree
    // (re-parented to the user's manager) both count.
    process(300, 299, "editor", 200, unit("app-gnome-org.example.Editor-4242.scope"), 50);
    process(301, 300, "helper", 40, unit("app-gnome-org.example.Editor-4242.scope"));
    process(302, 1, "helper", 10, unit("app-gnome-org.example.Editor-4242.scope"));
    // No unit: the viewer and its children in the same session count; its
    // own helper (same program) is part of it, not a second application.
    process(400, 1, "viewer", 100, kSession);
    process(401, 400, "viewer", 30, kSession);
    process(402, 401, "helper", 20, kSession);
    process(403, 400, "helper", 500, unit("app-gnome-other-7.scope"));  // left in a unit of its own

    const auto found = hogs();
    ASSERT_EQ(pidsOf(found), (std::vector<int>{300, 400}));
    const MemoryHog& editor = found[0];
    EXPECT_EQ(editor.name, QStringLiteral("Editor (de)"));
    EXPECT_EQ(editor.bundleID, QStringLiteral("org.example.Editor"));
    EXPECT_EQ(editor.iconName, QStringLiteral("Editor-icon"));
    EXPECT_EQ(editor.bytes, 250 * MiB);  // RssFile is shared with others: not counted
    ASSERT_EQ(editor.processes.size(), 3u);
    EXPECT_EQ(editor.processes[0].startTime, 50u);
    EXPECT_EQ(editor.processes[0].executable, bin("editor"));
    EXPECT_EQ(found[1].name, QStringLiteral("Viewer (de)"));
    EXPECT_EQ(found[1].bytes, 150 * MiB);
    EXPECT_EQ(found[1].processes.size(), 3u);
}

TEST_F(MemoryUsersTest, TheSessionHelpersKernelThreadsAndThisProgramAreNeverListed) {
    entry("org.gnome.Shell.Extensions.desktop", "Extensions", "gnome-shell --extensions");  // a shown entry
    entry("org.example.Notifier.desktop", "Notifier", "helper", "NoDisplay=true\n");
    entry("com.rovek.sorbeta.desktop", "Sorbeta", "viewer");
    entry("script.desktop", "Script", "python3 /usr/share/script.py");
    entry("org.example.Editor.desktop", "Editor", "editor");
    process(200, 1, "gnome-shell", 900, unit("org.gnome.Shell@x11.service"));
    process(201, 1, "gnome-shell", 900, kSession);
    process(210, 1, "helper", 800, unit("app-gnome-org.example.Notifier-12.scope"));  // a background helper
    process(220, 1, "viewer", 800, unit("app-gnome-com.rovek.sorbeta-99.scope"));     // this program's unit
    process(230, 1, "python3", 800, kSession);                                        // any script
    process(240, 2, "", 800, "0::/\n");                                               // a kernel thread
    process(250, 1, "helper", 800, unit("app-gnome-unknown.thing-5.scope"));          // no entry at all
    process(int(::getpid()), 1, "editor", 900, kSession);                             // this very process
    process(260, 1, "editor", 5, kSession);

    EXPECT_EQ(pidsOf(hogs()), std::vector<int>{260});
}

TEST_F(MemoryUsersTest, LargestFirstEqualOnesInPidOrderLimitedAndVanishedSkipped) {
    entry("org.example.Editor.desktop", "Editor", "editor");
    tree_->text("apps/org.example.Flat.desktop",
                "[Desktop Entry]\nType=Application\nExec=/usr/bin/flatpak run "
                "org.example.Flat\nX-Flatpak=org.example.Flat\n");
    process(500, 1, "editor", 64, kSession);
    process(510, 1, "editor", 64, kSession);  // a second copy started on its own
    process(520, 1, "helper", 128, unit("app-flatpak-org.example.Flat-77.scope"));
    process(490, 1, "editor", 64, kSession);
    fs::remove(tree_->at("proc/490/status"));  // ended while the folder was read

    const auto found = hogs();
    EXPECT_EQ(pidsOf(found), (std::vector<int>{520, 500, 510}));
    EXPECT_EQ(found[0].name, QStringLiteral("?"));  // its entry has no name
    EXPECT_EQ(pidsOf(hogs(2)), (std::vector<int>{520, 500}));
    EXPECT_TRUE(hogs(0).empty());
    EXPECT_TRUE(hogs(-1).empty());
    EXPECT_EQ(hogs(100).size(), 3u);
}

TEST_F(MemoryUsersTest, KernelThreadsByTheirFlagsHybridCgroupsAndAUnitWhoseHeadEnded) {
    entry("org.example.Editor.desktop", "Editor", "editor");
    entry("viewer.desktop", "Viewer", "viewer");
    // Flagged as a kernel thread (PF_KTHREAD in field 9) though it shows a
    // program and an application's unit: never read further, never listed.
    process(600, 1, "editor", 700, unit("app-gnome-org.example.Editor-1.scope"));
    const std::string kernelStat = "600 (editor) S 1 1 1 0 -1 2097216 0 0 0 0 0 0 0 0 20 0 1 0 100 1000 100\n";
    tree_->text("proc/600/stat", kernelStat);
    const auto flags = platform::parseStat(kernelStat);
    ASSERT_TRUE(flags);
    EXPECT_TRUE(flags->kernelThread());
    EXPECT_FALSE(platform::parseStat("1 (x) S 0 1 1 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 5")->kernelThread());
    // A hybrid hierarchy: the unified line among the old ones decides.
    process(610, 1, "helper", 30,
            "12:cpuset:/\n1:name=systemd:/user.slice/session-2.scope\n" + unit("app-gnome-viewer-3.scope") +
                "11:memory:/user.slice\n");
    // The unit's first process ended after the walk: the next one heads it.
    process(620, 1, "editor", 40, unit("app-gnome-org.example.Editor-8.scope"), 10);
    process(621, 1, "editor", 20, unit("app-gnome-org.example.Editor-8.scope"), 20);
    fs::remove(tree_->at("proc/620/status"));

    const auto found = hogs();
    ASSERT_EQ(pidsOf(found), (std::vector<int>{610, 621}));
    EXPECT_EQ(found[0].name, QStringLiteral("Viewer (de)"));
    EXPECT_EQ(found[1].bytes, 20 * MiB);
    ASSERT_EQ(found[1].processes.size(), 1u);
    EXPECT_EQ(found[1].processes[0].pid, 621);
}

// snapd starts each run of a snap's application in a scope of its own and
// names the application's desktop entry "<snap>_<app>"; what the entry runs
// is a launcher, so only the scope tells the application.
TEST_F(MemoryUsersTest, SnapApplicationsByTheirScopesAndServices) {
    const std::string uuid = "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0";
    entry("firefox_firefox.desktop", "Firefox",
          "env BAMF_DESKTOP_FILE_HINT=/var/lib/snapd/desktop/applications/firefox_firefox.desktop "
          "/snap/bin/firefox %u");
    entry("gnome-calculator_gnome-calculator.desktop", "Calculator", "/snap/bin/gnome-calculator");
    entry("syncer_daemon.desktop", "Syncer", "/snap/bin/syncer.daemon");
    process(700, 1, "viewer", 300, unit("snap.firefox.firefox-" + uuid + ".scope"));
    process(701, 700, "helper", 100, unit("snap.firefox.firefox-" + uuid + ".scope"));
    process(702, 1, "helper", 50, unit("snap.firefox.firefox-" + uuid + ".scope"));
    process(710, 1, "editor", 200, unit("snap.gnome\\x2dcalculator.gnome\\x2dcalculator-" + uuid + ".scope"));
    process(720, 1, "helper", 150, unit("snap.syncer.daemon.service"));
    process(730, 1, "helper", 900, unit("snap.firefox.hook.configure-" + uuid + ".scope"));  // a hook, no app
    process(740, 1, "helper", 900, unit("snap.unknown.app-" + uuid + ".scope"));             // no entry

    const auto found = hogs();
    ASSERT_EQ(pidsOf(found), (std::vector<int>{700, 710, 720}));
    EXPECT_EQ(found[0].name, QStringLiteral("Firefox (de)"));
    EXPECT_EQ(found[0].bundleID, QStringLiteral("firefox_firefox"));
    EXPECT_EQ(found[0].bytes, 450 * MiB);
    EXPECT_EQ(found[0].processes.size(), 3u);
    EXPECT_EQ(found[1].name, QStringLiteral("Calculator (de)"));
    EXPECT_EQ(found[2].name, QStringLiteral("Syncer (de)"));
}

TEST_F(MemoryUsersTest, DesktopIndexPrecedenceSubfoldersLinksAndLaunchers) {
    tree_->text("user/org.example.Editor.desktop", "[Desktop Entry]\nType=Application\nName=Mine\nExec=editor\n");
    entry("org.example.Editor.desktop", "Theirs", "editor");
    tree_->text("elsewhere/viewer.desktop",
                "[Desktop Entry]\nType=Application\nName=Linked\nExec=" + bin("viewer").string() + "\n");
    tree_->symlink(tree_->at("elsewhere/viewer.desktop"), "apps/viewer.desktop");
    tree_->text("apps/kde4/old.desktop", "[Desktop Entry]\nType=Application\nName=Old\nExec=helper\n");
    entry("shell.desktop", "Shell", "sh -c editor");
    entry("hidden.desktop", "Hidden", "helper", "Hidden=true\n");
    const auto index = DesktopApps::read({tree_->at("user"), tree_->at("apps"), tree_->at("missing")},
                                         QStringLiteral("en_US"), "relative:" + tree_->at("bin").string());
    ASSERT_TRUE(index.byUnit("org.example.Editor"));
    EXPECT_EQ(index.byUnit("org.example.Editor")->name, QStringLiteral("Mine"));
    EXPECT_EQ(index.byUnit("gnome-org.example.Editor")->name, QStringLiteral("Mine"));
    EXPECT_EQ(index.byUnit("flatpak-org.example.Editor")->name, QStringLiteral("Mine"));
    EXPECT_FALSE(index.byUnit("org.example"));
    EXPECT_EQ(index.byProgram(bin("editor"))->name, QStringLiteral("Mine"));
    EXPECT_EQ(index.byProgram(bin("viewer"))->name, QStringLiteral("Linked"));
    EXPECT_EQ(index.byUnit("kde4-old")->name, QStringLiteral("Old"));
    EXPECT_EQ(index.byProgram(bin("helper"))->name, QStringLiteral("Old"));  // the hidden one does not take it
    EXPECT_FALSE(index.byUnit("hidden")->visible);
    EXPECT_FALSE(index.byProgram(bin("sh")));
    EXPECT_FALSE(index.byProgram(""));
}

TEST_F(MemoryUsersTest, TheDesktopIndexIsReadAgainOnlyWhenAnEntryFolderChanged) {
    const fs::path folder = home() / ".local/share/applications";
    // Each change gives the folder it changed a time of its own: two
    // changes within one tick of the file system's clock would share one.
    int changes = 0;
    auto desktopFile = [&](const fs::path& file, const std::string& name) {
        const bool newFolder = !fs::exists(file.parent_path());
        fs::create_directories(file.parent_path());
        tree_->text(fs::relative(file, home()).string(), "[Desktop Entry]\nType=Application\nName=" + name + "\n");
        const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(1) + std::chrono::seconds(++changes);
        fs::last_write_time(file.parent_path(), stamp);
        if (newFolder) fs::last_write_time(file.parent_path().parent_path(), stamp);
    };
    desktopFile(folder / "kde4/old.desktop", "Old");
    const auto first = systemDesktopApps();
    ASSERT_TRUE(first->byUnit("kde4-old"));
    EXPECT_EQ(systemDesktopApps(), first);  // nothing changed: the same index

    desktopFile(folder / "org.example.New.desktop", "New");  // the folder itself changes
    const auto second = systemDesktopApps();
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->byUnit("org.example.New"));
    desktopFile(folder / "kde4/second.desktop", "Second");  // only the subfolder changes
    EXPECT_TRUE(systemDesktopApps()->byUnit("kde4-second"));
    desktopFile(folder / "kde5/third.desktop", "Third");  // a new subfolder
    const auto third = systemDesktopApps();
    EXPECT_TRUE(third->byUnit("kde5-third"));
    EXPECT_EQ(systemDesktopApps(), third);
}

TEST(SystemProbeHogs, ThisMachineListsNeitherThisProgramNorOthersOutOfOrder) {
    const auto hogs = SystemProbe::memoryHogs(6);
    EXPECT_LE(hogs.size(), 6u);
    for (std::size_t i = 0; i < hogs.size(); ++i) {
        EXPECT_NE(hogs[i].pid, int(::getpid()));
        EXPECT_FALSE(hogs[i].processes.empty());
        if (i > 0) {
            EXPECT_GE(hogs[i - 1].bytes, hogs[i].bytes);
        }
    }
    EXPECT_TRUE(SystemProbe::memoryHogs(0).empty());
}

TEST(SystemProbeHogs, QuitReachesOnlyTheSampledProcess) {
    QProcess child;
    child.start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(child.waitForStarted(2000));
    const auto sample = platform::ProcFolder().sample(int(child.processId()));
    ASSERT_TRUE(sample);
    MemoryHog hog{.pid = sample->pid, .name = QStringLiteral("Sleep")};
    hog.processes = {HogProcess{sample->pid, sample->startTime + 1, sample->executable}};  // not this process
    EXPECT_EQ(SystemProbe::quit(hog, std::string()).refused, 1);
    EXPECT_FALSE(child.waitForFinished(100));

    hog.processes = {HogProcess{sample->pid, sample->startTime, sample->executable}};
    const auto asked = SystemProbe::quit(hog, std::string());  // no display: no window to ask
    EXPECT_EQ(asked.terminated, 1);
    ASSERT_TRUE(child.waitForFinished(2000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);           // ended by SIGTERM, never SIGKILL
    EXPECT_EQ(SystemProbe::quit(hog, std::string()).refused, 1);  // gone
}
