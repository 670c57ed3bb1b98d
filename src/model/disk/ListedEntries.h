#pragma once
// What a folder held when a scan listed it: each entry by its name and by the
// file it was then, so a later clean can tell what the scan saw from what
// came since, a new file under a name the scan saw included. Plain values.
#include <compare>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace sorbeta::DiskScanner {

struct FolderEntry {
    std::string name;
    uint64_t device = 0;
    uint64_t inode = 0;

    auto operator<=>(const FolderEntry&) const = default;
};

using FolderEntries = std::set<FolderEntry>;

// The entries of each folder a rule empties, by the folder as its targets name it.
using ListedEntries = std::map<std::filesystem::path, FolderEntries>;

}  // namespace sorbeta::DiskScanner
