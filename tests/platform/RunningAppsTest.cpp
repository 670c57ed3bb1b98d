#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <fstream>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "platform/RunningApps.h"

namespace sorbeta {
namespace {
namespace fs = std::filesystem;

class RunningAppsTest : public test::HomeTest {
protected:
    void TearDown() override {
        for (auto& child : children_) {
            child->kill();
            child->waitForFinished(2000);
        }
        test::HomeTest::TearDown();
    }

    QProcess& start(const fs::path& program, const QProcessEnvironment& env) {
        children_.push_back(std::make_unique<QProcess>());
        QProcess& child = *children_.back();
        child.setProcessEnvironment(env);
        child.start(QString::fromStdString(program.string()), {QStringLiteral("30")});
        EXPECT_TRUE(child.waitForStarted(2000));
        // Started means the new program is named; the kernel lays out its
        // environment a moment later, and a process caught in between reads
        // as having none (no FLATPAK_ID).
        const std::string environment = "/proc/" + std::to_string(child.processId()) + "/environ";
        EXPECT_TRUE(test::waitUntil(
            [&] { return std::ifstream(environment).peek() != std::ifstream::traits_type::eof(); }, 2000));
        return child;
    }

    platform::RunningAppPtr find(const QString& id) const {
        for (auto& app : platform::RunningApps::system(places())->list())
            if (app->identifier() == id) return app;
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<QProcess>> children_;
};

TEST_F(RunningAppsTest, FlatpakAppsAreNamedByTheirDesktopFileAndTerminateBySignal) {
    test::FileTree tree(home());
    tree.text(".local/share/applications/org.example.Sleepy.desktop",
              "[Desktop Entry]\nType=Application\nName=Sleepy\nName[de]=Schläfrig\n[Desktop Action x]\nName=Other\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FLATPAK_ID"), QStringLiteral("org.example.Sleepy"));
    QProcess& child = start("/bin/sleep", env);

    const auto app = find(QStringLiteral("org.example.Sleepy"));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->name(), "Sleepy");
    EXPECT_FALSE(app->isTerminated());

    app->terminate();
    ASSERT_TRUE(child.waitForFinished(2000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);  // ended by SIGTERM
    EXPECT_TRUE(app->isTerminated());
    EXPECT_EQ(find(QStringLiteral("org.example.Sleepy")), nullptr);
}

TEST_F(RunningAppsTest, DesktopEntriesThatArePipesOrDevicesAndOddIdsAreSkipped) {
    test::FileTree tree(home());
    const fs::path applications = tree.dir(".local/share/applications");
    ASSERT_EQ(::mkfifo((applications / "org.example.Piped.desktop").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", applications / "org.example.Zero.desktop");
    tree.text("outside.desktop", "[Desktop Entry]\nName=Escaped\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FLATPAK_ID"), QStringLiteral("org.example.Piped"));
    start("/bin/sleep", env);
    env.insert(QStringLiteral("FLATPAK_ID"), QStringLiteral("org.example.Zero"));
    start("/bin/sleep", env);
    // An id that would climb out of the applications folder.
    env.insert(QStringLiteral("FLATPAK_ID"), QStringLiteral("../../../outside"));
    start("/bin/sleep", env);

    // Listing returns at once and names them by their command.
    const auto piped = find(QStringLiteral("org.example.Piped"));
    ASSERT_NE(piped, nullptr);
    EXPECT_NE(piped->name(), "Escaped");
    EXPECT_NE(find(QStringLiteral("org.example.Zero")), nullptr);
    EXPECT_EQ(find(QStringLiteral("../../../outside")), nullptr);
    for (const auto& app : platform::RunningApps::system(places())->list()) EXPECT_NE(app->name(), "Escaped");
}

TEST_F(RunningAppsTest, ProgramsInsideAnAppBundleCarryItsIdentifier) {
    test::FileTree tree(home());
    const fs::path exe = tree.at("Apps/Napper.app/Contents/MacOS/napper");
    fs::create_directories(exe.parent_path());
    fs::copy_file("/bin/sleep", exe);
    fs::permissions(exe, fs::perms::owner_all);
    tree.text("Apps/Napper.app/Contents/Info.plist",
              "<?xml version=\"1.0\"?><plist><dict><key>CFBundleIdentifier</key><string>com.example.Napper</string>"
              "<key>CFBundleName</key><string>Napper</string></dict></plist>");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("FLATPAK_ID"));
    start(exe, env);

    const auto app = find(QStringLiteral("com.example.Napper"));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->name(), "Napper");
    // Processes of other identities, and of none, are not this app.
    for (const auto& other : platform::RunningApps::system(places())->list())
        EXPECT_FALSE(other->identifier().isEmpty());
}

}  // namespace
}  // namespace sorbeta
