#pragma once
// One measured child of a drill-down level, in the order the level lists it.
#include <QString>
#include <cstdint>
#include <filesystem>

namespace sorbeta {

struct DirEntry {
    std::filesystem::path url;
    QString name;
    int64_t bytes = 0;
    bool isDirectory = false;

    bool operator==(const DirEntry&) const = default;
};

}  // namespace sorbeta
