#pragma once
// The applications that hold the most memory right now. One record per
// application: the processes of an application unit (the scope or service
// the desktop or snapd starts each application in), or, where none is started,
// a process running a shown application's program together with its children.
// What is not an application the user started from the desktop is never
// listed: the desktop session itself, background helpers, kernel threads and
// this program.
#include <string>
#include <vector>

#include "model/status/DesktopApps.h"
#include "model/status/StatusTypes.h"
#include "platform/ProcessTable.h"

namespace sorbeta::MemoryUsers {

// One of the user's processes as the walk saw it.
struct ProcessUse {
    platform::ProcessSample sample;
    int64_t bytes = 0;   // memory only it holds (RssAnon + RssShmem)
    std::string cgroup;  // its control group's path
};

// Reads the user's processes below a proc folder: stat, status and cgroup
// of each, never its command line or environment (those wait on a stuck
// process). Processes that vanish on the way are left out.
std::vector<ProcessUse> read(const platform::ProcFolder& proc);

// The applications among the processes, largest first; equal footprints
// keep the order of their main processes' pids. At most `limit`. This
// program's own process is never among those read(); `ownDesktopId` leaves
// out the rest of its application (its unit, another copy of it).
std::vector<MemoryHog> rank(const std::vector<ProcessUse>& processes, const DesktopApps& apps,
                            const std::string& ownDesktopId, int limit);

// rank(read(proc), …), reading each process's memory only once it is known
// to belong to a listed application: the same list for a fraction of the work.
std::vector<MemoryHog> list(const platform::ProcFolder& proc, const DesktopApps& apps, const std::string& ownDesktopId,
                            int limit);

}  // namespace sorbeta::MemoryUsers
