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

#include "platform/Paths.h"

namespace sorbeta::platform {
namespace {

using Clock = std::chrono::steady_clock;

// Closes a descriptor once, on every path out.
struct Fd {
    int fd = -1;
    Fd() = default;
    explicit Fd(int value) : fd(value) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    void reset() {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
};

// A descriptor that becomes readable when the child ends, so one poll waits
// for output and exit together. Kernels before 5.3 lack it: we then poll in
// short steps instead.
int openPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    if (fd >= 0) {
        ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
        return static_cast<int>(fd);
    }
#endif
    (void)pid;
    return -1;
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

void killGroup(pid_t pid) {
    if (::kill(-pid, SIGKILL) < 0) ::kill(pid, SIGKILL);
}

// Reads what is there; false at end of stream or on an error.
bool drain(int fd, std::string& into) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            into.append(buffer, static_cast<std::size_t>(got));
            if (static_cast<std::size_t>(got) < sizeof buffer) return true;
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return true;
        return false;
    }
}

}  // namespace

ProcessResult runProcess(const std::filesystem::path& executable, const std::vector<std::string>& arguments,
                         const ProcessOptions& options) {
    ProcessResult result;
    const auto deadline = Clock::now() + std::max(options.timeLimit, std::chrono::milliseconds(0));

    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) < 0) {
        result.failure = std::strerror(errno);
        return result;
    }
    Fd outRead(outPipe[0]), outWrite(outPipe[1]);
    if (::pipe2(errPipe, O_CLOEXEC) < 0) {
        result.failure = std::strerror(errno);
        return result;
    }
    Fd errRead(errPipe[0]), errWrite(errPipe[1]);
    ::fcntl(outRead.fd, F_SETFL, O_NONBLOCK);
    ::fcntl(errRead.fd, F_SETFL, O_NONBLOCK);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!options.workingDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outWrite.fd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errWrite.fd, STDERR_FILENO);
    // Our pipes are close-on-exec, but descriptors opened elsewhere without
    // the flag must not leak into the tool either.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);

    // Own process group, so a time-out also stops whatever the tool started;
    // signals as a fresh process would have them, whatever this thread masks.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(executable.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : options.environment) envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    pid_t pid = -1;
    const int spawnError =
        ::posix_spawn(&pid, executable.c_str(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    outWrite.reset();
    errWrite.reset();
    if (spawnError != 0) {
        result.failure = std::strerror(spawnError);
        return result;
    }
    result.started = true;

    Fd pidFd(openPidFd(pid));
    bool ended = false;
    bool outOpen = true, errOpen = true;
    for (;;) {
        if (!ended && hasEnded(pid)) {
            ended = true;
            // Helpers the tool left behind in its group would keep our pipes
            // open; they go with it.
            killGroup(pid);
        }
        if (ended && !outOpen && !errOpen) break;

        const auto now = Clock::now();
        if (now >= deadline) {
            if (!ended) {
                result.timedOut = true;
                killGroup(pid);
            }
            break;
        }
        auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now) +
                    std::chrono::milliseconds(1);
        if (pidFd.fd < 0 && !ended) wait = std::min(wait, std::chrono::milliseconds(10));

        pollfd fds[3] = {{outOpen ? outRead.fd : -1, POLLIN, 0},
                         {errOpen ? errRead.fd : -1, POLLIN, 0},
                         {ended ? -1 : pidFd.fd, POLLIN, 0}};
        const int ready = ::poll(fds, 3, static_cast<int>(std::min<long long>(wait.count(), 60'000)));
        if (ready < 0 && errno != EINTR) {
            if (!ended) killGroup(pid);
            break;
        }
        if (outOpen && (fds[0].revents & (POLLIN | POLLHUP | POLLERR)))
            outOpen = drain(outRead.fd, result.out);
        if (errOpen && (fds[1].revents & (POLLIN | POLLHUP | POLLERR)))
            errOpen = drain(errRead.fd, result.err);
    }

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && !result.timedOut) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    return result;
}

std::vector<std::string> toolEnvironment() {
    return {"PATH=/usr/bin:/bin:/usr/sbin:/sbin", "HOME=" + home().native(), "LC_ALL=C", "LANG=C"};
}

}  // namespace sorbeta::platform
