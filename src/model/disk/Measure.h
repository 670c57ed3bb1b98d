#pragma once
// The measuring half of DiskScanner: allocated sizes of file trees under the
// home folder with hard links counted once, the per-child parts of a
// category, the volume's figures and modification dates. Synchronous,
// callable from any thread, never throws.
#include <QDateTime>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/Places.h"

namespace sorbeta::DiskScanner {

using Path = std::filesystem::path;

// One file of one file system.
struct FileKey {
    uint64_t device;
    uint64_t inode;
    bool operator==(const FileKey&) const = default;
};
struct FileKeyHash {
    std::size_t operator()(const FileKey& key) const noexcept {
        return std::hash<uint64_t>()(key.inode * 1000003u ^ key.device);
    }
};

// Files with several hard links are counted once per set. Keyed on device and
// inode so that walks of different file systems never shadow each other.
class InodeSet {
public:
    // True when (device, inode) was not in the set yet.
    bool insert(uint64_t device, uint64_t inode);

private:
    using Key = FileKey;
    using KeyHash = FileKeyHash;
    std::mutex lock_;
    std::unordered_set<Key, KeyHash> set_;
};

// Folders that several measurements of one scan meet (a rule's target inside
// a category's place, say): the first to meet one reads it once and keeps what
// it holds in a form that adds up right against any inode set (the bytes of
// entries with one link, and every entry with more), and every later one adds
// that up instead of walking the folder again. One that meets a folder while
// another is still reading it walks it itself: nobody ever waits.
class SharedFolders {
public:
    SharedFolders();
    ~SharedFolders();
    SharedFolders(const SharedFolders&) = delete;
    SharedFolders& operator=(const SharedFolders&) = delete;

    // Adds a folder (a link or anything else is left out). Only before the
    // measurements that use the set start.
    void add(const Path& folder);

    // The folder's bytes counted against `seen`, or nothing when the folder is
    // not in the set or another thread is reading it right now.
    std::optional<int64_t> bytes(uint64_t device, uint64_t inode, InodeSet& seen, std::stop_token stop);

private:
    struct Folder;
    using Key = FileKey;
    using KeyHash = FileKeyHash;
    std::unordered_map<Key, std::unique_ptr<Folder>, KeyHash> folders_;
};

// While true (the last scan found no full disk access), walks skip the places
// that would raise a privacy prompt.
bool limited();
void setLimited(bool value);

// The one date that stands for "cannot be read": sorts oldest, passes every age test.
QDateTime distantPast();

// The allocated bytes of everything at and below `root` (a link counts as
// itself). Files with several links count once per `shared` set, or once per
// walk without one. Folders that cannot be read add nothing. A walk whose
// `stop` is requested ends early with what it counted so far.
// Folders in `folders` are added up from what was read of them before.
int64_t size(const Path& root, InodeSet* shared = nullptr, std::stop_token stop = {}, SharedFolders* folders = nullptr);
// The same for several roots sharing one set.
int64_t size(const std::vector<Path>& roots, SharedFolders* folders = nullptr, std::stop_token stop = {});

// A category's bytes, measured child by child: each folder root is measured
// through its direct children (each a part), any other root as one part.
struct SizedParts {
    int64_t total = 0;
    std::map<std::string, int64_t> parts;  // absolute path (bytes) -> allocated bytes
};
// Parts below `minParts` bytes count in the total but are not listed. In
// limited mode children that would prompt (for the home of `places`) are left out.
SizedParts sizeWithParts(const std::vector<Path>& roots, int64_t minParts, const platform::Places& places,
                         SharedFolders* folders = nullptr, std::stop_token stop = {});

struct Volume {
    int64_t total = 0;
    int64_t free = 0;
};
// The file system that holds the home folder; a failed read gives (0, 0).
Volume volume(const platform::Places& places);

// Content modification date in UTC, or distantPast().
QDateTime modified(const Path& path);

}  // namespace sorbeta::DiskScanner
