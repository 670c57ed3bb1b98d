#pragma once
// The node lists of the clean page's disk map and of one drill-down level.
// Pure functions of their inputs.
#include <vector>

#include "model/drill/DirEntry.h"
#include "model/scan/ScanTypes.h"
#include "ui/map/MapNode.h"

namespace sorbeta {
class AppModel;
}

namespace sorbeta::MapNodes {

// At most this many entries of a folder get their own jelly; the rest share one.
inline constexpr std::size_t kFolderEntryLimit = 40;

// Free space, then (only after a complete scan) everything used outside the
// categories, then one node per category with at least 1 byte, its cleanable
// items as children after the category's remainder.
std::vector<MapNode> overview(const AppModel& model);

// The same from plain figures; `items` in the model's order (largest first),
// of every category.
std::vector<MapNode> overview(int64_t totalBytes, int64_t freeBytes, bool scanComplete,
                              const std::vector<CategoryResult>& categories, const std::vector<CleanItem>& items);

// Ticks of the overview's item jellies: the scan model's selection, by rule id.
MapSelection overviewSelection(AppModel& model);

// The first 40 entries, coloured through the flavour cycle from the parent's
// colour; more entries are gathered into one "rest" node.
std::vector<MapNode> folder(const std::vector<DirEntry>& entries, Flavor parent);

}  // namespace sorbeta::MapNodes
