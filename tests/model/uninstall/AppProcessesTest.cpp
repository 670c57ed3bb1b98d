// Finding an application's running processes, and quitting them.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <qcoro/qcorotask.h>
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "UninstallFixtures.h"
#include "model/uninstall/AppProcesses.h"
#include "model/uninstall/AppQuit.h"
#include "platform/ProcessSignals.h"

using namespace sorbeta;
namespace fs = std::filesystem;

namespace {

class AppProcessesTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        where_ = test::uninstallPlaces(places(), outside() / "Applications");
    }
    void TearDown() override {
        // Whatever our children started from the temporary folders goes too.
        const std::string root = home().parent_path().native() + "/";
        for (const auto& sample : platform::ProcFolder().ownProcesses())
            if (sample.executable.native().rfind(root, 0) == 0) ::kill(sample.pid, SIGKILL);
        for (auto& child : children_) {
            child->kill();
            child->waitForFinished(2000);
        }
        test::HomeTest::TearDown();
    }
    QProcess& start(const fs::path& program, const QStringList& arguments) {
        children_.push_back(std::make_unique<QProcess>());
        QProcess& child = *children_.back();
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QString::fromStdString(program.native()), arguments);
        EXPECT_TRUE(child.waitForStarted(2000)) << program;
        return child;
    }
    // waitForFinished() is false for a process already known to have ended.
    static bool ended(QProcess& child, int timeoutMs = 1000) {
        return child.state() == QProcess::NotRunning || child.waitForFinished(timeoutMs);
    }
    // pid -> "main" / "app" / "runtime" / "stray" for every process found.
    std::map<int, std::string> found(const InstalledApp& app) const {
        std::map<int, std::string> roles;
        for (const AppProcess& p : AppProcesses::find(app, where_))
            roles[p.pid()] = p.isMain ? "main" : p.isRuntime ? "runtime" : p.isApplication ? "app" : "stray";
        return roles;
    }
    // Waits (briefly) until /proc shows the process running `executable`
    // with its environment in place: the kernel names the new program a
    // moment before it lays out the environment, and a process caught in
    // between reads as having none.
    int pidRunning(const fs::path& executable) const {
        int pid = 0;
        test::waitUntil(
            [&] {
                const platform::ProcFolder proc;
                for (const auto& s : proc.ownProcesses())
                    if (s.executable == executable && proc.environment(s.pid, "APPIMAGE")) pid = s.pid;
                return pid != 0;
            },
            2000);
        return pid;
    }

    // Runs and is no zombie (kill(pid, 0) succeeds for one): a child its
    // parent does not reap stays in /proc with state Z once it ended.
    static bool alive(int pid) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line)) return false;
        const std::size_t close = line.rfind(')');
        return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
    }

    // An unpacked application in ~/Applications/Unpacked whose program and
    // helper are copies of the shell.
    struct ShellApp {
        InstalledApp app;
        fs::path program, helper;
    };
    ShellApp unpackedShellApp(test::FileTree& user) const {
        ShellApp made{.app = {.url = home() / "Applications/Unpacked",
                              .name = "Unpacked",
                              .bundleID = "unpacked",
                              .kind = AppKind::folder},
                      .program = user.at("Applications/Unpacked/bin/unpacked"),
                      .helper = user.at("Applications/Unpacked/bin/helper")};
        user.dir("Applications/Unpacked/bin");
        fs::copy_file("/bin/sh", made.program);
        fs::copy_file("/bin/sh", made.helper);
        made.app.desktop.program = made.program;
        return made;
    }

    // A user unit of the application's that runs `helper`, listed among its leftovers.
    void addUnitRunning(test::FileTree& user, InstalledApp& app, const fs::path& helper) const {
        user.text(".config/systemd/user/unpacked.service", "[Service]\nExecStart=" + helper.native() + " -x\n");
        app.leftovers.push_back({home() / ".config/systemd/user/unpacked.service", Leftover::Kind::agent, 1});
    }

    UninstallPlaces where_;
    std::vector<std::unique_ptr<QProcess>> children_;
};

