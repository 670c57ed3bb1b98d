#pragma once
// Small path helpers the developer scanners share.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta::DevPaths {

// A path as the pages show it and as entry ids carry it.
inline QString displayed(const std::filesystem::path& path) { return QFile::decodeName(path.native().c_str()); }

// The path as the pages show it, with the home folder written "~" when the
// path starts with it as whole components: with home /home/al, "/home/al/x"
// reads "~/x", while "/home/al2/x" and "/data/home/al/x" stay as they are.
// A home of "/" is never shortened.
inline QString homeRelative(const std::filesystem::path& path, const std::filesystem::path& home) {
    const std::string_view text = path.native();
    const std::string_view prefix = platform::withoutTrailingSlashes(std::string_view(home.native()));
    if (prefix.empty() || prefix == "/" || !text.starts_with(prefix)) return displayed(path);
    const std::string_view rest = text.substr(prefix.size());
    if (!rest.empty() && rest.front() != '/') return displayed(path);
    return QLatin1Char('~') + QFile::decodeName(QByteArray(rest.data(), qsizetype(rest.size())));
}

// A folder's children in listing order; a folder that cannot be listed has none.
inline std::vector<std::string> childrenOf(const std::filesystem::path& folder) {
    return platform::listNames(folder).value_or(std::vector<std::string>{});
}

}  // namespace sorbeta::DevPaths
