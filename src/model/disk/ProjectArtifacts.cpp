#include "model/disk/ProjectArtifacts.h"

#include <algorithm>
#include <array>
#include <deque>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "model/catalog/Catalog.h"
#include "model/catalog/LinuxCatalog.h"
#include "model/disk/Access.h"
#include "model/disk/Measure.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/ProcessRunner.h"

namespace sorbeta::ProjectArtifacts {
namespace {

// Breadth-first search stops descending below this depth.
constexpr int kMaxDescendDepth = 5;

const std::unordered_map<std::string, const Rule*>& rulesByName() {
    static const auto table = [] {
        std::unordered_map<std::string, const Rule*> byName;
        for (const Rule& rule : rules()) byName.emplace(rule.name, &rule);
        return byName;
    }();
    return table;
}

bool isSkipDir(const std::string& name) {
    const auto& skip = skipDirs();
    return std::find(skip.begin(), skip.end(), name) != skip.end();
}

bool hasEntry(const Path& folder, const char* name) { return platform::entryExists(folder / name); }

// What a checkout of git, Mercurial, Subversion or Bazaar keeps at its top.
constexpr std::array<const char*, 4> kCheckoutStores = {".git", ".hg", ".svn", ".bzr"};

bool isCheckoutStore(const std::string& name) {
    return std::any_of(kCheckoutStores.begin(), kCheckoutStores.end(),
                       [&](const char* store) { return name == store; });
}

// A folder that is a checkout of its own. Any store entry counts, even a
// link that leads nowhere.
bool isCheckout(const Path& folder) {
    return std::any_of(kCheckoutStores.begin(), kCheckoutStores.end(),
                       [&](const char* store) { return hasEntry(folder, store); });
}

// A folder of its own: not a link, not a package.
bool isRealDirectory(const Path& path) {
    const auto info = platform::entryInfo(path);
    return info && info->kind == platform::EntryKind::folder && !platform::isPackageName(path.filename().native());
}

bool isInsideGitRepo(const Path& path, const Path& homeFolder) {
    const std::string& home = homeFolder.native();
    Path dir = path.parent_path();
    // The home folder itself included: a repository of one's settings there
    // may track files anywhere below.
    while (dir.native().size() >= home.size()) {
        // Any ".git" entry counts, even a link that leads nowhere: then git
        // is asked, fails, and the folder is kept.
        if (hasEntry(dir, ".git")) return true;
        const Path parent = dir.parent_path();
        if (parent == dir) break;
        dir = parent;
    }
    return false;
}

// Whether git tracks anything under the artifact's name. Any doubt (git
// missing, failing or hanging) answers tracked, which keeps the folder.
bool isTracked(const Path& artifact, const Path& project, const Path& home, const Git& git) {
    platform::ProcessOptions options;
    options.environment = {"PATH=/usr/bin:/bin", "HOME=" + home.native(), "GIT_CONFIG_NOSYSTEM=1",
                           "GIT_TERMINAL_PROMPT=0", "GIT_OPTIONAL_LOCKS=0"};
    options.timeLimit = git.timeLimit;
    const auto result = platform::runProcess(
        git.executable,
        {"-c", "core.fsmonitor=false", "-c", "core.hooksPath=/dev/null", "-c", "core.untrackedCache=false", "-C",
         project.native(), "ls-files", "--", artifact.filename().native()},
        options);
    return !result.succeeded() || !result.out.empty();
}

// Newer than the cutoff, or a date that cannot be read: this folder deletes
// whole trees, so a doubtful date keeps it.
bool isRecent(const Path& path, const QDateTime& cutoff) {
    const QDateTime date = DiskScanner::modified(path);
    return date == DiskScanner::distantPast() || date > cutoff;
}

bool isRemovable(const Path& artifact, const Path& project, const QDateTime& cutoff, const platform::Places& places,
                 const Git& git) {
    if (isCheckout(artifact)) return false;
    if (isRecent(artifact, cutoff)) return false;
    if (const auto names = platform::listNames(artifact)) {
        for (const std::string& name : *names) {
            if (isRecent(artifact / name, cutoff)) return false;
        }
    }
    if (holdsRepository(artifact)) return false;
    if (hasEntry(project, ".git") || isInsideGitRepo(project, places.home))
        return !isTracked(artifact, project, places.home, git);
    return true;
}

}  // namespace

const std::vector<Rule>& rules() {
    static const std::vector<Rule> table{
        {"node_modules", {"package.json"}},
        {".next", {"package.json"}},
        {".nuxt", {"package.json"}},
        {".svelte-kit", {"package.json"}},
        {".angular", {"package.json"}},
        {".turbo", {"package.json"}},
        {".parcel-cache", {"package.json"}},
        {".expo", {"package.json"}},
        {"target", {"Cargo.toml"}},
        {".build", {"Package.swift"}},
        {"Pods", {"Podfile"}},
        {".dart_tool", {"pubspec.yaml"}},
        {"build", {"build.gradle", "build.gradle.kts"}},
        {".gradle", {"build.gradle", "build.gradle.kts", "settings.gradle"}},
        {".venv", {"pyproject.toml", "requirements.txt", "setup.py"}},
        {"venv", {"pyproject.toml", "requirements.txt", "setup.py"}},
        {"__pycache__", {"pyproject.toml", "requirements.txt", "setup.py"}},
        {".pytest_cache", {"pyproject.toml", "requirements.txt", "setup.py", "pytest.ini"}},
        {".mypy_cache", {"pyproject.toml", "requirements.txt", "setup.py"}},
        {".ruff_cache", {"pyproject.toml", "requirements.txt", "setup.py", "ruff.toml"}},
        {".tox", {"tox.ini", "pyproject.toml"}},
        {"zig-out", {"build.zig"}},
        {".zig-cache", {"build.zig"}},
    };
    return table;
}

const std::vector<std::string>& skipDirs() {
    static const std::vector<std::string> names{".git", "Library", ".Trash", "Applications", "DerivedData"};
    return names;
}

const std::vector<std::string>& searchRoots() {
    // The code category's folders, and the lower-case ones Linux users keep.
    static const std::vector<std::string> roots = [] {
        std::vector<std::string> all = Catalog::category("projects")->roots;
        const std::vector<std::string>& linux = LinuxCatalog::codeFolders();
        all.insert(all.end(), linux.begin(), linux.end());
        return all;
    }();
    return roots;
}

// Whether a checkout's store (".git", ".hg", ".svn", ".bzr") lies anywhere
// inside: a checkout someone keeps there (pip puts editable installs from
// version control in venv/src/<name>) holds work that exists nowhere else.
// Names and kinds come from the listings alone, so this costs no look at
// each file. A folder that cannot be listed may hide one.
bool holdsRepository(const Path& artifact) {
    std::vector<Path> pending{artifact};
    while (!pending.empty()) {
        const Path folder = std::move(pending.back());
        pending.pop_back();
        const auto children = platform::listChildren(folder);
        if (!children) return true;
        for (const platform::ListedChild& child : *children) {
            if (isCheckoutStore(child.name)) return true;
            if (child.isFolder) pending.push_back(folder / child.name);
        }
    }
    return false;
}

std::vector<Path> find(const std::optional<std::vector<Path>>& roots, const QDateTime& now,
                       const platform::Places& places, const Git& git) {
    const QDateTime cutoff = now.addSecs(-kAgeWindowSeconds);

    std::vector<Path> starts;
    if (roots) {
        starts = *roots;
    } else {
        for (const std::string& root : searchRoots()) starts.push_back(places.expandTilde(root));
    }

    struct Pending {
        Path dir;
        int depth = 0;
        uint64_t device = 0;  // of the code folder it was reached from
    };
    std::deque<Pending> queue;
    for (Path start : starts) {
        if (auto resolved = platform::resolvedPath(start)) start = std::move(*resolved);
        const auto info = platform::entryInfo(start);
        if (!info) continue;
        if (DiskScanner::limited() && Access::wouldPrompt(start, places)) continue;
        queue.push_back({std::move(start), 0, info->device});
    }

    const auto& byName = rulesByName();
    std::unordered_set<std::string> visited;
    std::vector<Path> results;
    while (!queue.empty()) {
        const auto [dir, depth, device] = std::move(queue.front());
        queue.pop_front();
        if (!visited.insert(dir.native()).second) continue;

        const auto listing = platform::listNames(dir);
        if (!listing) continue;
        const std::set<std::string> names(listing->begin(), listing->end());

        std::set<std::string> found;
        for (const std::string& name : *listing) {
            const auto rule = byName.find(name);
            if (rule == byName.end()) continue;
            const auto& markers = rule->second->markers;
            const bool hasMarker = std::any_of(markers.begin(), markers.end(),
                                               [&](const std::string& marker) { return names.count(marker) > 0; });
            if (!hasMarker) continue;
            const Path child = dir / name;
            if (!isRealDirectory(child)) continue;
            found.insert(name);
            if (isRemovable(child, dir, cutoff, places, git)) results.push_back(child);
        }

        if (depth > kMaxDescendDepth) continue;
        for (const std::string& name : *listing) {
            if (found.count(name) || isSkipDir(name) || name.front() == '.' || byName.count(name)) continue;
            const Path child = dir / name;
            const auto info = platform::entryInfo(child);
            if (!info) continue;
            // A share mounted inside a code folder is another machine's
            // disk: never searched, so never listed folder by folder.
            if (info->kind == platform::EntryKind::folder && !platform::isPackageName(name) && info->device == device)
                queue.push_back({child, depth + 1, device});
        }
    }
    return results;
}

}  // namespace sorbeta::ProjectArtifacts
