#include "platform/FileFacts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorbeta::platform {
namespace {

EntryKind kindOf(unsigned mode) {
    if (S_ISREG(mode)) return EntryKind::file;
    if (S_ISDIR(mode)) return EntryKind::folder;
    if (S_ISLNK(mode)) return EntryKind::symlink;
    return EntryKind::other;
}

FileTime timeOf(const struct statx_timestamp& stamp) { return {int64_t(stamp.tv_sec), int64_t(stamp.tv_nsec)}; }

}  // namespace

std::optional<FileFacts> fileFacts(const std::filesystem::path& path) {
    struct statx st {};
    const unsigned wanted = STATX_BASIC_STATS | STATX_BTIME;
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, wanted, &st) != 0) return std::nullopt;
    // Fields the file system did not fill are not facts.
    if ((st.stx_mask & (STATX_TYPE | STATX_INO)) != (STATX_TYPE | STATX_INO)) return std::nullopt;
    FileFacts facts;
    facts.kind = kindOf(st.stx_mode);
    facts.device = (uint64_t(st.stx_dev_major) << 32) | st.stx_dev_minor;
    facts.inode = st.stx_ino;
    facts.links = st.stx_nlink;
    facts.length = int64_t(st.stx_size);
    if (st.stx_mask & STATX_BLOCKS) facts.allocatedBytes = int64_t(st.stx_blocks) * 512;
    if (st.stx_mask & STATX_MTIME) facts.modified = timeOf(st.stx_mtime);
    facts.accessed = (st.stx_mask & STATX_ATIME) ? timeOf(st.stx_atime) : facts.modified;
    if (st.stx_mask & STATX_BTIME) facts.born = timeOf(st.stx_btime);
    return facts;
}

bool isExecutableFile(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace sorbeta::platform
