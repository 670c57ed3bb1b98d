#pragma once
// The user's own processes as /proc describes them: who started whom, when
// each started and which executable it runs. A process is remembered as a
// ProcessSample, which is enough to tell it apart from a later process that
// happens to get the same pid. Everything that reads /proc takes the folder
// to read (tests hand in fixtures); the parsers are pure functions over text.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorbeta::platform {

using Path = std::filesystem::path;

struct ProcessSample {
    int pid = 0;
    int parent = 0;
    uint64_t startTime = 0;  // clock ticks after boot: a reused pid has a later one
    uint32_t uid = 0;        // owner of the process
    Path executable;         // what the process ran when sampled; empty when it could not be read

    bool operator==(const ProcessSample&) const = default;
};

// The fields of a /proc/<pid>/stat line this program needs.
struct StatFields {
    int parent = 0;
    uint64_t startTime = 0;
    uint32_t flags = 0;  // the kernel's PF_* flags of the process

    // A kernel thread: it has no program, memory or cgroup of its own to read.
    bool kernelThread() const { return (flags & kKernelThreadFlag) != 0; }
    static constexpr uint32_t kKernelThreadFlag = 0x00200000;  // PF_KTHREAD
};
// Parses one stat line; the command name may hold spaces and parentheses.
std::optional<StatFields> parseStat(std::string_view text);
// The value of `key` in the NUL-separated "KEY=value" list of an environ file.
std::optional<std::string> environmentValue(std::string_view environ, std::string_view key);
// What names the application of a desktop-started systemd unit in a cgroup
// file ("app[-<launcher>]-<id>-<n>.scope" or "app[-<launcher>]-<id>[@<n>].service"):
// "[<launcher>-]<id>" as the unit name writes it, the id's own dashes escaped
// as \x2d; empty when the process runs in no such unit.
std::string appUnitName(std::string_view cgroup);
// appUnitName() with systemd's \xNN escapes undone (launcher and id no longer
// told apart).
std::string appUnitId(std::string_view cgroup);
// The desktop id snapd gives the entries of a Snap application,
// "<snap>_<app>", when a cgroup file puts the process in one of the units
// snapd runs that application in: "snap.<snap>.<app>-<uuid>.scope" (the
// names' dashes escaped as \x2d) for each start of it, or
// "snap.<snap>.<app>.service" for a service. Empty otherwise, a hook's
// scope among them.
std::string snapAppId(std::string_view cgroup);
// Whether appUnitName() text names the desktop id (with or without a launcher).
bool appUnitRuns(const std::string& unitName, const std::string& desktopId);
// The memory only this process holds, in bytes: RssAnon + RssShmem of a
// status file (shared libraries and mapped files are left out, so a family
// of processes can be summed). Absent when the file has neither line (a
// kernel thread, a zombie).
std::optional<int64_t> residentOwnBytes(std::string_view status);
// The path of a cgroup file's unified ("0::") line, else of its systemd line;
// empty when it has neither.
std::string cgroupPath(std::string_view cgroup);
// An executable link's text without the " (deleted)" the kernel adds once the
// file is gone.
Path withoutDeletedMark(const std::string& linkText);

// The user this program runs as.
uint32_t currentUser();

class ProcFolder {
public:
    explicit ProcFolder(Path root = "/proc") : root_(std::move(root)) {}

    // The folder read: /proc, or a test's fixture.
    const Path& root() const { return root_; }

    // The process now, or nothing when it is gone or cannot be read.
    std::optional<ProcessSample> sample(int pid) const;
    // Every process of the user running this program, except this program
    // itself, in pid order.
    std::vector<ProcessSample> ownProcesses() const;
    // One variable of a process's environment. Reading another process's
    // environment waits on its memory map: ask only processes that matter.
    std::optional<std::string> environment(int pid, std::string_view key) const;
    // appUnitName() of the process's cgroup file.
    std::string appUnit(int pid) const;
    // cgroupPath() of the process's cgroup file.
    std::string cgroup(int pid) const;
    // residentOwnBytes() of the process's status file.
    std::optional<int64_t> residentOwnBytes(int pid) const;

    // A user process with the path of its control group.
    struct Grouped {
        ProcessSample sample;
        std::string cgroup;  // cgroupPath() of its cgroup file
    };
    // ownProcesses() without kernel threads (told by their stat flags) and
    // processes whose executable cannot be read (zombies among them), each
    // with its cgroup, read in the same pass. The walk reads each process's
    // files relative to its folder, opened once, and nothing more.
    std::vector<Grouped> ownProgramProcesses() const;

private:
    Path root_;
};

}  // namespace sorbeta::platform
