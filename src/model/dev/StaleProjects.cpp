#include "model/dev/StaleProjects.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "model/common/PathId.h"
#include "model/dev/DevDates.h"
#include "model/dev/DevPaths.h"
#include "model/disk/Measure.h"
#include "model/disk/ProjectArtifacts.h"
#include "model/disk/Removal.h"
#include "platform/EntryInfo.h"
#include "platform/PathText.h"
#include "platform/ProcessPlaces.h"
#include "platform/Translate.h"
#include "platform/TreeWalk.h"

namespace sorbeta::DevScan {
namespace {

using Path = std::filesystem::path;

// The reference date of a project without children.
const QDateTime& referenceDate() {
    static const QDateTime date(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    return date;
}

const std::unordered_map<std::string_view, const ProjectArtifacts::Rule*>& dependencyRules() {
    static const auto table = [] {
        std::unordered_map<std::string_view, const ProjectArtifacts::Rule*> byName;
        for (const auto& rule : ProjectArtifacts::rules()) byName.emplace(rule.name, &rule);
        return byName;
    }();
    return table;
}

// Folders the in-use check does not enter: the repository's store, and
// dependency folders as the artifact search knows them (their name with
// their build tool's marker beside them). Their own dates still count.
bool isNotEntered(std::string_view folder) {
    const auto slash = folder.rfind('/');
    if (slash == std::string_view::npos) return false;
    const std::string_view name = folder.substr(slash + 1);
    if (name == ".git") return true;
    const auto rule = dependencyRules().find(name);
    if (rule == dependencyRules().end()) return false;
    const std::string parent(folder.substr(0, slash + 1));
    for (const std::string& marker : rule->second->markers)
        if (platform::entryExists(parent + marker)) return true;
    return false;
}

int64_t millisecondsOf(const platform::EntryInfo& info) {
    return info.modifiedSeconds * 1000 + info.modifiedNanoseconds / 1'000'000;
}

QDateTime lastChangeOf(const Path& project) {
    const std::vector<std::string> children = DevPaths::childrenOf(project);
    if (children.empty()) return referenceDate();
    QDateTime newest = DiskScanner::distantPast();
    for (const std::string& name : children) newest = std::max(newest, DiskScanner::modified(project / name));
    return newest;
}

DevEntry entryFor(const Path& project, const std::vector<Path>& artifacts, int64_t bytes) {
    QStringList names;
    for (const Path& artifact : artifacts) names.append(DevPaths::displayed(artifact.filename()));
    DevEntry entry;
    entry.id = QStringLiteral("stale:") + pathId(project);
    entry.title = DevPaths::displayed(project.filename());
    entry.detail = sorbeta::tr("上次改动 ") + DevDates::abbreviatedDate(lastChangeOf(project)) + QStringLiteral(" · ") +
                   names.join(QStringLiteral(", "));
    entry.bytes = bytes;
    entry.action = DevEntry::Artifacts{artifacts};
    entry.recommended = true;
    return entry;
}

}  // namespace

bool changedSince(const Path& project, const std::vector<Path>& artifacts, const QDateTime& cutoff) {
    std::unordered_set<std::string> own;
    for (const Path& artifact : artifacts) own.insert(artifact.native());
    const std::string root = platform::withoutTrailingSlashes(project.native());
    const int64_t cutoffMs = cutoff.toMSecsSinceEpoch();

    platform::WalkOptions options;
    options.skipFolder = [&](std::string_view folder) {
        if (folder == root) return false;
        return own.count(std::string(folder)) > 0 || isNotEntered(folder);
    };
    platform::TreeWalk walk(root, std::move(options));
    int64_t seen = 0;
    while (const platform::WalkEntry* entry = walk.next()) {
        if (++seen > kInUseEntryLimit) return true;
        switch (entry->error) {
            case platform::WalkError::none: break;
            case platform::WalkError::cycle: continue;
            // Contents or dates that cannot be read may hide a recent change.
            default: return true;
        }
        if (entry->path == root) continue;
        if (entry->info.kind == platform::EntryKind::folder && own.count(std::string(entry->path))) continue;
        if (millisecondsOf(entry->info) > cutoffMs) return true;
    }
    return false;
}

int64_t freedByDeleting(const std::vector<Path>& folders) {
    std::unordered_map<DiskScanner::FileKey, uint64_t, DiskScanner::FileKeyHash> linksMet;
    int64_t total = 0;
    for (const Path& folder : folders) {
        platform::TreeWalk walk(folder);
        while (const platform::WalkEntry* entry = walk.next()) {
            const platform::EntryInfo& info = entry->info;
            if (entry->error == platform::WalkError::failedStat || entry->error == platform::WalkError::failed ||
                info.kind == platform::EntryKind::folder)
                continue;
            if (info.links > 1 && ++linksMet[DiskScanner::FileKey{info.device, info.inode}] != info.links) continue;
            total += info.allocatedBytes;
        }
    }
    return total;
}

std::vector<Path> placesInUse(const DevEnvironment& environment) {
    return environment.placesInUse ? environment.placesInUse() : std::vector<Path>{};
}

bool heldByRunningProgram(const std::vector<Path>& folders, const std::vector<Path>& places) {
    return std::any_of(folders.begin(), folders.end(),
                       [&](const Path& folder) { return platform::anyLiesIn(places, folder); });
}

std::vector<DevEntry> staleProjects(const QDateTime& now, const std::optional<std::vector<Path>>& roots,
                                    const DevEnvironment& environment) {
    const QDateTime cutoff = now.addSecs(-kStaleSeconds);
    const std::vector<Path> found = ProjectArtifacts::find(roots, now, environment.places, environment.git);

    // Each project folder with its artifact folders, in the order found.
    std::vector<std::pair<Path, std::vector<Path>>> projects;
    std::map<Path, std::size_t> indexOf;
    for (const Path& artifact : found) {
        const Path project = artifact.parent_path();
        const auto [it, added] = indexOf.emplace(project, projects.size());
        if (added) projects.emplace_back(project, std::vector<Path>{});
        projects[it->second].second.push_back(artifact);
    }

    // What the running programs hold on to, read once the first idle project needs it.
    std::optional<std::vector<Path>> inUse;
    std::vector<DevEntry> entries;
    for (auto& [project, artifacts] : projects) {
        // What the removal would refuse is never offered.
        std::erase_if(artifacts, [&](const Path& artifact) {
            return !DiskScanner::isSafeToTouch(artifact, true, true, environment.places);
        });
        if (artifacts.empty() || changedSince(project, artifacts, cutoff)) continue;
        if (!inUse) inUse = placesInUse(environment);
        if (heldByRunningProgram(artifacts, *inUse)) continue;
        const int64_t bytes = freedByDeleting(artifacts);
        if (bytes <= kStaleFloor) continue;
        entries.push_back(entryFor(project, artifacts, bytes));
    }
    sortLargestFirst(entries);
    return entries;
}

}  // namespace sorbeta::DevScan
