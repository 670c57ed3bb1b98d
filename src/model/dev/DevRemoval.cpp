#include "model/dev/DevRemoval.h"

#include <map>

#include "model/dev/ContainerData.h"
#include "model/dev/DevRun.h"
#include "model/dev/StaleProjects.h"
#include "model/disk/Measure.h"
#include "model/disk/ProjectArtifacts.h"
#include "model/disk/Removal.h"
#include "platform/EntryInfo.h"
#include "platform/Trash.h"

namespace sorbeta::DevScan {
namespace {

using Path = std::filesystem::path;

// A folder as its links lead (as it is written when it does not exist).
std::string resolvedText(const Path& folder) {
    return platform::resolvedPath(folder).value_or(folder.lexically_normal()).native();
}

bool simulatorTool(const DevEnvironment& environment, std::vector<std::string> arguments) {
    return run(environment.xcrun, arguments, environment.toolTimeLimit, environment.toolEnvironment).has_value();
}

// A file recorded with an identity must still have it: otherwise it was
// edited or replaced since it was offered, and is not what the user saw.
bool stillAsOffered(const Path& url, const std::optional<DevEntry::FileIdentity>& identity) {
    return !identity || DevEntry::FileIdentity::of(url) == identity;
}

// A duplicate goes only while its kept copy is there unchanged, so the move
// never takes the last copy or the newer edit.
bool safeToMove(const DevEntry::TrashFile& action) {
    if (!stillAsOffered(action.url, action.identity)) return false;
    if (action.kept.empty()) return true;
    return action.keptIdentity && stillAsOffered(action.kept, action.keptIdentity);
}

struct Carried {
    bool succeeded = false;
    int64_t bytes = 0;
};

Carried carryOut(const DevEntry& entry, const DevEnvironment& environment, const TrashFile& trashFile) {
    // A removal that worked frees what the row showed.
    const auto shown = [&](bool succeeded) { return Carried{succeeded, succeeded ? entry.bytes : 0}; };
    return std::visit(
        [&](const auto& action) -> Carried {
            using Action = std::decay_t<decltype(action)>;
            if constexpr (std::is_same_v<Action, DevEntry::SimRuntime>) {
                // Only a real identifier ever reaches the tool.
                if (!isUuidText(action.identifier)) return {};
                return shown(
                    simulatorTool(environment, {"simctl", "runtime", "delete", action.identifier.toStdString()}));
            } else if constexpr (std::is_same_v<Action, DevEntry::SimDevice>) {
                if (!isUuidText(action.udid)) return {};
                return shown(simulatorTool(environment, {"simctl", "delete", action.udid.toStdString()}));
            } else if constexpr (std::is_same_v<Action, DevEntry::Trash>) {
                return shown(trash(action.urls, environment));
            } else if constexpr (std::is_same_v<Action, DevEntry::Artifacts>) {
                bool whole = false;
                const int64_t freed = deleteArtifacts(action.urls, environment, &whole);
                // Folders that stayed: the entry failed, and freed only what went.
                if (!whole) return Carried{false, freed};
                return shown(freed >= 1);
            } else if constexpr (std::is_same_v<Action, DevEntry::TrashFile>) {
                return shown(trashFile && safeToMove(action) && trashFile(action.url));
            } else if constexpr (std::is_same_v<Action, DevEntry::Reveal>) {
                return {};  // nothing to remove: never a success
            } else {
                const PruneResult prune = pruneDocker(environment);
                return Carried{prune.succeeded, prune.succeeded ? prune.freed : 0};
            }
        },
        entry.action);
}

}  // namespace

RemovalOutcome perform(const std::vector<DevEntry>& entries, const DevEnvironment& environment,
                       const TrashFile& trashFile) {
    RemovalOutcome outcome;
    for (const DevEntry& entry : entries) {
        const Carried carried = carryOut(entry, environment, trashFile);
        outcome.bytes += carried.bytes;
        if (!carried.succeeded) ++outcome.failed;
    }
    return outcome;
}

bool isUuidText(const QString& text) {
    if (text.size() != 36) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (c != u'-') return false;
        } else if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> trashPrefixes(const DevEnvironment& environment) {
    const Path& home = environment.places.home;
    std::vector<Path> folders{home / "Library/Developer/Xcode/Archives", home / "Library/Android/sdk/system-images",
                              home / ".android/avd"};
    for (const Path& root : environment.androidImageRoots) folders.push_back(root);
    folders.push_back(environment.androidEmulators);
    std::vector<std::string> prefixes;
    for (const Path& folder : folders) {
        if (folder.empty()) continue;
        std::string prefix = resolvedText(folder);
        if (prefix.empty() || prefix.back() != '/') prefix += '/';
        if (std::find(prefixes.begin(), prefixes.end(), prefix) == prefixes.end()) prefixes.push_back(prefix);
    }
    // No separator: it admits Xcode.app, Xcode-beta.app, Xcode_15.app….
    std::string applications = resolvedText(environment.applications);
    if (applications != "/") applications += '/';
    prefixes.push_back(applications + "Xcode");
    return prefixes;
}

bool trash(const std::vector<Path>& urls, const DevEnvironment& environment) {
    const std::vector<std::string> prefixes = trashPrefixes(environment);
    bool ok = true;
    bool moved = false;
    for (const Path& url : urls) {
        // Judged with its folder resolved, so neither ".." nor a link on the
        // way leads a move out of the allowed places.
        const auto path = DiskScanner::normalised(url);
        const bool allowed = path && std::any_of(prefixes.begin(), prefixes.end(), [&](const std::string& prefix) {
                                 return path->native().starts_with(prefix);
                             });
        if (!allowed) {
            ok = false;
            continue;
        }
        if (!platform::entryExists(*path)) continue;
        if (platform::Trash::moveToTrash(*path, environment.places).item)
            moved = true;
        else
            ok = false;
    }
    return ok && moved;
}

bool isStillArtifact(const Path& url, const DevEnvironment& environment) {
    const auto info = platform::entryInfo(url);
    if (!info || info->kind != platform::EntryKind::folder) return false;
    const std::string name = url.filename().native();
    // A name may stand in several rules (one per build tool): any of them will do.
    for (const ProjectArtifacts::Rule& rule : ProjectArtifacts::rules()) {
        if (rule.name != name) continue;
        for (const std::string& marker : rule.markers)
            if (platform::entryExists(url.parent_path() / marker))
                return DiskScanner::isSafeToTouch(url, true, true, environment.places);
    }
    return false;
}

int64_t deleteArtifacts(const std::vector<Path>& urls, const DevEnvironment& environment, bool* whole) {
    // The page may have stood open for days: each project must still be idle
    // and each folder still what the search found.
    bool left = false;
    std::map<Path, std::vector<Path>> byProject;
    for (const Path& url : urls) {
        const auto path = DiskScanner::normalised(url);
        if (!path) {
            left = left || platform::entryExists(url);
            continue;
        }
        if (!platform::entryExists(*path)) continue;
        if (!isStillArtifact(*path, environment) || ProjectArtifacts::holdsRepository(*path)) {
            left = true;
            continue;
        }
        byProject[path->parent_path()].push_back(*path);
    }
    const QDateTime cutoff = environment.now().addSecs(-kStaleSeconds);
    // A program started since the search may run from one of them now.
    const std::vector<Path> inUse = byProject.empty() ? std::vector<Path>{} : placesInUse(environment);
    int64_t freed = 0;
    for (const auto& [project, artifacts] : byProject) {
        if (changedSince(project, artifacts, cutoff) || heldByRunningProgram(artifacts, inUse)) {
            left = true;
            continue;
        }
        for (const Path& artifact : artifacts) {
            const int64_t size = freedByDeleting({artifact});
            freed += DiskScanner::removeMeasured(artifact, size);
            left = left || platform::entryExists(artifact);
        }
    }
    if (whole) *whole = !left;
    return freed;
}

}  // namespace sorbeta::DevScan
