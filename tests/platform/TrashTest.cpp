#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRegularExpression>
#include <filesystem>

#include "FileTree.h"
#include "OnDisk.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "platform/EntryInfo.h"
#include "platform/Trash.h"

using namespace sorbeta;
namespace fs = std::filesystem;
namespace Trash = platform::Trash;
using test::contents;
using test::present;

namespace {

class TrashTest : public test::HomeTest {
protected:
    fs::path trash() const { return places().dataHome / "Trash"; }
    platform::TrashedItem moved(const fs::path& item) {
        const Trash::MoveResult result = Trash::moveToTrash(item, places());
        EXPECT_TRUE(result.item) << item << " errno " << result.error;
        return result.item.value_or(platform::TrashedItem{});
    }
    std::string uid() const { return std::to_string(::getuid()); }
};

TEST_F(TrashTest, MovesItemsWithTheirInfoFileIntoTheHomeTrash) {
    test::FileTree tree(home());
    const std::string odd = test::FileTree::invalidUtf8Name() + " " + test::FileTree::chineseName();
    tree.file("Applications/" + odd, 5000);
    tree.file("Applications/Tool/bin/tool", 100);
    tree.symlink(outside(), "Applications/link");
    const auto before = platform::entryInfo(home() / "Applications" / odd);

    const platform::TrashedItem file = moved(home() / "Applications" / odd);
    EXPECT_FALSE(present(home() / "Applications" / odd));
    EXPECT_EQ(file.path, trash() / "files" / odd);
    EXPECT_EQ(file.device, before->device);
    EXPECT_EQ(file.inode, before->inode);
    const std::string info = contents(trash() / "info" / (odd + ".trashinfo"));
    // The path is written percent-encoded, byte for byte, with "/" kept.
    const std::string encoded =
        (home() / "Applications").native() + "/bad%FF%FE-name%20%E4%B8%AD%E6%96%87%20%E6%96%87%E4%BB%B6";
    EXPECT_EQ(info.substr(0, info.find("DeletionDate")), "[Trash Info]\nPath=" + encoded + "\n");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$"))
                    .match(QString::fromStdString(info))
                    .hasMatch())
        << info;

    // A folder goes whole; a link goes as itself and its target stays.
    moved(home() / "Applications/Tool");
    EXPECT_EQ(contents(trash() / "files/Tool/bin/tool").size(), 100u);
    moved(home() / "Applications/link");
    EXPECT_TRUE(fs::is_symlink(trash() / "files/link"));
    EXPECT_TRUE(fs::exists(outside()));
}

TEST_F(TrashTest, ClashingNamesGetTheirOwnNameAndInfoFile) {
    test::FileTree tree(home());
    tree.text("a/notes.txt", "first");
    tree.text("b/notes.txt", "second");
    tree.text("c/orphan", "mine");
    tree.text(".local/share/Trash/files/orphan", "left by someone else");  // an entry without its info file
    EXPECT_EQ(moved(home() / "a/notes.txt").path, trash() / "files/notes.txt");
    EXPECT_EQ(moved(home() / "b/notes.txt").path, trash() / "files/notes 2.txt");
    EXPECT_EQ(contents(trash() / "files/notes 2.txt"), "second");
    EXPECT_TRUE(present(trash() / "info/notes 2.txt.trashinfo"));
    EXPECT_EQ(moved(home() / "c/orphan").path, trash() / "files/orphan 2");
    EXPECT_EQ(contents(trash() / "files/orphan"), "left by someone else");
    EXPECT_FALSE(present(trash() / "info/orphan.trashinfo"));  // our info file went with the failed name

    // A long name is shortened so its info file still fits in a name.
    const std::string longName(250, 'n');
    tree.text("d/" + longName, "long");
    const auto item = moved(home() / "d" / longName);
    EXPECT_LE(item.path.filename().native().size() + 10, 255u);
    EXPECT_TRUE(present(trash() / "info" / (item.path.filename().native() + ".trashinfo")));
}

TEST_F(TrashTest, RefusesWhatCannotOrMayNotMove) {
    test::FileTree tree(home());
    tree.text("a/file", "x");
    EXPECT_FALSE(Trash::moveToTrash("relative/file", places()).item);
    EXPECT_FALSE(Trash::moveToTrash(home() / "a/../a/file", places()).item);
    EXPECT_FALSE(Trash::moveToTrash(home() / "a/missing", places()).item);
    const auto first = moved(home() / "a/file");
    // Something already in the Trash is not moved into it again.
    EXPECT_FALSE(Trash::moveToTrash(first.path, places()).item);
    EXPECT_TRUE(present(first.path));
}