TEST_F(AppProcessesTest, BundleProcessesByIdentifierPathAndAgentProgram) {
    test::FileTree system(outside() / "Applications");
    test::FileTree user(home());
    const fs::path tool = test::bundle(system, "Tool.app", {{"CFBundleIdentifier", "com.example.tool"}});
    const fs::path copy = test::bundle(user, "Copy/Tool.app", {{"CFBundleIdentifier", "com.example.tool"}});
    const fs::path login = test::bundle(user, "Login.app", {{"CFBundleIdentifier", "com.example.tool.agent"}});
    user.text("Login.app/Contents/Info.plist", test::plist({{"CFBundleIdentifier", "com.example.tool.agent"},
                                                            {"CFBundleExecutable", "tool"},
                                                            {"LSUIElement", "1"}}));
    const fs::path viewer = test::bundle(user, "Viewer.app", {{"CFBundleIdentifier", "com.example.tool.viewer"}});
    const fs::path daemon = test::program(system, "Tool.app/Contents/Resources/daemon");
    const fs::path agent = test::program(user, "Library/Application Support/Tool/agent");
    const fs::path stranger = test::program(user, "elsewhere/agent");
    user.text(
        "Library/LaunchAgents/com.example.tool.agent.plist",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Label</key><string>com.example.tool.agent</string>"
        "<key>ProgramArguments</key><array><string>~/Library/Application Support/Tool/agent</string>"
        "<string>--x</string></array></dict></plist>");

    const int main = int(start(tool / "Contents/MacOS/tool", {"30"}).processId());
    const int other = int(start(copy / "Contents/MacOS/tool", {"30"}).processId());
    const int background = int(start(login / "Contents/MacOS/tool", {"30"}).processId());
    start(viewer / "Contents/MacOS/tool", {"30"});
    const int stray = int(start(daemon, {"30"}).processId());
    const int helper = int(start(agent, {"30"}).processId());
    start(stranger, {"30"});

    InstalledApp app{.url = tool, .name = "Tool", .bundleID = "com.example.tool"};
    app.leftovers.push_back({home() / "Library/LaunchAgents/com.example.tool.agent.plist", Leftover::Kind::agent, 1});
    EXPECT_EQ(found(app), (std::map<int, std::string>{{main, "main"},
                                                      {other, "main"},  // the same identifier run from elsewhere
                                                      {background, "app"},
                                                      {stray, "stray"},
                                                      {helper, "stray"}}));
    EXPECT_EQ(AppProcesses::program(app.leftovers[0].url, app, where_), agent);
}

TEST_F(AppProcessesTest, AnAppImagesRuntimeItsApplicationAndAnUnpackedFolder) {
    test::FileTree user(home());
    // The runtime is the .AppImage file itself; it starts the application from its mount.
    const fs::path image = user.at("Applications/Tool.AppImage");
    user.dir("Applications");
    fs::copy_file("/bin/sh", image);
    const fs::path mounted = test::program(user, outside() / ".mount_Tool4x2/usr/bin/tool");
    const QString script = QStringLiteral("APPIMAGE='%1' '%2' 30 & wait").arg(image.c_str(), mounted.c_str());
    const int runtime = int(start(image, {"-c", script}).processId());
    const int application = pidRunning(mounted);
    ASSERT_NE(application, 0);
    InstalledApp appImage{.url = image, .name = "Tool", .bundleID = "Tool", .kind = AppKind::appImage};
    EXPECT_EQ(found(appImage), (std::map<int, std::string>{{runtime, "runtime"}, {application, "main"}}));

    const fs::path program = test::program(user, "Applications/Unpacked/bin/unpacked");
    const fs::path helper = test::program(user, "Applications/Unpacked/bin/helper");
    const int main = int(start(program, {"30"}).processId());
    const int other = int(start(helper, {"30"}).processId());
    InstalledApp folder{
        .url = home() / "Applications/Unpacked", .name = "Unpacked", .bundleID = "unpacked", .kind = AppKind::folder};
    folder.desktop.program = program;
    EXPECT_EQ(found(folder), (std::map<int, std::string>{{main, "main"}, {other, "stray"}}));
}

