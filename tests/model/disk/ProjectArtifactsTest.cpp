#include "model/disk/ProjectArtifacts.h"

#include <sys/stat.h>

#include <QElapsedTimer>
#include <algorithm>

#include "FileTree.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "model/catalog/Catalog.h"
#include "model/disk/Measure.h"
#include "model/disk/RowRoots.h"
#include "model/disk/Targets.h"
#include "platform/ProcessRunner.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;
using test::FileTree;
using Paths = std::vector<fs::path>;

class ProjectArtifactsTest : public test::HomeTest {
protected:
    void SetUp() override {
        test::HomeTest::SetUp();
        tree = std::make_unique<FileTree>(home());
    }
    void TearDown() override {
        DiskScanner::setLimited(false);
        tree.reset();
        test::HomeTest::TearDown();
    }

    // An artifact folder with one file, both `days` old, and its marker beside it.
    fs::path artifact(const std::string& folder, const std::string& name, const std::string& marker, double days = 8) {
        if (!marker.empty()) tree->file(folder + "/" + marker);
        tree->file(folder + "/" + name + "/content.bin", 100);
        tree->setAgeDays(folder + "/" + name + "/content.bin", days);
        tree->setAgeDays(folder + "/" + name, days);
        return home() / folder / name;
    }

    Paths findIn(const std::string& root) { return find(Paths{home() / root}); }
    Paths find(const std::optional<Paths>& roots) { return ProjectArtifacts::find(roots, now(), places(), gitTool); }
    static QDateTime now() { return QDateTime::currentDateTimeUtc(); }

    // Runs git in `folder` with a private configuration.
    bool git(const fs::path& folder, std::vector<std::string> arguments) {
        platform::ProcessOptions options;
        options.environment = {"PATH=/usr/bin:/bin",
                               "HOME=" + home().native(),
                               "GIT_CONFIG_NOSYSTEM=1",
                               "GIT_AUTHOR_NAME=Test",
                               "GIT_AUTHOR_EMAIL=test@example.com",
                               "GIT_COMMITTER_NAME=Test",
                               "GIT_COMMITTER_EMAIL=test@example.com"};
        arguments.insert(arguments.begin(), {"-C", folder.native()});
        return platform::runProcess("/usr/bin/git", arguments, options).succeeded();
    }

    std::unique_ptr<FileTree> tree;
    ProjectArtifacts::Git gitTool;  // the real one unless a test says otherwise
};

TEST_F(ProjectArtifactsTest, FindsOldArtifactsBesideTheirMarker) {
    const auto modules = artifact("Projects/app", "node_modules", "package.json");
    const auto venv = artifact("Projects/tool", ".venv", "requirements.txt");
    const auto gradle = artifact("Projects/android", "build", "build.gradle.kts");
    EXPECT_EQ(findIn("Projects").size(), 3u);
    // Through the default code folders, as a cleaning rule asks for them.
    const Paths found = find(std::nullopt);
    EXPECT_EQ(std::set<fs::path>(found.begin(), found.end()), (std::set<fs::path>{modules, venv, gradle}));

    CleanSpec spec;
    spec.source = CleanSpec::Source::projectArtifacts;
    const Paths targets = DiskScanner::targets(spec, {}, places());
    EXPECT_EQ(std::set<fs::path>(targets.begin(), targets.end()), (std::set<fs::path>{modules, venv, gradle}));
}

TEST_F(ProjectArtifactsTest, LowerCaseCodeFoldersAreCodeFoldersToo) {
    // Letter case tells names apart here: ~/projects is not ~/Projects.
    const auto modules = artifact("projects/app", "node_modules", "package.json");
    const auto venv = artifact("src/tool", ".venv", "requirements.txt");
    const Paths found = find(std::nullopt);
    EXPECT_EQ(std::set<fs::path>(found.begin(), found.end()), (std::set<fs::path>{modules, venv}));
    // The map's code category measures them too.
    const auto roots = DiskScanner::categoryRoots(*Catalog::category("projects"), places());
    EXPECT_EQ(std::count(roots.begin(), roots.end(), home() / "projects"), 1);
    EXPECT_EQ(std::count(roots.begin(), roots.end(), home() / "src"), 1);
}

TEST_F(ProjectArtifactsTest, RecentArtifactsAreKeptAndNotDescended) {
    artifact("Code/app", "node_modules", "package.json");
    // A project nested inside the artifact is never reached.
    artifact("Code/app/node_modules/dep", "node_modules", "package.json");
    tree->file("Code/app/node_modules/fresh.js");
    tree->setAgeDays("Code/app/node_modules/fresh.js", 1);
    tree->setAgeDays("Code/app/node_modules", 8);
    EXPECT_TRUE(findIn("Code").empty());

    // The folder itself changed recently.
    artifact("Code/rust", "target", "Cargo.toml", 2);
    EXPECT_TRUE(findIn("Code").empty());
}

