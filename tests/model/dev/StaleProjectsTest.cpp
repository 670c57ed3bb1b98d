#include "model/dev/StaleProjects.h"

#include <gtest/gtest.h>

#include <QProcess>

#include "DevTestSupport.h"
#include "model/dev/DevDates.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

class StaleProjectsTest : public test::DevHomeTest {
protected:
    // A node project whose every file and folder is `days` old, with
    // `dependencyBytes` in its node_modules.
    fs::path project(const std::string& relative, int64_t dependencyBytes, int64_t days = 120) {
        tree->text(relative + "/package.json", "{}");
        tree->text(relative + "/src/lib/index.js", "x");
        allocated(relative + "/node_modules/big/blob.bin", dependencyBytes);
        for (const char* part : {"/node_modules/big/blob.bin", "/node_modules/big", "/node_modules", "/package.json",
                                 "/src/lib/index.js", "/src/lib", "/src", ""})
            ageDays(relative + part, days);
        return home() / relative;
    }

    std::vector<DevEntry> stale(const std::string& root = "Projects") {
        return DevScan::staleProjects(now, std::vector<fs::path>{home() / root}, environment);
    }
};

TEST_F(StaleProjectsTest, IdleProjectsWithEnoughToFree) {
    const auto big = project("Projects/big", 80'000'000);
    const auto old = project("Projects/old", 60'000'000, 400);
    tree->file("Projects/old/target/debug.bin", 4096);  // no Cargo.toml beside it: not an artifact
    ageDays("Projects/old/target/debug.bin", 400);
    ageDays("Projects/old/target", 400);
    ageDays("Projects/old", 400);
    project("Projects/small", 49'000'000);  // at most 50,000,000: not listed
    project("Projects/fresh", 90'000'000, 3);

    const auto entries = stale();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].id, "stale:" + QString::fromStdString(big.native()));
    EXPECT_EQ(entries[0].title, "big");
    EXPECT_EQ(entries[0].bytes, DiskScanner::size(big / "node_modules"));
    EXPECT_EQ(entries[0].action, DevEntry::Action(DevEntry::Artifacts{{big / "node_modules"}}));
    EXPECT_TRUE(entries[0].recommended);
    EXPECT_EQ(entries[0].detail, "上次改动 " + DevDates::abbreviatedDate(now.addDays(-120)) + " · node_modules");
    EXPECT_EQ(entries[1].title, "old");
    EXPECT_EQ(entries[1].detail, "上次改动 " + DevDates::abbreviatedDate(now.addDays(-400)) + " · node_modules");
}

TEST_F(StaleProjectsTest, AChangeAnywhereInTheTreeMeansInUse) {
    project("Projects/top", 60'000'000);
    tree->text("Projects/top/README.md", "edited");
    ageDays("Projects/top/README.md", 1);
    ageDays("Projects/top", 120);

    // Only a deep file changed; every folder above it looks old.
    project("Projects/deep", 60'000'000);
    tree->text("Projects/deep/src/lib/new.js", "edited");
    ageDays("Projects/deep/src/lib/new.js", 1);
    for (const char* part : {"/src/lib", "/src", ""}) ageDays(std::string("Projects/deep") + part, 120);

    // 89 days ago is within the window; a project idle for exactly 90 days plus a second is not.
    project("Projects/recent", 60'000'000);
    ageSeconds("Projects/recent/src/lib/index.js", DevScan::kStaleSeconds - 86'400);
    const auto idle = project("Projects/idle", 60'000'000);
    ageSeconds("Projects/idle/src/lib/index.js", DevScan::kStaleSeconds + 1);

    const auto entries = stale();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].id, "stale:" + QString::fromStdString(idle.native()));
}

