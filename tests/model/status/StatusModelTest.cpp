#include <gtest/gtest.h>

#include <qcoro/qcorotask.h>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <semaphore>

#include "TestEnvironment.h"
#include "model/status/PurgeCommand.h"
#include "model/status/StatusModel.h"
#include "model/status/SystemProbe.h"

using namespace sorbeta;

namespace {

// Figures the test sets by hand; every call is counted.
struct Figures {
    MemoryBreakdown memory{.total = 100, .app = 10, .wired = 10, .compressed = 0, .cached = 30, .free = 50};
    platform::CpuTicks ticks{0, 0};
    std::optional<double> load = 1.5;
    std::optional<BatteryInfo> battery;
    std::vector<MemoryHog> hogs;
    std::atomic<int> hardwareReads = 0;
    std::atomic<int> purges = 0;
    PurgeCommand::Outcome outcome;
    int64_t freeAfterPurge = 80;
    std::vector<int> quits;
    std::vector<std::function<void()>> scheduled;
    std::binary_semaphore purgeMayEnd{1};
    std::binary_semaphore hardwareMayEnd{1};
};

StatusModel::Sources sourcesOf(Figures& f) {
    StatusModel::Sources s;
    s.memory = [&f] { return f.memory; };
    s.cpuTicks = [&f] { return f.ticks; };
    s.loadAverage = [&f] { return f.load; };
    s.battery = [&f] { return f.battery; };
    s.memoryHogs = [&f](int limit) {
        auto hogs = f.hogs;
        if (hogs.size() > std::size_t(limit)) hogs.resize(std::size_t(limit));
        return hogs;
    };
    s.hardware = [&f] {
        f.hardwareMayEnd.acquire();
        f.hardwareMayEnd.release();
        ++f.hardwareReads;
        return HardwareNames{QStringLiteral("Framework Laptop"), QStringLiteral("Ryzen")};
    };
    s.purge = [&f] {
        f.purgeMayEnd.acquire();
        f.purgeMayEnd.release();
        ++f.purges;
        f.memory.free = f.freeAfterPurge;
        return f.outcome;
    };
    s.quit = [&f](const MemoryHog& hog) { f.quits.push_back(hog.pid); };
    s.schedule = [&f](int ms, std::function<void()> task) {
        EXPECT_EQ(ms, 1500);
        f.scheduled.push_back(std::move(task));
    };
    s.osVersion = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    return s;
}

platform::ProcessResult exited(int code, std::string err = {}) {
    platform::ProcessResult result;
    result.started = true;
    result.exitCode = code;
    result.err = std::move(err);
    return result;
}

}  // namespace

TEST(StatusModel, StartsEmptyAndSamplesOnlyWhileRunning) {
    Figures f;
    StatusModel model(sourcesOf(f));
    EXPECT_EQ(model.memory(), MemoryBreakdown{});  // construction measures nothing
    EXPECT_EQ(model.memory().pressure, 1);
    EXPECT_FALSE(model.sampling());
    EXPECT_EQ(model.osVersion(), QStringLiteral("Debian GNU/Linux 12 (bookworm)"));

    QCoro::waitFor(model.run());
    EXPECT_EQ(f.hardwareReads, 1);
    EXPECT_EQ(model.model(), QStringLiteral("Framework Laptop"));
    EXPECT_EQ(model.chip(), QStringLiteral("Ryzen"));
    EXPECT_EQ(model.memory(), f.memory);  // sampled at once
    EXPECT_EQ(model.load(), 1.5);
    EXPECT_TRUE(model.sampling());

    model.stop();
    EXPECT_FALSE(model.sampling());
    // Coming back samples at once and does not read the names again.
    f.memory.free = 40;
    QCoro::waitFor(model.run());
    EXPECT_EQ(f.hardwareReads, 1);
    EXPECT_EQ(model.memory().free, 40);
    EXPECT_TRUE(model.sampling());

    // Stopped while the names were still being read: no sampling starts.
    // The read is held until then: one that ended before the run awaited it
    // would let the run sample at once, before the stop.
    Figures g;
    StatusModel other(sourcesOf(g));
    g.hardwareMayEnd.acquire();
    auto running = other.run();
    other.stop();
    g.hardwareMayEnd.release();
    QCoro::waitFor(running);
    EXPECT_FALSE(other.sampling());
    EXPECT_EQ(other.memory(), MemoryBreakdown{});
}

