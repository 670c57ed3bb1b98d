#include "model/status/MemoryUsers.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

namespace sorbeta::MemoryUsers {
namespace {

constexpr int kKernelThreads = 2;  // kthreadd, the parent of every kernel thread
constexpr int kAncestryLimit = 64;

// The programs that make up the desktop session itself: shells, panels,
// window managers, compositors, session managers and the sound server. Some
// of them have an entry that opens their settings, which would otherwise
// make them look like an application.
bool isSessionProgram(const Path& executable) {
    static const std::set<std::string> programs = {"gnome-shell",
                                                   "gnome-session-binary",
                                                   "mutter",
                                                   "plasmashell",
                                                   "kwin_x11",
                                                   "kwin_wayland",
                                                   "ksmserver",
                                                   "plasma_session",
                                                   "krunner",
                                                   "xfce4-panel",
                                                   "xfce4-session",
                                                   "xfwm4",
                                                   "xfdesktop",
                                                   "xfsettingsd",
                                                   "xfce4-notifyd",
                                                   "cinnamon",
                                                   "cinnamon-session",
                                                   "muffin",
                                                   "marco",
                                                   "mate-panel",
                                                   "mate-session",
                                                   "lxpanel",
                                                   "lxsession",
                                                   "lxqt-panel",
                                                   "lxqt-session",
                                                   "openbox",
                                                   "budgie-panel",
                                                   "budgie-wm",
                                                   "Xorg",
                                                   "Xwayland",
                                                   "pipewire",
                                                   "pipewire-pulse",
                                                   "wireplumber",
                                                   "pulseaudio",
                                                   "dbus-daemon",
                                                   "systemd"};
    return programs.count(executable.filename().string()) > 0;
}

struct Group {
    const DesktopApp* app = nullptr;
    std::size_t head = 0;
    std::vector<std::size_t> members;  // the head included
};

using platform::ProcessSample;

bool isKernelThread(const ProcessSample& sample) {
    return sample.executable.empty() || sample.pid == kKernelThreads || sample.parent == kKernelThreads;
}

// The process of a unit that started it: the one whose parent is outside
// the unit, the earliest when there are several.
std::size_t unitHead(const std::vector<ProcessUse>& processes, const std::vector<std::size_t>& members,
                     const std::unordered_map<int, std::size_t>& byPid) {
    std::optional<std::size_t> head;
    for (std::size_t index : members) {
        const auto& sample = processes[index].sample;
        const auto parent = byPid.find(sample.parent);
        if (parent != byPid.end() && processes[parent->second].cgroup == processes[index].cgroup) continue;
        if (!head || sample.startTime < processes[*head].sample.startTime) head = index;
    }
    return head.value_or(members.front());
}

void unitGroups(const std::vector<ProcessUse>& processes, const std::vector<std::string>& units,
                const std::unordered_map<int, std::size_t>& byPid, const DesktopApps& apps,
                std::vector<Group>& groups) {
    std::map<std::string, std::vector<std::size_t>> byCgroup;
    for (std::size_t i = 0; i < processes.size(); ++i)
        if (!units[i].empty()) byCgroup[processes[i].cgroup].push_back(i);
    for (auto& [cgroup, members] : byCgroup) {
        Group group;
        group.head = unitHead(processes, members, byPid);
        group.app = apps.byUnit(units[group.head]);
        if (!group.app) group.app = apps.byProgram(processes[group.head].sample.executable);
        group.members = std::move(members);
        groups.push_back(std::move(group));
    }
}

// Where no unit tells, a process running a shown application's program is
// the application (unless its parent runs the same program: that is one of
// its own helpers), and its children in the same control group are part of it.
void programGroups(const std::vector<ProcessUse>& processes, const std::vector<std::string>& units,
                   const std::unordered_map<int, std::size_t>& byPid, const DesktopApps& apps,
                   std::vector<Group>& groups) {
    std::unordered_map<std::size_t, std::size_t> groupOfHead;
    for (std::size_t i = 0; i < processes.size(); ++i) {
        if (!units[i].empty()) continue;
        const auto& sample = processes[i].sample;
        const DesktopApp* app = apps.byProgram(sample.executable);
        if (!app) continue;
        const auto parent = byPid.find(sample.parent);
        if (parent != byPid.end() && processes[parent->second].sample.executable == sample.executable &&
            processes[parent->second].cgroup == processes[i].cgroup)
            continue;
        groupOfHead.emplace(i, groups.size());
        groups.push_back(Group{app, i, {i}});
    }
    for (std::size_t i = 0; i < processes.size(); ++i) {
        if (!units[i].empty() || groupOfHead.count(i)) continue;
        int parent = processes[i].sample.parent;
        for (int depth = 0; depth < kAncestryLimit; ++depth) {
            const auto found = byPid.find(parent);
            if (found == byPid.end() || processes[found->second].cgroup != processes[i].cgroup) break;
            if (const auto head = groupOfHead.find(found->second); head != groupOfHead.end()) {
                groups[head->second].members.push_back(i);
                break;
            }
            parent = processes[found->second].sample.parent;
        }
    }
}

// The applications among the processes, before their memory is known.
std::vector<Group> applications(const std::vector<ProcessUse>& processes, const DesktopApps& apps,
                                const std::string& ownDesktopId) {
    std::unordered_map<int, std::size_t> byPid;
    std::vector<std::string> units(processes.size());
    for (std::size_t i = 0; i < processes.size(); ++i) {
        byPid.emplace(processes[i].sample.pid, i);
        units[i] = platform::appUnitId(processes[i].cgroup);
        // snapd starts its applications in units of its own.
        if (units[i].empty()) units[i] = platform::snapAppId(processes[i].cgroup);
    }
    std::vector<Group> groups;
    unitGroups(processes, units, byPid, apps, groups);
    programGroups(processes, units, byPid, apps, groups);
    std::erase_if(groups, [&](const Group& group) {
        const ProcessSample& head = processes[group.head].sample;
        return !group.app || !group.app->visible || group.app->id == ownDesktopId || isKernelThread(head) ||
               isSessionProgram(head.executable);
    });
    return groups;
}

std::vector<MemoryHog> ranked(const std::vector<ProcessUse>& processes, const std::vector<Group>& groups, int limit) {
    std::vector<MemoryHog> hogs;
    for (const Group& group : groups) {
        const ProcessUse& head = processes[group.head];
        MemoryHog hog;
        hog.pid = head.sample.pid;
        hog.name = group.app->name.isEmpty() ? QStringLiteral("?") : group.app->name;
        hog.bundleID = QString::fromStdString(group.app->id);
        hog.iconName = group.app->icon;
        std::vector<std::size_t> members = group.members;
        std::sort(members.begin(), members.end(),
                  [&](std::size_t a, std::size_t b) { return processes[a].sample.pid < processes[b].sample.pid; });
        for (std::size_t index : members) {
            const auto& sample = processes[index].sample;
            hog.bytes += processes[index].bytes;
            hog.processes.push_back(HogProcess{sample.pid, sample.startTime, sample.executable});
        }
        hogs.push_back(std::move(hog));
    }
    std::sort(hogs.begin(), hogs.end(), [](const MemoryHog& a, const MemoryHog& b) { return a.pid < b.pid; });
    std::stable_sort(hogs.begin(), hogs.end(),
                     [](const MemoryHog& a, const MemoryHog& b) { return a.bytes > b.bytes; });
    if (hogs.size() > std::size_t(limit)) hogs.resize(std::size_t(limit));
    return hogs;
}

}  // namespace

std::vector<ProcessUse> read(const platform::ProcFolder& proc) {
    std::vector<ProcessUse> uses;
    for (auto& [sample, cgroup] : proc.ownProgramProcesses()) {
        if (isKernelThread(sample)) continue;
        const auto bytes = proc.residentOwnBytes(sample.pid);
        if (!bytes) continue;  // gone, or a zombie
        uses.push_back(ProcessUse{std::move(sample), *bytes, std::move(cgroup)});
    }
    return uses;
}

std::vector<MemoryHog> rank(const std::vector<ProcessUse>& processes, const DesktopApps& apps,
                            const std::string& ownDesktopId, int limit) {
    if (limit <= 0) return {};
    return ranked(processes, applications(processes, apps, ownDesktopId), limit);
}

std::vector<MemoryHog> list(const platform::ProcFolder& proc, const DesktopApps& apps, const std::string& ownDesktopId,
                            int limit) {
    if (limit <= 0) return {};
    constexpr int64_t kUnread = -1;
    constexpr int64_t kGone = -2;
    std::vector<ProcessUse> processes;
    for (auto& [sample, cgroup] : proc.ownProgramProcesses())
        if (!isKernelThread(sample)) processes.push_back(ProcessUse{std::move(sample), kUnread, std::move(cgroup)});
    for (;;) {
        const std::vector<Group> groups = applications(processes, apps, ownDesktopId);
        bool vanished = false;
        for (const Group& group : groups) {
            for (std::size_t index : group.members) {
                ProcessUse& use = processes[index];
                if (use.bytes != kUnread) continue;
                use.bytes = proc.residentOwnBytes(use.sample.pid).value_or(kGone);
                vanished = vanished || use.bytes == kGone;
            }
        }
        if (!vanished) return ranked(processes, groups, limit);
        // A process that ended (or became a zombie) since the walk is left
        // out, and the applications are told again without it, as if the
        // walk had not met it.
        std::erase_if(processes, [](const ProcessUse& use) { return use.bytes == kGone; });
    }
}

}  // namespace sorbeta::MemoryUsers
