// The walk: which files become candidates, what is never entered, the dates
// and the code flag of each candidate.
#include <gtest/gtest.h>

#include <algorithm>

#include "FilesTestSupport.h"
#include "model/files/FileFinder.h"

namespace sorbeta {
namespace {

using test::kBig;
using test::relativePaths;

class FileFinderTest : public test::FilesHomeTest {
protected:
    std::vector<FileFinder::Found> collectAll() {
        return FileFinder::collect(FileFinder::rootPaths(places()), places());
    }
};

TEST_F(FileFinderTest, RootsFollowTheDesktopsFoldersAndCodeFolders) {
    const auto& p = places();
    EXPECT_EQ(FileFinder::rootPaths(p),
              (std::vector<std::filesystem::path>{p.downloads, p.documents, p.desktop, p.videos, p.music, p.pictures,
                                                  home() / "Developer", home() / "Projects", home() / "Code",
                                                  home() / "developer", home() / "projects", home() / "code"}));
    // A localised Downloads folder is searched; a folder turned off is not.
    platform::Places local = p;
    local.downloads = home() / "下载";
    local.music.clear();
    const auto roots = FileFinder::rootPaths(local);
    EXPECT_EQ(roots.front(), home() / "下载");
    EXPECT_EQ(roots.size(), 11u);
    EXPECT_EQ(std::count(roots.begin(), roots.end(), p.music), 0);
}

TEST_F(FileFinderTest, KeepsBigRegularFilesAndPrunesByName) {
    written("Downloads/big.bin", kBig);
    written("Downloads/.hidden/big.bin", kBig);
    written("Downloads/small.bin", 9'990'000);  // allocates just under the floor
    tree->symlink(home() / "Downloads/big.bin", "Downloads/link.bin");
    written("Downloads/web/node_modules/pkg/big.bin", kBig);
    written("Documents/repo/.git/objects/big.pack", kBig);
    written("Documents/Library/big.bin", kBig);
    written("Documents/Holiday.photoslibrary/big.bin", kBig);
    written("Documents/Tool.app/big.bin", kBig);
    written("Documents/build/big.bin", kBig);  // build folders only count as output in code
    written("Documents/dist/big.bin", kBig);
    written("Projects/app/build/big.bin", kBig);
    written("Projects/app/dist/big.bin", kBig);
    written("Projects/app/src/big.bin", kBig);
    written("Code/lib/target/big.bin", kBig);
    // A disk's own Trash, where a folder is the top of another disk: what was
    // put there is neither to be found again nor to be kept over a live copy.
    written("Downloads/.Trash-1000/files/big.bin", kBig);
    written("Downloads/.Trash/1000/files/big.bin", kBig);
    written("Downloads/.Trash-old/big.bin", kBig);  // not a Trash

    auto found = collectAll();
    auto paths = relativePaths(found, home());
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{"Documents/build/big.bin", "Documents/dist/big.bin",
                                               "Downloads/.Trash-old/big.bin", "Downloads/.hidden/big.bin",
                                               "Downloads/big.bin", "Projects/app/src/big.bin"}));
    for (const auto& file : found) {
        EXPECT_EQ(file.inCode, file.url.native().starts_with((home() / "Projects").native())) << file.url;
        EXPECT_GE(file.bytes, FileFinder::kCandidateFloor);
        EXPECT_EQ(file.bytes, test::FileTree::allocated(file.url));
    }
    // Roots come in their order: Downloads before Documents before Projects.
    EXPECT_TRUE(relativePaths(found, home()).back() == "Projects/app/src/big.bin");
}

TEST_F(FileFinderTest, LowerCaseCodeFoldersAreCodeRootsToo) {
    written("projects/app/build/big.bin", kBig);
    written("projects/app/src/big.bin", kBig);
    const auto found = collectAll();
    ASSERT_EQ(relativePaths(found, home()), std::vector<std::string>{"projects/app/src/big.bin"});
    EXPECT_TRUE(found[0].inCode);  // never kept over a copy elsewhere, nor offered as one
}

TEST_F(FileFinderTest, CodeRootsAreWholeFolderNames) {
    // "~/Codex" is not inside "~/Code": its build folders are ordinary folders.
    written("Codex/build/big.bin", kBig);
    written("Code/build/big.bin", kBig);
    const auto found = FileFinder::collect({home() / "Codex", home() / "Code"}, places());
    ASSERT_EQ(relativePaths(found, home()), std::vector<std::string>{"Codex/build/big.bin"});
    EXPECT_FALSE(found[0].inCode);
    // A root reached twice is listed twice.
    EXPECT_EQ(FileFinder::collect({home() / "Codex", home() / "Codex/"}, places()).size(), 2u);
}

TEST_F(FileFinderTest, PrunedFoldersAreNeverListed) {
    // Listing a folder refreshes its access time when that is older than its
    // modification time: a pruned folder's must stay as it was.
    for (const char* folder : {"Downloads/a/node_modules", "Projects/p/build", "Downloads/b/plain"}) {
        written(std::string(folder) + "/f", 10);
        setTimes(tree->at(folder), 400, 300);
    }
    const int64_t before = accessSeconds(tree->at("Downloads/b/plain"));
    collectAll();
    if (accessSeconds(tree->at("Downloads/b/plain")) == before)
        GTEST_SKIP() << "this file system does not record folder access";
    EXPECT_EQ(accessSeconds(tree->at("Downloads/a/node_modules")), before);
    EXPECT_EQ(accessSeconds(tree->at("Projects/p/build")), before);
}

TEST_F(FileFinderTest, DatesOfACandidate) {
    const auto opened = written("Downloads/opened.bin", kBig);
    setTimes(opened, 10, 400);  // read ten days ago, written long before
    const auto changed = written("Downloads/changed.bin", kBig);
    setTimes(changed, 900, 400);  // access time older than the change
    const auto found = collectAll();
    ASSERT_EQ(found.size(), 2u);
    for (const auto& file : found) {
        const double days = double(file.lastUsed.secsTo(now)) / 86'400;
        EXPECT_NEAR(days, file.url == opened ? 10 : 400, 0.01) << file.url;
        // The birth time where the file system keeps one, else the change.
        EXPECT_TRUE(file.created >= file.lastUsed || file.created == now.addDays(-400)) << file.url;
    }
}

TEST_F(FileFinderTest, LimitedModeSkipsTheGuardedFolders) {
    written("Downloads/big.bin", kBig);
    written("Projects/big.bin", kBig);
    DiskScanner::setLimited(true);
    EXPECT_EQ(relativePaths(collectAll(), home()), std::vector<std::string>{"Projects/big.bin"});
}

}  // namespace
}  // namespace sorbeta
