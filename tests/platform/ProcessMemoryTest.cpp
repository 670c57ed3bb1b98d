#include <gtest/gtest.h>

#include "platform/ProcessTable.h"

using namespace sorbeta;

TEST(ProcessMemory, OwnBytesAreAnonymousPlusSharedMemory) {
    EXPECT_EQ(platform::residentOwnBytes("Name:\tx\nVmRSS:\t  900 kB\nRssAnon:\t  100 kB\nRssFile:\t  700 kB\n"
                                         "RssShmem:\t   28 kB\nVmSwap:\t0 kB\n"),
              128 * 1024);
    EXPECT_EQ(platform::residentOwnBytes("RssAnon:\t0 kB\n"), 0);
    EXPECT_FALSE(platform::residentOwnBytes("Name:\tkthreadd\nState:\tS (sleeping)\n"));  // a kernel thread
    EXPECT_FALSE(platform::residentOwnBytes("RssAnon:\tlots kB\nRssShmem:\t-4 kB\n"));
    EXPECT_FALSE(platform::residentOwnBytes(""));
}

TEST(ProcessMemory, CgroupPathOfTheUnifiedOrTheSystemdHierarchy) {
    EXPECT_EQ(platform::cgroupPath("0::/user.slice/session-2.scope\n"), "/user.slice/session-2.scope");
    EXPECT_EQ(platform::cgroupPath("12:memory:/user.slice\n1:name=systemd:/user.slice/app-x-1.scope\n0::/\n"), "/");
    EXPECT_EQ(platform::cgroupPath("12:memory:/user.slice\n1:name=systemd:/user.slice/app-x-1.scope\n"),
              "/user.slice/app-x-1.scope");
    EXPECT_EQ(platform::cgroupPath("garbage"), "");
}
