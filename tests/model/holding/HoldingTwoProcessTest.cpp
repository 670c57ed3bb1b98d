// Two processes on one home: while a child holds thirty thousand files into
// a batch, this process lists, restores, deletes and expires whatever it can
// see. Nothing the child is still moving in may be restored or removed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "FileTree.h"
#include "OnDisk.h"
#include "TestEnvironment.h"
#include "model/disk/Removal.h"
#include "model/holding/HoldingArea.h"
#include "platform/Listing.h"
#include "platform/Places.h"

extern char** environ;

using namespace sorbeta;
namespace fs = std::filesystem;
using test::contents;
using test::present;

namespace {

constexpr const char* kChildHome = "SORBETA_TWO_PROCESS_HOME";
constexpr int kReadyFd = 3;
constexpr int kFiles = 30000;

// Starts this test program again as the child test below; `ready` reads one
// byte once it is about to hold.
pid_t startChild(const fs::path& home, int& ready) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return -1;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back(std::string(kChildHome) + "=" + home.native());
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = fs::read_symlink("/proc/self/exe").native();
    std::string filter = "--gtest_filter=HoldingTwoProcessChild.DISABLED_Hold";
    std::string disabled = "--gtest_also_run_disabled_tests";
    char* argv[] = {self.data(), filter.data(), disabled.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], kReadyFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    ready = pipeFds[0];
    return pid;
}

}  // namespace

// The child: holds every file of ~/.cache/tree into one batch, says so and
// waits to be killed, its writer still at work, so the batch is known only
// by its journal and stays locked until the parent has stopped.
TEST(HoldingTwoProcessChild, DISABLED_Hold) {
    const char* childHome = std::getenv(kChildHome);
    if (!childHome) GTEST_SKIP() << "runs only as the two-process test's child";
    const auto places = platform::Places::fromEnvironment();
    auto area = HoldingArea::standard(places);
    auto writer = area->makeWriter();
    const char go = 'g';
    if (::write(kReadyFd, &go, 1) != 1) std::_Exit(2);
    DiskScanner::clean({places.home / ".cache/tree"}, false, false, writer.get(), places);
    const char done = 'd';
    if (::write(kReadyFd, &done, 1) != 1) std::_Exit(2);
    for (;;) ::pause();
}

class HoldingTwoProcessTest : public test::HomeTest {};

TEST_F(HoldingTwoProcessTest, ABatchBeingWrittenIsNeverRestoredDeletedOrExpired) {
    test::FileTree tree(home() / ".cache/tree");
    for (int i = 0; i < kFiles; ++i) tree.text("f" + std::to_string(i), std::to_string(i));
    HoldingArea area(places().holdingFolder(), home());

    int ready = -1;
    const pid_t child = startChild(home(), ready);
    ASSERT_GT(child, 0);
    char byte = 0;
    ASSERT_EQ(::read(ready, &byte, 1), 1);
    ::fcntl(ready, F_SETFL, O_NONBLOCK);

    // Everything this process may do, again and again while the child holds.
    int rounds = 0, status = 0;
    const QDateTime later = QDateTime::currentDateTimeUtc().addDays(60);
    while (::read(ready, &byte, 1) != 1) {
        ASSERT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the child ended early: " << status;
        ++rounds;
        for (const HoldBatch& batch : area.batches()) {
            area.restore(batch);
            area.purge(batch);
        }
        for (const std::string& name : platform::listNames(area.root()).value_or(std::vector<std::string>{})) {
            area.restore(HoldBatch{name, {}, {}, {}});
            area.purge(HoldBatch{name, {}, {}, {}});
        }
        area.purgeExpired(7, later);
    }
    ::close(ready);
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    EXPECT_GT(rounds, 1);

    // Every file is in its place or held and listed; none is gone.
    const auto batches = area.batches();
    std::set<std::string> held;
    for (const HoldBatch& batch : batches) {
        for (const auto& item : batch.items) {
            EXPECT_TRUE(present(area.root() / batch.id / "files" / item.stored)) << item.original;
            held.insert(item.original);
        }
    }
    int inPlace = 0;
    for (int i = 0; i < kFiles; ++i) {
        const fs::path original = home() / ".cache/tree" / ("f" + std::to_string(i));
        if (present(original))
            ++inPlace;
        else
            EXPECT_TRUE(held.count(original.native())) << "lost: " << original;
    }
    EXPECT_EQ(inPlace + int(held.size()), kFiles);
    EXPECT_GT(held.size(), 0u);

    // And all of it comes back.
    for (const HoldBatch& batch : batches) EXPECT_TRUE(area.restore(batch).skipped.empty());
    for (int i = 0; i < kFiles; i += 997)
        EXPECT_EQ(contents(home() / ".cache/tree" / ("f" + std::to_string(i))), std::to_string(i));
    EXPECT_TRUE(area.batches().empty());
}
