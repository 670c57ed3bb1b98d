#include "platform/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace sorbeta::platform {
namespace {

// Non-blocking so that a FIFO put in the file's place cannot hang the open;
// it is refused right after.
constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK;

int64_t retried(auto call) {
    for (;;) {
        const ssize_t done = call();
        if (done >= 0 || errno != EINTR) return int64_t(done);
    }
}

}  // namespace

std::optional<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
    bool quiet = true;
    int fd = ::open(path.c_str(), kFlags | O_NOATIME);
    // O_NOATIME is refused with EPERM on a file owned by someone else.
    if (fd < 0 && errno == EPERM) {
        quiet = false;
        fd = ::open(path.c_str(), kFlags);
    }
    if (fd < 0) return std::nullopt;
    UniqueFd owned(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return ReadOnlyFile(std::move(owned), quiet);
}

std::optional<int64_t> ReadOnlyFile::length() const {
    struct stat st {};
    if (::fstat(fd_.get(), &st) != 0) return std::nullopt;
    return int64_t(st.st_size);
}

int64_t ReadOnlyFile::readAt(int64_t offset, void* buffer, std::size_t size) const {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < size) {
        const int64_t done =
            retried([&] { return ::pread(fd_.get(), bytes + total, size - total, off_t(offset + int64_t(total))); });
        if (done < 0) return -1;
        if (done == 0) break;
        total += std::size_t(done);
    }
    return int64_t(total);
}

int64_t ReadOnlyFile::read(void* buffer, std::size_t size) {
    return retried([&] { return ::read(fd_.get(), buffer, size); });
}

void ReadOnlyFile::willReadThrough() const { ::posix_fadvise(fd_.get(), 0, 0, POSIX_FADV_SEQUENTIAL); }

}  // namespace sorbeta::platform