TEST_F(AppProcessesTest, ASystemProgramAnAutostartEntryRunsIsNoHelperButOneInTheHomeFolderIs) {
    test::FileTree user(home());
    const fs::path image = test::program(user, "Applications/Tool.AppImage");
    const fs::path launcher = test::program(user, ".local/bin/tool-launcher");
    // The user's shell, as the system installs it.
    const fs::path shell = outside() / "usr/bin/bash";
    user.dir(shell.parent_path());
    fs::copy_file("/bin/sh", shell);
    const fs::path fifo = outside() / "never-written";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    test::FileTree autostart(places().configHome / "autostart");
    autostart.text("tool.desktop", "[Desktop Entry]\nType=Application\nExec=" + shell.native() + " -c \"sleep 10; " +
                                       image.native() + "\"\nTryExec=" + image.native() + "\n");
    autostart.text("tool-launcher.desktop", "[Desktop Entry]\nType=Application\nExec=" + launcher.native() +
                                                " --start\nTryExec=" + image.native() + "\n");
    InstalledApp app{.url = image, .name = "Tool", .bundleID = "Tool", .kind = AppKind::appImage};
    app.leftovers.push_back({autostart.at("tool.desktop"), Leftover::Kind::agent, 1});
    app.leftovers.push_back({autostart.at("tool-launcher.desktop"), Leftover::Kind::agent, 1});
    ASSERT_TRUE(AppProcesses::belongs(app.leftovers[0].url, app, where_));

    // A terminal's shell of the user's, which would take SIGKILL after ignoring SIGTERM.
    QProcess& terminal =
        start(shell, {"-c", QStringLiteral("trap '' TERM; echo ready; read x < '%1'").arg(fifo.c_str())});
    ASSERT_TRUE(terminal.waitForReadyRead(2000));
    const int helper = int(start(launcher, {"30"}).processId());
    EXPECT_EQ(found(app), (std::map<int, std::string>{{helper, "stray"}}));

    const AppProcesses::CommandRunner run = [](const fs::path&, const std::vector<std::string>&) {};
    const AppProcesses::QuitTiming quick{1, std::chrono::milliseconds(50), std::chrono::milliseconds(100)};
    QCoro::waitFor(AppProcesses::quit(app, where_, run, quick));
    EXPECT_FALSE(ended(terminal, 300));
    EXPECT_TRUE(found(app).empty());
}

TEST_F(AppProcessesTest, QuitAsksTheApplicationAndEndsItsHelpersEvenWhenTheyIgnoreTerminate) {
    test::FileTree user(home());
    auto [folder, program, helper] = unpackedShellApp(user);
    // The shells wait on their input rather than in a loop of commands: a
    // command's process is, until it starts, a copy of the shell, which a
    // busy machine can catch and count as one of the application's own.
    const QString stubborn = QStringLiteral("trap '' TERM; echo ready; read x");
    std::vector<std::pair<std::string, std::vector<std::string>>> commands;
    const AppProcesses::CommandRunner run = [&](const fs::path& exe, const std::vector<std::string>& arguments) {
        commands.emplace_back(exe.native(), arguments);
    };
    const AppProcesses::QuitTiming quick{4, std::chrono::milliseconds(50), std::chrono::milliseconds(200)};

    // A polite application quits on the request; the stubborn helper is killed.
    QProcess& main = start(program, {"-c", "echo ready; read x"});
    QProcess& background = start(helper, {"-c", stubborn});
    ASSERT_TRUE(main.waitForReadyRead(2000) && background.waitForReadyRead(2000));
    addUnitRunning(user, folder, helper);
    EXPECT_EQ(found(folder),
              (std::map<int, std::string>{{int(main.processId()), "main"}, {int(background.processId()), "stray"}}));
    QCoro::waitFor(AppProcesses::quit(folder, where_, run, quick));
    EXPECT_TRUE(ended(main));
    EXPECT_TRUE(ended(background));
    EXPECT_EQ(background.exitStatus(), QProcess::CrashExit);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].first, "/usr/bin/systemctl");
    EXPECT_EQ(commands[0].second, (std::vector<std::string>{"--user", "stop", "unpacked.service"}));

    // An application that does not quit (it asks to save) is never signalled again or killed.
    QProcess& stays = start(program, {"-c", stubborn});
    ASSERT_TRUE(stays.waitForReadyRead(2000));
    QCoro::waitFor(AppProcesses::quit(folder, where_, run, quick));
    EXPECT_FALSE(ended(stays, 300));
    EXPECT_EQ(found(folder), (std::map<int, std::string>{{int(stays.processId()), "main"}}));
}

TEST_F(AppProcessesTest, QuitLeavesWhatTheOpenApplicationStartedButEndsItsOtherHelpers) {
    test::FileTree user(home());
    auto [folder, program, helper] = unpackedShellApp(user);
    const fs::path fifo = outside() / "never-written";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const AppProcesses::CommandRunner run = [](const fs::path&, const std::vector<std::string>&) {};
    const AppProcesses::QuitTiming quick{4, std::chrono::milliseconds(50), std::chrono::milliseconds(200)};

    // The application waits for an answer to "Save changes?" with a child
    // of its own (a tab, a renderer) that would end on SIGTERM; a helper it
    // did not start ignores SIGTERM. The application names its child once it
    // ignores the request itself.
    const QString script =
        QStringLiteral("'%1' -c \"read x < '%2'\" & trap '' TERM; echo $!; read x").arg(program.c_str(), fifo.c_str());
    QProcess& main = start(program, {"-c", script});
    QProcess& other = start(helper, {"-c", "trap '' TERM; echo ready; read x"});
    ASSERT_TRUE(main.waitForReadyRead(2000) && other.waitForReadyRead(2000));
    const int child = main.readLine().trimmed().toInt();
    ASSERT_GT(child, 0);
    ASSERT_TRUE(test::waitUntil(
        [&] { return platform::ProcFolder().sample(child).value_or(platform::ProcessSample{}).executable == program; },
        2000));
    EXPECT_EQ(found(folder),
              (std::map<int, std::string>{
                  {int(main.processId()), "main"}, {child, "stray"}, {int(other.processId()), "stray"}}));

    QCoro::waitFor(AppProcesses::quit(folder, where_, run, quick));
    EXPECT_FALSE(ended(main, 300));
    EXPECT_TRUE(alive(child));
    EXPECT_TRUE(ended(other));
    EXPECT_EQ(other.exitStatus(), QProcess::CrashExit);
}

