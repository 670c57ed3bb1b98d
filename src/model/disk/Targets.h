#pragma once
// The pattern half of DiskScanner: catalog patterns become concrete paths, and
// a cleaning rule's targets are filtered by existence, running applications,
// count and age. Synchronous, callable from any thread, never throws.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/catalog/CatalogTypes.h"
#include "model/disk/ProjectArtifacts.h"
#include "platform/Places.h"

namespace sorbeta::DiskScanner {

using Path = std::filesystem::path;

// A catalog pattern ("~/Library/Caches/*/x", "{cache}/*/x") as the paths it
// names: pieces with "*" are matched against folder listings in listing order
// (dot-names included); a pattern without "*" is one path, whether or not it
// exists; a pattern whose place this home does not have names nothing. A
// folder that is the home or above it, its links resolved, is never listed.
std::vector<Path> expand(const std::string& pattern, const platform::Places& places);
// The roots' expansions, then the children of `childrenOf` except the names
// excluded and those starting with an excluded prefix (any letter case);
// none when `childrenOf` is the home or above it, its links resolved.
std::vector<Path> resolveRoots(const std::vector<std::string>& roots, const std::optional<std::string>& childrenOf,
                               const std::set<std::string>& excluding,
                               const std::vector<std::string>& excludingPrefixes, const platform::Places& places);
// A cleaning rule's existing targets after its filters: running applications'
// folders spared (`running`: their lower-cased names; a folder in a sandbox
// goes by its application's), the newest of each folder kept, then the
// minimum age. The row's own roots first, then its Linux layer's (see
// RowRoots.h). Project artifacts are found with `git`.
std::vector<Path> targets(const CleanSpec& spec, const std::set<std::string>& running, const platform::Places& places,
                          const ProjectArtifacts::Git& git = {});

// The same targets in groups that may touch different places: the row's own,
// and its Linux layer's, which may lie in the user's own folders where the
// row's do not.
struct TargetGroup {
    std::vector<Path> paths;
    bool allowUserFolders = false;
};
std::vector<TargetGroup> targetGroups(const CleanSpec& spec, const std::set<std::string>& running,
                                      const platform::Places& places, const ProjectArtifacts::Git& git = {});

// The targets of which clean() would really take something (see wouldClean):
// a place reached through a link out of the home, or another file system
// mounted on a folder the rule only empties, is never offered to the user.
std::vector<Path> cleanableTargets(const CleanSpec& spec, const std::set<std::string>& running,
                                   const platform::Places& places, const ProjectArtifacts::Git& git = {});

}  // namespace sorbeta::DiskScanner
