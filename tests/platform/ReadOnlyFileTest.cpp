#include "platform/ReadOnlyFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "platform/Sha256.h"

using namespace sorbeta;

class ReadOnlyFileTest : public test::HomeTest {};

TEST_F(ReadOnlyFileTest, ReadsOnlyRegularFilesWithoutBlocking) {
    test::FileTree tree(home());
    const auto file = tree.text("data.txt", "0123456789");
    auto opened = platform::ReadOnlyFile::open(file);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->keepsAccessTime());  // our own file
    EXPECT_EQ(opened->length(), 10);
    char buffer[16] = {};
    EXPECT_EQ(opened->readAt(6, buffer, sizeof buffer), 4);  // fewer only at the end
    EXPECT_EQ(std::string(buffer, 4), "6789");
    EXPECT_EQ(opened->read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "012");

    // A FIFO in a file's place must neither block nor be read; links are not followed.
    const auto fifo = home() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(platform::ReadOnlyFile::open(fifo));
    EXPECT_FALSE(platform::ReadOnlyFile::open(tree.symlink(file, "link")));
    EXPECT_FALSE(platform::ReadOnlyFile::open(home()));
    EXPECT_FALSE(platform::ReadOnlyFile::open(home() / "missing"));
}

TEST_F(ReadOnlyFileTest, Sha256MatchesKnownDigestsAndRestarts) {
    platform::Sha256 hash;
    EXPECT_EQ(platform::Sha256::hex(hash.finish()), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    hash.update("ab", 2);
    hash.update("c", 1);
    EXPECT_EQ(platform::Sha256::hex(hash.finish()), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    hash.update("abc", 3);  // a finished hash starts afresh
    EXPECT_EQ(platform::Sha256::hex(hash.finish()), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}
