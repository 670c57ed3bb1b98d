#include "platform/StatInfo.h"

#include <fcntl.h>

#include <cerrno>
#include <charconv>
#include <string>

#include "platform/FileOps.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

constexpr std::size_t kFdInfoLimit = 16 * 1024;

// Where statx cannot tell the mount (kernels before 5.8), the record the
// kernel keeps of an open descriptor in /proc does ("mnt_id:").
std::optional<uint64_t> mountIdFromProc(int folderFd, const char* name) {
    UniqueFd opened;
    int fd = folderFd;
    if (*name) {
        opened = UniqueFd(::openat(folderFd, name, O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!opened.valid()) return std::nullopt;
        fd = opened.get();
    }
    std::string text;
    if (!readSmallFile("/proc/self/fdinfo/" + std::to_string(fd), kFdInfoLimit, text)) return std::nullopt;
    const std::string key = "mnt_id:";
    std::size_t at = text.rfind("\n" + key);
    if (at != std::string::npos)
        ++at;
    else if (text.compare(0, key.size(), key) == 0)
        at = 0;
    else
        return std::nullopt;
    at = text.find_first_not_of(" \t", at + key.size());
    if (at == std::string::npos) return std::nullopt;
    uint64_t id = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), id);
    if (error != std::errc() || end == text.data() + at) return std::nullopt;
    return id;
}

}  // namespace

EntryInfo entryInfoOf(const struct stat& st) {
    EntryInfo info;
    if (S_ISREG(st.st_mode))
        info.kind = EntryKind::file;
    else if (S_ISDIR(st.st_mode))
        info.kind = EntryKind::folder;
    else if (S_ISLNK(st.st_mode))
        info.kind = EntryKind::symlink;
    else
        info.kind = EntryKind::other;
    info.device = uint64_t(st.st_dev);
    info.inode = uint64_t(st.st_ino);
    info.links = uint64_t(st.st_nlink);
    info.allocatedBytes = int64_t(st.st_blocks) * 512;
    info.modifiedSeconds = int64_t(st.st_mtim.tv_sec);
    info.modifiedNanoseconds = int64_t(st.st_mtim.tv_nsec);
    return info;
}

std::optional<uint64_t> mountIdAt(int folderFd, const char* name) {
    struct statx info {};
    const int flags = AT_SYMLINK_NOFOLLOW | (*name ? 0 : AT_EMPTY_PATH);
    if (::statx(folderFd, name, flags, STATX_MNT_ID, &info) == 0) {
        if (info.stx_mask & STATX_MNT_ID) return uint64_t(info.stx_mnt_id);
    } else if (errno != ENOSYS) {
        return std::nullopt;
    }
    return mountIdFromProc(folderFd, name);
}

}  // namespace sorbeta::platform
