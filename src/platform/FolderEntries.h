#pragma once
// Reading an open folder's entries straight from the kernel, as every walk of
// ours lists a folder: one system call for many names, nothing allocated per
// name.
#include <dirent.h>

#include <cerrno>
#include <span>

namespace sorbeta::platform {

// "." and "..", which every listing holds and no walk enters.
inline bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// Calls visit(name, type) for each entry of the open folder `fd` but "." and
// "..", reading through `buffer`; `type` is the DT_* the listing gives
// (DT_UNKNOWN where the file system does not say). Reading stops early when
// visit returns false. False when a read failed part-way: what was read
// before was visited.
template <typename Visit>
bool forEachEntry(int fd, std::span<char> buffer, Visit&& visit) {
    for (;;) {
        const long got = ::getdents64(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        for (long at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
            at += entry->d_reclen;
            if (isDotOrDotDot(entry->d_name)) continue;
            if (!visit(static_cast<const char*>(entry->d_name), entry->d_type)) return true;
        }
    }
}

}  // namespace sorbeta::platform
