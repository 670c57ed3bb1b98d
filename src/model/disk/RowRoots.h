#pragma once
// A catalog row's places on this system: the row's own roots joined with its
// Linux layer (model/catalog/LinuxCatalog.h). Categories are kept apart, so
// the map never counts one folder twice: a place one category names inside
// another's root belongs to the category that names it, and the outer root
// is measured around it; a place two categories name alike belongs to the
// earlier one. Synchronous, callable from any thread, never throws.
#include <filesystem>
#include <string>
#include <vector>

#include "model/catalog/CatalogTypes.h"
#include "model/catalog/LinuxCatalog.h"
#include "platform/Places.h"

namespace sorbeta::DiskScanner {

using Path = std::filesystem::path;

// The places a Linux layer names: its patterns expanded, then its child places.
std::vector<Path> layerPlaces(const std::vector<std::string>& roots,
                              const std::vector<LinuxCatalog::ChildPlaces>& children, const platform::Places& places);

// The roots a category measures (whether or not they exist).
std::vector<Path> categoryRoots(const CategorySpec& spec, const platform::Places& places);

// A rule's candidates from its Linux layer, without those that `own` (the
// row's own candidates) already covers and those in or around a place the
// layer keeps.
std::vector<Path> linuxCandidates(const CleanSpec& spec, const std::vector<Path>& own, const platform::Places& places);

// The application a sandboxed place belongs to: <id> for ~/.var/app/<id>/…,
// <name> for ~/snap/<name>/…; empty for any other place.
std::string sandboxOwner(const Path& path, const platform::Places& places);

// Whether `inner` is `outer` or lies below it, comparing whole components.
bool isWithin(const Path& inner, const Path& outer);

}  // namespace sorbeta::DiskScanner
