#pragma once
// The user's Trash in the freedesktop.org layout: every item
// in files/ has its description, info/<name>.trashinfo, and the two only go
// together: removed or held as a pair, and put back as a pair. Emptying also
// takes info files whose item is gone and the directorysizes cache; files/,
// info/ and the Trash folder itself stay. Synchronous, never throws.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/disk/Removal.h"
#include "platform/Places.h"

namespace sorbeta::TrashPairs {

using Path = std::filesystem::path;

enum class Part { none, files, info };

// Which part of the user's Trash (dataHome/Trash) a normalised folder is.
Part partOf(const Path& folder, const platform::Places& places);

// Empties one part that passed the safety test, holding or deleting (as
// DiskScanner::clean does) and answering the bytes that went. files/: each
// item, then its info file only once the item is really gone, then
// directorysizes. info/: the info files whose item is not in files/. With
// `only`, of the items and lone info files just those it lists. `stayed`
// counts what was to go and is still there, as DiskScanner::clean does.
int64_t empty(const Path& folder, Part part, DiskScanner::HoldSink* hold, const platform::Places& places,
              const DiskScanner::FolderEntries* only = nullptr, int* stayed = nullptr);

// The partner of a path that one pair of a Trash takes: ".../Trash/info/<n>.trashinfo"
// for ".../Trash/files/<n>" and back; empty for any other path.
std::string partnerOf(const std::string& path);

// Of the originals of one held batch, those that must stay held because their
// pair cannot go back whole: both halves of a pair where `occupied` says
// something is already at either place.
std::set<std::string> blockedPairs(const std::vector<std::string>& originals,
                                   const std::function<bool(const std::string&)>& occupied);

}  // namespace sorbeta::TrashPairs
