#pragma once
// Where the user's files and our own data live: the home folder and the XDG
// base folders, read from the environment when the value is built and never
// cached behind anyone's back. The service container builds one at start-up
// and hands it to the models and the engine functions that need a place;
// tests build theirs on a temporary home. Places the engine learns about
// later (the user folders of user-dirs.dirs, Flatpak's and Snap's roots)
// become fields here, filled by fromEnvironment().
#include <filesystem>
#include <string>

namespace sorbeta::platform {

using Path = std::filesystem::path;

struct Places {
    Path home;        // realpath of $HOME, no trailing slash; "/" when HOME is unset or empty
    Path dataHome;    // $XDG_DATA_HOME when absolute, else home/.local/share
    Path configHome;  // $XDG_CONFIG_HOME when absolute, else home/.config
    Path cacheHome;   // $XDG_CACHE_HOME when absolute, else home/.cache
    Path stateHome;   // $XDG_STATE_HOME when absolute, else home/.local/state

    // Reads HOME and the XDG variables now.
    static Places fromEnvironment();

    // "~" and "~/x" become home and home/x; anything else is returned unchanged.
    Path expandTilde(const std::string& pattern) const;
    // Our data folder, dataHome/Sorbeta (not created here).
    Path appDataFolder() const;
    // appDataFolder()/Holding.
    Path holdingFolder() const;

    bool operator==(const Places&) const = default;
};

}  // namespace sorbeta::platform
