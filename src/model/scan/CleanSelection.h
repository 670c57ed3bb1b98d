#pragma once
// The sums and subsets of measured rules that the scan model and the views
// that copy its state both need: one definition of "ticked", "safe" and
// "review", so the panel and the clean can never disagree.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/scan/ScanTypes.h"

namespace sorbeta::CleanSelection {

// The items of one safety, in the order given.
std::vector<CleanItem> withSafety(const std::vector<CleanItem>& items, Safety safety);
// The items whose rule id is ticked, in the order given.
std::vector<CleanItem> ticked(const std::vector<CleanItem>& items, const std::set<std::string>& ids);
// Bytes of the ticked ones among `items`.
int64_t tickedBytes(const std::vector<CleanItem>& items, const std::set<std::string>& ids);
// Bytes of all of them.
int64_t totalBytes(const std::vector<CleanItem>& items);

}  // namespace sorbeta::CleanSelection
