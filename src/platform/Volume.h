#pragma once
// The size and free space of a mounted file system.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace sorbeta::platform {

struct VolumeFigures {
    int64_t total = 0;
    int64_t available = 0;  // free to an unprivileged user
};

// The figures of the file system that holds `path`; nothing when it cannot be read.
std::optional<VolumeFigures> volumeFigures(const std::filesystem::path& path);

}  // namespace sorbeta::platform
