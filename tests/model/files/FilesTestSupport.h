#pragma once
// A temporary home for the file finder: its user folders made, files of real
// content (so hashes mean something) with chosen dates, and how many bytes
// this process has read so far.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FileTree.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"
#include "model/disk/Measure.h"
#include "model/files/FileFinder.h"

namespace sorbeta::test {

// Just over the candidate floor once allocated in 4 KiB blocks.
inline constexpr int64_t kBig = 10'000'000;

class FilesHomeTest : public HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        tree = std::make_unique<FileTree>(home());
        now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
        for (const auto& root : FileFinder::rootPaths(places())) std::filesystem::create_directories(root);
    }
    void TearDown() override {
        DiskScanner::setLimited(false);
        tree.reset();
        HomeTest::TearDown();
    }

    // `bytes` of content that depends on `seed` and the position, occupying
    // its length rounded up to whole blocks.
    std::filesystem::path written(const std::filesystem::path& relative, int64_t bytes, uint32_t seed = 1) {
        const auto path = tree->at(relative);
        std::filesystem::create_directories(path.parent_path());
        std::string block(1 << 16, '\0');
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        uint32_t state = seed * 2654435761u + 1;
        for (int64_t done = 0; done < bytes; done += int64_t(block.size())) {
            for (char& c : block) {
                state = state * 1664525u + 1013904223u;
                c = char(state >> 24);
            }
            out.write(block.data(), std::streamsize(std::min<int64_t>(bytes - done, int64_t(block.size()))));
        }
        out.close();
        FileTree::dropPreallocation(path);
        return path;
    }

    // Changes one byte in place, leaving the length as it is.
    static void flipByte(const std::filesystem::path& path, int64_t offset) {
        std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
        file.seekg(offset);
        const char c = char(file.get());
        file.seekp(offset);
        file.put(char(~c));
    }

    // Access and modification times `accessDays` and `modifiedDays` before now.
    void setTimes(const std::filesystem::path& path, double accessDays, double modifiedDays) {
        const auto at = [&](double days) {
            const int64_t seconds = now.toSecsSinceEpoch() - int64_t(days * 86'400);
            return timespec{time_t(seconds), 0};
        };
        const timespec times[2] = {at(accessDays), at(modifiedDays)};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    }

    static int64_t accessSeconds(const std::filesystem::path& path) {
        struct stat st {};
        EXPECT_EQ(::lstat(path.c_str(), &st), 0);
        return int64_t(st.st_atim.tv_sec);
    }

    // Bytes this process has read through read calls so far (all threads).
    static int64_t bytesRead() {
        std::ifstream io("/proc/self/io");
        std::string key;
        int64_t value = 0;
        while (io >> key >> value)
            if (key == "rchar:") return value;
        return -1;
    }

    std::filesystem::path downloads() const { return places().downloads; }
    std::filesystem::path documents() const { return places().documents; }

    std::unique_ptr<FileTree> tree;
    QDateTime now;
};

// The paths of found files, relative to home, in their order.
inline std::vector<std::string> relativePaths(const std::vector<FileFinder::Found>& found,
                                              const std::filesystem::path& home) {
    std::vector<std::string> paths;
    for (const auto& file : found) paths.push_back(file.url.lexically_relative(home).native());
    return paths;
}

}  // namespace sorbeta::test
