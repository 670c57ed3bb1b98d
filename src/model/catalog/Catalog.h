#pragma once
// The built-in, read-only knowledge of what Sorbeta measures and what it may
// clean: the usage categories of the map, the cleaning rules of the side
// panel, and two sets of folder names under ~/Library/Caches that keep the
// rules from overlapping. Nothing here touches the disk.
//
// Every table is built once, on first use, thread-safely; names and notes are
// translated then, so a language change takes effect in a new process.
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalog/CatalogTypes.h"

namespace sorbeta::Catalog {

// The 12 usage categories, in map order.
const std::vector<CategorySpec>& categories();

// The 33 cleaning rules, in side-panel order: the safe ones first.
const std::vector<CleanSpec>& cleanables();

// Package-manager and build-tool folders under ~/Library/Caches: they belong
// to the category "deps", so "caches" and the rule "appcache" leave them out.
const std::set<std::string>& devCacheNames();

// Folders under ~/Library/Caches that rules of their own clean ("xcodecache",
// "browser"); "appcache" leaves them out.
const std::set<std::string>& separatelyCleaned();

// Lookups by identifier; nullptr when there is no such row.
const CategorySpec* category(std::string_view id);
const CleanSpec* cleanable(std::string_view id);

}  // namespace sorbeta::Catalog
