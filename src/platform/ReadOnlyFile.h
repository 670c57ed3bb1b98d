#pragma once
// A regular file opened only to read its content, without changing its
// access time where the kernel allows it (O_NOATIME: the file is ours or we
// hold CAP_FOWNER); a file that is not ours is read the ordinary way. A
// final symbolic link is never followed and a special file never opened, so
// a name swapped for a FIFO or a device cannot block or feed the reader.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/UniqueFd.h"

namespace sorbeta::platform {

class ReadOnlyFile {
public:
    // Nothing when the path is not a regular file that opens for reading.
    static std::optional<ReadOnlyFile> open(const std::filesystem::path& path);

    // Whether opening left the access time alone.
    bool keepsAccessTime() const { return keepsAccessTime_; }
    // The length now; nothing when it cannot be read.
    std::optional<int64_t> length() const;
    // Up to `size` bytes from `offset` (fewer only at the end of the file);
    // -1 when the read failed.
    int64_t readAt(int64_t offset, void* buffer, std::size_t size) const;
    // The next bytes in order; 0 at the end, -1 when the read failed.
    int64_t read(void* buffer, std::size_t size);
    // Tells the kernel the file is read once from start to end.
    void willReadThrough() const;

private:
    ReadOnlyFile(UniqueFd fd, bool keepsAccessTime) : fd_(std::move(fd)), keepsAccessTime_(keepsAccessTime) {}

    UniqueFd fd_;
    bool keepsAccessTime_ = false;
};

}  // namespace sorbeta::platform
