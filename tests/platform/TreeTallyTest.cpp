#include "platform/TreeTally.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "FileTree.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "platform/EntryInfo.h"
#include "platform/TreeWalk.h"

using namespace sorbeta;
namespace fs = std::filesystem;

namespace {

// What the one-thread walker counts for the same tree: the reference.
int64_t walkedBytes(const fs::path& root) {
    std::set<std::pair<uint64_t, uint64_t>> seen;
    int64_t total = 0;
    platform::TreeWalk walk(root);
    while (const platform::WalkEntry* entry = walk.next()) {
        if (entry->error != platform::WalkError::none || entry->info.kind == platform::EntryKind::folder) continue;
        if (entry->info.links >= 2 && !seen.emplace(entry->info.device, entry->info.inode).second) continue;
        total += entry->info.allocatedBytes;
    }
    return total;
}

// Hard links counted once per tally, as the engine does.
struct LinkSet {
    std::mutex lock;
    std::set<std::pair<uint64_t, uint64_t>> seen;
    bool first(uint64_t device, uint64_t inode) {
        std::lock_guard guard(lock);
        return seen.emplace(device, inode).second;
    }
};

// Helper threads that take every job offered, up to `threads` at a time.
class Helpers {
public:
    explicit Helpers(int threads) : free_(threads) {}
    ~Helpers() {
        for (std::thread& thread : threads_) thread.join();
    }
    bool offer(std::function<void()> job) {
        std::lock_guard guard(lock_);
        if (free_ == 0) return false;
        --free_;
        ++taken_;
        threads_.emplace_back([this, job = std::move(job)] {
            job();
            std::lock_guard done(lock_);
            ++free_;
        });
        return true;
    }
    int taken() {
        std::lock_guard guard(lock_);
        return taken_;
    }

private:
    std::mutex lock_;
    int free_;
    int taken_ = 0;
    std::vector<std::thread> threads_;
};

// Empty folders beside each "d" of a comb.
constexpr const char* kTeeth[] = {"e1", "e2", "e3", "e4"};

// A chain of `depth` folders, each named "d" inside the one before, with one
// file at its end; returns the file's allocated bytes, or -1. Made and
// removed relative to the folder above, so no path grows with it. A comb has
// empty folders beside each "d" too.
// A small file `name` in the folder `fd`; its allocated bytes, or -1.
int64_t smallFile(int fd, const char* name) {
    const int file = ::openat(fd, name, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    struct stat info {};
    const bool made = file >= 0 && ::write(file, "end", 3) == 3 && ::fsync(file) == 0 && ::fstat(file, &info) == 0;
    if (file >= 0) ::close(file);
    return made ? int64_t(info.st_blocks) * 512 : -1;
}

int64_t makeChain(const fs::path& root, int depth, bool comb = false) {
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int64_t total = 0;
    bool failed = false;
    for (int level = 0; level < depth && fd >= 0; ++level) {
        if (comb) {
            for (const char* tooth : kTeeth) ::mkdirat(fd, tooth, 0755);
            // One file in a tooth: counted only when the walk comes back up.
            const int tooth = ::openat(fd, kTeeth[0], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            const int64_t bytes = tooth >= 0 ? smallFile(tooth, "f") : -1;
            if (tooth >= 0) ::close(tooth);
            failed = failed || bytes < 0;
            total += bytes;
        }
        ::mkdirat(fd, "d", 0755);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
    }
    if (fd < 0) return -1;
    const int64_t end = smallFile(fd, "end");
    ::close(fd);
    return end < 0 || failed ? -1 : total + end;
}

// Takes the chain apart from the top: the folder below "d" moves up to take
// its place, until none is left.
void removeChain(const fs::path& root) {
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (bool more = fd >= 0; more;) {
        const int top = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (top < 0) break;
        ::unlinkat(top, "end", 0);
        if (const int tooth = ::openat(top, kTeeth[0], O_RDONLY | O_DIRECTORY | O_CLOEXEC); tooth >= 0) {
            ::unlinkat(tooth, "f", 0);
            ::close(tooth);
        }
        for (const char* tooth : kTeeth) ::unlinkat(top, tooth, AT_REMOVEDIR);
        more = ::renameat(top, "d", fd, "below") == 0;
        ::close(top);
        ::unlinkat(fd, "d", AT_REMOVEDIR);
        if (more) ::renameat(fd, "below", fd, "d");
    }
    if (fd >= 0) ::close(fd);
}

// Runs `job` on a thread with a stack of `bytes`, as small as a worker's may be.
void onSmallStack(std::size_t bytes, std::function<void()> job) {
    pthread_attr_t attributes;
    ASSERT_EQ(::pthread_attr_init(&attributes), 0);
    ASSERT_EQ(::pthread_attr_setstacksize(&attributes, bytes), 0);
    pthread_t thread;
    const int started = ::pthread_create(
        &thread, &attributes,
        [](void* argument) -> void* {
            (*static_cast<std::function<void()>*>(argument))();
            return nullptr;
        },
        &job);
    ::pthread_attr_destroy(&attributes);
    ASSERT_EQ(started, 0);
    ::pthread_join(thread, nullptr);
}

class TreeTallyTest : public test::HomeTest {
protected:
    // Wide and deep at once, with hard links inside and across folders,
    // links to folders and files of many sizes.
    fs::path mixedTree() {
        test::FileTree tree(home());
        for (int wide = 0; wide < 120; ++wide)
            tree.file("mixed/wide/w" + std::to_string(wide) + "/f.bin", 100 + wide * 37);
        fs::path deep = "mixed/deep";
        for (int level = 0; level < 60; ++level) {
            deep /= "l" + std::to_string(level);
            tree.file(deep / "part.o", 900 + level * 211);
        }
        const auto shared = tree.file("mixed/shared.bin", 70000);
        for (int i = 0; i < 40; ++i)
            tree.hardlink(shared, "mixed/wide/w" + std::to_string(i * 3) + "/link" + std::to_string(i));
        tree.hardlink(shared, deep / "deep-link");
        tree.symlink(home() / "mixed", "mixed/wide/w5/back-to-root");
        tree.symlink("../../deep", "mixed/wide/w6/sideways");
        tree.file("mixed/" + test::FileTree::invalidUtf8Name() + "/odd.bin", 5000);
        return tree.at("mixed");
    }
};

TEST_F(TreeTallyTest, EqualsTheOneThreadWalkWhoeverHelps) {
    const fs::path root = mixedTree();
    const int64_t reference = walkedBytes(root);
    ASSERT_GT(reference, 0);

    // Alone.
    LinkSet alone;
    platform::TallyOptions options;
    options.firstLink = [&](uint64_t device, uint64_t inode, int64_t) { return alone.first(device, inode); };
    EXPECT_EQ(platform::tallyTree(root, options), reference);

    // With helpers, again and again: the order in which threads take folders
    // never changes the total, and a file with many names counts once.
    for (int round = 0; round < 5; ++round) {
        LinkSet links;
        Helpers helpers(7);
        options.firstLink = [&](uint64_t device, uint64_t inode, int64_t) { return links.first(device, inode); };
        options.offerHelp = [&](std::function<void()> job) { return helpers.offer(std::move(job)); };
        EXPECT_EQ(platform::tallyTree(root, options), reference) << "round " << round;
        EXPECT_GT(helpers.taken(), 0);
    }

    // Without a link set every name counts: 41 more names of the shared file.
    platform::TallyOptions plain;
    EXPECT_EQ(platform::tallyTree(root, plain),
              reference + 41 * test::FileTree::allocated(home() / "mixed/shared.bin"));
}

TEST_F(TreeTallyTest, HelpThatComesLateFindsNothingLeft) {
    const fs::path root = mixedTree();
    // Jobs accepted but run only after the tally returned: the caller did
    // all the work, and the late helpers must neither count nor crash.
    std::vector<std::function<void()>> late;
    LinkSet links;
    platform::TallyOptions options;
    options.firstLink = [&](uint64_t device, uint64_t inode, int64_t) { return links.first(device, inode); };
    options.offerHelp = [&](std::function<void()> job) {
        late.push_back(std::move(job));
        return true;
    };
    EXPECT_EQ(platform::tallyTree(root, options), walkedBytes(root));
    EXPECT_FALSE(late.empty());
    EXPECT_LE(late.size(), std::size_t(std::max(1u, std::thread::hardware_concurrency()) - 1));
    for (auto& job : late) job();
}

TEST_F(TreeTallyTest, SkipsFoldersByTheRootsPathOrTheirOwnName) {
    test::FileTree tree(home());
    const auto kept = tree.file("t/keep/a.bin", 3000);
    tree.file("t/keep/skip/b.bin", 3000);
    tree.file("t/skip/c.bin", 3000);
    const auto file = tree.file("t/skip-file", 3000);
    tree.file("t/skip/deeper/d.bin", 3000);
    std::vector<std::string> asked;
    std::mutex lock;
    platform::TallyOptions options;
    options.skipFolder = [&](std::string_view pathOrName) {
        std::lock_guard guard(lock);
        asked.emplace_back(pathOrName);
        return pathOrName == "skip" || pathOrName.ends_with("/s");
    };
    EXPECT_EQ(platform::tallyTree(tree.at("t"), options),
              test::FileTree::allocated(kept) + test::FileTree::allocated(file));
    // A file is never asked about; a folder is asked once, before it is entered.
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<std::string>{tree.at("t").native(), "keep", "skip", "skip"}));

    tree.file("s/e.bin", 3000);
    EXPECT_EQ(platform::tallyTree(tree.at("s"), options), 0);  // the root is skipped by its whole path
}

TEST_F(TreeTallyTest, StopsEarlyWhenAsked) {
    test::FileTree tree(home());
    for (int i = 0; i < 200; ++i) {
        tree.file("many/d" + std::to_string(i) + "/f.bin", 4096);
        tree.file("many/d" + std::to_string(i) + "/sub/g.bin", 4096);
    }
    const int64_t whole = walkedBytes(tree.at("many"));

    // Stopped from inside the walk, once it is well under way.
    std::stop_source stopping;
    std::atomic<int> folders{0};
    Helpers helpers(3);
    platform::TallyOptions options;
    options.stop = stopping.get_token();
    options.offerHelp = [&](std::function<void()> job) { return helpers.offer(std::move(job)); };
    options.skipFolder = [&](std::string_view) {
        if (++folders == 250) stopping.request_stop();
        return false;
    };
    const int64_t part = platform::tallyTree(tree.at("many"), options);
    EXPECT_LT(part, whole);
    EXPECT_GE(part, 0);

    // Stopped before it began: the root's folders are never read.
    EXPECT_EQ(platform::tallyTree(tree.at("many"), options), 0);
}

TEST_F(TreeTallyTest, RootsOfEveryKind) {
    test::FileTree tree(home());
    const auto file = tree.file("file.bin", 12000);
    const auto link = tree.symlink(home() / "tree", "link");
    tree.file("tree/a.bin", 50000);
    const auto twice = tree.hardlink(file, "twice.bin");
    LinkSet links;
    platform::TallyOptions options;
    options.firstLink = [&](uint64_t device, uint64_t inode, int64_t) { return links.first(device, inode); };

    EXPECT_EQ(platform::tallyTree(home() / "missing", options), 0);
    EXPECT_EQ(platform::tallyTree(link, options), test::FileTree::allocated(link));  // the link, not its target
    EXPECT_EQ(platform::tallyTree(file, options), test::FileTree::allocated(file));
    EXPECT_EQ(platform::tallyTree(twice, options), 0);  // a second name of a file already counted
    tree.dir("empty/a/b");
    EXPECT_EQ(platform::tallyTree(tree.at("empty"), options), 0);
}

TEST_F(TreeTallyTest, ATreeFarDeeperThanTheStackIsTalliedWhole) {
    // Far more levels than a small stack holds frames: none may cost one, the
    // walk nor the letting go of what it kept for them.
    constexpr int kDepth = 4000;
    const fs::path root = home() / "chain";
    fs::create_directory(root);
    const int64_t end = makeChain(root, kDepth);
    ASSERT_GT(end, 0);
    int64_t tallied = -1;
    onSmallStack(64 * 1024, [&] { tallied = platform::tallyTree(root, {}); });
    removeChain(root);
    EXPECT_EQ(tallied, end);
}

TEST_F(TreeTallyTest, ADeepCombStaysWithinTheStackAndTheDescriptors) {
    // Folders left waiting beside every level keep their parents open until
    // the walk holds as many as it may; past that it walks on by itself,
    // and a tree deeper than the descriptors a process may have, on a small
    // stack, must still come out whole.
    constexpr int kDepth = 3000;
    const fs::path root = home() / "comb";
    fs::create_directory(root);
    const int64_t end = makeChain(root, kDepth, true);
    ASSERT_GT(end, 0);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    rlimit low = old;
    low.rlim_cur = std::min<rlim_t>(old.rlim_cur, 1024);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    int64_t tallied = -1;
    onSmallStack(64 * 1024, [&] { tallied = platform::tallyTree(root, {}); });
    ::setrlimit(RLIMIT_NOFILE, &old);
    removeChain(root);
    EXPECT_EQ(tallied, end);
}

TEST_F(TreeTallyTest, AFolderThatIsItsOwnAncestorIsNotEnteredAgain) {
    test::FileTree tree(home());
    const auto a = tree.file("loop/a.bin", 20000);
    const auto b = tree.file("loop/inner/b.bin", 30000);
    const fs::path mountPoint = tree.dir("loop/inner/again");
    // A bind mount of a folder inside itself: the same file system, the same inodes.
    if (::geteuid() != 0 || ::mount(tree.at("loop").c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "cannot bind-mount here";
    Helpers helpers(3);
    platform::TallyOptions options;
    options.offerHelp = [&](std::function<void()> job) { return helpers.offer(std::move(job)); };
    const int64_t tallied = platform::tallyTree(tree.at("loop"), options);
    ::umount2(mountPoint.c_str(), MNT_DETACH);
    EXPECT_EQ(tallied, test::FileTree::allocated(a) + test::FileTree::allocated(b));
}

TEST_F(TreeTallyTest, AnotherMountOfTheSameFileSystemIsNotEntered) {
    test::FileTree tree(home());
    const auto clip = tree.file("t/Videos/clip.bin", 40000);
    const auto own = tree.file("t/Public/own.bin", 3000);
    const auto under = tree.file("t/Public/v/under.bin", 20000);
    const auto kept = tree.file("t/Public/unsure/kept.bin", 5000);
    const int64_t all = test::FileTree::allocated(clip) + test::FileTree::allocated(own) +
                        test::FileTree::allocated(under) + test::FileTree::allocated(kept);
    // Mounts a test cannot make, told as the kernel would: "v" is another
    // mount of the root's file system, "unsure" one whose mount is unknown.
    std::optional<uint64_t> rootMount = 7;
    Helpers helpers(3);
    platform::TallyOptions options;
    options.offerHelp = [&](std::function<void()> job) { return helpers.offer(std::move(job)); };
    options.mountIdAt = [&rootMount](int, const char* name) -> std::optional<uint64_t> {
        const std::string_view text(name);
        if (text.starts_with("/")) return rootMount;
        if (text == "v") return 8;
        if (text == "unsure") return std::nullopt;
        return 7;
    };
    // Nor is it offered as a folder already known (a bound folder has the
    // inode of the one it shows, which may well be known).
    const auto bound = platform::entryInfo(tree.at("t/Public/v"));
    ASSERT_TRUE(bound);
    const uint64_t boundInode = bound->inode;
    options.knownFolder = [boundInode](uint64_t, uint64_t inode) {
        return inode == boundInode ? std::optional<int64_t>(1 << 30) : std::nullopt;
    };
    EXPECT_EQ(platform::tallyTree(tree.at("t"), options), all - test::FileTree::allocated(under));
    // A root whose mount cannot be told is walked as before: by device alone.
    options.knownFolder = nullptr;
    rootMount.reset();
    EXPECT_EQ(platform::tallyTree(tree.at("t"), options), all);

    // The same with a real bind mount, where the process may make one.
    fs::remove(under);
    test::BindMount binding(tree.at("t/Videos"), tree.at("t/Public/v"));
    if (!binding.mounted()) GTEST_SKIP() << "cannot bind-mount here";
    options.mountIdAt = nullptr;
    const int64_t once =
        test::FileTree::allocated(clip) + test::FileTree::allocated(own) + test::FileTree::allocated(kept);
    EXPECT_EQ(platform::tallyTree(tree.at("t"), options), once);
    EXPECT_EQ(platform::tallyTree(tree.at("t/Public"), options), once - test::FileTree::allocated(clip));
    // As a root of its own, the bound folder is walked.
    EXPECT_EQ(platform::tallyTree(tree.at("t/Public/v"), options), test::FileTree::allocated(clip));
}

}  // namespace
