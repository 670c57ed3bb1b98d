#pragma once
// Signals that reach exactly the process that was sampled. A pid is only a
// number the kernel hands out again; so every signal goes through a pidfd
// opened after checking that the pid still has the sampled start time and
// executable, and never to pid 1 or below, to another user's process or to
// this program.
#include "platform/ProcessTable.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {

enum class Signal { terminate, kill };

class ProcessHandle {
public:
    ProcessHandle() = default;
    // Invalid when the checks above fail or the process is gone.
    static ProcessHandle open(const ProcessSample& sample, const ProcFolder& proc = ProcFolder());

    bool valid() const { return fd_.valid(); }
    int pid() const { return pid_; }
    // Sends the signal to the pinned process; false when it could not be sent.
    bool send(Signal signal) const;
    // The process has ended (an invalid handle counts as ended).
    bool hasExited() const;

private:
    UniqueFd fd_;
    int pid_ = 0;
};

// The checks of open() without pinning: the sampled process still runs.
bool stillRuns(const ProcessSample& sample, const ProcFolder& proc = ProcFolder());

}  // namespace sorbeta::platform
