#pragma once
// Runs a command-line tool as a child process and waits for it, on the calling
// thread (meant for worker threads). The child gets stdin from /dev/null,
// exactly the environment given, no shell, and is stopped (with everything it
// started in its process group) once the time limit passes. Nothing the tool
// or its helpers do can keep the caller waiting much past that limit.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace sorbeta::platform {

// What becomes of the child's standard error.
enum class StandardError { capture, discard };

// More output than this on one stream means the tool misbehaves.
inline constexpr std::size_t kDefaultOutputLimit = std::size_t(16) << 20;

struct ProcessOptions {
    // Exactly these "NAME=value" entries; nothing is inherited from us.
    std::vector<std::string> environment;
    // Hard limit from the start; the child is killed with SIGKILL after it.
    std::chrono::milliseconds timeLimit{10'000};
    // Empty: the child starts in our current folder.
    std::filesystem::path workingDirectory;
    // discard: stderr goes to /dev/null and is never read.
    StandardError standardError = StandardError::capture;
    // A tool that writes more than this to one stream is stopped and the call fails.
    std::size_t outputLimit = kDefaultOutputLimit;
    // How a tool is stopped: 0 kills its group at once; otherwise the group
    // gets SIGTERM first and SIGKILL once this grace has passed.
    std::chrono::milliseconds terminateGrace{0};
    // What the child reads on stdin, then its end; empty: /dev/null. Kept
    // within a pipe's buffer (4 KiB), so writing it never waits on the child.
    std::string standardInput;
};

struct ProcessResult {
    bool started = false;     // false when the executable could not be run at all
    bool timedOut = false;    // killed at the time limit
    bool overflowed = false;  // stopped for writing more than the output limit
    int exitCode = -1;        // the child's exit status when it exited on its own, else -1
    int signal = 0;           // the signal that ended the child, 0 when it exited
    std::string out;          // everything the child wrote to stdout
    std::string err;          // everything the child wrote to stderr
    std::string failure;      // why it could not be started, for logs

    bool succeeded() const { return started && !timedOut && !overflowed && signal == 0 && exitCode == 0; }
};

// `executable` is run as given (no PATH search); `arguments` exclude argv[0],
// which is the executable's path.
ProcessResult runProcess(const std::filesystem::path& executable, const std::vector<std::string>& arguments,
                         const ProcessOptions& options = {});

// A small, predictable environment for system tools: PATH of the system
// folders, HOME of the user, and the C locale so output is parseable.
std::vector<std::string> toolEnvironment(const std::filesystem::path& home);

}  // namespace sorbeta::platform
