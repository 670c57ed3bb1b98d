#include "FileTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace sorbeta::test {
namespace fs = std::filesystem;

FileTree::FileTree(fs::path root) : root_(std::move(root)) { fs::create_directories(root_); }

fs::path FileTree::at(const fs::path& relative) const { return relative.is_absolute() ? relative : root_ / relative; }

static void ensureParent(const fs::path& path) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
}

fs::path FileTree::file(const fs::path& relative, int64_t bytes, char fill) {
    const fs::path path = at(relative);
    ensureParent(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path.string());
    std::vector<char> chunk(std::size_t(std::min<int64_t>(bytes, 1 << 20)), fill);
    int64_t left = bytes;
    while (left > 0) {
        const auto n = ::write(fd, chunk.data(), std::size_t(std::min<int64_t>(left, int64_t(chunk.size()))));
        if (n <= 0) break;
        left -= n;
    }
    ::close(fd);
    dropPreallocation(path);
    return path;
}

void FileTree::dropPreallocation(const fs::path& path) {
    // XFS may keep blocks it reserved past the end of a growing file after
    // the file is closed, so a fresh file can occupy far more than its
    // length; cutting the file at its length gives them back.
    std::error_code error;
    const auto length = fs::file_size(path, error);
    if (!error) fs::resize_file(path, length, error);
    if (error) throw std::runtime_error("cannot cut " + path.string() + " to its length");
}

fs::path FileTree::text(const fs::path& relative, const std::string& contents) {
    const fs::path path = at(relative);
    ensureParent(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path.string());
    if (!contents.empty() && ::write(fd, contents.data(), contents.size()) < 0) {
        ::close(fd);
        throw std::runtime_error("cannot write " + path.string());
    }
    ::close(fd);
    return path;
}

fs::path FileTree::sparse(const fs::path& relative, int64_t bytes) {
    const fs::path path = at(relative);
    ensureParent(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::ftruncate(fd, bytes) != 0) throw std::runtime_error("cannot make sparse " + path.string());
    ::close(fd);
    return path;
}

fs::path FileTree::dir(const fs::path& relative) {
    const fs::path path = at(relative);
    fs::create_directories(path);
    return path;
}

fs::path FileTree::hardlink(const fs::path& existing, const fs::path& relative) {
    const fs::path path = at(relative);
    ensureParent(path);
    fs::create_hard_link(at(existing), path);
    return path;
}

fs::path FileTree::symlink(const fs::path& target, const fs::path& relative) {
    const fs::path path = at(relative);
    ensureParent(path);
    fs::create_symlink(target, path);
    return path;
}

fs::path FileTree::unreadable(const fs::path& relative) {
    const fs::path path = at(relative);
    fs::create_directories(path);
    ::chmod(path.c_str(), 0);
    return path;
}

void FileTree::setModified(const fs::path& relative, std::chrono::system_clock::time_point when) {
    const auto since = when.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds);
    timespec times[2];
    times[0].tv_sec = times[1].tv_sec = seconds.count();
    times[0].tv_nsec = times[1].tv_nsec = long(nanos.count());
    ::utimensat(AT_FDCWD, at(relative).c_str(), times, AT_SYMLINK_NOFOLLOW);
}

void FileTree::setAgeDays(const fs::path& relative, double days) {
    const auto age =
        std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::duration<double>(days * 86400.0));
    setModified(relative, std::chrono::system_clock::now() - age);
}

int64_t FileTree::allocated(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return 0;
    return int64_t(st.st_blocks) * 512;
}

}  // namespace sorbeta::test
