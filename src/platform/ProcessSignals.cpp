#include "platform/ProcessSignals.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace sorbeta::platform {
namespace {

// Straight system calls: glibc 2.36's <sys/pidfd.h> lacks C linkage for C++.
int openPidfd(int pid) {
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    if (fd >= 0) ::fcntl(int(fd), F_SETFD, FD_CLOEXEC);
    return int(fd);
}

// The sample still describes the process behind its pid now.
bool matchesNow(const ProcessSample& sample, const ProcFolder& proc) {
    if (sample.pid <= 1 || sample.pid == int(::getpid()) || sample.uid != ::getuid()) return false;
    const auto now = proc.sample(sample.pid);
    if (!now || now->uid != sample.uid || now->startTime != sample.startTime) return false;
    return sample.executable.empty() || now->executable == sample.executable;
}

}  // namespace

ProcessHandle ProcessHandle::open(const ProcessSample& sample, const ProcFolder& proc) {
    ProcessHandle handle;
    if (!matchesNow(sample, proc)) return handle;
    UniqueFd fd(openPidfd(sample.pid));
    // Checked again once pinned: the pid may have been reused in between.
    if (!fd.valid() || !matchesNow(sample, proc)) return handle;
    handle.fd_ = std::move(fd);
    handle.pid_ = sample.pid;
    return handle;
}

bool ProcessHandle::send(Signal signal) const {
    if (!fd_.valid()) return false;
    const int number = signal == Signal::kill ? SIGKILL : SIGTERM;
    return ::syscall(SYS_pidfd_send_signal, fd_.get(), number, nullptr, 0) == 0;
}

bool ProcessHandle::hasExited() const {
    if (!fd_.valid()) return true;
    pollfd entry{fd_.get(), POLLIN, 0};
    return ::poll(&entry, 1, 0) > 0 && (entry.revents & (POLLIN | POLLHUP | POLLERR));
}

bool stillRuns(const ProcessSample& sample, const ProcFolder& proc) {
    const ProcessHandle handle = ProcessHandle::open(sample, proc);
    return handle.valid() && !handle.hasExited();
}

}  // namespace sorbeta::platform
