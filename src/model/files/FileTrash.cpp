#include "model/files/FileTrash.h"

#include "platform/EntryInfo.h"
#include "platform/FileFacts.h"
#include "platform/Trash.h"

namespace sorbeta::FileFinder {

bool trash(const std::filesystem::path& url, const platform::Places& places) {
    const std::filesystem::path standard = url.lexically_normal();
    const std::filesystem::path name = standard.filename();
    if (!standard.is_absolute() || name.empty() || name == "." || name == "..") return false;
    // The folder is resolved before any test: a link on the way to a place
    // outside home must not pass for home.
    const auto folder = platform::resolvedPath(standard.parent_path());
    if (!folder) return false;
    const std::string path = (*folder / name).native();

    if (places.home == "/" || places.home.empty()) return false;
    const std::string home = places.home.native() + "/";
    if (!path.starts_with(home) || path.starts_with(home + "Library/")) return false;
    if (platform::Trash::isInTrash(path, places)) return false;
    // Only a regular file itself: never a folder, a link or a special file.
    const auto facts = platform::fileFacts(path);
    if (!facts || facts->kind != platform::EntryKind::file) return false;
    return platform::Trash::moveToTrash(path, places).item.has_value();
}

}  // namespace sorbeta::FileFinder
