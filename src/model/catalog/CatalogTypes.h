#pragma once
// The value types of the built-in catalog: a usage category of the map and a
// cleaning rule of the side panel.
#include <QString>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/common/Flavor.h"

namespace sorbeta {

enum class Safety { safe, review };

struct CategorySpec {
    std::string id;
    QString name;  // localised when the table is built
    Flavor flavor = Flavor::cloud;
    std::vector<std::string> roots;  // "~/..." or absolute
    std::optional<std::string> childrenOf;
    std::set<std::string> excludingChildren;

    bool operator==(const CategorySpec&) const = default;
};

struct CleanSpec {
    enum class Source { paths, projectArtifacts };

    std::string id;
    QString name;
    QString note;
    std::string categoryID;
    Safety safety = Safety::safe;
    std::vector<std::string> roots;  // "~/..." patterns, "*" allowed in any component
    Source source = Source::paths;
    std::optional<std::string> childrenOf;
    std::set<std::string> excludingChildren;
    std::vector<std::string> excludingPrefixes;
    bool selectedByDefault = false;
    bool removeRoots = false;
    bool allowUserFolders = false;
    int64_t keepNewest = 0;
    int64_t minAgeDays = 0;
    std::vector<std::string> guardBundleIDs;
    std::vector<std::string> guardProcesses;
    bool skipRunningAppDirs = false;
    // Things keep arriving in these folders that the user never saw listed
    // (the Trash): the scan notes what each folder the rule empties holds,
    // and the clean takes nothing else.
    bool onlyListedEntries = false;

    bool operator==(const CleanSpec&) const = default;
};

}  // namespace sorbeta
