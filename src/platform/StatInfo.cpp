#include "platform/StatInfo.h"

namespace sorbeta::platform {

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

}  // namespace sorbeta::platform
