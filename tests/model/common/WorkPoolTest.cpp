// Once the application has asked for it, the engine's work yields to the
// interface thread on every thread it runs on, however much work is queued.
#include "model/common/WorkPool.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QMutex>
#include <QSemaphore>
#include <QThreadPool>
#include <set>
#include <thread>

#include "platform/ThreadPriority.h"

using namespace sorbeta;

TEST(WorkPoolTest, AfterTheAppAsksEveryThreadItRunsOnStepsBackFromTheCaller) {
    const int caller = platform::threadNice();
    yieldWorkToInterface();
    for (int round = 0; round < 2; ++round) {
        // Waited for without a future: waiting on one runs the work on the
        // waiting thread when it has not started yet.
        QSemaphore done;
        QMutex lock;
        std::vector<std::pair<std::thread::id, int>> seen;
        const int tasks = 3 * workPool()->maxThreadCount();
        for (int i = 0; i < tasks; ++i)
            workPool()->start([&] {
                const auto mine = std::make_pair(std::this_thread::get_id(), platform::threadNice());
                {
                    QMutexLocker locked(&lock);
                    seen.push_back(mine);
                }
                done.release();
            });
        ASSERT_TRUE(done.tryAcquire(tasks, 10000));
        std::set<std::thread::id> threads;
        for (const auto& [thread, nice] : seen) {
            threads.insert(thread);
            EXPECT_GT(nice, caller);
        }
        EXPECT_LE(int(threads.size()), workPool()->maxThreadCount());
    }
    // The interface thread itself never stepped back.
    EXPECT_EQ(platform::threadNice(), caller);
}

TEST(WorkPoolTest, LeavingAsksWhatNobodyWillReadToStop) {
    // In a process of its own: the stop cannot be taken back, and this
    // process's other tests still scan. The child starts afresh rather than
    // forking, since a fork keeps the pool's record of threads it does not
    // have, and waiting for them would never end.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::stop_token leaving = leavingToken();
            const bool before = leaving.stop_requested();
            finishWork();
            ::_exit(!before && leaving.stop_requested() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
