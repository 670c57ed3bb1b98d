#pragma once
// Where the user's files and our own data live: the home folder, the XDG
// base folders, the user's own folders of user-dirs.dirs and the sandboxes of
// Flatpak and Snap, read from the environment when the value is built and
// never cached behind anyone's back. The service container builds one at
// start-up and hands it to the models and the engine functions that need a
// place; tests build theirs on a temporary home.
#include <filesystem>
#include <optional>
#include <string>

namespace sorbeta::platform {

using Path = std::filesystem::path;

struct Places {
    Path home;        // realpath of $HOME, no trailing slash; "/" when HOME is unset or empty
    Path dataHome;    // $XDG_DATA_HOME resolved when absolute, else home/.local/share
    Path configHome;  // $XDG_CONFIG_HOME resolved when absolute, else home/.config
    Path cacheHome;   // $XDG_CACHE_HOME resolved when absolute, else home/.cache
    Path stateHome;   // $XDG_STATE_HOME resolved when absolute, else home/.local/state

    // The user's own folders from configHome/user-dirs.dirs (localised names
    // such as ~/下载), else the English defaults; empty when turned off.
    Path desktop, documents, downloads, music, pictures, videos;

    Path flatpakApps;  // home/.var/app: one private home per Flatpak application
    Path snaps;        // home/snap: one private home per snap
    // Where the system's own folders (/opt, /var/lib/flatpak) are looked up:
    // "/", or $SORBETA_SYSTEM_ROOT when absolute (a mounted system image;
    // tests give every home one of its own).
    Path systemRoot{"/"};

    // Reads HOME, the XDG variables, SORBETA_SYSTEM_ROOT and user-dirs.dirs now.
    static Places fromEnvironment();

    // "~" and "~/x" become home and home/x; anything else is returned unchanged.
    Path expandTilde(const std::string& pattern) const;
    // A pattern that may begin with a place name: "{cache}", "{config}",
    // "{data}", "{state}", "{fp}" (flatpakApps), "{snap}", "{root}"
    // (systemRoot), or a user folder "{Desktop}", "{Documents}",
    // "{Downloads}", "{Music}", "{Pictures}", "{Videos}"; "~" as in
    // expandTilde. Nothing when the named place is turned off or unknown.
    std::optional<Path> expandPlace(const std::string& pattern) const;
    // Whether `folder`, its links resolved, is the home folder or one above
    // it. A place linked there (~/.cache -> ~) names the home's own folders
    // as its children: such a place is never listed.
    bool holdsHome(const Path& folder) const;
    // Our data folder, dataHome/Sorbeta (not created here).
    Path appDataFolder() const;
    // appDataFolder()/Holding.
    Path holdingFolder() const;

    bool operator==(const Places&) const = default;
};

}  // namespace sorbeta::platform
