#include "platform/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

using Clock = std::chrono::steady_clock;

// The read and write ends of one pipe; the read end does not block.
struct Pipe {
    UniqueFd read;
    UniqueFd write;
};

bool openPipe(Pipe& pipe, std::string& failure) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) < 0) {
        failure = std::strerror(errno);
        return false;
    }
    pipe.read = UniqueFd(ends[0]);
    pipe.write = UniqueFd(ends[1]);
    ::fcntl(pipe.read.get(), F_SETFL, O_NONBLOCK);
    return true;
}

// A descriptor that becomes readable when the child ends, so one poll waits
// for output and exit together. Kernels before 5.3 lack it: we then poll in
// short steps instead.
UniqueFd openPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    if (fd >= 0) {
        ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
        return UniqueFd(static_cast<int>(fd));
    }
#endif
    (void)pid;
    return UniqueFd();
}

// True once the child has ended; it stays a zombie (not reaped), so its pid
// and process group id cannot be reused while we still signal them.
bool hasEnded(pid_t pid) {
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) < 0) {
        if (errno != EINTR) return true;  // nothing left to wait for
    }
    return info.si_pid == pid;
}

void signalGroup(pid_t pid, int signal) {
    if (::kill(-pid, signal) < 0) ::kill(pid, signal);
}

// Once the tool has exited, its output is complete; a pipe still held open by
// a helper outside its process group is given this long to close, never longer.
constexpr std::chrono::milliseconds kPipeLinger{100};

// Stops the tool and everything in its group: a polite SIGTERM first when a
// grace is given, then SIGKILL for whatever is left, helpers that ignore
// SIGTERM included.
void stopGroup(pid_t pid, int pidFd, std::chrono::milliseconds grace) {
    if (grace > std::chrono::milliseconds(0)) {
        signalGroup(pid, SIGTERM);
        const auto until = Clock::now() + grace;
        for (auto now = Clock::now(); now < until && !hasEnded(pid); now = Clock::now()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count() + 1;
            pollfd fd{pidFd, POLLIN, 0};
            // Without a pid descriptor, look again every few milliseconds.
            if (pidFd >= 0)
                ::poll(&fd, 1, int(left));
            else
                ::poll(nullptr, 0, int(std::min<long long>(left, 5)));
        }
    }
    signalGroup(pid, SIGKILL);
}

enum class Drained { open, closed, overflowed };

// Reads what is there, up to `limit` bytes in all.
Drained drain(int fd, std::string& into, std::size_t limit) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            if (into.size() + std::size_t(got) > limit) return Drained::overflowed;
            into.append(buffer, static_cast<std::size_t>(got));
            if (static_cast<std::size_t>(got) < sizeof buffer) return Drained::open;
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return Drained::open;
        return Drained::closed;
    }
}

// argv or envp for the spawn call: pointers into `texts`, ending in null.
std::vector<char*> nullTerminated(const std::vector<std::string>& texts, const char* first = nullptr) {
    std::vector<char*> list;
    if (first) list.push_back(const_cast<char*>(first));
    for (const std::string& text : texts) list.push_back(const_cast<char*>(text.c_str()));
    list.push_back(nullptr);
    return list;
}

