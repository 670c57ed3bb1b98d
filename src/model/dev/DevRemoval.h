#pragma once
// Carrying out the entries the user ticked on the developer and files pages:
// simulator data through the simulator tool, developer folders and user
// files to the Trash, project dependencies deleted outright, the container
// engine's prune. Every entry is tried; none throws. Blocking (tools run with
// long time limits): call it on a worker thread.
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/dev/DevEnvironment.h"
#include "model/dev/DevTypes.h"

namespace sorbeta::DevScan {

// What one removal came to: the sizes shown for the entries that went (and
// what went of a project whose folders did not all go), and how many did not.
struct RemovalOutcome {
    int64_t bytes = 0;
    int failed = 0;
    bool operator==(const RemovalOutcome&) const = default;
};

// Moves one user file to the Trash (the file finder's guarded move); true
// when it was moved.
using TrashFile = std::function<bool(const std::filesystem::path&)>;

// The entries in order. A succeeded entry adds the size its row showed; the
// container prune adds what the engine says it reclaimed (its estimate counts
// data a prune keeps). A project whose folders did not all go counts as
// failed and adds what did go. A reveal-only entry always counts as failed.
RemovalOutcome perform(const std::vector<DevEntry>& entries, const DevEnvironment& environment,
                       const TrashFile& trashFile);

// 8-4-4-4-12 hexadecimal digits with hyphens, nothing else.
bool isUuidText(const QString& text);

// Where developer folders may go to the Trash from, with their links
// resolved: inside the archives, the Android images and emulators (of every
// SDK the environment names), and "<applications>/Xcode" as a bare prefix
// that admits every application named Xcode….
std::vector<std::string> trashPrefixes(const DevEnvironment& environment);

// Moves the items to the Trash, each only when its path (the folder holding
// it resolved, "." and ".." removed) starts with one of trashPrefixes();
// items already gone are passed over. True only when every item was allowed
// and at least one was moved.
bool trash(const std::vector<std::filesystem::path>& urls, const DevEnvironment& environment);

// Whether a dependency folder may still go: it is a real folder (no link)
// named as an artifact rule says, with one of that rule's markers beside it,
// inside the home folder's safe places.
bool isStillArtifact(const std::filesystem::path& url, const DevEnvironment& environment);

// Deletes the artifact folders of one project, each only after checking
// again that it is an artifact, that the project is still idle and that no
// running program holds on to anything inside its folders. Returns
// the bytes that went; `whole`, when given, tells whether every folder that
// was there went (folders already gone do not count against it).
int64_t deleteArtifacts(const std::vector<std::filesystem::path>& urls, const DevEnvironment& environment,
                        bool* whole = nullptr);

}  // namespace sorbeta::DevScan
