#include "platform/ProcessTable.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <charconv>
#include <climits>

#include "platform/FileOps.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

constexpr std::size_t kStatLimit = 4096;
constexpr std::size_t kEnvironLimit = 1 << 20;
constexpr std::size_t kCgroupLimit = 16384;
constexpr std::size_t kStatusLimit = 16384;

template <typename Number>
bool parseNumber(std::string_view text, Number& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

std::string_view nextField(std::string_view& rest) {
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end);
    return field;
}

// systemd writes bytes that may not appear in a unit name as \xNN.
std::string unescapeUnit(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned value = 0;
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            const auto [end, error] = std::from_chars(text.data() + i + 2, text.data() + i + 4, value, 16);
            if (error == std::errc() && end == text.data() + i + 4) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// "app[-<launcher>]-<id>…" once the unit's suffix is gone: what follows
// "app-", still escaped. Desktop ids may hold dashes themselves, so the
// launcher part is not cut here: appUnitRuns() tells it by the escaping.
std::string nameFromUnit(std::string_view unit) {
    std::string_view name;
    if (unit.size() > 6 && unit.substr(unit.size() - 6) == ".scope") {
        name = unit.substr(0, unit.size() - 6);
        const std::size_t dash = name.rfind('-');  // the scope's running number
        if (dash == std::string_view::npos || dash == 0) return {};
        name = name.substr(0, dash);
    } else if (unit.size() > 8 && unit.substr(unit.size() - 8) == ".service") {
        name = unit.substr(0, unit.size() - 8);
        if (const std::size_t at = name.find('@'); at != std::string_view::npos) name = name.substr(0, at);
    } else {
        return {};
    }
    if (name.substr(0, 4) != "app-") return {};
    name.remove_prefix(4);
    return std::string(name);
}

// 8-4-4-4-12 hexadecimal digits, as the kernel makes random UUIDs.
bool isUuid(std::string_view text) {
    if (text.size() != 36) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (i == 8 || i == 13 || i == 18 || i == 23 ? c != '-' : !hex) return false;
    }
    return true;
}

// "<snap>_<app>" of "snap.<snap>.<app>-<uuid>.scope" (names escaped) or
// "snap.<snap>.<app>.service"; a hook's "snap.<snap>.hook.<hook>" has one
// part too many.
std::string snapIdFromUnit(std::string_view unit) {
    constexpr std::string_view scope = ".scope", service = ".service";
    constexpr std::size_t kUuid = 36;
    std::string_view tag;
    if (unit.ends_with(scope)) {
        tag = unit.substr(0, unit.size() - scope.size());
        if (tag.size() <= kUuid + 1 || tag[tag.size() - kUuid - 1] != '-' || !isUuid(tag.substr(tag.size() - kUuid)))
            return {};
        tag.remove_suffix(kUuid + 1);
    } else if (unit.ends_with(service)) {
        tag = unit.substr(0, unit.size() - service.size());
    } else {
        return {};
    }
    if (!tag.starts_with("snap.")) return {};
    const std::string name = unescapeUnit(tag.substr(5));
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size() || name.find('.', dot + 1) != std::string::npos)
        return {};
    return name.substr(0, dot) + '_' + name.substr(dot + 1);
}

std::string readFile(const Path& path, std::size_t limit) {
    std::string text;
    if (!readSmallFile(path, limit, text)) return {};
    return text;
}

// Whether what was read of a file already holds all its reader needs.
using Enough = bool (*)(const std::string& text);
bool toTheEnd(const std::string&) { return false; }
// A stat file is one line.
bool wholeLine(const std::string& text) { return text.back() == '\n'; }
// cgroupPath() takes the first unified line whatever follows it.
bool unifiedLine(const std::string& text) {
    for (std::size_t found = text.find("0::"); found != std::string::npos; found = text.find("0::", found + 1))
        if ((found == 0 || text[found - 1] == '\n') && text.find('\n', found) != std::string::npos) return true;
    return false;
}

