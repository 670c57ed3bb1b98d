// Moving a picked file to the Trash: only regular files inside home and
// outside ~/Library, through the desktop's Trash, never through a link.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "FilesTestSupport.h"
#include "model/files/FileTrash.h"

namespace sorbeta {
namespace {

class FileTrashTest : public test::FilesHomeTest {
protected:
    std::filesystem::path trashFiles() const { return places().dataHome / "Trash/files"; }
    std::string infoOf(const std::string& name) const {
        std::ifstream in(places().dataHome / "Trash/info" / (name + ".trashinfo"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(FileTrashTest, MovesARegularFileWithItsInfoIntoTheHomeTrash) {
    const auto file = tree->text("Documents/旧 报告.pdf", "report");
    EXPECT_TRUE(FileFinder::trash(file, places()));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(std::filesystem::exists(trashFiles() / "旧 报告.pdf"));
    EXPECT_NE(infoOf("旧 报告.pdf").find("Path=" + places().documents.native() + "/%E6%97%A7%20%E6%8A%A5%E5%91%8A.pdf"),
              std::string::npos);
    // Gone now: a second try fails rather than claiming success.
    EXPECT_FALSE(FileFinder::trash(file, places()));
}

TEST_F(FileTrashTest, RefusesWhatIsNotAPlainFileOfTheHome) {
    const auto inLibrary = tree->text("Library/Mail/keep.mbox", "x");
    const auto outsideFile = outside() / "keep.txt";
    std::ofstream(outsideFile) << "x";
    const auto folder = tree->dir("Documents/folder");
    const auto link = tree->symlink(tree->text("Documents/target.txt", "x"), "Documents/link.txt");
    const auto intoLibrary = documents() / "../Library/Mail/keep.mbox";
    // A link planted on the way that leads out of home.
    tree->symlink(outside(), "Documents/escape");
    const auto throughLink = documents() / "escape/keep.txt";
    const auto alreadyTrashed = tree->text(".local/share/Trash/files/old.txt", "x");

    for (const auto& path : {inLibrary, outsideFile, folder, link, intoLibrary, throughLink, alreadyTrashed,
                             std::filesystem::path("Documents/target.txt"), documents() / "missing.txt"})
        EXPECT_FALSE(FileFinder::trash(path, places())) << path;
    for (const auto& path : {inLibrary, outsideFile, folder, link, alreadyTrashed})
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(path))) << path;
    EXPECT_FALSE(std::filesystem::exists(trashFiles() / "keep.txt"));
    EXPECT_FALSE(std::filesystem::exists(trashFiles() / "link.txt"));
}

TEST_F(FileTrashTest, AFileOnAnotherFileSystemGoesToThatVolumesTrash) {
    const auto mount = tree->dir("Videos/disk");
    test::ScratchMount scratch(mount);
    if (!scratch.mounted()) GTEST_SKIP() << "this process may not mount";
    const auto file = tree->text("Videos/disk/film.mkv", "film");
    EXPECT_TRUE(FileFinder::trash(file, places()));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(std::filesystem::exists(mount / (".Trash-" + std::to_string(::getuid())) / "files/film.mkv"));
}

}  // namespace
}  // namespace sorbeta