TEST(StatusModel, ProcessorShareFromTickDifferences) {
    Figures f;
    StatusModel model(sourcesOf(f));
    QSignalSpy cpuChanges(&model, &StatusModel::cpuChanged);
    f.ticks = {100, 1000};
    model.refresh();
    EXPECT_EQ(model.cpu(), 0);  // one sample gives no share
    f.ticks = {150, 1200};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 0.25);
    // The total did not grow: the share stays, the counters are taken.
    f.ticks = {160, 1200};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 0.25);
    f.ticks = {260, 1400};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 0.5);
    // Busy went backwards (a reset): no wrapped figure.
    f.ticks = {10, 1600};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 0.5);
    f.ticks = {210, 1800};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 1.0);
    // Busy grew more than total (counters read at different moments): at most 1.
    f.ticks = {500, 1900};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 1.0);
    EXPECT_EQ(cpuChanges.count(), 3);  // equal values are stored silently
    // /proc/stat could not be read (no counters at all): not a reset to
    // zero, so the next share still counts from the last real counters
    // rather than showing the average since boot.
    f.ticks = {0, 0};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 1.0);
    f.ticks = {600, 2100};
    model.refresh();
    EXPECT_DOUBLE_EQ(model.cpu(), 0.5);

    f.load.reset();  // getloadavg failed: the last figure stays
    model.refresh();
    EXPECT_EQ(model.load(), 1.5);
    f.battery = BatteryInfo{50, false, true, std::nullopt};
    model.refresh();
    EXPECT_EQ(model.battery(), f.battery);
    f.battery.reset();
    model.refresh();
    EXPECT_FALSE(model.battery());
}

TEST(StatusModel, PurgeOutcomes) {
    Figures f;
    StatusModel model(sourcesOf(f));
    QCoro::waitFor(model.purge());  // success: free rose from 50 to 80
    EXPECT_EQ(model.lastFreed(), 30);
    EXPECT_FALSE(model.purgeError());
    EXPECT_FALSE(model.purging());
    EXPECT_EQ(model.memory().free, 80);  // refreshed after

    // Free memory fell meanwhile: 0, never negative.
    model.setLastFreed(std::nullopt);
    f.freeAfterPurge = 70;
    QCoro::waitFor(model.purge());
    EXPECT_EQ(model.lastFreed(), 0);

    // Dismissed prompt: silent.
    model.setLastFreed(std::nullopt);
    f.outcome = QString();
    QCoro::waitFor(model.purge());
    EXPECT_FALSE(model.lastFreed());
    EXPECT_FALSE(model.purgeError());

    f.outcome = QStringLiteral("没成功：nope");
    QCoro::waitFor(model.purge());
    EXPECT_EQ(model.purgeError(), QStringLiteral("没成功：nope"));
    EXPECT_FALSE(model.lastFreed());
    // The next purge clears the old error as it starts.
    f.outcome.reset();
    f.purgeMayEnd.acquire();
    auto next = model.purge();
    EXPECT_TRUE(model.purging());
    EXPECT_FALSE(model.purgeError());
    // A second request while one runs is ignored.
    const int before = f.purges;
    auto second = model.purge();
    f.purgeMayEnd.release();
    QCoro::waitFor(next);
    QCoro::waitFor(second);
    EXPECT_EQ(f.purges, before + 1);
}

