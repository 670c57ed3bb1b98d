#pragma once
// Measuring file trees under the home folder: allocated sizes with hard links
// counted once, the per-child parts of a category, the volume's figures and
// modification dates; and turning catalog patterns into concrete paths.
// Synchronous, callable from any thread, never throws.
#include <QDateTime>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/catalog/CatalogTypes.h"

namespace sorbeta::DiskScanner {

using Path = std::filesystem::path;

// Files with several hard links are counted once per set. Keyed on device and
// inode so that walks of different file systems never shadow each other.
class InodeSet {
public:
    // True when (device, inode) was not in the set yet.
    bool insert(uint64_t device, uint64_t inode);

private:
    struct Key {
        uint64_t device;
        uint64_t inode;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept {
            return std::hash<uint64_t>()(key.inode * 1000003u ^ key.device);
        }
    };
    std::mutex lock_;
    std::unordered_set<Key, KeyHash> set_;
};

// While true (the last scan found no full disk access), walks skip the places
// that would raise a privacy prompt.
bool limited();
void setLimited(bool value);

// The one date that stands for "cannot be read": sorts oldest, passes every age test.
QDateTime distantPast();

int64_t size(const Path& root, InodeSet* shared = nullptr);
int64_t size(const std::vector<Path>& roots);

struct SizedParts {
    int64_t total = 0;
    std::map<std::string, int64_t> parts;  // absolute path (bytes) -> allocated bytes
};
SizedParts sizeWithParts(const std::vector<Path>& roots, int64_t minParts);

struct Volume {
    int64_t total = 0;
    int64_t free = 0;
};
// The file system that holds the home folder; a failed read gives (0, 0).
Volume volume();

// Content modification date in UTC, or distantPast().
QDateTime modified(const Path& path);

std::vector<Path> expand(const std::string& pattern);
std::vector<Path> resolveRoots(const std::vector<std::string>& roots,
                               const std::optional<std::string>& childrenOf,
                               const std::set<std::string>& excluding,
                               const std::vector<std::string>& excludingPrefixes);
// `running` holds lower-cased names of running applications to spare.
std::vector<Path> targets(const CleanSpec& spec, const std::set<std::string>& running);

}  // namespace sorbeta::DiskScanner
