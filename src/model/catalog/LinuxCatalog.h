#pragma once
// The catalog's Linux layer: for each row that has a counterpart on a Linux
// desktop, the places Linux applications really use for the same thing, and
// the names under which the running-applications list and the process table
// show those applications. The rows themselves stay as they are; the layer
// is joined to a row's own roots when its places are resolved. A row without
// an entry here measures only its own roots.
//
// Patterns begin with a place name that Places::expandPlace knows ("{cache}",
// "{config}", "{data}", "{fp}" for ~/.var/app, "{snap}" for ~/snap,
// "{Downloads}" and the other user folders, "{root}" for the system) or "~".
// Nothing here touches the disk.
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalog/CatalogTypes.h"

namespace sorbeta::LinuxCatalog {

// Every child of one folder as a place of its own (with `leaf`: the child's
// `leaf` inside it, as for one sandbox per application), except the names
// left out. A leaf whose first component is a pattern ("[0-9]*/.cache": a
// snap's revisions) names each folder it matches there, never a link. With
// `listingLeaf`, not the leaf itself but each entry in it, except the names
// left out there: a sandbox's cache folder holds what the cache folder
// outside it would, what must stay included.
struct ChildPlaces {
    std::string folder;                                // a place pattern without "*"
    std::string leaf;                                  // "" for the child itself
    std::set<std::string> excludingChildren;           // exact names
    std::vector<std::string> excludingPrefixes;        // name beginnings, any letter case
    bool listingLeaf = false;                          // the leaf's entries, not the leaf
    std::set<std::string> excludingInLeaf;             // exact names inside the leaf
    std::vector<std::string> excludingPrefixesInLeaf;  // their beginnings, any letter case

    bool operator==(const ChildPlaces&) const = default;
};

struct CategoryLayer {
    std::vector<std::string> roots;
    std::vector<ChildPlaces> children;
};

struct RuleLayer {
    std::vector<std::string> roots;  // patterns, "*" allowed in any component
    std::vector<ChildPlaces> children;
    // Places the patterns meet that hold the user's own records rather than
    // what an application can make again (a chat client's history kept in
    // a "logs" folder): never offered, nor anything holding them.
    std::vector<std::string> keeping;
    // The Linux roots lie in the user's own folders (WeChat keeps its files in
    // Documents) although the row's own roots do not.
    bool allowUserFolders = false;
    // Desktop-file ids, Flatpak ids and snap names of the applications that
    // hold these places open.
    std::vector<std::string> guardIdentities;
    // Extended regular expressions matched against command lines (pgrep -f),
    // anchored on the executable's name so that a helper that merely starts
    // with it (chrome_crashpad_handler) does not count.
    std::vector<std::string> guardProcesses;
};

// Where code is kept on Linux besides the folders the catalog names: their
// lower-case spellings (names differ by letter case here) and the usual
// ~/src and ~/git.
const std::vector<std::string>& codeFolders();

// The layer of a row; nullptr when the row has no Linux counterpart.
const CategoryLayer* category(std::string_view id);
const RuleLayer* rule(std::string_view id);

// A rule's guards on this system: the row's own followed by the layer's.
std::vector<std::string> guardIdentities(const CleanSpec& rule);
std::vector<std::string> guardProcesses(const CleanSpec& rule);

// Rows whose tool exists only on macOS (Xcode and its simulators): nothing a
// Linux desktop has can ever appear in their places, so a list of rules to
// switch on leaves them out. They stay in the catalog and in stored settings.
bool macOnly(std::string_view ruleId);

}  // namespace sorbeta::LinuxCatalog