TEST_F(TrashTest, IsInTrashOnlyStrictlyInsideFilesFolders) {
    test::FileTree tree(home());
    tree.text("a/item/inner", "x");
    const auto item = moved(home() / "a/item");
    EXPECT_TRUE(Trash::isInTrash(item.path, places()));
    EXPECT_TRUE(Trash::isInTrash(item.path / "inner", places()));
    EXPECT_FALSE(Trash::isInTrash(trash() / "files", places()));
    EXPECT_FALSE(Trash::isInTrash(trash() / "files/", places()));
    EXPECT_FALSE(Trash::isInTrash(trash(), places()));
    EXPECT_FALSE(Trash::isInTrash(trash() / "info/item.trashinfo", places()));
    EXPECT_FALSE(Trash::isInTrash(trash() / "files/../files/item", places()));
    EXPECT_FALSE(Trash::isInTrash(home() / "a", places()));
    // A folder linked to the Trash is judged by where it leads.
    tree.symlink(trash() / "files", "shortcut");
    EXPECT_TRUE(Trash::isInTrash(home() / "shortcut/item", places()));
    // A ".Trash-<uid>" that does not stand at the top of a file system is no trash.
    tree.text(".Trash-" + uid() + "/files/x", "x");
    EXPECT_FALSE(Trash::isInTrash(home() / (".Trash-" + uid()) / "files/x", places()));
}

TEST_F(TrashTest, PurgeRemovesExactlyWhatWasMovedAndItsInfoFile) {
    test::FileTree tree(home());
    tree.file("a/Tool/data", 8192);
    tree.symlink(outside(), "a/Tool/out");
    tree.text("b/Tool", "a later item");
    const auto tool = moved(home() / "a/Tool");
    ASSERT_TRUE(Trash::holds(tool, places()));
    const auto removal = Trash::purge(tool, places());
    ASSERT_TRUE(removal);
    EXPECT_TRUE(removal->complete);
    EXPECT_FALSE(present(tool.path));
    EXPECT_FALSE(present(trash() / "info/Tool.trashinfo"));
    EXPECT_TRUE(fs::exists(outside()));          // never through the link inside it
    EXPECT_FALSE(Trash::purge(tool, places()));  // a second purge finds nothing

    // The same name now holds another item: it is not the one we moved.
    const auto later = moved(home() / "b/Tool");
    EXPECT_EQ(later.path, tool.path);
    EXPECT_FALSE(Trash::purge(tool, places()));
    EXPECT_EQ(contents(later.path), "a later item");

    // The Trash's own folders are never purged, whatever is asked.
    for (const fs::path& folder : {trash() / "files", trash() / "info", trash()}) {
        const auto info = platform::entryInfo(folder);
        EXPECT_FALSE(Trash::purge({folder, info->device, info->inode}, places())) << folder;
        EXPECT_TRUE(present(folder));
    }
    // Nor anything deeper than what was moved.
    tree.text("c/box/inside", "x");
    const auto box = moved(home() / "c/box");
    const auto inside = platform::entryInfo(box.path / "inside");
    EXPECT_FALSE(Trash::purge({box.path / "inside", inside->device, inside->inode}, places()));
}

TEST_F(TrashTest, ItemsOnAnotherFileSystemUseThatVolumesTrash) {
    test::ScratchMount mount(outside() / "volume");
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount here";
    test::FileTree tree(outside() / "volume");
    tree.text("apps/Tool.AppImage", "image");
    const auto item = moved(outside() / "volume/apps/Tool.AppImage");
    const fs::path own = outside() / "volume" / (".Trash-" + uid());
    EXPECT_EQ(item.path, own / "files/Tool.AppImage");
    // Paths in a volume's trash are relative to its top, so they survive another mount point.
    EXPECT_EQ(contents(own / "info/Tool.AppImage.trashinfo").substr(0, 38), "[Trash Info]\nPath=apps/Tool.AppImage\nD");
    EXPECT_TRUE(Trash::isInTrash(item.path, places()));
    EXPECT_TRUE(Trash::purge(item, places()));
    EXPECT_FALSE(present(item.path));
    EXPECT_FALSE(present(own / "info/Tool.AppImage.trashinfo"));

    // A shared .Trash counts only when it is sticky and not a link.
    tree.text("x", "x");
    tree.dir(".Trash");
    ::chmod((outside() / "volume/.Trash").c_str(), 0777);
    EXPECT_EQ(moved(outside() / "volume/x").path, own / "files/x");
    ::chmod((outside() / "volume/.Trash").c_str(), 01777);
    tree.text("y", "y");
    EXPECT_EQ(moved(outside() / "volume/y").path, outside() / "volume/.Trash" / uid() / "files/y");
    fs::remove_all(outside() / "volume/.Trash");
    tree.symlink(own, ".Trash");
    tree.text("z", "z");
    EXPECT_EQ(moved(outside() / "volume/z").path, own / "files/z");
}

}  // namespace
