// One Sorbeta per user: later launches hand over to the running one, and a
// relaunch after a language change waits for the old instance to let go.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "platform/SingleInstance.h"

using namespace sorbeta;
using platform::SingleInstance;
using Claim = SingleInstance::Claim;

class SingleInstanceTest : public test::HomeTest {
protected:
    std::filesystem::path data() const { return places().appDataFolder(); }
};

TEST_F(SingleInstanceTest, ALaterLaunchHandsOverToTheRunningOne) {
    SingleInstance first(data());
    ASSERT_EQ(first.claim(0), Claim::claimed);
    int raised = 0;
    first.listen([&] { ++raised; });

    SingleInstance second(data());
    EXPECT_EQ(second.claim(0), Claim::taken);
    EXPECT_TRUE(second.handOver());
    EXPECT_TRUE(test::waitUntil([&] { return raised == 1; }, 2000));

    // With the first one gone, nobody answers and the next launch claims.
    first.release();
    EXPECT_FALSE(second.handOver());
    EXPECT_EQ(second.claim(0), Claim::claimed);
}

TEST_F(SingleInstanceTest, AfterALanguageChangeExactlyOneInstanceRuns) {
    SingleInstance old(data());
    ASSERT_EQ(old.claim(0), Claim::claimed);
    old.listen([] {});
    const QStringList arguments = SingleInstance::relaunchArguments({QStringLiteral("-x")});
    EXPECT_EQ(arguments, (QStringList{QStringLiteral("-x"), QStringLiteral("--relaunched")}));
    EXPECT_EQ(SingleInstance::relaunchArguments(arguments), arguments);  // marked once
    EXPECT_TRUE(SingleInstance::isRelaunch(arguments));
    EXPECT_FALSE(SingleInstance::isRelaunch({QStringLiteral("-x")}));

    // The new instance starts while the old one is still shutting down: it
    // waits for the lock rather than handing over and quitting.
    SingleInstance fresh(data());
    std::atomic<bool> claimed = false;
    std::thread starting([&] { claimed = fresh.claim(SingleInstance::kRelaunchWaitMs) == Claim::claimed; });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(claimed);
    old.release();
    starting.join();
    EXPECT_TRUE(claimed);

    // It is then the one instance: a further launch hands over to it.
    int raised = 0;
    fresh.listen([&] { ++raised; });
    SingleInstance third(data());
    EXPECT_EQ(third.claim(0), Claim::taken);
    EXPECT_TRUE(third.handOver());
    EXPECT_TRUE(test::waitUntil([&] { return raised == 1; }, 2000));
}

// A cleaner must start on a full disk: a lock that cannot be made is no sign
// of another instance.
TEST_F(SingleInstanceTest, ALockThatCannotBeMadeIsNotAnotherInstance) {
    {
        test::ScratchMount disk(places().dataHome);
        if (!disk.mounted()) GTEST_SKIP() << "no tmpfs here";
        std::filesystem::create_directories(data());
        {
            std::ofstream filler(places().dataHome / "filler", std::ios::binary);
            const std::string block(1 << 16, 'x');
            while (filler.write(block.data(), std::streamsize(block.size()))) filler.flush();
        }
        SingleInstance full(data());
        EXPECT_EQ(full.claim(0), Claim::unavailable);
        EXPECT_FALSE(full.holdsLock());

        std::filesystem::remove(places().dataHome / "filler");
        EXPECT_EQ(full.claim(0), Claim::claimed);
        EXPECT_EQ(SingleInstance(data()).claim(0), Claim::taken);
    }
    // A lock left by an instance that died (killed at logout, crashed) is
    // taken over, on a full disk too, where Qt cannot clear it itself.
    for (const bool fill : {false, true}) {
        test::ScratchMount disk(places().dataHome);
        if (fill && !disk.mounted()) continue;  // never fill a real disk
        std::filesystem::create_directories(data());
        const pid_t child = ::fork();
        if (child == 0) {
            SingleInstance dying(data());
            ::_exit(dying.claim(0) == Claim::claimed ? 0 : 1);  // never let go
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_TRUE(std::filesystem::exists(data() / "instance.lock"));
        if (fill) {
            std::ofstream filler(places().dataHome / "filler", std::ios::binary);
            const std::string block(1 << 16, 'x');
            while (filler.write(block.data(), std::streamsize(block.size()))) filler.flush();
        }
        SingleInstance next(data());
        // On the full disk the dead lock's own room may be all there is.
        const Claim claim = next.claim(0);
        if (fill)
            EXPECT_NE(claim, Claim::taken);
        else
            EXPECT_EQ(claim, Claim::claimed);
        if (fill) std::filesystem::remove(places().dataHome / "filler");
        next.release();
        std::filesystem::remove_all(data());
    }

    // A file where the data folder should be.
    std::filesystem::create_directories(data().parent_path());
    std::ofstream(data()) << "not a folder";
    EXPECT_EQ(SingleInstance(data()).claim(0), Claim::unavailable);
}
