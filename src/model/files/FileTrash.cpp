#include "model/files/FileTrash.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/files/FileFinder.h"
#include "platform/EntryInfo.h"
#include "platform/FileFacts.h"
#include "platform/Trash.h"

namespace sorbeta::FileFinder {
namespace {

// Where the searched folders really are. A user folder may lie outside the
// home, or be a link to a folder there (a Downloads folder kept on a second
// disk): the files found in it are the user's as much as the home's.
// A folder that holds the home is never one of them.
std::vector<std::string> searchedFolders(const platform::Places& places) {
    std::vector<std::string> folders;
    for (const std::filesystem::path& root : rootPaths(places)) {
        const auto target = platform::resolvedPath(root.lexically_normal());
        if (!target || *target == "/") continue;
        const std::string folder = target->native() + "/";
        if (!(places.home.native() + "/").starts_with(folder)) folders.push_back(folder);
    }
    return folders;
}

}  // namespace

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
    if (path.starts_with(home)) {
        if (path.starts_with(home + "Library/")) return false;
    } else {
        const std::vector<std::string> searched = searchedFolders(places);
        if (std::none_of(searched.begin(), searched.end(),
                         [&](const std::string& place) { return path.starts_with(place); }))
            return false;
    }
    if (platform::Trash::isInTrash(path, places)) return false;
    // Only a regular file itself: never a folder, a link or a special file.
    const auto facts = platform::fileFacts(path);
    if (!facts || facts->kind != platform::EntryKind::file) return false;
    return platform::Trash::moveToTrash(path, places).item.has_value();
}

}  // namespace sorbeta::FileFinder
