#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <csignal>

#include "TestEnvironment.h"
#include "platform/ProcessRunner.h"

using namespace sorbeta;
using namespace std::chrono_literals;
using platform::ProcessOptions;
using platform::runProcess;

namespace {

ProcessOptions quick(std::vector<std::string> environment = {}) {
    ProcessOptions options;
    options.environment = std::move(environment);
    options.timeLimit = 5s;
    return options;
}

// Gone or a zombie waiting to be reaped by whoever inherited it.
bool processAlive(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    const auto close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

}  // namespace

class ProcessRunnerTest : public test::HomeTest {};

TEST_F(ProcessRunnerTest, ExitCodesAndBothStreams) {
    auto ok = runProcess("/bin/sh", {"-c", "printf 'a\\0b'; echo oops >&2"}, quick());
    EXPECT_TRUE(ok.started);
    EXPECT_TRUE(ok.succeeded());
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.out, std::string("a\0b", 3));
    EXPECT_EQ(ok.err, "oops\n");

    auto failed = runProcess("/bin/sh", {"-c", "exit 3"}, quick());
    EXPECT_TRUE(failed.started);
    EXPECT_FALSE(failed.succeeded());
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_FALSE(failed.timedOut);

    auto killed = runProcess("/bin/sh", {"-c", "kill -TERM $$"}, quick());
    EXPECT_FALSE(killed.succeeded());
    EXPECT_EQ(killed.signal, SIGTERM);
    EXPECT_EQ(killed.exitCode, -1);
}

TEST_F(ProcessRunnerTest, ArgumentsReachTheToolUnchangedWithoutAShell) {
    auto result = runProcess("/usr/bin/printf", {"[%s]", "a b", "$HOME", "*", "", "中文"}, quick());
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.out, "[a b][$HOME][*][][中文]");
}

TEST_F(ProcessRunnerTest, ExactEnvironmentAndEmptyStdin) {
    auto env = runProcess("/usr/bin/env", {}, quick({"ONLY=this", "LC_ALL=C"}));
    ASSERT_TRUE(env.succeeded());
    EXPECT_EQ(env.out, "ONLY=this\nLC_ALL=C\n");

    // stdin is /dev/null: a reader sees end of input at once instead of hanging.
    auto cat = runProcess("/bin/cat", {}, quick());
    EXPECT_TRUE(cat.succeeded());
    EXPECT_EQ(cat.out, "");

    auto tools = platform::toolEnvironment(places().home);
    EXPECT_NE(std::find(tools.begin(), tools.end(), "HOME=" + home().native()), tools.end());
}

TEST_F(ProcessRunnerTest, WorkingDirectory) {
    ProcessOptions options = quick();
    options.workingDirectory = home();
    auto result = runProcess("/bin/pwd", {}, options);
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.out, home().native() + "\n");

    options.workingDirectory = home() / "missing";
    EXPECT_FALSE(runProcess("/bin/pwd", {}, options).started);
}

TEST_F(ProcessRunnerTest, TimeLimitKillsTheToolAndWhatItStarted) {
    ProcessOptions options;
    options.timeLimit = 200ms;
    const auto start = std::chrono::steady_clock::now();
    auto result = runProcess("/bin/sleep", {"10"}, options);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.timedOut);
    EXPECT_FALSE(result.succeeded());
    EXPECT_EQ(result.signal, SIGKILL);
    EXPECT_LT(took, 4s);  // far below the 10 s sleep, with room for a loaded machine
    EXPECT_GE(took, 190ms);

    // What the tool started in the background dies with it. The limit gives
    // a loaded machine time to start the helper and write its pid first.
    options.timeLimit = 2s;
    const auto pidFile = home() / "helper.pid";
    auto group = runProcess("/bin/sh", {"-c", "sleep 10 & echo $! > '" + pidFile.native() + "'; wait"}, options);
    EXPECT_TRUE(group.timedOut);
    pid_t helper = 0;
    std::ifstream(pidFile) >> helper;
    ASSERT_GT(helper, 0);
    EXPECT_TRUE(test::waitUntil([&] { return !processAlive(helper); }, 5000));

    // A tool that exits but leaves a helper behind returns without waiting for the helper.
    const auto startLeft = std::chrono::steady_clock::now();
    options.timeLimit = 5s;
    auto left = runProcess("/bin/sh", {"-c", "echo done; sleep 10 &"}, options);
    EXPECT_TRUE(left.succeeded());
    EXPECT_EQ(left.out, "done\n");
    EXPECT_LT(std::chrono::steady_clock::now() - startLeft, 4s);  // far below the 10 s sleep
}

TEST_F(ProcessRunnerTest, LargeOutputIsReadWhileTheToolRuns) {
    // More than a pipe buffer on both streams: a runner that read only at the
    // end would deadlock until the limit.
    auto result = runProcess("/bin/sh", {"-c", "head -c 300000 /dev/zero; head -c 200000 /dev/zero >&2"}, quick());
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.out.size(), 300000u);
    EXPECT_EQ(result.err.size(), 200000u);
}

