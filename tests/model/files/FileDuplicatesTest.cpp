// Duplicate search: the quick print's exact bytes, the narrowing steps and
// what each costs in reading, hard links, code folders, other file systems
// and the order of the sets.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>
#include <set>

#include "FilesTestSupport.h"
#include "model/files/FileDuplicates.h"
#include "platform/ReadOnlyFile.h"

namespace sorbeta {
namespace {

using test::kBig;

std::string sha256Of(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

QByteArray contentOf(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.native()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class FileDuplicatesTest : public test::FilesHomeTest {
protected:
    std::vector<std::vector<FileFinder::Found>> setsUnderHome() {
        return FileFinder::duplicateSets(FileFinder::collect(FileFinder::rootPaths(places()), places()));
    }
    // Each set as the sorted names of its members, relative to home.
    std::set<std::set<std::string>> namesOf(const std::vector<std::vector<FileFinder::Found>>& sets) {
        std::set<std::set<std::string>> names;
        for (const auto& set : sets) {
            std::set<std::string> members;
            for (const auto& file : set) members.insert(file.url.lexically_relative(home()).native());
            names.insert(members);
        }
        return names;
    }
};

TEST_F(FileDuplicatesTest, QuickPrintHashesTheFirstAndLastBlocks) {
    const auto small = written("Downloads/small", 100'000);
    EXPECT_EQ(FileFinder::quickPrint(small), sha256Of(contentOf(small).left(65'536)));
    const auto atLimit = written("Downloads/at-limit", 131'072);
    EXPECT_EQ(FileFinder::quickPrint(atLimit), sha256Of(contentOf(atLimit).left(65'536)));
    const auto over = written("Downloads/over", 131'073);
    const QByteArray bytes = contentOf(over);
    EXPECT_EQ(FileFinder::quickPrint(over), sha256Of(bytes.left(65'536) + bytes.mid(65'537)));
    // The whole-file digest crosses chunk boundaries without losing a byte.
    const auto chunks = written("Downloads/chunks", FileFinder::kDigestChunk * 2 + 3);
    EXPECT_EQ(FileFinder::fullDigest(chunks), sha256Of(contentOf(chunks)));
    EXPECT_EQ(FileFinder::fullDigest(written("Downloads/empty", 0)), sha256Of({}));

    EXPECT_EQ(FileFinder::quickPrint(home() / "Downloads/missing"), std::nullopt);
    EXPECT_EQ(FileFinder::fullDigest(home() / "Downloads"), std::nullopt);  // a folder is no file
    // A file that opens but cannot be read (as a failing disk or a broken
    // network mount gives) has no digest, where it used to have that of
    // nothing at all and so matched every other such file of its size.
    ASSERT_TRUE(platform::ReadOnlyFile::open("/proc/self/mem"));
    EXPECT_EQ(FileFinder::fullDigest("/proc/self/mem"), std::nullopt);
    EXPECT_EQ(FileFinder::quickPrint(tree->symlink(small, "Downloads/link")), std::nullopt);
}

TEST_F(FileDuplicatesTest, NarrowsBySizeIdentityPrintAndDigest) {
    const auto original = written("Downloads/original.iso", kBig);
    std::filesystem::copy_file(original, documents() / "copy.iso");
    tree->hardlink(original, "Downloads/same-file.iso");  // one file under two names
    std::filesystem::copy_file(original, downloads() / "head.iso");
    flipByte(downloads() / "head.iso", 1'000);
    std::filesystem::copy_file(original, downloads() / "middle.iso");
    flipByte(downloads() / "middle.iso", kBig / 2);
    std::filesystem::copy_file(original, downloads() / "tail.iso");
    flipByte(downloads() / "tail.iso", kBig - 1);
    written("Downloads/other-size.iso", kBig + 8192, 1);

    const auto sets = setsUnderHome();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].size(), 2u);  // one name of the linked file and the copy
    const auto names = *namesOf(sets).begin();
    EXPECT_TRUE(names.count("Documents/copy.iso"));
    EXPECT_TRUE(names.count("Downloads/original.iso") || names.count("Downloads/same-file.iso"));

    // Hard links alone, even when a root is walked twice, are no set.
    std::filesystem::remove(documents() / "copy.iso");
    EXPECT_TRUE(FileFinder::duplicateSets(FileFinder::collect({downloads(), downloads()}, places())).empty());
}

TEST_F(FileDuplicatesTest, ReadsWholeFilesOnlyWhenTheEndsAgree) {
    const auto first = written("Downloads/first.bin", kBig);
    std::filesystem::copy_file(first, downloads() / "second.bin");
    flipByte(downloads() / "second.bin", 10);
    const auto found = FileFinder::collect({downloads()}, places());
    int64_t before = bytesRead();
    EXPECT_TRUE(FileFinder::duplicateSets(found).empty());
    EXPECT_LE(bytesRead() - before, 2 * 2 * FileFinder::kPrintBlock + 65'536);  // the two quick prints

    flipByte(downloads() / "second.bin", 10);        // the same again…
    flipByte(downloads() / "second.bin", kBig / 2);  // …but in the middle
    before = bytesRead();
    EXPECT_TRUE(FileFinder::duplicateSets(found).empty());
    EXPECT_GE(bytesRead() - before, 2 * kBig);  // both read through
}

TEST_F(FileDuplicatesTest, CodeFoldersTakeNoPartAndSetsSortBySaving) {
    const auto code = written("Code/a.bin", kBig, 7);
    std::filesystem::copy_file(code, home() / "Code/b.bin");
    EXPECT_TRUE(setsUnderHome().empty());

    // Three files of one size free two copies; two larger ones free one.
    const auto three = written("Downloads/three-1.bin", kBig, 2);
    std::filesystem::copy_file(three, downloads() / "three-2.bin");
    std::filesystem::copy_file(three, documents() / "three-3.bin");
    const auto two = written("Pictures/two-1.bin", kBig * 3 / 2, 3);
    std::filesystem::copy_file(two, places().desktop / "two-2.bin");
    const auto sets = setsUnderHome();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].size(), 3u);
    EXPECT_EQ(sets[1].size(), 2u);
    EXPECT_GT(sets[0][0].bytes * 2, sets[1][0].bytes);
}

TEST_F(FileDuplicatesTest, CopiesOnAnotherFileSystemAreFound) {
    const auto music = places().music;
    if (::mount("tmpfs", music.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=32m,mode=0700") != 0)
        GTEST_SKIP() << "this process may not mount";
    const auto original = written("Downloads/song.flac", kBig, 5);
    std::filesystem::copy_file(original, music / "song.flac");
    const auto sets = setsUnderHome();
    ::umount2(music.c_str(), MNT_DETACH);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(namesOf(sets), (std::set<std::set<std::string>>{{"Downloads/song.flac", "Music/song.flac"}}));
}

}  // namespace
}  // namespace sorbeta