TEST_F(AppProcessesTest, AFolderAppItsEntryStartsThroughALauncherIsOnlyAskedToQuit) {
    test::FileTree user(home());
    auto [folder, program, helper] = unpackedShellApp(user);
    // The entry runs a script that execs the real program: no process ever
    // runs the script itself.
    user.text("Applications/Unpacked/unpacked", "#!/bin/sh\nexec '" + program.native() + "' \"$@\"\n");
    folder.desktop.program = user.at("Applications/Unpacked/unpacked");
    const AppProcesses::CommandRunner run = [](const fs::path&, const std::vector<std::string>&) {};
    const AppProcesses::QuitTiming quick{2, std::chrono::milliseconds(50), std::chrono::milliseconds(100)};

    // The application, asking to save, and a helper its unit runs ignore SIGTERM.
    QProcess& main = start(program, {"-c", "trap '' TERM; echo ready; read x"});
    QProcess& background = start(helper, {"-c", "trap '' TERM; echo ready; read x"});
    ASSERT_TRUE(main.waitForReadyRead(2000) && background.waitForReadyRead(2000));
    addUnitRunning(user, folder, helper);
    EXPECT_EQ(found(folder),
              (std::map<int, std::string>{{int(main.processId()), "main"}, {int(background.processId()), "stray"}}));

    QCoro::waitFor(AppProcesses::quit(folder, where_, run, quick));
    EXPECT_FALSE(ended(main, 300));
    EXPECT_NE(main.exitStatus(), QProcess::CrashExit);
    EXPECT_TRUE(ended(background));
    EXPECT_EQ(background.exitStatus(), QProcess::CrashExit);
}

TEST_F(AppProcessesTest, AnAppImagesRuntimeIsSignalledOnlyOnceItsApplicationIsGone) {
    test::FileTree user(home());
    const fs::path image = user.at("Applications/Tool.AppImage");
    user.dir("Applications");
    fs::copy_file("/bin/sh", image);
    const fs::path mounted = outside() / ".mount_Tool9/usr/bin/tool";
    user.dir(mounted.parent_path());
    fs::copy_file("/bin/sh", mounted);
    const fs::path fifo = outside() / "never-written";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // The application says it is ready once it ignores the request: found
    // any earlier, it could still end on it.
    const QString script =
        QStringLiteral("APPIMAGE='%1' '%2' -c \"trap '' TERM; echo ready; read x < '%3'\" & wait; read x")
            .arg(image.c_str(), mounted.c_str(), fifo.c_str());
    QProcess& runtime = start(image, {"-c", script});
    ASSERT_TRUE(runtime.waitForReadyRead(2000));
    const int application = pidRunning(mounted);
    ASSERT_NE(application, 0);
    InstalledApp app{.url = image, .name = "Tool", .bundleID = "Tool", .kind = AppKind::appImage};
    const AppProcesses::CommandRunner run = [](const fs::path&, const std::vector<std::string>&) {};
    const AppProcesses::QuitTiming quick{2, std::chrono::milliseconds(50), std::chrono::milliseconds(100)};

    // The application ignores the request (and waits on its input without
    // starting anything): it and the runtime serving its files stay.
    QCoro::waitFor(AppProcesses::quit(app, where_, run, quick));
    EXPECT_FALSE(ended(runtime, 200));
    EXPECT_EQ(found(app), (std::map<int, std::string>{{int(runtime.processId()), "runtime"}, {application, "main"}}));

    // Once it is gone, the runtime is a background process like any other.
    ::kill(application, SIGKILL);
    ASSERT_TRUE(test::waitUntil([&] { return found(app).size() == 1; }, 2000));
    QCoro::waitFor(AppProcesses::quit(app, where_, run, quick));
    EXPECT_TRUE(ended(runtime));
    EXPECT_TRUE(found(app).empty());
}

}  // namespace
