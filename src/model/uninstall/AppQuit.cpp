#include "model/uninstall/AppQuit.h"

#include <qcoro/qcorofuture.h>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "model/common/WorkPool.h"
#include "platform/Async.h"
#include "platform/PoliteQuit.h"
#include "platform/ProcessSignals.h"

namespace sorbeta::AppProcesses {
namespace {

using platform::ProcessSample;

// Asks the application itself to quit; returns its processes as sampled.
std::vector<ProcessSample> askMainToQuit(const InstalledApp& app, const UninstallPlaces& where) {
    std::vector<ProcessSample> mains;
    for (const AppProcess& process : find(app, where))
        if (process.isMain) mains.push_back(process.process);
    if (!mains.empty()) platform::politeQuit(mains, where.display);
    return mains;
}

// Stops the agents, then sends SIGTERM to whatever of the application still
// runs in the background; returns those processes as sampled.
std::vector<ProcessSample> stopBackground(const InstalledApp& app, const UninstallPlaces& where,
                                          const CommandRunner& run) {
    for (const Path& agent : agentPlists(app)) bootout(agent, app, where, run);
    const std::vector<AppProcess> processes = find(app, where);
    const bool mainRuns = std::any_of(processes.begin(), processes.end(), [](const AppProcess& p) { return p.isMain; });
    std::vector<ProcessSample> signalled;
    for (const AppProcess& process : processes) {
        // The application is only ever asked; its runtime waits until it is gone.
        if (process.isMain || (process.isRuntime && mainRuns)) continue;
        if (platform::ProcessHandle::open(process.process).send(platform::Signal::terminate))
            signalled.push_back(process.process);
    }
    return signalled;
}

void killSurvivors(const std::vector<ProcessSample>& processes) {
    for (const ProcessSample& sample : processes) {
        const platform::ProcessHandle handle = platform::ProcessHandle::open(sample);
        if (handle.valid() && !handle.hasExited()) handle.send(platform::Signal::kill);
    }
}

}  // namespace

QCoro::Task<> quit(InstalledApp app, UninstallPlaces where, CommandRunner run, QuitTiming timing) {
    // Named futures and tasks: see platform/Async.h.
    auto asking = QtConcurrent::run(workPool(), [app, where] { return askMainToQuit(app, where); });
    const std::vector<ProcessSample> mains = co_await asking;
    for (int check = 0; check < timing.politeChecks; ++check) {
        if (std::none_of(mains.begin(), mains.end(), [](const ProcessSample& s) { return platform::stillRuns(s); }))
            break;
        QCoro::Task<> pause = sleepFor(timing.politeInterval);
        co_await pause;
    }
    auto stopping = QtConcurrent::run(workPool(), [app, where, run] { return stopBackground(app, where, run); });
    const std::vector<ProcessSample> background = co_await stopping;
    QCoro::Task<> grace = sleepFor(timing.grace);
    co_await grace;
    auto killing = QtConcurrent::run(workPool(), [background] { killSurvivors(background); });
    co_await killing;
}

}  // namespace sorbeta::AppProcesses