TEST_F(ProcessRunnerTest, MissingOrNonExecutableToolIsNotStarted) {
    auto missing = runProcess(home() / "no-such-tool", {}, quick());
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.succeeded());
    EXPECT_FALSE(missing.failure.empty());

    const auto script = home() / "plain.txt";
    std::ofstream(script) << "#!/bin/sh\necho hi\n";
    EXPECT_FALSE(runProcess(script, {}, quick()).started);

    // No PATH search: a bare name is not looked up.
    EXPECT_FALSE(runProcess("sh", {"-c", "true"}, quick({"PATH=/bin:/usr/bin"})).started);
}

TEST_F(ProcessRunnerTest, ConcurrentCallsKeepTheirOwnOutput) {
    std::vector<std::thread> threads;
    std::vector<std::string> outputs(8);
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&, i] { outputs[i] = runProcess("/bin/echo", {std::to_string(i)}, quick()).out; });
    for (auto& thread : threads) thread.join();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(outputs[i], std::to_string(i) + "\n");
}

TEST_F(ProcessRunnerTest, DiscardedErrorsAreNeitherKeptNorBlocking) {
    ProcessOptions options = quick();
    options.standardError = platform::StandardError::discard;
    // Far more than a pipe buffer on stderr: nobody reads it, yet the tool ends.
    auto result = runProcess("/bin/sh", {"-c", "echo out; head -c 1000000 /dev/zero >&2; echo done"}, options);
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.out, "out\ndone\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(ProcessRunnerTest, TooMuchOutputStopsTheToolAndFails) {
    ProcessOptions options = quick();
    options.outputLimit = 4096;
    auto exact = runProcess("/bin/sh", {"-c", "head -c 4096 /dev/zero"}, options);
    EXPECT_TRUE(exact.succeeded());
    EXPECT_EQ(exact.out.size(), 4096u);

    auto over = runProcess("/bin/sh", {"-c", "head -c 4097 /dev/zero"}, options);
    EXPECT_TRUE(over.overflowed);
    EXPECT_FALSE(over.succeeded());
    EXPECT_LE(over.out.size(), 4096u);

    // An endless writer under the default limit ends long before its time limit.
    const auto start = std::chrono::steady_clock::now();
    ProcessOptions generous = quick();
    generous.timeLimit = 30s;
    auto endless = runProcess("/bin/cat", {"/dev/zero"}, generous);
    EXPECT_TRUE(endless.overflowed);
    EXPECT_FALSE(endless.timedOut);
    EXPECT_FALSE(endless.succeeded());
    EXPECT_LE(endless.out.size(), platform::kDefaultOutputLimit);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 15s);
}

TEST_F(ProcessRunnerTest, GraceAsksFirstAndThenKillsWhatIgnoresIt) {
    // The limit gives a loaded machine time to start the shell and set its
    // trap before the signal comes.
    ProcessOptions options;
    options.timeLimit = 2s;
    options.terminateGrace = 40ms;

    // A polite tool hears SIGTERM and may tidy up; the grace ends as soon as
    // it has gone (a long grace, so a loaded machine cannot cut it short).
    const auto note = home() / "term.txt";
    ProcessOptions generous = options;
    generous.terminateGrace = 10s;
    const auto asked = std::chrono::steady_clock::now();
    auto polite = runProcess(
        "/bin/sh", {"-c", "trap 'echo term > \"" + note.native() + "\"; exit 7' TERM; while :; do sleep 0.02; done"},
        generous);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 6s);  // far below limit and grace
    EXPECT_TRUE(polite.timedOut);
    EXPECT_FALSE(polite.succeeded());
    EXPECT_EQ(polite.exitCode, -1);
    std::string heard;
    std::ifstream(note) >> heard;
    EXPECT_EQ(heard, "term");

    // A tool (and its helper) ignoring SIGTERM is killed right after the grace.
    const auto pidFile = home() / "stubborn.pid";
    const auto start = std::chrono::steady_clock::now();
    auto stubborn = runProcess(
        "/bin/sh",
        {"-c", "trap '' TERM; sleep 10 & echo $! > '" + pidFile.native() + "'; while :; do sleep 0.02; done"}, options);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(stubborn.timedOut);
    EXPECT_EQ(stubborn.signal, SIGKILL);
    EXPECT_GE(took, 2030ms);
    EXPECT_LT(took, 6s);  // far below the 10 s sleep, with room for a loaded machine
    pid_t helper = 0;
    std::ifstream(pidFile) >> helper;
    ASSERT_GT(helper, 0);
    EXPECT_TRUE(test::waitUntil([&] { return !processAlive(helper); }, 5000));
}

TEST_F(ProcessRunnerTest, AHelperOutsideTheGroupHoldingStdoutDoesNotHoldTheCaller) {
    // The tool exits at once; a helper in a session of its own keeps stdout open.
    const auto pidFile = home() / "held.pid";
    const auto start = std::chrono::steady_clock::now();
    auto result = runProcess(
        "/bin/sh", {"-c", "/usr/bin/setsid /bin/sleep 10 & echo $! > '" + pidFile.native() + "'; echo hi"}, quick());
    const auto took = std::chrono::steady_clock::now() - start;
    pid_t helper = 0;
    std::ifstream(pidFile) >> helper;
    if (helper > 0) ::kill(helper, SIGKILL);
    EXPECT_TRUE(result.succeeded());
    EXPECT_EQ(result.out, "hi\n");
    EXPECT_LT(took, 4s);  // far below the 10 s sleep, with room for a loaded machine
}