TEST_F(StaleProjectsTest, DependencyFoldersAreNotEnteredButDoubtfulPlacesAreInUse) {
    // A nested package's dependencies and the repository store are not walked:
    // made unreadable, they would otherwise count as doubt. (git says nothing is tracked.)
    environment.git.executable = tool("git", "exit 0");
    const auto mono = project("Projects/mono", 60'000'000);
    tree->text("Projects/mono/packages/a/package.json", "{}");
    tree->file("Projects/mono/packages/a/node_modules/x.js");
    tree->file("Projects/mono/.git/objects/pack");
    tree->unreadable("Projects/mono/packages/a/node_modules");
    tree->unreadable("Projects/mono/.git/objects");
    for (const char* part : {"/packages/a/node_modules", "/packages/a/package.json", "/packages/a", "/packages",
                             "/.git/objects", "/.git", ""})
        ageDays(std::string("Projects/mono") + part, 120);

    // An ordinary folder that cannot be read may hide a recent change.
    project("Projects/hidden", 60'000'000);
    tree->file("Projects/hidden/src/secret/file.js");
    tree->unreadable("Projects/hidden/src/secret");
    for (const char* part : {"/src/secret", "/src", ""}) ageDays(std::string("Projects/hidden") + part, 120);

    const auto entries = stale();
    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced";
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].id, "stale:" + QString::fromStdString(mono.native()));

    // The project's own artifact folders do not count at all; other
    // dependency folders count by their own date.
    ageDays("Projects/mono/node_modules", 1);
    const QDateTime cutoff = now.addSecs(-DevScan::kStaleSeconds);
    EXPECT_FALSE(DevScan::changedSince(mono, {mono / "node_modules"}, cutoff));
    EXPECT_TRUE(DevScan::changedSince(mono, {}, cutoff));
}

TEST_F(StaleProjectsTest, FilesLinkedFromAPackageStoreFreeNothing) {
    // pnpm and uv link every installed file from their store: deleting the
    // project's names leaves the store's, and frees nothing.
    const auto linked = project("Projects/linked", 60'000'000);
    tree->dir(".local/share/pnpm/store");
    tree->hardlink("Projects/linked/node_modules/big/blob.bin", ".local/share/pnpm/store/blob.bin");
    // Two names of one file, both inside: deleting them frees it, counted once.
    const auto twice = project("Projects/twice", 60'000'000);
    tree->hardlink("Projects/twice/node_modules/big/blob.bin", "Projects/twice/node_modules/big/again.bin");
    for (const char* part : {"/node_modules/big/again.bin", "/node_modules/big", "/node_modules", ""})
        ageDays("Projects/twice" + std::string(part), 120);
    ageDays("Projects/linked", 120);

    EXPECT_EQ(DevScan::freedByDeleting({linked / "node_modules"}), 0);
    const auto entries = stale();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, "twice");
    EXPECT_EQ(entries[0].bytes, DiskScanner::size(twice / "node_modules"));
    EXPECT_GE(entries[0].bytes, 60'000'000);
    EXPECT_LT(entries[0].bytes, 120'000'000);
}

TEST_F(StaleProjectsTest, ProjectsARunningProgramHoldsOnToAreInUse) {
    // A service started months ago from its project's dependencies changes
    // nothing in the project, yet deleting them pulls them from under it.
    project("Projects/service", 60'000'000);
    const auto other = project("Projects/other", 60'000'000);
    environment.placesInUse = [this] {
        return std::vector<fs::path>{home() / "Projects/service/node_modules/.bin/server",
                                     home() / "Projects/other/node_modules.old/x"};
    };
    auto entries = stale();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, "other");

    // The user's processes as the application reads them: one runs a
    // program kept in the other project's dependencies.
    environment.placesInUse = DevEnvironment::system(places()).placesInUse;
    EXPECT_EQ(stale().size(), 2u);
    const fs::path program = other / "node_modules/.bin/sleep";
    fs::create_directories(program.parent_path());
    fs::copy_file("/bin/sleep", program);
    for (const char* part : {"/node_modules/.bin/sleep", "/node_modules/.bin", "/node_modules", ""})
        ageDays("Projects/other" + std::string(part), 120);
    QProcess child;
    child.start(QString::fromStdString(program.native()), {QStringLiteral("30")});
    ASSERT_TRUE(child.waitForStarted(2000));
    entries = stale();
    child.kill();
    child.waitForFinished(2000);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, "service");
}

TEST_F(StaleProjectsTest, ProjectsTheRemovalWouldRefuseAreNotListed) {
    // ~/Code, one of the default code folders, leads out of the home folder.
    test::FileTree elsewhere(outside());
    elsewhere.text("code/app/package.json", "{}");
    allocated("../outside/code/app/node_modules/blob.bin", 60'000'000);
    for (const char* part :
         {"code/app/node_modules/blob.bin", "code/app/node_modules", "code/app/package.json", "code/app"})
        elsewhere.setModified(part, std::chrono::system_clock::now() - std::chrono::hours(24 * 200));
    tree->symlink(outside() / "code", "Code");
    project("Projects/home-app", 60'000'000);

    const auto entries = DevScan::staleProjects(now, std::nullopt, environment);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, "home-app");
}

}  // namespace
}  // namespace sorbeta
