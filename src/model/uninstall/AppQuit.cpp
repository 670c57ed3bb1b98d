#include "model/uninstall/AppQuit.h"

#include <qcoro/qcorofuture.h>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <map>
#include <set>
#include <utility>

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

// The processes a running application started, directly or further down,
// as one table of the user's processes shows them.
class Descendants {
public:
    explicit Descendants(const std::vector<AppProcess>& processes) {
        for (const AppProcess& process : processes)
            if (process.isMain) mains_.emplace(process.pid(), process.process.startTime);
        if (mains_.empty()) return;
        table_ = platform::ProcFolder().ownProcesses();
        for (const ProcessSample& sample : table_) byPid_[sample.pid] = &sample;
    }

    bool mainRuns() const { return !mains_.empty(); }

    // A parent started before its child: a pid handed out again ends the chain.
    bool ofMain(const ProcessSample& process) const {
        const ProcessSample* child = &process;
        for (std::size_t step = 0; step < table_.size(); ++step) {
            const auto parent = byPid_.find(child->parent);
            if (parent == byPid_.end() || parent->second->startTime > child->startTime) return false;
            child = parent->second;
            if (mains_.count({child->pid, child->startTime})) return true;
        }
        return false;
    }

private:
    std::set<std::pair<int, uint64_t>> mains_;
    std::vector<ProcessSample> table_;
    std::map<int, const ProcessSample*> byPid_;
};

// Stops the agents, then sends SIGTERM to whatever of the application still
// runs in the background; returns those processes as sampled.
std::vector<ProcessSample> stopBackground(const InstalledApp& app, const UninstallPlaces& where,
                                          const CommandRunner& run) {
    for (const Path& agent : agentPlists(app)) bootout(agent, app, where, run);
    const std::vector<AppProcess> processes = find(app, where);
    const Descendants descendants(processes);
    std::vector<ProcessSample> signalled;
    for (const AppProcess& process : processes) {
        // The application is only ever asked; its runtime waits until it is
        // gone, and so does what it started (its tabs, renderers, the shells
        // of its terminal): ended while it waits for an answer to "Save
        // changes?", they would take the user's work with them.
        if (process.isMain || (descendants.mainRuns() && (process.isRuntime || descendants.ofMain(process.process))))
            continue;
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
