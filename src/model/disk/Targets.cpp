// The pattern half of DiskScanner: catalog patterns become concrete paths, and
// a cleaning rule's targets are filtered by existence, running apps, count and age.
#include "model/disk/Targets.h"

#include <algorithm>
#include <unordered_map>

#include "model/disk/Access.h"
#include "model/disk/Measure.h"
#include "model/disk/ProjectArtifacts.h"
#include "model/disk/Removal.h"
#include "model/disk/RowRoots.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta::DiskScanner {
namespace {

using platform::withoutTrailingSlashes;

std::vector<std::string> pieces(const std::string& path) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start) result.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::vector<Path> expand(const std::string& pattern, const platform::Places& places) {
    const auto base = places.expandPlace(pattern);
    if (!base) return {};  // a place this home does not have
    const std::string expanded = base->native();
    const std::size_t star = expanded.find('*');
    if (limited()) {
        const std::string fixed = withoutTrailingSlashes(expanded.substr(0, star));
        if (Access::wouldPrompt(Path(fixed), places)) return {};
    }
    if (star == std::string::npos) return {Path(withoutTrailingSlashes(expanded))};

    std::vector<Path> candidates{Path("/")};
    for (const std::string& piece : pieces(expanded)) {
        std::vector<Path> next;
        if (piece.find('*') == std::string::npos) {
            next.reserve(candidates.size());
            for (const Path& candidate : candidates) next.push_back(candidate / piece);
        } else {
            for (const Path& candidate : candidates) {
                // {config}/*/logs with ~/.config linked to ~ would be ~/*/logs.
                if (places.holdsHome(candidate)) continue;
                const auto names = platform::listNames(candidate);
                if (!names) continue;
                for (const std::string& name : *names) {
                    if (platform::matchesGlob(piece, name)) next.push_back(candidate / name);
                }
            }
        }
        candidates = std::move(next);
    }
    return candidates;
}

std::vector<Path> resolveRoots(const std::vector<std::string>& roots, const std::optional<std::string>& childrenOf,
                               const std::set<std::string>& excluding,
                               const std::vector<std::string>& excludingPrefixes, const platform::Places& places) {
    std::vector<Path> result;
    for (const std::string& root : roots) {
        auto expanded = expand(root, places);
        result.insert(result.end(), expanded.begin(), expanded.end());
    }
    const auto base = childrenOf ? places.expandPlace(*childrenOf) : std::nullopt;
    if (base) {
        const Path folder(withoutTrailingSlashes(base->native()));
        const bool unlisted = (limited() && Access::wouldPrompt(folder, places)) || places.holdsHome(folder);
        const auto names = unlisted ? std::nullopt : platform::listNames(folder);
        if (names) {
            std::vector<std::string> prefixes;
            for (const std::string& prefix : excludingPrefixes) prefixes.push_back(platform::lowercased(prefix));
            for (const std::string& name : *names) {
                if (excluding.count(name)) continue;
                const std::string lower = platform::lowercased(name);
                if (std::any_of(prefixes.begin(), prefixes.end(),
                                [&](const std::string& prefix) { return startsWith(lower, prefix); }))
                    continue;
                result.push_back(folder / name);
            }
        }
    }
    if (limited()) {
        std::erase_if(result, [&](const Path& path) { return Access::wouldPrompt(path, places); });
    }
    return result;
}

namespace {

// A rule's candidates after its filters: existing ones, running applications'
// folders spared, the newest of each folder kept, then the minimum age.
std::vector<Path> filtered(std::vector<Path> found, const CleanSpec& spec, const std::set<std::string>& running,
                           const platform::Places& places, const QDateTime& now) {
    std::erase_if(found, [](const Path& path) { return !platform::exists(path); });

    if (!running.empty()) {
        // A folder is an application's by its own name, or by the sandbox it lies in.
        std::erase_if(found, [&](const Path& path) {
            return running.count(platform::lowercased(path.filename().native())) > 0 ||
                   running.count(platform::lowercased(sandboxOwner(path, places))) > 0;
        });
    }

    if (spec.keepNewest > 0) {
        // Groups in order of first appearance, so the result is stable.
        std::vector<std::string> order;
        std::unordered_map<std::string, std::vector<std::pair<Path, QDateTime>>> groups;
        for (const Path& path : found) {
            const std::string parent = path.parent_path().native();
            auto [it, fresh] = groups.try_emplace(parent);
            if (fresh) order.push_back(parent);
            it->second.emplace_back(path, modified(path));
        }
        std::vector<Path> kept;
        for (const std::string& parent : order) {
            auto& members = groups[parent];
            std::stable_sort(members.begin(), members.end(),
                             [](const auto& a, const auto& b) { return a.second > b.second; });
            for (std::size_t i = std::size_t(spec.keepNewest); i < members.size(); ++i)
                kept.push_back(members[i].first);
        }
        found = std::move(kept);
    }

    if (spec.minAgeDays > 0) {
        const QDateTime cutoff = now.addSecs(-spec.minAgeDays * 86400);
        std::erase_if(found, [&](const Path& path) { return !(modified(path) < cutoff); });
    }
    return found;
}

}  // namespace

std::vector<TargetGroup> targetGroups(const CleanSpec& spec, const std::set<std::string>& running,
                                      const platform::Places& places, const ProjectArtifacts::Git& git) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::vector<Path> own =
        spec.source == CleanSpec::Source::projectArtifacts
            ? ProjectArtifacts::find(std::nullopt, now, places, git)
            : resolveRoots(spec.roots, spec.childrenOf, spec.excludingChildren, spec.excludingPrefixes, places);
    std::vector<Path> onLinux = linuxCandidates(spec, own, places);
    const LinuxCatalog::RuleLayer* layer = LinuxCatalog::rule(spec.id);
    const bool linuxUserFolders = spec.allowUserFolders || (layer && layer->allowUserFolders);
    // A pattern with "*" may meet a secret folder ({config}/*/logs in
    // gcloud's settings): what the clean would refuse is not offered either.
    std::erase_if(onLinux,
                  [&](const Path& path) { return !isSafeToTouch(path, linuxUserFolders, spec.removeRoots, places); });
    std::vector<TargetGroup> groups;
    groups.push_back({filtered(std::move(own), spec, running, places, now), spec.allowUserFolders});
    groups.push_back({filtered(std::move(onLinux), spec, running, places, now), linuxUserFolders});
    return groups;
}

std::vector<Path> targets(const CleanSpec& spec, const std::set<std::string>& running, const platform::Places& places,
                          const ProjectArtifacts::Git& git) {
    std::vector<Path> all;
    for (TargetGroup& group : targetGroups(spec, running, places, git))
        all.insert(all.end(), std::make_move_iterator(group.paths.begin()), std::make_move_iterator(group.paths.end()));
    return all;
}

std::vector<Path> cleanableTargets(const CleanSpec& spec, const std::set<std::string>& running,
                                   const platform::Places& places, const ProjectArtifacts::Git& git) {
    std::vector<Path> kept;
    for (TargetGroup& group : targetGroups(spec, running, places, git))
        for (Path& path : group.paths)
            if (wouldClean(path, spec.removeRoots, group.allowUserFolders, places)) kept.push_back(std::move(path));
    return kept;
}

}  // namespace sorbeta::DiskScanner
