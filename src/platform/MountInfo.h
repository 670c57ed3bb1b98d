#pragma once
// Mounts as /proc/self/mountinfo lists them, and what they say about access
// times: a file system mounted "noatime" never records when a file was last
// read, so its access times mean nothing.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sorbeta::platform {

using Path = std::filesystem::path;

struct MountEntry {
    uint64_t id = 0;
    std::string mountPoint;            // with the file's \040-style escapes undone
    std::vector<std::string> options;  // the mount's own options ("rw", "noatime"…)
};

std::vector<MountEntry> parseMountInfo(const std::string& text);

// When the file at `path` (a final link not followed) was last read, in
// seconds since the epoch; absent when it cannot be read or its mount is
// "noatime". `mountInfo` is the file to consult.
std::optional<int64_t> recordedAccessTime(const Path& path, const Path& mountInfo = "/proc/self/mountinfo");

}  // namespace sorbeta::platform
