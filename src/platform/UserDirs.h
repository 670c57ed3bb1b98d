#pragma once
// The user's own folders as the desktop names them in user-dirs.dirs
// (XDG_DOWNLOAD_DIR="$HOME/下载" and the like). Read directly rather than
// through QStandardPaths: its answers are QStrings, which cannot hold a folder
// name that is not UTF-8, and it reads its own idea of the config folder where
// ours must be the one the Places value was built from.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace sorbeta::platform {

using Path = std::filesystem::path;

// The folders of one user-dirs.dirs text, keyed by their name in the file
// ("DESKTOP", "DOWNLOAD", "DOCUMENTS", "MUSIC", "PICTURES", "VIDEOS",
// "TEMPLATES", "PUBLICSHARE"). Values are "$HOME/<path>" or "/<path>" in
// double quotes with shell escapes; anything else is ignored. A folder set to
// home itself is how a desktop turns it off: it maps to an empty path, as
// does one above the home. Links are resolved in the folders holding each
// one (`home` is resolved), never in the folder's own name.
std::map<std::string, Path> parseUserDirs(std::string_view text, const Path& home);

// The file's folders with the desktop's English defaults for the names it
// does not set (Desktop, Documents, Downloads, Music, Pictures, Videos).
std::map<std::string, Path> readUserDirs(const Path& configHome, const Path& home);

}  // namespace sorbeta::platform