TEST(StatusModel, PurgeCommandJudgesPkexecExits) {
    EXPECT_EQ(PurgeCommand::judge(exited(0)), std::nullopt);
    EXPECT_EQ(PurgeCommand::judge(exited(126, "dismissed\n")), QString());
    EXPECT_EQ(PurgeCommand::judge(exited(127, "\n Error executing command as another user: Not authorized \n")),
              QStringLiteral("没成功：Error executing command as another user: Not authorized"));
    EXPECT_EQ(PurgeCommand::judge(exited(1, "tee: /proc/sys/vm/drop_caches: Permission denied\n")),
              QStringLiteral("没成功：tee: /proc/sys/vm/drop_caches: Permission denied"));
    platform::ProcessResult missing;  // /usr/bin/pkexec not installed
    EXPECT_EQ(PurgeCommand::judge(missing), QStringLiteral("没法启动 osascript"));
    platform::ProcessResult timedOut = exited(-1);
    timedOut.timedOut = true;
    EXPECT_TRUE(PurgeCommand::judge(timedOut)->startsWith(QStringLiteral("没成功：")));
}

TEST(StatusModel, QuitAsksAndLooksAgainLater) {
    Figures f;
    f.hogs = {MemoryHog{.pid = 42, .name = QStringLiteral("Editor"), .bytes = 900}};
    StatusModel model(sourcesOf(f));
    model.refresh();
    ASSERT_EQ(model.hogs().size(), 1u);
    model.quit(model.hogs().front());
    EXPECT_EQ(f.quits, std::vector<int>{42});
    f.hogs.clear();
    ASSERT_EQ(f.scheduled.size(), 1u);
    EXPECT_EQ(model.hogs().size(), 1u);  // not before the delay
    f.scheduled.front()();
    EXPECT_TRUE(model.hogs().empty());
}

TEST(SystemProbe, NamesFallBackAndReadingsConvert) {
    const HardwareNames unknown = SystemProbe::hardwareFrom("", "");
    EXPECT_EQ(unknown.model, QStringLiteral("Mac"));  // the key; the interface shows its Linux wording
    EXPECT_EQ(unknown.chip, QStringLiteral("未知芯片"));
    EXPECT_EQ(SystemProbe::hardwareFrom("Dell XPS", "i7").model, QStringLiteral("Dell XPS"));
    EXPECT_FALSE(SystemProbe::batteryFrom(std::nullopt));
    EXPECT_EQ(SystemProbe::batteryFrom(platform::BatteryReading{80, true, true, 5}), (BatteryInfo{80, true, true, 5}));
    const MemoryBreakdown live = SystemProbe::memory();  // this machine
    EXPECT_GT(live.total, 0);
    EXPECT_LE(live.app + live.wired + live.compressed + live.cached, live.total + live.app);
}

TEST(StatusModel, MemoryUsersAreListedOnAWorkerOneListAtATime) {
    Figures f;
    StatusModel::Sources sources = sourcesOf(f);
    sources.hogsOnWorker = true;
    std::counting_semaphore<4> mayFinish{0};
    std::atomic<int> lists = 0, running = 0, overlapped = 0, onGuiThread = 0;
    QThread* const gui = QThread::currentThread();
    sources.memoryHogs = [&](int limit) {
        EXPECT_EQ(limit, 6);
        if (QThread::currentThread() == gui) ++onGuiThread;
        if (++running > 1) ++overlapped;
        mayFinish.acquire();
        --running;
        const int made = ++lists;
        return std::vector<MemoryHog>{MemoryHog{.pid = made, .name = QStringLiteral("Editor"), .bytes = 9}};
    };
    StatusModel model(sources);
    QSignalSpy changed(&model, &StatusModel::hogsChanged);
    model.refresh();
    EXPECT_EQ(model.memory(), f.memory);  // the rest of the sample does not wait for the list
    EXPECT_TRUE(model.hogs().empty());
    model.refresh();
    model.refresh();  // both while the first list is being made: one more list after it

    mayFinish.release();
    ASSERT_TRUE(test::waitUntil([&] { return model.hogs().size() == 1 && model.hogs()[0].pid == 1; }));
    mayFinish.release();
    ASSERT_TRUE(test::waitUntil([&] { return !model.hogs().empty() && model.hogs()[0].pid == 2; }));
    mayFinish.release(2);  // a third list would not block the test
    QTest::qWait(50);
    EXPECT_EQ(lists.load(), 2);
    EXPECT_EQ(overlapped.load(), 0);
    EXPECT_EQ(onGuiThread.load(), 0);
    EXPECT_EQ(changed.count(), 2);
}
