#pragma once
// Code projects nobody touched for months whose dependency and build folders
// can go: only regenerable folders, never code or what git tracks.
#include <QDateTime>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/dev/DevEnvironment.h"
#include "model/dev/DevTypes.h"

namespace sorbeta::DevScan {

// A project with any change in this window is in use.
inline constexpr int64_t kStaleSeconds = 7'776'000;  // 90 days
// Projects whose removable folders take no more than this are not listed.
inline constexpr int64_t kStaleFloor = 50'000'000;
// The in-use check looks at no more entries than this; a larger tree counts as in use.
inline constexpr int64_t kInUseEntryLimit = 200'000;

// Whether anything in the project's tree changed after `cutoff`: every file
// and folder except its own artifact folders, without entering dependency
// folders or the repository's store (their own dates count). Stops at the
// first recent entry; an entry it cannot examine counts as recent.
bool changedSince(const std::filesystem::path& project, const std::vector<std::filesystem::path>& artifacts,
                  const QDateTime& cutoff);

// What deleting the folders frees. A file that also has links outside them
// frees nothing when its names here go (pnpm and uv link every installed
// file from their stores), so a file counts only once all its links were met
// inside; folders and links count as in DiskScanner::size.
int64_t freedByDeleting(const std::vector<std::filesystem::path>& folders);

// What the running programs hold on to now (DevEnvironment::placesInUse).
std::vector<std::filesystem::path> placesInUse(const DevEnvironment& environment);
// Whether one of `places` lies inside one of the folders: a service started
// from a virtual environment or a build's binary months ago leaves its
// project idle, yet its folders are in use.
bool heldByRunningProgram(const std::vector<std::filesystem::path>& folders,
                          const std::vector<std::filesystem::path>& places);

// One entry per idle project below `roots` (the default code folders when
// nullopt) whose folders no running program holds on to and whose deletion
// frees more than the floor, largest first; all recommended.
std::vector<DevEntry> staleProjects(const QDateTime& now,
                                    const std::optional<std::vector<std::filesystem::path>>& roots,
                                    const DevEnvironment& environment);

}  // namespace sorbeta::DevScan
