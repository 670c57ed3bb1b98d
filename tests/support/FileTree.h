#pragma once
// Builds real file-system fixtures: files of given sizes, sparse files, hard
// links, symbolic links, unreadable folders and set modification times.
// Paths are relative to the tree's root unless absolute.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace sorbeta::test {

class FileTree {
public:
    explicit FileTree(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path at(const std::filesystem::path& relative) const;

    // A regular file of `bytes` bytes of real data (parents are created),
    // occupying its length rounded up to whole blocks.
    std::filesystem::path file(const std::filesystem::path& relative, int64_t bytes = 1, char fill = 'x');
    // A file with the given contents.
    std::filesystem::path text(const std::filesystem::path& relative, const std::string& contents);
    // A file of logical length `bytes` with no data blocks written.
    std::filesystem::path sparse(const std::filesystem::path& relative, int64_t bytes);
    std::filesystem::path dir(const std::filesystem::path& relative);
    // A second name for an existing file.
    std::filesystem::path hardlink(const std::filesystem::path& existing, const std::filesystem::path& relative);
    // A symbolic link holding `target` as written (may dangle or lead anywhere).
    std::filesystem::path symlink(const std::filesystem::path& target, const std::filesystem::path& relative);
    // Removes all permissions of a folder (restored when TempHome is dropped).
    std::filesystem::path unreadable(const std::filesystem::path& relative);
    // Sets the modification (and access) time of a path, not following links.
    void setModified(const std::filesystem::path& relative, std::chrono::system_clock::time_point when);
    void setAgeDays(const std::filesystem::path& relative, double days);

    // Allocated bytes of one path as stat reports them (st_blocks * 512).
    static int64_t allocated(const std::filesystem::path& path);
    // Gives back the blocks a file system reserved past the end of a file.
    static void dropPreallocation(const std::filesystem::path& path);

    // Names worth testing: a space, Chinese, and bytes that are not UTF-8.
    static std::string spacedName() { return "with space"; }
    static std::string chineseName() { return "中文 文件"; }
    static std::string invalidUtf8Name() { return std::string("bad\xff\xfe-name"); }

private:
    std::filesystem::path root_;
};

}  // namespace sorbeta::test
