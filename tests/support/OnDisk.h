#pragma once
// What a test finds on disk after the code under test ran: whether an entry
// is there (a dangling link counts) and a file's bytes.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace sorbeta::test {

inline bool present(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// "" when the file cannot be read.
inline std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

}  // namespace sorbeta::test
