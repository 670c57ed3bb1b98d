#pragma once
// A small tmpfs mounted on a folder for the life of the object, to check that
// walks never cross into another file system, and a folder bound on another,
// to check that they never walk one file system twice. mounted() is false
// where the process may not mount (tests then skip).
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

// `from` bound on `at` (both folders that exist) for the life of the object:
// the same file system, the same device number, another mount.
class BindMount {
public:
    BindMount(const std::filesystem::path& from, const std::filesystem::path& at) : at_(at) {
        mounted_ = ::mount(from.c_str(), at_.c_str(), nullptr, MS_BIND, nullptr) == 0;
    }
    ~BindMount() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;

    bool mounted() const { return mounted_; }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
};

}  // namespace sorbeta::test