// Reads a file of an open process folder into `out`, whose storage is kept
// from one process to the next. Files in /proc report no size, so this reads
// to the end or until `enough` says the rest does not matter; a link, a pipe
// or anything longer than `limit` is refused.
bool readAt(int folderFd, const char* name, std::size_t limit, std::string& out, Enough enough = toTheEnd) {
    out.clear();
    const UniqueFd fd(::openat(folderFd, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
    if (!fd.valid()) return false;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (out.size() + std::size_t(got) > limit) return false;
        out.append(buffer, std::size_t(got));
        if (enough(out)) return true;
    }
}

UniqueFd openProcess(int rootFd, const char* name) {
    return UniqueFd(::openat(rootFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
}

// The executable a process runs; empty for kernel threads and zombies, which
// have none, and when the link cannot be read.
Path executableAt(int folderFd, const char* link) {
    char text[PATH_MAX];
    const ssize_t length = ::readlinkat(folderFd, link, text, sizeof text);
    if (length <= 0 || std::size_t(length) >= sizeof text) return {};
    return withoutDeletedMark(std::string(text, std::size_t(length)));
}

// The sample of the process whose folder is open, with the executable read
// beforehand. Kernel threads are told from their stat flags and, when
// `kernelThreads` is false, left out.
std::optional<ProcessSample> sampleIn(int folderFd, int pid, uint32_t owner, Path executable, bool kernelThreads,
                                      std::string& buffer) {
    if (!readAt(folderFd, "stat", kStatLimit, buffer, wholeLine)) return std::nullopt;
    const auto fields = parseStat(buffer);
    if (!fields || (!kernelThreads && fields->kernelThread())) return std::nullopt;
    return ProcessSample{pid, fields->parent, fields->startTime, owner, std::move(executable)};
}

bool ownedBy(uid_t user, int rootFd, const char* name) {
    struct stat owner {};
    return ::fstatat(rootFd, name, &owner, AT_SYMLINK_NOFOLLOW) == 0 && owner.st_uid == user;
}

// Calls `visit(pid, rootFd, name)` for each process folder below `root`
// except this program's own; the visitor checks the owner.
template <typename Visit>
void eachProcess(const Path& root, Visit&& visit) {
    DIR* folder = ::opendir(root.c_str());
    if (!folder) return;
    const int rootFd = ::dirfd(folder);
    const int self = int(::getpid());
    while (const dirent* entry = ::readdir(folder)) {
        int pid = 0;
        if (!parseNumber(std::string_view(entry->d_name), pid) || pid <= 0 || pid == self) continue;
        visit(pid, rootFd, entry->d_name);
    }
    ::closedir(folder);
}

}  // namespace

std::optional<StatFields> parseStat(std::string_view text) {
    const std::size_t close = text.rfind(')');
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(close + 1);
    StatFields fields;
    // Field 3 (state) is the first after the name; 4 is the parent, 9 the flags, 22 the start time.
    for (int index = 3; index <= 22; ++index) {
        const std::string_view field = nextField(rest);
        if (field.empty()) return std::nullopt;
        if (index == 4 && !parseNumber(field, fields.parent)) return std::nullopt;
        if (index == 9 && !parseNumber(field, fields.flags)) return std::nullopt;
        if (index == 22 && !parseNumber(field, fields.startTime)) return std::nullopt;
    }
    return fields;
}

std::optional<std::string> environmentValue(std::string_view environ, std::string_view key) {
    std::size_t start = 0;
    while (start < environ.size()) {
        const std::size_t end = std::min(environ.find('\0', start), environ.size());
        const std::string_view entry = environ.substr(start, end - start);
        if (entry.size() > key.size() && entry.substr(0, key.size()) == key && entry[key.size()] == '=')
            return std::string(entry.substr(key.size() + 1));
        start = end + 1;
    }
    return std::nullopt;
}

std::string appUnitId(std::string_view cgroup) { return unescapeUnit(appUnitName(cgroup)); }

namespace {

// The first unit, named by the last part of a cgroup file's paths
// ("<hierarchy>:<controllers>:<path>"), that `fromUnit` makes something of.
std::string fromCgroupUnits(std::string_view cgroup, std::string (*fromUnit)(std::string_view)) {
    std::size_t start = 0;
    while (start < cgroup.size()) {
        const std::size_t end = std::min(cgroup.find('\n', start), cgroup.size());
        const std::string_view line = cgroup.substr(start, end - start);
        start = end + 1;
        const std::size_t slash = line.rfind('/');
        if (slash == std::string_view::npos) continue;
        if (std::string found = fromUnit(line.substr(slash + 1)); !found.empty()) return found;
    }
    return {};
}

}  // namespace

std::string appUnitName(std::string_view cgroup) { return fromCgroupUnits(cgroup, nameFromUnit); }

std::string snapAppId(std::string_view cgroup) { return fromCgroupUnits(cgroup, snapIdFromUnit); }

bool appUnitRuns(const std::string& unitName, const std::string& desktopId) {
    if (desktopId.empty() || unitName.empty()) return false;
    // The id's own dashes are escaped, and a launcher's name holds none: a
    // plain '-' can only end the launcher part. Unescaped, "gnome-my-tool"
    // would end in "tool" and claim another application's unit.
    std::string_view id = unitName;
    if (const std::size_t dash = id.find('-'); dash != std::string_view::npos) {
        if (dash == 0) return false;
        id.remove_prefix(dash + 1);
    }
    return !id.empty() && id.find('-') == std::string_view::npos && unescapeUnit(id) == desktopId;
}

std::optional<int64_t> residentOwnBytes(std::string_view status) {
    std::optional<int64_t> kilobytes;
    std::size_t start = 0;
    while (start < status.size()) {
        const std::size_t end = std::min(status.find('\n', start), status.size());
        std::string_view line = status.substr(start, end - start);
        start = end + 1;
        if (line.substr(0, 7) != "RssAnon" && line.substr(0, 8) != "RssShmem") continue;
        // "RssAnon:\t   123456 kB"
        line.remove_prefix(std::min(line.find(':'), line.size()));
        if (line.empty()) continue;
        line.remove_prefix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        const std::string_view number = line.substr(0, std::min(line.find(' '), line.size()));
        int64_t value = 0;
        if (!parseNumber(number, value) || value < 0) continue;
        kilobytes = kilobytes.value_or(0) + value;
    }
    if (!kilobytes) return std::nullopt;
    return *kilobytes * 1024;
}

std::string cgroupPath(std::string_view cgroup) {
    std::string_view systemd;
    std::size_t start = 0;
    while (start < cgroup.size()) {
        const std::size_t end = std::min(cgroup.find('\n', start), cgroup.size());
        const std::string_view line = cgroup.substr(start, end - start);
        start = end + 1;
        if (line.substr(0, 3) == "0::") return std::string(line.substr(3));
        const std::size_t first = line.find(':');
        if (first == std::string_view::npos) continue;
        const std::string_view rest = line.substr(first + 1);
        if (rest.substr(0, 13) == "name=systemd:" && systemd.empty()) systemd = rest.substr(13);
    }
    return std::string(systemd);
}

Path withoutDeletedMark(const std::string& linkText) {
    static constexpr std::string_view mark = " (deleted)";
    if (linkText.size() > mark.size() && linkText.compare(linkText.size() - mark.size(), mark.size(), mark) == 0)
        return Path(linkText.substr(0, linkText.size() - mark.size()));
    return Path(linkText);
}

uint32_t currentUser() { return uint32_t(::getuid()); }

std::optional<ProcessSample> ProcFolder::sample(int pid) const {
    if (pid <= 0) return std::nullopt;
    const UniqueFd folder = openProcess(AT_FDCWD, (root_ / std::to_string(pid)).c_str());
    struct stat owner {};
    if (!folder.valid() || ::fstat(folder.get(), &owner) != 0) return std::nullopt;
    std::string buffer;
    return sampleIn(folder.get(), pid, uint32_t(owner.st_uid), executableAt(folder.get(), "exe"), true, buffer);
}

std::vector<ProcessSample> ProcFolder::ownProcesses() const {
    std::vector<ProcessSample> processes;
    const uint32_t me = currentUser();
    std::string buffer;
    eachProcess(root_, [&](int pid, int rootFd, const char* name) {
        // The folder's owner first: other users' processes are not opened.
        if (!ownedBy(me, rootFd, name)) return;
        const UniqueFd folder = openProcess(rootFd, name);
        if (!folder.valid()) return;
        if (auto found = sampleIn(folder.get(), pid, me, executableAt(folder.get(), "exe"), true, buffer))
            processes.push_back(std::move(*found));
    });
    std::sort(processes.begin(), processes.end(),
              [](const ProcessSample& a, const ProcessSample& b) { return a.pid < b.pid; });
    return processes;
}

std::vector<ProcFolder::Grouped> ProcFolder::ownProgramProcesses() const {
    std::vector<Grouped> processes;
    const uint32_t me = currentUser();
    std::string buffer;
    std::string link;
    eachProcess(root_, [&](int pid, int rootFd, const char* name) {
        // A kernel thread or a zombie has no executable, and another user's
        // process does not show its own to an unprivileged reader: one call
        // leaves them out before anything is opened. Then the owner, as the
        // folder tells it.
        link.assign(name).append("/exe");
        Path executable = executableAt(rootFd, link.c_str());
        if (executable.empty() || !ownedBy(me, rootFd, name)) return;
        const UniqueFd folder = openProcess(rootFd, name);
        if (!folder.valid()) return;
        auto found = sampleIn(folder.get(), pid, me, std::move(executable), false, buffer);
        if (!found) return;
        std::string cgroup =
            readAt(folder.get(), "cgroup", kCgroupLimit, buffer, unifiedLine) ? cgroupPath(buffer) : std::string();
        processes.push_back(Grouped{std::move(*found), std::move(cgroup)});
    });
    std::sort(processes.begin(), processes.end(),
              [](const Grouped& a, const Grouped& b) { return a.sample.pid < b.sample.pid; });
    return processes;
}

std::optional<std::string> ProcFolder::environment(int pid, std::string_view key) const {
    if (pid <= 0) return std::nullopt;
    return environmentValue(readFile(root_ / std::to_string(pid) / "environ", kEnvironLimit), key);
}

std::string ProcFolder::appUnit(int pid) const {
    if (pid <= 0) return {};
    return appUnitName(readFile(root_ / std::to_string(pid) / "cgroup", kCgroupLimit));
}

std::string ProcFolder::cgroup(int pid) const {
    if (pid <= 0) return {};
    return cgroupPath(readFile(root_ / std::to_string(pid) / "cgroup", kCgroupLimit));
}

std::optional<int64_t> ProcFolder::residentOwnBytes(int pid) const {
    if (pid <= 0) return std::nullopt;
    return platform::residentOwnBytes(readFile(root_ / std::to_string(pid) / "status", kStatusLimit));
}

}  // namespace sorbeta::platform