TEST_F(ProjectArtifactsTest, ArtifactNamesNeedTheirMarker) {
    artifact("Code/lonely", "node_modules", "");
    artifact("Code/lonely/node_modules/inner", "target", "Cargo.toml");
    artifact("Code/py", "venv", "setup.py");
    // A link or a repository of its own is no artifact.
    tree->file("Code/linked/pyproject.toml");
    tree->dir("Code/realvenv");
    tree->symlink(home() / "Code/realvenv", "Code/linked/.venv");
    artifact("Code/own", "node_modules", "package.json");
    tree->dir("Code/own/node_modules/.git");
    tree->setAgeDays("Code/own/node_modules/.git", 10);
    tree->setAgeDays("Code/own/node_modules", 10);
    EXPECT_EQ(findIn("Code"), Paths{home() / "Code/py/venv"});
}

TEST_F(ProjectArtifactsTest, SearchDepthHiddenFoldersAndSkippedNames) {
    // Folders at depth 6 are examined; depth 7 is never reached.
    const auto deep = artifact("Code/1/2/3/4/5/6", "target", "Cargo.toml");
    artifact("Code/1/2/3/4/5/6/7", "target", "Cargo.toml");
    artifact("Code/1/2/3/4/5/x/7/8", "target", "Cargo.toml");
    // Hidden folders are not entered, but a hidden artifact is found.
    artifact("Code/.hidden/app", "node_modules", "package.json");
    const auto hiddenArtifact = artifact("Code/py", ".venv", "pyproject.toml");
    artifact("Code/Library/app", "node_modules", "package.json");
    artifact("Code/proj.app/app", "node_modules", "package.json");
    const Paths found = findIn("Code");
    EXPECT_EQ(std::set<fs::path>(found.begin(), found.end()), (std::set<fs::path>{deep, hiddenArtifact}));
}

TEST_F(ProjectArtifactsTest, RootsResolvingToOneFolderAreExaminedOnce) {
    const auto modules = artifact("Projects/app", "node_modules", "package.json");
    tree->symlink(home() / "Projects", "Code");
    EXPECT_EQ(find(std::nullopt), Paths{modules});
    EXPECT_EQ(find(Paths{home() / "Projects", home() / "Code", home() / "none"}), Paths{modules});
}

TEST_F(ProjectArtifactsTest, LimitedModeDropsPromptingRoots) {
    artifact("Documents/Code/app", "node_modules", "package.json");
    DiskScanner::setLimited(true);
    EXPECT_TRUE(find(Paths{home() / "Documents/Code"}).empty());
    DiskScanner::setLimited(false);
    EXPECT_EQ(find(Paths{home() / "Documents/Code"}).size(), 1u);
}

TEST_F(ProjectArtifactsTest, RepositoriesKeepWhatGitTracks) {
    if (!fs::exists("/usr/bin/git")) GTEST_SKIP() << "git is not installed";
    const auto tracked = artifact("Code/android", "build", "build.gradle.kts");
    const auto untracked = artifact("Code/web", "node_modules", "package.json");
    // A project in a sub-folder of a repository is asked about too.
    const auto nested = artifact("Code/mono/packages/py", "__pycache__", "setup.py");
    for (const char* repo : {"Code/android", "Code/web", "Code/mono"}) ASSERT_TRUE(git(home() / repo, {"init", "-q"}));
    ASSERT_TRUE(git(home() / "Code/android", {"add", "build"}));
    tree->setAgeDays("Code/android/build", 8);

    Paths found = findIn("Code");
    EXPECT_EQ(std::set<fs::path>(found.begin(), found.end()), (std::set<fs::path>{untracked, nested}));

    ASSERT_TRUE(git(home() / "Code/mono", {"add", "-f", "packages/py/__pycache__"}));
    tree->setAgeDays("Code/mono/packages/py/__pycache__", 8);
    EXPECT_EQ(findIn("Code"), Paths{untracked});

    // Without a working git every artifact in a repository is kept.
    gitTool = {outside() / "no-git"};
    EXPECT_TRUE(findIn("Code").empty());
    (void)tracked;
}