// Starts the child with stdin from `inFd` (/dev/null when it is -1), stdout and stderr into the
// pipes (stderr to /dev/null when `errFd` is -1), in a process group of its own and with default signals. Returns 0
// or the error number.
int spawnChild(pid_t& pid, const std::filesystem::path& executable, const std::vector<std::string>& arguments,
               const ProcessOptions& options, int inFd, int outFd, int errFd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!options.workingDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());
    if (inFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, inFd, STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    if (errFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // Our pipes are close-on-exec, but descriptors opened elsewhere without
    // the flag must not leak into the tool either.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);

    // Own process group, so a time-out also stops whatever the tool started;
    // signals as a fresh process would have them, whatever this thread masks.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);

    std::vector<char*> argv = nullTerminated(arguments, executable.c_str());
    std::vector<char*> envp = nullTerminated(options.environment);
    const int error = ::posix_spawn(&pid, executable.c_str(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return error;
}

// The open ends of the child's output pipes (-1 once closed or never opened).
struct Streams {
    int out = -1;
    int err = -1;
    bool open() const { return out >= 0 || err >= 0; }
};

// Collects the child's output until it has ended and its pipes are closed,
// or stops it (and its group) at the deadline or when it writes too much.
void collectUntilEnd(pid_t pid, Streams streams, const ProcessOptions& options, Clock::time_point deadline,
                     ProcessResult& result) {
    const UniqueFd pidFd = openPidFd(pid);
    bool ended = false;
    auto readFrom = [&](int& fd, std::string& into) {
        const Drained state = drain(fd, into, options.outputLimit);
        if (state == Drained::closed) fd = -1;
        if (state == Drained::overflowed) result.overflowed = true;
    };
    auto until = deadline;
    for (;;) {
        if (!ended && hasEnded(pid)) {
            ended = true;
            // Helpers the tool left behind in its group would keep our pipes
            // open; they go with it.
            signalGroup(pid, SIGKILL);
            until = std::min(deadline, Clock::now() + kPipeLinger);
        }
        if (ended && !streams.open()) return;

        const auto now = Clock::now();
        if (now >= until) {
            if (ended) {
                // Whatever the tool wrote before it exited is in the pipes already.
                if (streams.out >= 0) readFrom(streams.out, result.out);
                if (streams.err >= 0) readFrom(streams.err, result.err);
            } else {
                result.timedOut = true;
                stopGroup(pid, pidFd.get(), options.terminateGrace);
            }
            return;
        }
        auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(until - now) + std::chrono::milliseconds(1);
        if (!pidFd.valid() && !ended) wait = std::min(wait, std::chrono::milliseconds(10));

        pollfd fds[3] = {{streams.out, POLLIN, 0}, {streams.err, POLLIN, 0}, {ended ? -1 : pidFd.get(), POLLIN, 0}};
        const int ready = ::poll(fds, 3, static_cast<int>(std::min<long long>(wait.count(), 60'000)));
        if (ready < 0 && errno != EINTR) {
            if (!ended) signalGroup(pid, SIGKILL);
            return;
        }
        if (streams.out >= 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR))) readFrom(streams.out, result.out);
        if (streams.err >= 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) readFrom(streams.err, result.err);
        if (result.overflowed) {
            if (!ended) stopGroup(pid, pidFd.get(), options.terminateGrace);
            return;
        }
    }
}

// Reaps the child and records how it ended.
void reap(pid_t pid, ProcessResult& result) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    if (WIFEXITED(status) && !result.timedOut && !result.overflowed) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
}

}  // namespace

ProcessResult runProcess(const std::filesystem::path& executable, const std::vector<std::string>& arguments,
                         const ProcessOptions& options) {
    ProcessResult result;
    const auto deadline = Clock::now() + std::max(options.timeLimit, std::chrono::milliseconds(0));

    const bool captureErrors = options.standardError == StandardError::capture;
    const bool feedInput = !options.standardInput.empty();
    if (options.standardInput.size() > 4096) {
        result.failure = "standard input too long";
        return result;
    }
    Pipe in, out, err;
    if ((feedInput && !openPipe(in, result.failure)) || !openPipe(out, result.failure) ||
        (captureErrors && !openPipe(err, result.failure)))
        return result;
    // The child reads its stdin the ordinary, blocking way.
    if (feedInput) ::fcntl(in.read.get(), F_SETFL, 0);

    pid_t pid = -1;
    const int spawnError = spawnChild(pid, executable, arguments, options, feedInput ? in.read.get() : -1,
                                      out.write.get(), captureErrors ? err.write.get() : -1);
    // The input goes in while our own read end is still open, so the write
    // can neither block (it fits the buffer) nor raise SIGPIPE.
    if (feedInput && spawnError == 0) {
        const ssize_t written = ::write(in.write.get(), options.standardInput.data(), options.standardInput.size());
        (void)written;
    }
    in.read.reset();
    in.write.reset();
    // Only the child writes: our copies would keep the pipes from ever ending.
    out.write.reset();
    err.write.reset();
    if (spawnError != 0) {
        result.failure = std::strerror(spawnError);
        return result;
    }
    result.started = true;
    collectUntilEnd(pid, Streams{out.read.get(), captureErrors ? err.read.get() : -1}, options, deadline, result);
    reap(pid, result);
    return result;
}

std::vector<std::string> toolEnvironment(const std::filesystem::path& home) {
    return {"PATH=/usr/bin:/bin:/usr/sbin:/sbin", "HOME=" + home.native(), "LC_ALL=C", "LANG=C"};
}

}  // namespace sorbeta::platform
