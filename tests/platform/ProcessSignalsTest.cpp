#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <filesystem>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "platform/EntryInfo.h"
#include "platform/PoliteQuit.h"
#include "platform/ProcessPlaces.h"
#include "platform/ProcessSignals.h"
#include "platform/ProcessTable.h"

using namespace sorbeta;
using platform::ProcessSample;

namespace {

TEST(ProcessTextTest, StatEnvironAndCgroupParsers) {
    // The command name may hold blanks and parentheses: fields count from the last ")".
    const std::string stat = "4242 (a (b) c) S 17 4242 4242 0 -1 4194560 100 0 0 0 1 2 0 0 20 0 1 0 987654 1 2 3";
    const auto fields = platform::parseStat(stat);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->parent, 17);
    EXPECT_EQ(fields->startTime, 987654u);
    EXPECT_FALSE(platform::parseStat("4242 (cut short) S 17 1"));
    EXPECT_FALSE(platform::parseStat("no parenthesis at all"));
    EXPECT_FALSE(platform::parseStat("1 (x) S notanumber 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 5"));

    const std::string environ = std::string("APPIMAGE_X=no\0APPIMAGE=/home/u/Tool.AppImage\0EMPTY=\0", 52);
    EXPECT_EQ(platform::environmentValue(environ, "APPIMAGE"), "/home/u/Tool.AppImage");
    EXPECT_EQ(platform::environmentValue(environ, "EMPTY"), "");
    EXPECT_FALSE(platform::environmentValue(environ, "APPIMAGE_"));

