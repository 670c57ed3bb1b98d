#include "model/dev/DevRun.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include "DevTestSupport.h"
#include "model/dev/DevTypes.h"

namespace sorbeta {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class DevRunTest : public test::DevHomeTest {
protected:
    std::optional<QByteArray> run(const std::string& body, std::chrono::milliseconds limit = 5s) {
        return DevScan::run(tool("t", body), {"a b", "c"}, limit, {"ONLY=this"});
    }
};

TEST_F(DevRunTest, OnlyTheOutputOfAToolThatExitedWell) {
    // Arguments arrive unchanged, the environment is exactly the one given,
    // stdin is empty and stderr is not part of the output.
    EXPECT_EQ(run(R"(printf '[%s]' "$@"; echo "$ONLY:${HOME:-none}"; cat; echo noise >&2)"),
              QByteArray("[a b][c]this:none\n"));
    const auto empty = run("exit 0");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isEmpty());
    EXPECT_FALSE(run("echo partial; exit 3"));
    EXPECT_FALSE(run("kill -TERM $$"));
    EXPECT_FALSE(DevScan::run(tools() / "missing", {}, 5s, {}));
    const auto plain = tool("plain", "echo hi");
    ::chmod(plain.c_str(), 0644);
    EXPECT_FALSE(DevScan::run(plain, {}, 5s, {}));
}

TEST_F(DevRunTest, NeverWaitsPastTheTimeLimit) {
    // A tool that sleeps on, one that ignores SIGTERM with a helper that does
    // too: each gives nothing shortly after the limit.
    for (const char* body : {"echo started; sleep 5", "trap '' TERM; sleep 5 & sleep 5"}) {
        const auto start = Clock::now();
        EXPECT_FALSE(run(body, 200ms)) << body;
        const auto took = Clock::now() - start;
        EXPECT_GE(took, 200ms) << body;
        // Far below the 5 s sleep, with room for a loaded machine.
        EXPECT_LT(took, 3s) << body;
    }

    // A helper in a session of its own keeps stdout open after the tool exited.
    const auto pidFile = outside() / "helper.pid";
    const auto start = Clock::now();
    const auto held = run("/usr/bin/setsid /bin/sleep 10 & echo $! > '" + pidFile.native() + "'; echo listing");
    const auto took = Clock::now() - start;
    pid_t helper = 0;
    std::ifstream(pidFile) >> helper;
    if (helper > 0) ::kill(helper, SIGKILL);
    EXPECT_EQ(held, QByteArray("listing\n"));
    EXPECT_LT(took, 4s);  // far below the 10 s sleep, with room for a loaded machine
}

TEST_F(DevRunTest, OutputBeyondTheLimitFails) {
    const auto start = Clock::now();
    // A time limit far away, so only the output limit can end the endless writer in time.
    EXPECT_FALSE(run("head -c " + std::to_string(DevScan::kOutputLimit + 1) + " /dev/zero", 30s));
    EXPECT_FALSE(run("cat /dev/zero", 30s));
    EXPECT_LT(Clock::now() - start, 15s);
}

TEST(DevTypes, EqualityByKindAndPayloadAndRecommendedBytes) {
    using Path = std::filesystem::path;
    const DevEntry::Action ab = DevEntry::Trash{{Path("/a"), Path("/b")}};
    EXPECT_EQ(ab, DevEntry::Action(DevEntry::Trash{{Path("/a"), Path("/b")}}));
    EXPECT_NE(ab, DevEntry::Action(DevEntry::Trash{{Path("/b"), Path("/a")}}));
    EXPECT_NE(ab, DevEntry::Action(DevEntry::Artifacts{{Path("/a"), Path("/b")}}));
    EXPECT_NE(DevEntry::Action(DevEntry::SimRuntime{"x"}), DevEntry::Action(DevEntry::SimDevice{"x"}));
    EXPECT_EQ(DevEntry::Action(DevEntry::DockerPrune{}), DevEntry::Action(DevEntry::DockerPrune{}));
    EXPECT_EQ(DevEntry::Action(DevEntry::Reveal{}).index(), 5u);

    DevEntry entry{"id", "t", "d", 10, ab, true, std::nullopt};
    DevEntry other = entry;
    EXPECT_EQ(entry, other);
    other.cluster = 1;
    EXPECT_NE(entry, other);

    DevGroup group{"g", "T", "icon", Flavor::mint, "note", {}};
    EXPECT_EQ(group.recommendedBytes(), 0);
    group.entries = {entry, {"n", "", "", 5, ab, false, {}}, {"v", "", "", 700, DevEntry::Reveal{"/v"}, true, {}}};
    // A folder that can only be shown frees nothing, whatever it is marked.
    EXPECT_EQ(group.recommendedBytes(), 10);
    group.entries[1].recommended = true;
    EXPECT_EQ(group.recommendedBytes(), 15);
}

}  // namespace
}  // namespace sorbeta
