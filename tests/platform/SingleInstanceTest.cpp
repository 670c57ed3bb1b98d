// One Sorbeta per user: later launches hand over to the running one, and a
// relaunch after a language change waits for the old instance to let go.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "TestEnvironment.h"
#include "platform/SingleInstance.h"

using namespace sorbeta;
using platform::SingleInstance;

class SingleInstanceTest : public test::HomeTest {
protected:
    std::filesystem::path data() const { return places().appDataFolder(); }
};

TEST_F(SingleInstanceTest, ALaterLaunchHandsOverToTheRunningOne) {
    SingleInstance first(data());
    ASSERT_TRUE(first.claim(0));
    int raised = 0;
    first.listen([&] { ++raised; });

    SingleInstance second(data());
    EXPECT_FALSE(second.claim(0));
    EXPECT_TRUE(second.handOver());
    EXPECT_TRUE(test::waitUntil([&] { return raised == 1; }, 2000));

    // With the first one gone, nobody answers and the next launch claims.
    first.release();
    EXPECT_FALSE(second.handOver());
    EXPECT_TRUE(second.claim(0));
}

TEST_F(SingleInstanceTest, AfterALanguageChangeExactlyOneInstanceRuns) {
    SingleInstance old(data());
    ASSERT_TRUE(old.claim(0));
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
    std::thread starting([&] { claimed = fresh.claim(SingleInstance::kRelaunchWaitMs); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(claimed);
    old.release();
    starting.join();
    EXPECT_TRUE(claimed);

    // It is then the one instance: a further launch hands over to it.
    int raised = 0;
    fresh.listen([&] { ++raised; });
    SingleInstance third(data());
    EXPECT_FALSE(third.claim(0));
    EXPECT_TRUE(third.handOver());
    EXPECT_TRUE(test::waitUntil([&] { return raised == 1; }, 2000));
}