    EXPECT_EQ(platform::appUnitId("0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                                  "app-gnome-org.example.Tool-4242.scope\n"),
              "gnome-org.example.Tool");
    EXPECT_EQ(platform::appUnitId("0::/user.slice/app.slice/app-org.example.Tool@0123abcd.service"),
              "org.example.Tool");
    EXPECT_EQ(platform::appUnitId("0::/app.slice/app-flatpak-org.example.My\\x2dTool-77.scope"),
              "flatpak-org.example.My-Tool");
    EXPECT_EQ(platform::appUnitName("0::/app.slice/app-flatpak-org.example.My\\x2dTool-77.scope"),
              "flatpak-org.example.My\\x2dTool");
    // A launcher part or none; a desktop id may hold dashes itself, escaped in the unit's name.
    EXPECT_TRUE(platform::appUnitRuns("gnome-my\\x2dtool", "my-tool"));
    EXPECT_TRUE(platform::appUnitRuns("my\\x2dtool", "my-tool"));
    EXPECT_FALSE(platform::appUnitRuns("gnome-notmy\\x2dtool", "my-tool"));
    EXPECT_FALSE(platform::appUnitRuns("tool", ""));
    EXPECT_EQ(platform::appUnitId("0::/user.slice/session-2.scope\n"), "");
    EXPECT_EQ(platform::withoutDeletedMark("/a/Tool.AppImage (deleted)"), "/a/Tool.AppImage");
}

TEST(ProcessTextTest, SnapApplicationUnits) {
    const std::string slice = "0::/user.slice/user-1000.slice/user@1000.service/app.slice/";
    const std::string uuid = "6c1f5b0e-9a1d-4c4e-8f3a-2b7d9e0c1a55";
    EXPECT_EQ(platform::snapAppId(slice + "snap.firefox.firefox-" + uuid + ".scope\n"), "firefox_firefox");
    // The dashes of the snap's and the application's names are escaped in a scope's name.
    EXPECT_EQ(platform::snapAppId(slice + "snap.gnome\\x2dcalculator.gnome\\x2dcalculator-" + uuid + ".scope\n"),
              "gnome-calculator_gnome-calculator");
    EXPECT_EQ(platform::snapAppId(slice + "snap.my-tool.my-tool-" + uuid + ".scope"), "my-tool_my-tool");
    EXPECT_EQ(platform::snapAppId(slice + "snap.firefox_beta.firefox-" + uuid + ".scope"), "firefox_beta_firefox");
    EXPECT_EQ(platform::snapAppId("0::/system.slice/snap.syncer.sync-daemon.service\n"), "syncer_sync-daemon");
    EXPECT_EQ(platform::snapAppId("12:cpuset:/\n1:name=systemd:/user.slice/snap.x.y-" + uuid + ".scope\n"), "x_y");
    // Hooks, other units and broken names are no application.
    EXPECT_EQ(platform::snapAppId(slice + "snap.firefox.hook.configure-" + uuid + ".scope"), "");
    EXPECT_EQ(platform::snapAppId(slice + "snap.firefox.firefox.scope"), "");
    EXPECT_EQ(platform::snapAppId(slice + "snap.firefox.firefox-1234.scope"), "");
    EXPECT_EQ(platform::snapAppId(slice + "snap.firefox-" + uuid + ".scope"), "");
    EXPECT_EQ(platform::snapAppId(slice + "snap..firefox-" + uuid + ".scope"), "");
    EXPECT_EQ(platform::snapAppId(slice + "snap.firefox.-" + uuid + ".scope"), "");
    EXPECT_EQ(platform::snapAppId("0::/system.slice/snapd.service\n"), "");
    EXPECT_EQ(platform::snapAppId(slice + "app-gnome-firefox_firefox-42.scope"), "");
    EXPECT_EQ(platform::snapAppId(""), "");
}

TEST(ProcessTextTest, MappedFilesAndCommandLinePaths) {
    using namespace std::string_literals;
    const std::string maps =
        "55d0c0a00000-55d0c0a02000 r--p 00000000 08:01 131 /usr/bin/python3.11\n"
        "7f00-7f10 r-xp 00001000 08:02 77   /home/u/p/.venv/lib/python3.11/site-packages/_speed.so\n"
        "7f10-7f20 rw-p 00000000 00:00 0 \n"
        "7f20-7f30 rw-p 00000000 00:00 0                          [heap]\n"
        "7f30-7f40 r--p 00000000 08:02 78   /home/u/p/with space/lib.so (deleted)\n"
        "7f40-7f50 r--p 00002000 08:01 131 /usr/bin/python3.11";
    EXPECT_EQ(
        platform::mappedFiles(maps),
        (std::vector<platform::Path>{"/usr/bin/python3.11", "/home/u/p/.venv/lib/python3.11/site-packages/_speed.so",
                                     "/home/u/p/with space/lib.so"}));
    EXPECT_TRUE(platform::mappedFiles("").empty());

    // A service as systemd starts it, and a dev server started from the project folder.
    const std::string service = "/home/u/bot/.venv/bin/python\0-u\0main.py\0--config=/home/u/bot/./conf.toml\0"s;
    EXPECT_EQ(platform::commandLinePaths(service, "/home/u/bot"),
              (std::vector<platform::Path>{"/home/u/bot/.venv/bin/python", "/home/u/bot/conf.toml"}));
    const std::string server =
        "node\0node_modules/.bin/vite\0--port\0"
        "5173\0--x=\0-\0"s;
    EXPECT_EQ(platform::commandLinePaths(server, "/home/u/web"),
              (std::vector<platform::Path>{"/home/u/web/node_modules/.bin/vite"}));
    // Without a working folder a relative path leads nowhere.
    EXPECT_TRUE(platform::commandLinePaths(server, {}).empty());

    const std::vector<platform::Path> places{"/home/u/web/node_modules/.bin/vite", "/home/u/bot/.venv"};
    EXPECT_TRUE(platform::anyLiesIn(places, "/home/u/web/node_modules"));
    EXPECT_TRUE(platform::anyLiesIn(places, "/home/u/bot/.venv/"));
    EXPECT_FALSE(platform::anyLiesIn(places, "/home/u/web/node_modules/.bin/vit"));
    EXPECT_FALSE(platform::anyLiesIn(places, "/home/u/bot/.ven"));
    EXPECT_FALSE(platform::anyLiesIn(places, "/home/u/bot/.venv/bin"));
    EXPECT_FALSE(platform::anyLiesIn(places, {}));
}

// What each of the user's processes runs, works in, maps and names, read
// from its folder of /proc.
class ProcessPlacesTest : public test::HomeTest {};

TEST_F(ProcessPlacesTest, EveryPlaceAProcessHoldsOnTo) {
    using namespace std::string_literals;
    test::FileTree proc(outside() / "proc");
    const std::string stat = "4242 (python) S 1 4242 4242 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 5000 1 2 3\n";
    proc.text("4242/stat", stat);
    proc.symlink("/usr/bin/python3.11", "4242/exe");
    proc.symlink(home() / "bot", "4242/cwd");
    proc.text("4242/cmdline", "python\0.venv/bin/tool\0"s);
    proc.text("4242/maps", "7f00-7f10 r-xp 00001000 08:02 77 " + (home() / "bot/.venv/lib/_c.so").native() + "\n");
    // The script reached through a linked folder: both where it was named and where it lies.
    test::FileTree(home()).dir("real/bin");
    test::FileTree(home()).symlink(home() / "real", "linked");
    proc.text("4243/stat", "4243 (sh) S 1 4243 4243 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 6000 1 2 3\n");
    proc.text("4243/cmdline", "/bin/sh\0"s + (home() / "linked/bin/run.sh").native());

    const auto places = platform::placesInUse(platform::ProcFolder(proc.root()));
    for (const platform::Path& expected :
         {platform::Path("/usr/bin/python3.11"), home() / "bot", home() / "bot/.venv/bin/tool",
          home() / "bot/.venv/lib/_c.so", home() / "linked/bin/run.sh", home() / "real/bin/run.sh"})
        EXPECT_NE(std::find(places.begin(), places.end(), expected), places.end()) << expected;
    EXPECT_TRUE(platform::anyLiesIn(places, home() / "bot/.venv"));
    EXPECT_TRUE(platform::anyLiesIn(places, home() / "real"));
    EXPECT_FALSE(platform::anyLiesIn(places, home() / "other"));
}

// The unit a launcher started an application in names it with the id's own
// dashes escaped and a launcher part holding none: only the whole id after
// the launcher is the application's, never a tail of another id.
class AppUnitTest : public test::HomeTest {
protected:
    std::string unitOf(int pid, const std::string& unit) {
        test::FileTree proc(outside() / "proc");
        proc.text(std::to_string(pid) + "/cgroup",
                  "0::/user.slice/user-1000.slice/user@1000.service/app.slice/" + unit + "\n");
        return platform::ProcFolder(proc.root()).appUnit(pid);
    }
};

TEST_F(AppUnitTest, ADesktopIdOwnsOnlyTheUnitsThatNameAllOfIt) {
    const std::string gnome = unitOf(41, "app-gnome-my\\x2dtool-42.scope");
    EXPECT_TRUE(platform::appUnitRuns(gnome, "my-tool"));
    EXPECT_FALSE(platform::appUnitRuns(gnome, "tool"));
    EXPECT_FALSE(platform::appUnitRuns(gnome, "gnome-my-tool"));

    const std::string code = unitOf(42, "app-visual\\x2dstudio\\x2dcode@0123abcd.service");
    EXPECT_TRUE(platform::appUnitRuns(code, "visual-studio-code"));
    EXPECT_FALSE(platform::appUnitRuns(code, "code"));
    EXPECT_FALSE(platform::appUnitRuns(code, "studio-code"));
    const std::string launched = unitOf(43, "app-kde-visual\\x2dstudio\\x2dcode-7.scope");
    EXPECT_TRUE(platform::appUnitRuns(launched, "visual-studio-code"));
    EXPECT_FALSE(platform::appUnitRuns(launched, "code"));

    // A plain dash ends the launcher: this is "tool" started by GNOME.
    const std::string plain = unitOf(44, "app-gnome-tool-9.scope");
    EXPECT_TRUE(platform::appUnitRuns(plain, "tool"));
    EXPECT_FALSE(platform::appUnitRuns(plain, "gnome-tool"));
    EXPECT_TRUE(platform::appUnitRuns(unitOf(45, "app-org.example.Tool@1.service"), "org.example.Tool"));
    EXPECT_FALSE(platform::appUnitRuns(unitOf(46, "session-2.scope"), "session"));
}

class ProcessSignalsTest : public test::HomeTest {
protected:
    void TearDown() override {
        for (auto& child : children_) {
            child->kill();
            child->waitForFinished(2000);
        }
        test::HomeTest::TearDown();
    }
    QProcess& start(const QString& program, const QStringList& arguments) {
        children_.push_back(std::make_unique<QProcess>());
        QProcess& child = *children_.back();
        child.start(program, arguments);
        EXPECT_TRUE(child.waitForStarted(2000));
        return child;
    }
    ProcessSample sampleOf(const QProcess& child) {
        const auto sample = platform::ProcFolder().sample(int(child.processId()));
        EXPECT_TRUE(sample);
        return sample.value_or(ProcessSample{});
    }

private:
    std::vector<std::unique_ptr<QProcess>> children_;
};

TEST_F(ProcessSignalsTest, SamplesNameTheProcessTheParentAndTheExecutable) {
    QProcess& child = start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
    const ProcessSample sample = sampleOf(child);
    EXPECT_EQ(sample.parent, int(::getpid()));
    EXPECT_EQ(sample.uid, ::getuid());
    EXPECT_EQ(sample.executable, platform::resolvedPath("/bin/sleep"));
    EXPECT_GT(sample.startTime, 0u);
    const auto own = platform::ProcFolder().ownProcesses();
    EXPECT_TRUE(std::any_of(own.begin(), own.end(), [&](const ProcessSample& s) { return s == sample; }));
    EXPECT_TRUE(std::none_of(own.begin(), own.end(), [](const ProcessSample& s) { return s.pid == int(::getpid()); }));
}

TEST_F(ProcessSignalsTest, SignalsReachOnlyTheSampledProcess) {
    QProcess& child = start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
    const ProcessSample sample = sampleOf(child);
    // A pid that was reused since: another start time, or another program.
    ProcessSample reused = sample;
    reused.startTime += 1;
    EXPECT_FALSE(platform::ProcessHandle::open(reused).valid());
    reused = sample;
    reused.executable = "/usr/bin/other";
    EXPECT_FALSE(platform::ProcessHandle::open(reused).valid());
    // Never pid 1, ourselves or another user's process.
    ProcessSample init{1, 0, 1, ::getuid(), {}};
    EXPECT_FALSE(platform::ProcessHandle::open(init).valid());
    const auto self = platform::ProcFolder().sample(int(::getpid()));
    EXPECT_FALSE(platform::ProcessHandle::open(*self).valid());
    ProcessSample foreign = sample;
    foreign.uid = ::getuid() + 1;
    EXPECT_FALSE(platform::ProcessHandle::open(foreign).valid());
    EXPECT_EQ(child.state(), QProcess::Running);

    // With no display to ask, the polite quit is SIGTERM; the refused ones count as refused.
    const auto result = platform::politeQuit({sample, init}, std::string());
    EXPECT_EQ(result, (platform::PoliteQuitResult{0, 1, 1}));
    ASSERT_TRUE(child.waitForFinished(2000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_FALSE(platform::stillRuns(sample));
    EXPECT_EQ(platform::politeQuit({sample}, std::string()), (platform::PoliteQuitResult{0, 0, 1}));
}

TEST_F(ProcessSignalsTest, KillEndsAProcessThatIgnoresTerminate) {
    QProcess& child =
        start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("trap '' TERM; echo ready; "
                                                                               "while :; do sleep 0.05; done")});
    ASSERT_TRUE(child.waitForReadyRead(2000));
    const platform::ProcessHandle handle = platform::ProcessHandle::open(sampleOf(child));
    ASSERT_TRUE(handle.valid());
    EXPECT_TRUE(handle.send(platform::Signal::terminate));
    EXPECT_FALSE(child.waitForFinished(200));
    EXPECT_FALSE(handle.hasExited());
    EXPECT_TRUE(handle.send(platform::Signal::kill));
    ASSERT_TRUE(child.waitForFinished(2000));
    EXPECT_TRUE(handle.hasExited());
}

}  // namespace
