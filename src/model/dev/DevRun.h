#pragma once
// The one way the developer toolkit runs a command-line tool: no shell, an
// argument vector, stdin and stderr on /dev/null, and only the standard
// output of a tool that exited with status 0 in time. Blocks its (worker)
// thread; never call it on the GUI thread.
#include <QByteArray>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sorbeta::DevScan {

// At the time limit a tool gets SIGTERM and, this much later, its whole
// process group gets SIGKILL.
inline constexpr std::chrono::milliseconds kTerminateGrace{25};
// A listing larger than this is not a listing: the call fails.
inline constexpr std::size_t kOutputLimit = std::size_t(16) << 20;

// The tool's standard output, or nothing when it could not start, exited
// with another status or by a signal, wrote more than kOutputLimit, or was
// still running after `timeout`.
std::optional<QByteArray> run(const std::filesystem::path& executable, const std::vector<std::string>& arguments,
                              std::chrono::milliseconds timeout, const std::vector<std::string>& environment);

}  // namespace sorbeta::DevScan
