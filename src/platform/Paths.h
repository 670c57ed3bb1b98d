#pragma once
// Where the user's files and our own data live. The home folder is resolved
// once (realpath of $HOME) and cached; tests point HOME elsewhere and call
// resetForTesting() so the next read picks the new value up.
#include <filesystem>
#include <string>

namespace sorbeta::platform {

using Path = std::filesystem::path;

// The process's home folder, without a trailing slash.
const Path& home();

// "~" and "~/x" become home and home/x; anything else is returned unchanged.
Path expandTilde(const std::string& pattern);

// $XDG_DATA_HOME (default ~/.local/share).
Path dataHome();
// $XDG_CONFIG_HOME (default ~/.config).
Path configHome();
// Our data folder: dataHome()/Sorbeta. Not created here.
Path appDataFolder();
// appDataFolder()/Holding.
Path holdingFolder();

// Creates the folder and its missing parents; folders we create get mode 0700.
bool makeAppFolder(const Path& folder);

void resetForTesting();

}  // namespace sorbeta::platform
