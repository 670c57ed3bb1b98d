// The removal walk under things that change while it runs, very deep trees
// and a small limit of open files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "FileTree.h"
#include "OnDisk.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "platform/RemoveTree.h"
#include "platform/UniqueFd.h"

using namespace sorbeta;
using platform::ParentLinks;
namespace fs = std::filesystem;
using test::contents;
using test::present;

namespace {

// What the walk's hook runs; reset by the fixture.
std::function<void(int, const char*)> onEnter;

void callOnEnter(int parentFd, const char* name) {
    if (onEnter) onEnter(parentFd, name);
}

// A chain of `levels` folders named "d" below `top`, built with relative
// steps, with one file at the bottom.
void chain(const fs::path& top, int levels) {
    fs::create_directories(top);
    platform::UniqueFd dir(::open(top.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (int i = 0; i < levels; ++i) {
        ASSERT_EQ(::mkdirat(dir.get(), "d", 0700), 0) << i;
        dir = platform::UniqueFd(::openat(dir.get(), "d", O_PATH | O_DIRECTORY | O_CLOEXEC));
        ASSERT_TRUE(dir.valid()) << i;
    }
    platform::UniqueFd file(::openat(dir.get(), "bottom", O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    ASSERT_TRUE(file.valid());
}

// Lowers the soft limit of open files for one scope.
class FileLimit {
public:
    explicit FileLimit(rlim_t soft) {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min(soft, saved_.rlim_max);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~FileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }
    FileLimit(const FileLimit&) = delete;
    FileLimit& operator=(const FileLimit&) = delete;

private:
    rlimit saved_{};
};

}  // namespace

class RemoveTreeTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        platform::setRemovalFolderHookForTesting(&callOnEnter);
    }
    void TearDown() override {
        platform::setRemovalFolderHookForTesting(nullptr);
        onEnter = nullptr;
        HomeTest::TearDown();
    }
};

TEST_F(RemoveTreeTest, AChainDeeperThanAnyPathGoesWithinTheDescriptorLimit) {
    // On a memory file system where one can be mounted: a disk's journal
    // makes thirty thousand folder removals slow, whoever removes them.
    const test::ScratchMount scratch(home() / "scratch");
    const fs::path deep = home() / "scratch/deep";
    chain(deep, 30000);
    platform::Removal removal;
    {
        const FileLimit limit(1024);
        removal = platform::removeTree(deep, ParentLinks::refuse);
    }
    EXPECT_TRUE(removal.complete);
    EXPECT_EQ(removal.removed, 30002);  // the folders, the file and "deep"
    EXPECT_FALSE(present(deep));
}

TEST_F(RemoveTreeTest, AFolderMovedAwayAboveTheWalkStopsItThere) {
    // Deep enough that the walk lets go of the top folders' descriptors.
    chain(home() / "top", platform::kRemovalOpenFolders * 2);
    test::FileTree tree(home());
    tree.text("top/other", "beside the chain");
    int entered = 0;
    onEnter = [&](int, const char*) {
        // Once the walk is at the bottom, the chain is moved elsewhere and a
        // lookalike put in its place: climbing back must notice.
        if (++entered != platform::kRemovalOpenFolders * 2) return;
        fs::rename(home() / "top/d", outside() / "moved");
        fs::create_directories(home() / "top/d/d");
        test::FileTree(home() / "top/d/d").text("decoy", "a different folder");
    };
    const platform::Removal removal = platform::removeTree(home() / "top", ParentLinks::refuse);
    EXPECT_FALSE(removal.complete);
    // The moved chain lost only its bottom; nothing was reopened by name, so
    // the lookalike was never touched.
    EXPECT_EQ(contents(home() / "top/d/d/decoy"), "a different folder");
    EXPECT_TRUE(present(outside() / "moved"));
}

TEST_F(RemoveTreeTest, ALinkOrMountSwappedInDuringTheWalkIsNeverFollowed) {
    test::FileTree tree(home());
    test::FileTree out(outside());
    out.text("precious/file", "keep");
    tree.text("target/sub/a", "a");
    tree.text("target/sub/b", "b");
    onEnter = [&](int, const char* name) {
        if (std::string(name) != "sub") return;
        fs::rename(home() / "target/sub", home() / "gone");
        fs::create_directory_symlink(outside() / "precious", home() / "target/sub");
    };
    platform::Removal removal = platform::removeTree(home() / "target", ParentLinks::refuse);
    EXPECT_TRUE(removal.complete);  // the link went as a link
    EXPECT_EQ(contents(outside() / "precious/file"), "keep");
    EXPECT_EQ(contents(home() / "gone/a"), "a");

    // A file system mounted on a folder just before the walk enters it.
    tree.text("second/inner/x", "x");
    std::unique_ptr<test::ScratchMount> mount;
    onEnter = [&](int, const char* name) {
        if (std::string(name) != "inner" || mount) return;
        mount = std::make_unique<test::ScratchMount>(home() / "second/inner");
        if (mount->mounted()) test::FileTree(home() / "second/inner").text("mounted", "other file system");
    };
    removal = platform::removeTree(home() / "second", ParentLinks::refuse);
    if (!mount || !mount->mounted()) GTEST_SKIP() << "cannot mount here";
    EXPECT_FALSE(removal.complete);
    EXPECT_EQ(contents(home() / "second/inner/mounted"), "other file system");
}

TEST_F(RemoveTreeTest, BytesCountWhatWentAndHardLinksOnce) {
    test::FileTree tree(home());
    const fs::path big = tree.file("t/big", 40000);
    tree.hardlink(big, "t/twin");
    tree.file("t/sub/small", 100);
    const int64_t expected = test::FileTree::allocated(big) + test::FileTree::allocated(home() / "t/sub/small");
    const platform::Removal removal = platform::removeTree(home() / "t", ParentLinks::refuse);
    EXPECT_TRUE(removal.complete);
    EXPECT_EQ(removal.bytes, expected);

    // An entry that is not there is not a complete removal.
    EXPECT_FALSE(platform::removeTree(home() / "t", ParentLinks::refuse).complete);
}
