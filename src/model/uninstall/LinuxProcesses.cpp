#include "model/uninstall/LinuxProcesses.h"

#include <deque>
#include <map>

#include "model/uninstall/UserEntries.h"

namespace sorbeta::AppProcesses {
namespace {

using platform::ProcessSample;

enum class Role { none, application, runtime, helper };

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// Runs from where AppImages put their files while they run: the runtime's
// mount, or the folder an AppImage extracts itself to.
bool runsFromAppImage(const Path& executable, const Path& bundle) {
    if (executable.empty()) return false;
    if (executable == bundle) return true;
    for (const Path& part : executable) {
        const std::string& name = part.native();
        if (startsWith(name, ".mount_") || startsWith(name, "appimage_extracted_")) return true;
    }
    return false;
}

class Tree {
public:
    explicit Tree(const std::vector<ProcessSample>& samples) : samples_(samples) {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            index_[samples[i].pid] = i;
            children_[samples[i].parent].push_back(samples[i].pid);
        }
    }

    const ProcessSample* find(int pid) const {
        const auto it = index_.find(pid);
        return it == index_.end() ? nullptr : &samples_[it->second];
    }

    // The processes that may carry APPIMAGE: those running from an AppImage,
    // their parents (a script started by the AppImage) and all they started.
    std::set<int> appImageTree(const Path& bundle) const {
        std::set<int> tree;
        std::deque<int> pending;
        for (const ProcessSample& sample : samples_) {
            if (!runsFromAppImage(sample.executable, bundle)) continue;
            pending.push_back(sample.pid);
            if (find(sample.parent)) tree.insert(sample.parent);
        }
        std::set<int> visited;
        while (!pending.empty()) {
            const int pid = pending.front();
            pending.pop_front();
            if (!visited.insert(pid).second) continue;
            tree.insert(pid);
            if (const auto it = children_.find(pid); it != children_.end())
                for (const int child : it->second) pending.push_back(child);
        }
        return tree;
    }

private:
    const std::vector<ProcessSample>& samples_;
    std::map<int, std::size_t> index_;
    std::map<int, std::vector<int>> children_;
};

// The process the desktop started in the application's own unit: the
// earliest of the unit's processes whose parent is outside it.
int unitTop(const InstalledApp& app, const std::vector<ProcessSample>& table, const Tree& tree,
            const std::map<int, Role>& roles, const platform::ProcFolder& proc) {
    if (app.desktop.entry.empty()) return 0;
    const std::string id = app.bundleID.toStdString();
    std::set<int> inUnit;
    for (const ProcessSample& sample : table)
        if (platform::appUnitRuns(proc.appUnit(sample.pid), id)) inUnit.insert(sample.pid);
    const ProcessSample* top = nullptr;
    for (const int pid : inUnit) {
        const ProcessSample* sample = tree.find(pid);
        const auto role = roles.find(pid);
        if (inUnit.count(sample->parent) || (role != roles.end() && role->second == Role::runtime)) continue;
        if (!top || sample->startTime < top->startTime) top = sample;
    }
    return top ? top->pid : 0;
}

}  // namespace

std::vector<AppProcess> findForLinuxApp(const InstalledApp& app, const std::vector<ProcessSample>& table,
                                        const std::set<std::string>& programs, const platform::ProcFolder& proc) {
    const Path bundle = Uninstaller::comparablePath(app.url.native());
    const Tree tree(table);
    std::map<int, Role> roles;
    if (app.kind == AppKind::appImage) {
        for (const int pid : tree.appImageTree(bundle)) {
            const ProcessSample* sample = tree.find(pid);
            if (!sample) continue;
            if (sample->executable == bundle) {
                roles[pid] = Role::runtime;
            } else if (const auto image = proc.environment(pid, "APPIMAGE");
                       image && Uninstaller::comparablePath(*image) == bundle) {
                roles[pid] = Role::application;
            }
        }
    } else {
        for (const ProcessSample& sample : table)
            if (sample.executable != bundle && Uninstaller::liesIn(sample.executable, bundle))
                roles[sample.pid] = Role::application;
    }
    for (const ProcessSample& sample : table)
        if (!roles.count(sample.pid) && programs.count(sample.executable.native())) roles[sample.pid] = Role::helper;

    std::set<int> mains;
    for (const auto& [pid, role] : roles) {
        if (role != Role::application) continue;
        const ProcessSample* sample = tree.find(pid);
        const ProcessSample* parent = tree.find(sample->parent);
        if (app.kind == AppKind::appImage) {
            // The topmost of the application's processes.
            const auto parentRole = parent ? roles.find(parent->pid) : roles.end();
            if (parentRole == roles.end() || parentRole->second != Role::application) mains.insert(pid);
        } else if (!app.desktop.program.empty() && sample->executable == app.desktop.program &&
                   (!parent || parent->executable != app.desktop.program)) {
            mains.insert(pid);
        }
    }
    if (const int top = unitTop(app, table, tree, roles, proc)) {
        mains.insert(top);
        if (!roles.count(top) || roles[top] == Role::helper) roles[top] = Role::application;
    }
    // Started through a launcher that execs the real program (a script, a
    // terminal) and outside the desktop's unit, no process runs the entry's
    // program. The topmost of the folder's are then the application: only
    // ever asked to quit, never killed with the user's work. What its agents
    // run is background all the same.
    if (app.kind == AppKind::folder && mains.empty()) {
        for (const auto& [pid, role] : roles) {
            const ProcessSample* sample = tree.find(pid);
            if (role != Role::application || programs.count(sample->executable.native())) continue;
            const auto parentRole = roles.find(sample->parent);
            if (parentRole == roles.end() || parentRole->second != Role::application) mains.insert(pid);
        }
    }

    std::vector<AppProcess> result;
    for (const ProcessSample& sample : table) {
        const auto role = roles.find(sample.pid);
        if (role == roles.end()) continue;
        const bool isMain = mains.count(sample.pid) > 0;
        result.push_back(AppProcess{sample, isMain, isMain, role->second == Role::runtime});
    }
    return result;
}

}  // namespace sorbeta::AppProcesses
