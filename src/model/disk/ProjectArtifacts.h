#pragma once
// Dependency and build folders of code projects (node_modules, target, .venv…)
// that can be regenerated: found only beside their build tool's marker file,
// untouched for 7 days, not a repository themselves and not tracked by git.
#include <QDateTime>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Places.h"

namespace sorbeta::ProjectArtifacts {

using Path = std::filesystem::path;

struct Rule {
    std::string name;                  // the artifact folder's exact name
    std::vector<std::string> markers;  // any one of them must sit beside it, tried in order
};

// The 23 artifact folder names with their marker files, in table order.
const std::vector<Rule>& rules();
// Folder names the search never enters.
const std::vector<std::string>& skipDirs();
// The default code folders, as tilde paths.
const std::vector<std::string>& searchRoots();

// Nothing in an artifact may have changed during this window.
inline constexpr int64_t kAgeWindowSeconds = 604'800;
// A git that does not answer within this time is killed and the artifact kept.
inline constexpr std::chrono::milliseconds kGitTimeLimit{10'000};

// The version-control tool asked whether an artifact is tracked. Tests hand
// in a missing or a hanging one.
struct Git {
    Path executable = "/usr/bin/git";
    std::chrono::milliseconds timeLimit = kGitTimeLimit;
};

// Whether a checkout's store (".git", ".hg", ".svn" or ".bzr") lies anywhere
// inside `artifact`, or a folder in it cannot be listed: such a folder may
// hold a checkout and is never removed.
bool holdsRepository(const Path& artifact);

// The removable artifact folders below `roots` (the default code folders of
// `places` when nullopt), in the order found. Slow: lists folders and may run
// git; call it off the main thread.
std::vector<Path> find(const std::optional<std::vector<Path>>& roots, const QDateTime& now,
                       const platform::Places& places, const Git& git = {});

}  // namespace sorbeta::ProjectArtifacts
