#include "platform/MountInfo.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <charconv>

#include "platform/FileOps.h"

namespace sorbeta::platform {
namespace {

constexpr std::size_t kMountInfoLimit = 4 << 20;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Octal escapes such as "\040" for a blank.
std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned value = 0;
        if (text[i] == '\\' && i + 4 <= text.size()) {
            const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 4, value, 8);
            if (error == std::errc() && end == text.data() + i + 4 && value < 256) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

std::vector<MountEntry> parseMountInfo(const std::string& text) {
    std::vector<MountEntry> mounts;
    for (const std::string& line : split(text, '\n')) {
        // id parent major:minor root mount-point options [optional…] - type source super-options
        const std::vector<std::string> fields = split(line, ' ');
        if (fields.size() < 6) continue;
        MountEntry entry;
        const auto [end, error] = std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), entry.id);
        if (error != std::errc() || end != fields[0].data() + fields[0].size()) continue;
        entry.mountPoint = unescaped(fields[4]);
        entry.options = split(fields[5], ',');
        mounts.push_back(std::move(entry));
    }
    return mounts;
}

std::optional<int64_t> recordedAccessTime(const Path& path, const Path& mountInfo) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_ATIME | STATX_MNT_ID, &info) != 0)
        return std::nullopt;
    if (!(info.stx_mask & STATX_ATIME) || !(info.stx_mask & STATX_MNT_ID)) return std::nullopt;
    std::string text;
    if (!readSmallFile(mountInfo, kMountInfoLimit, text)) return std::nullopt;
    for (const MountEntry& mount : parseMountInfo(text)) {
        if (mount.id != info.stx_mnt_id) continue;
        if (std::find(mount.options.begin(), mount.options.end(), "noatime") != mount.options.end())
            return std::nullopt;
        return int64_t(info.stx_atime.tv_sec);
    }
    return std::nullopt;  // a mount we cannot see: its options are unknown
}

}  // namespace sorbeta::platform
