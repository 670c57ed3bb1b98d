#include "platform/FileFacts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "FileTree.h"
#include "TestEnvironment.h"

using namespace sorbeta;
using namespace std::chrono_literals;

class FileFactsTest : public test::HomeTest {};

TEST_F(FileFactsTest, DescribesTheEntryItselfWithItsDates) {
    test::FileTree tree(home());
    const auto file = tree.file("data.bin", 10000);
    const auto sparse = tree.sparse("sparse.bin", 1 << 20);
    const auto link = tree.symlink(file, "link");
    const auto when = std::chrono::system_clock::now() - 400h;
    tree.setModified("data.bin", when);

    const auto facts = platform::fileFacts(file);
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->kind, platform::EntryKind::file);
    EXPECT_EQ(facts->length, 10000);
    EXPECT_EQ(facts->allocatedBytes, test::FileTree::allocated(file));
    EXPECT_EQ(facts->links, 1u);
    EXPECT_EQ(facts->modified.seconds, std::chrono::system_clock::to_time_t(when));
    // Birth time where the file system has one (it is recent), else the modification time.
    if (facts->born) {
        EXPECT_GT(facts->created().seconds, facts->modified.seconds);
    } else {
        EXPECT_EQ(facts->created(), facts->modified);
    }

    const auto sparseFacts = platform::fileFacts(sparse);
    ASSERT_TRUE(sparseFacts);
    EXPECT_EQ(sparseFacts->length, 1 << 20);
    EXPECT_LT(sparseFacts->allocatedBytes, 1 << 20);

    const auto linkFacts = platform::fileFacts(link);
    ASSERT_TRUE(linkFacts);
    EXPECT_EQ(linkFacts->kind, platform::EntryKind::symlink);
    EXPECT_NE(linkFacts->inode, facts->inode);
    EXPECT_EQ(platform::fileFacts(tree.dir("folder"))->kind, platform::EntryKind::folder);
    EXPECT_FALSE(platform::fileFacts(home() / "missing"));
}

TEST_F(FileFactsTest, ExecutableFilesOnly) {
    test::FileTree tree(home());
    const auto tool = tree.text("bin/tool", "#!/bin/sh\n");
    const auto plain = tree.text("bin/plain", "#!/bin/sh\n");
    ::chmod(tool.c_str(), 0755);
    const auto folder = tree.dir("bin/folder");
    ::chmod(folder.c_str(), 0755);
    EXPECT_TRUE(platform::isExecutableFile(tool));
    EXPECT_TRUE(platform::isExecutableFile(tree.symlink(tool, "bin/alias")));
    EXPECT_FALSE(platform::isExecutableFile(plain));
    EXPECT_FALSE(platform::isExecutableFile(folder));
    EXPECT_FALSE(platform::isExecutableFile(tree.symlink("missing", "bin/dangling")));
    EXPECT_FALSE(platform::isExecutableFile(home() / "bin/none"));
}
