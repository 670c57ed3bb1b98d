#pragma once
// A folder's children by name, and how the engine compares names: small,
// non-throwing questions it asks over and over.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sorbeta::platform {

using Path = std::filesystem::path;

// The names of a folder's direct children in the order the file system gives
// them, hidden names included, "." and ".." left out. nullopt when the folder
// cannot be listed (a read error part-way counts as a failed listing).
std::optional<std::vector<std::string>> listNames(const Path& folder);
// The same for a folder already open (an O_PATH descriptor will do): what is
// listed is that very folder, whatever its path leads to now.
std::optional<std::vector<std::string>> listNamesAt(int folderFd);

// A folder's children with whether each is a real folder (a link to one is
// not), as the listing itself tells where it can, so a large folder is
// listed without examining every child; same order and failures as listNames.
struct ListedChild {
    std::string name;
    bool isFolder = false;
};
std::optional<std::vector<ListedChild>> listChildren(const Path& folder);

// A folder that the desktop treats as one document rather than a folder to
// open (an application bundle, a media library): judged by its name's suffix,
// any letter case.
bool isPackageName(const std::string& name);

// Lower case for comparing names: Unicode-aware for valid UTF-8, ASCII-only for
// byte strings that are not UTF-8 (those are left otherwise as they are).
std::string lowercased(const std::string& text);

}  // namespace sorbeta::platform
