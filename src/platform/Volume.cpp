#include "platform/Volume.h"

#include <sys/statvfs.h>

namespace sorbeta::platform {

std::optional<VolumeFigures> volumeFigures(const std::filesystem::path& path) {
    struct statvfs info {};
    if (::statvfs(path.c_str(), &info) != 0) return std::nullopt;
    return VolumeFigures{int64_t(info.f_blocks) * int64_t(info.f_frsize),
                         int64_t(info.f_bavail) * int64_t(info.f_frsize)};
}

}  // namespace sorbeta::platform