TEST_F(ProjectArtifactsTest, HangingGitIsStoppedAndTheArtifactKept) {
    const auto script = tree->text(outside() / "slow-git", "#!/bin/sh\nsleep 20\n");
    ::chmod(script.c_str(), 0755);
    artifact("Code/web", "node_modules", "package.json");
    tree->dir("Code/web/.git");
    gitTool = {script, std::chrono::milliseconds(200)};
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(findIn("Code").empty());
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST_F(ProjectArtifactsTest, AnyGitEntryAboveTheProjectMeansAsking) {
    // A dangling ".git" link (a moved worktree, say) still marks a repository;
    // git then cannot answer and the artifact is kept.
    const auto modules = artifact("Code/mono/app", "node_modules", "package.json");
    tree->symlink(outside() / "moved-away/.git", "Code/mono/.git");
    gitTool = {outside() / "no-git"};
    EXPECT_TRUE(findIn("Code").empty());
    fs::remove(home() / "Code/mono/.git");
    EXPECT_EQ(findIn("Code"), Paths{modules});
    // A repository of the home folder itself (one's settings, say) is asked too.
    tree->dir(".git");
    EXPECT_TRUE(findIn("Code").empty());
}

// A checkout kept inside an artifact (pip installs editable packages from
// version control into venv/src/<name>) holds work found nowhere else, however
// old its folders look from above.
TEST_F(ProjectArtifactsTest, ACheckoutAnywhereInsideKeepsTheArtifact) {
    const auto venv = artifact("Code/py", "venv", "requirements.txt");
    const auto modules = artifact("Code/web", "node_modules", "package.json");
    tree->file("Code/py/venv/src/lib/.git/HEAD");
    tree->file("Code/py/venv/src/lib/lib/work.py");
    for (const char* old : {"Code/py/venv/src/lib/.git", "Code/py/venv/src/lib", "Code/py/venv/src", "Code/py/venv"})
        tree->setAgeDays(old, 200);
    // A worktree or submodule leaves a ".git" file, not a folder.
    tree->file("Code/web/node_modules/dep/.git");
    tree->setAgeDays("Code/web/node_modules/dep", 200);
    tree->setAgeDays("Code/web/node_modules", 200);
    EXPECT_TRUE(findIn("Code").empty());

    fs::remove(home() / "Code/web/node_modules/dep/.git");
    tree->setAgeDays("Code/web/node_modules/dep", 200);
    tree->setAgeDays("Code/web/node_modules", 200);
    EXPECT_EQ(findIn("Code"), Paths{modules});
    (void)venv;
}

// Mercurial, Subversion and Bazaar checkouts hold work as a git one does:
// whether the dependency folder is one or holds one further down.
TEST_F(ProjectArtifactsTest, CheckoutsOfOtherVersionControlKeepTheArtifact) {
    for (const char* name : {".hg", ".svn", ".bzr"}) {
        const std::string store = name;
        SCOPED_TRACE(store);
        const std::string own = "Code/own" + store, deep = "Code/deep" + store;
        artifact(own, "node_modules", "package.json", 200);
        tree->dir(own + "/node_modules/" + store);
        tree->setAgeDays(own + "/node_modules/" + store, 200);
        tree->setAgeDays(own + "/node_modules", 200);
        artifact(deep, "venv", "requirements.txt", 200);
        tree->file(deep + "/venv/src/lib/" + store + "/store");
        for (const std::string& old :
             {"/venv/src/lib/" + store, std::string("/venv/src/lib"), std::string("/venv/src"), std::string("/venv")})
            tree->setAgeDays(deep + old, 200);
    }
    const auto plain = artifact("Code/plain", "node_modules", "package.json", 200);
    EXPECT_EQ(findIn("Code"), Paths{plain});
    for (const char* store : {".hg", ".svn", ".bzr"})
        EXPECT_TRUE(ProjectArtifacts::holdsRepository(home() / (std::string("Code/deep") + store) / "venv")) << store;
    EXPECT_FALSE(ProjectArtifacts::holdsRepository(plain));
}

TEST_F(ProjectArtifactsTest, ASharedFolderMountedInACodeFolderIsNotSearched) {
    const auto local = artifact("Code/app", "node_modules", "package.json");
    test::ScratchMount share(tree->dir("Code/share"));
    if (!share.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    artifact("Code/share/web", "node_modules", "package.json");
    EXPECT_EQ(findIn("Code"), Paths{local});
    // Named as a root itself, it is searched like any other.
    EXPECT_EQ(findIn("Code/share"), Paths{home() / "Code/share/web/node_modules"});
}

TEST_F(ProjectArtifactsTest, ChildWithUnreadableDateKeepsTheFolder) {
    if (!test::permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced";
    const auto modules = artifact("Code/app", "node_modules", "package.json");
    // Listable but not searchable: the children's names show, their dates do not.
    ::chmod(modules.c_str(), 0400);
    EXPECT_TRUE(findIn("Code").empty());
    ::chmod(modules.c_str(), 0700);
    tree->setAgeDays("Code/app/node_modules", 8);
    EXPECT_EQ(findIn("Code"), Paths{modules});
}

}  // namespace
}  // namespace sorbeta
