#pragma once
// Small path helpers the developer scanners share.
#include <QFile>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Listing.h"

namespace sorbeta::DevPaths {

// A path as the pages show it and as entry ids carry it.
inline QString displayed(const std::filesystem::path& path) { return QFile::decodeName(path.native().c_str()); }

// A folder's children in listing order; a folder that cannot be listed has none.
inline std::vector<std::string> childrenOf(const std::filesystem::path& folder) {
    return platform::listNames(folder).value_or(std::vector<std::string>{});
}

}  // namespace sorbeta::DevPaths
