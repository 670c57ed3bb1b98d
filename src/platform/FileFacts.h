#pragma once
// What the file system knows about one entry, its birth time included where
// the file system keeps one, read without following a final symbolic link.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/EntryInfo.h"

namespace sorbeta::platform {

struct FileTime {
    int64_t seconds = 0;  // since the epoch
    int64_t nanoseconds = 0;

    int64_t milliseconds() const { return seconds * 1000 + nanoseconds / 1'000'000; }
    auto operator<=>(const FileTime&) const = default;
};

struct FileFacts {
    EntryKind kind = EntryKind::other;
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t links = 0;
    int64_t length = 0;            // logical length in bytes
    int64_t allocatedBytes = 0;    // blocks really allocated × 512
    FileTime modified;             // content modification
    FileTime accessed;             // content access
    std::optional<FileTime> born;  // only where the file system records it

    // The birth time, or the modification time where there is none.
    FileTime created() const { return born.value_or(modified); }
    bool operator==(const FileFacts&) const = default;
};

// Facts of the entry itself (a final link is described, not followed);
// nullopt when it cannot be examined.
std::optional<FileFacts> fileFacts(const std::filesystem::path& path);

// A regular file (a link to one will do) that this process may execute.
bool isExecutableFile(const std::filesystem::path& path);

}  // namespace sorbeta::platform
