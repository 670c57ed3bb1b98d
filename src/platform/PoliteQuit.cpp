#include "platform/PoliteQuit.h"

#include <cstdlib>
#include <map>
#include <set>

#include "platform/ProcessSignals.h"
#include "platform/X11Windows.h"

namespace sorbeta::platform {

PoliteQuitResult politeQuit(const std::vector<ProcessSample>& processes, const std::optional<std::string>& display,
                            const ProcFolder& proc) {
    PoliteQuitResult result;
    // Pinned first: while a pinned process lives, its pid is not anyone else's.
    std::map<int, ProcessHandle> handles;
    for (const ProcessSample& sample : processes) {
        ProcessHandle handle = ProcessHandle::open(sample, proc);
        if (!handle.valid() || handle.hasExited()) {
            ++result.refused;
            continue;
        }
        handles.emplace(sample.pid, std::move(handle));
    }
    if (handles.empty()) return result;

    std::string where;
    if (display) {
        where = *display;
    } else if (const char* env = std::getenv("DISPLAY")) {
        where = env;
    }
    std::set<int> pids;
    for (const auto& [pid, handle] : handles) pids.insert(pid);
    const auto alive = [&handles](int pid) {
        const auto it = handles.find(pid);
        return it != handles.end() && !it->second.hasExited();
    };
    const std::set<int> asked = askWindowsToClose(pids, where, alive);
    result.windowsAsked = int(asked.size());
    if (!asked.empty()) return result;  // the application decides the rest itself

    for (const auto& [pid, handle] : handles) {
        if (handle.send(Signal::terminate))
            ++result.terminated;
        else
            ++result.refused;
    }
    return result;
}

}  // namespace sorbeta::platform
