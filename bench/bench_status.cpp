// Cost of the status page's sampling. Runs the status model's refresh (the
// probe's calls on this machine's real /proc and /sys that run on the GUI
// thread) 500 times and the memory users list (which runs on a worker) 500
// times, and reports processor time per call and its share of one core at
// the 2-second period, against one run of `ps -eo pid,rss,comm`, in the same
// run. The last lines hold both against the aim: under 5 ms of processor
// time per call and under 0.25 % of one core.
#include <sys/resource.h>
#include <time.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "model/status/StatusModel.h"
#include "model/status/SystemProbe.h"
#include "platform/ProcessRunner.h"
#include "platform/ProcessTable.h"

using namespace sorbeta;
using Clock = std::chrono::steady_clock;

namespace {

double threadCpuMs() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double childrenCpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Share of one core, in percent, of `ms` of processor time every 2 seconds.
double share(double ms) { return ms / 2000.0 * 100.0; }

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kRounds = 500;
    StatusModel model;
    model.refresh();  // warm: first opens, page cache of the desktop files

    const double cpuStart = threadCpuMs();
    const auto wallStart = Clock::now();
    for (int i = 0; i < kRounds; ++i) model.refresh();
    const double cpuPerRefresh = (threadCpuMs() - cpuStart) / kRounds;
    const double wallPerRefresh = msSince(wallStart) / kRounds;

    // The parts, to see where the time goes.
    auto timed = [](auto&& call) {
        const double start = threadCpuMs();
        for (int i = 0; i < kRounds; ++i) call();
        return (threadCpuMs() - start) / kRounds;
    };
    const double memoryMs = timed([] { (void)SystemProbe::memory(); });
    const double ticksMs = timed([] { (void)SystemProbe::cpuTicks(); });
    const double batteryMs = timed([] { (void)SystemProbe::battery(); });
    const double indexMs = timed([] { (void)systemDesktopApps(); });
    const double walkMs = timed([] { (void)platform::ProcFolder().ownProgramProcesses(); });
    const double hogsMs = timed([] { (void)SystemProbe::memoryHogs(StatusModel::kHogLimit); });
    const auto hogsWallStart = Clock::now();
    std::vector<MemoryHog> hogs;
    for (int i = 0; i < kRounds; ++i) hogs = SystemProbe::memoryHogs(StatusModel::kHogLimit);
    const double hogsWall = msSince(hogsWallStart) / kRounds;
    const std::size_t walked = platform::ProcFolder().ownProcesses().size();
    const std::size_t programs = platform::ProcFolder().ownProgramProcesses().size();

    const double psChildStart = childrenCpuMs();
    const auto psStart = Clock::now();
    platform::ProcessOptions options;
    options.environment = platform::toolEnvironment("/");
    const auto ps = platform::runProcess("/usr/bin/ps", {"-eo", "pid,rss,comm"}, options);
    const double psWall = msSince(psStart);
    const double psCpu = childrenCpuMs() - psChildStart;

    std::printf(
        "memory users: %zu applications of %zu own processes (%zu running a program); memory total %lld bytes\n",
        hogs.size(), walked, programs, static_cast<long long>(model.memory().total));
    for (const MemoryHog& hog : hogs)
        std::printf("  %-28s %8.1f MiB in %zu processes\n", hog.name.toUtf8().constData(),
                    double(hog.bytes) / double(1 << 20), hog.processes.size());
    std::printf(
        "parts per call (cpu ms): memory %.3f, ticks %.3f, battery %.3f, hogs %.3f "
        "(desktop index check %.3f, process walk %.3f)\n",
        memoryMs, ticksMs, batteryMs, hogsMs, indexMs, walkMs);
    std::printf("ps -eo pid,rss,comm once: %.3f ms wall, %.3f ms cpu (%s, %zu bytes)\n", psWall, psCpu,
                ps.succeeded() ? "ok" : "failed", ps.out.size());
    constexpr double kAimMs = 5.0;
    constexpr double kAimShare = 0.25;
    auto verdict = [&](double ms) { return ms < kAimMs && share(ms) < kAimShare ? "within" : "OVER"; };
    std::printf(
        "memory users list (worker): %.3f ms cpu, %.3f ms wall per list; %.4f %% of one core at 2 s "
        "(aim < %.0f ms, < %.2f %%: %s)\n",
        hogsMs, hogsWall, share(hogsMs), kAimMs, kAimShare, verdict(hogsMs));
    std::printf(
        "refresh (GUI thread): %.3f ms cpu, %.3f ms wall per refresh; %.4f %% of one core at 2 s "
        "(aim < %.0f ms, < %.2f %%: %s)\n",
        cpuPerRefresh, wallPerRefresh, share(cpuPerRefresh), kAimMs, kAimShare, verdict(cpuPerRefresh));
    return 0;
}
