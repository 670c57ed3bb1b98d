// A held clean killed with SIGKILL at random moments loses nothing: every
// original file is either still in its place or listed in a readable batch,
// and restoring every batch brings the tree back byte for byte.
//
// The clean runs in a child process: this same test program, started with
// the disabled test below and the child's home folder in its environment.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "FileTree.h"
#include "OnDisk.h"
#include "TestEnvironment.h"
#include "model/disk/Removal.h"
#include "model/holding/HoldingArea.h"
#include "platform/Places.h"

extern char** environ;

using namespace sorbeta;
namespace fs = std::filesystem;
using test::contents;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kChildHome = "SORBETA_CRASH_CHILD_HOME";
constexpr int kReadyFd = 3;
constexpr int kItems = 240;

// Every regular file and link below `root`, by relative path, with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string relative = it->path().lexically_relative(root).native();
        if (it->is_symlink())
            files[relative] = "->" + fs::read_symlink(it->path()).native();
        else if (it->is_regular_file())
            files[relative] = contents(it->path());
        else if (it->is_directory() && fs::is_empty(it->path()))
            files[relative] = "<empty folder>";
    }
    return files;
}

void buildTree(const fs::path& root, std::mt19937& random) {
    test::FileTree tree(root);
    for (int i = 0; i < kItems; ++i) {
        const std::string content = std::to_string(random()) + std::string(random() % 64, char('a' + i % 26));
        switch (i % 6) {
            case 0: tree.text("d" + std::to_string(i) + "/inner/deep.txt", content); break;
            case 1: tree.text("same name " + std::to_string(i) + ".log", content); break;
            case 2: tree.text(test::FileTree::chineseName() + std::to_string(i), content); break;
            case 3: tree.text(test::FileTree::invalidUtf8Name() + std::to_string(i), content); break;
            case 4: tree.symlink("../elsewhere/" + std::to_string(i), "link" + std::to_string(i)); break;
            default: tree.text(std::string(240, 'L') + std::to_string(i), content); break;
        }
    }
    tree.dir("empty folder");
}

struct Child {
    pid_t pid = -1;
    int ready = -1;
};

Child startChild(const fs::path& childHome) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::string(*e).rfind(std::string(kChildHome) + "=", 0) != 0) env.emplace_back(*e);
    }
    env.push_back(std::string(kChildHome) + "=" + childHome.native());
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = fs::read_symlink("/proc/self/exe").native();
    std::string filter = "--gtest_filter=HoldingCrashChild.DISABLED_Clean";
    std::string disabled = "--gtest_also_run_disabled_tests";
    char* argv[] = {self.data(), filter.data(), disabled.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], kReadyFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    Child child;
    if (posix_spawn(&child.pid, self.c_str(), &actions, nullptr, argv, envp.data()) != 0) child.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    child.ready = pipeFds[0];
    return child;
}

// Waits for the child to reach its clean; false when it never did.
bool awaitReady(const Child& child) {
    char byte;
    return child.pid > 0 && ::read(child.ready, &byte, 1) == 1;
}

int finish(Child& child) {
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    ::close(child.ready);
    return status;
}

}  // namespace

// The child: holds everything below ~/.cache/tree into one batch, then commits.
TEST(HoldingCrashChild, DISABLED_Clean) {
    const char* childHome = std::getenv(kChildHome);
    if (!childHome) GTEST_SKIP() << "runs only as the crash test's child";
    const fs::path home = childHome;
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    const auto places = platform::Places::fromEnvironment();
    auto area = HoldingArea::standard(places);
    auto writer = area->makeWriter();
    const char go = 'g';
    if (::write(kReadyFd, &go, 1) != 1) std::_Exit(2);
    DiskScanner::clean({home / ".cache/tree"}, false, false, writer.get(), places);
    area->commit(*writer, QStringLiteral("crash test"), QDateTime::currentDateTimeUtc());
    std::_Exit(0);
}

class HoldingCrashTest : public test::HomeTest {};

TEST_F(HoldingCrashTest, AKilledCleanLosesNothing) {
    std::mt19937 random(20260301);
    // How far a killed clean got: 0 nothing moved, 1 in the middle, 2 all moved.
    const auto runTrial = [&](int trial, std::optional<Clock::duration> killAfter, Clock::duration* took,
                              int* progress) {
        const fs::path childHome = home() / ("trial" + std::to_string(trial));
        const fs::path target = childHome / ".cache/tree";
        buildTree(target, random);
        const auto before = snapshot(target);
        Child child = startChild(childHome);
        ASSERT_TRUE(awaitReady(child)) << "child did not start";
        const auto start = Clock::now();
        if (killAfter) {
            std::this_thread::sleep_for(*killAfter);
            ::kill(child.pid, SIGKILL);
        }
        const int status = finish(child);
        if (took) *took = Clock::now() - start;
        if (!killAfter) {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        }

        // Every original is in place or listed in a readable batch.
        HoldingArea area(childHome / ".local/share/Sorbeta/Holding");
        const auto batches = area.batches();
        std::set<std::string> held;
        for (const auto& batch : batches) {
            for (const auto& item : batch.items) held.insert(item.original);
        }
        const auto now = snapshot(target);
        std::size_t moved = 0;
        for (const auto& [relative, bytes] : before) {
            if (now.count(relative)) continue;
            ++moved;
            // The item held is the original's top folder below the target.
            const std::string top = relative.substr(0, relative.find('/'));
            EXPECT_TRUE(held.count((target / top).native())) << "lost: " << relative;
        }
        if (progress) *progress = moved == 0 ? 0 : moved < before.size() ? 1 : 2;

        for (const auto& batch : batches) {
            const auto result = area.restore(batch);
            EXPECT_TRUE(result.skipped.empty());
        }
        EXPECT_EQ(snapshot(target), before) << "trial " << trial;
        EXPECT_TRUE(area.batches().empty());
        if (!fs::exists(area.root())) return;
        for (const auto& entry : fs::directory_iterator(area.root())) {
            const bool filesLeft = fs::exists(entry.path() / "files") && !fs::is_empty(entry.path() / "files");
            EXPECT_FALSE(filesLeft) << "files left in " << entry.path();
        }
    };

    // One uninterrupted run shows how long a clean takes here.
    Clock::duration full{};
    runTrial(0, std::nullopt, &full, nullptr);
    if (HasFatalFailure()) return;
    auto span = std::max<int64_t>(std::chrono::duration_cast<std::chrono::microseconds>(full).count(), 1000);

    // Kill at random moments; a busy machine makes cleans slower or faster
    // than the calibration run, so the window follows what the kills hit.
    int interruptedTrials = 0;
    for (int trial = 1; trial <= 60 && (trial <= 24 || interruptedTrials < 3); ++trial) {
        const auto delay = std::chrono::microseconds(random() % uint64_t(span * 11 / 10));
        int progress = 0;
        runTrial(trial, delay, nullptr, &progress);
        if (HasFatalFailure()) return;
        interruptedTrials += progress == 1;
        if (progress == 2) span = std::max<int64_t>(span * 3 / 4, 200);
        if (progress == 0 && delay.count() > span / 2) span = span * 5 / 4;
    }
    // The kills must really land in the middle of cleans for this to mean anything.
    EXPECT_GE(interruptedTrials, 3);
    RecordProperty("interruptedTrials", interruptedTrials);
    RecordProperty("fullCleanMicroseconds", int(span));
}
