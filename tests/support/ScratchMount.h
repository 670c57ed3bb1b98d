#pragma once
// A small tmpfs mounted on a folder for the life of the object, to check that
// walks never cross into another file system. mounted() is false where the
// process may not mount (tests then skip).
#include <sys/mount.h>

#include <filesystem>

namespace sorbeta::test {

class ScratchMount {
public:
    explicit ScratchMount(const std::filesystem::path& at) : at_(at) {
        std::filesystem::create_directories(at_);
        mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=4m,mode=0700") == 0;
    }
    ~ScratchMount() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const { return mounted_; }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
};

}  // namespace sorbeta::test
