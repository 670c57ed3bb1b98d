#include "platform/Places.h"

#include <cstdlib>
#include <string_view>

#include "platform/EntryInfo.h"
#include "platform/PathText.h"
#include "platform/UserDirs.h"

namespace sorbeta::platform {
namespace {

Path resolveHome() {
    const char* env = std::getenv("HOME");
    const Path raw = (env && *env) ? Path(env) : Path("/");
    const Path resolved = resolvedPath(raw).value_or(raw);
    return Path(withoutTrailingSlashes(resolved.native()));
}

Path xdgFolder(const char* variable, const Path& home, const char* fallback) {
    const char* env = std::getenv(variable);
    if (!env || *env != '/') return home / fallback;
    // A cache or settings folder set to the home folder itself (or above it)
    // would turn every rule that empties it onto the whole home: such a
    // setting is taken for a mistake. The fallback may be such a link too
    // (~/.cache -> ~); whoever lists a place asks holdsHome first.
    // Resolved like the home, so that one folder is written one way: with
    // HOME a link and XDG_CACHE_HOME="$HOME/.cache", ~/.cache/x and {cache}/x
    // must not count twice.
    const Path raw(env);
    return holdsHomeFolder(raw, home) ? home / fallback : realFolder(raw);
}

// The folder a leading "{name}" stands for; nullptr for an unknown name.
const Path* namedPlace(const Places& places, std::string_view name) {
    if (name == "cache") return &places.cacheHome;
    if (name == "config") return &places.configHome;
    if (name == "data") return &places.dataHome;
    if (name == "state") return &places.stateHome;
    if (name == "fp") return &places.flatpakApps;
    if (name == "snap") return &places.snaps;
    if (name == "root") return &places.systemRoot;
    if (name == "Desktop") return &places.desktop;
    if (name == "Documents") return &places.documents;
    if (name == "Downloads") return &places.downloads;
    if (name == "Music") return &places.music;
    if (name == "Pictures") return &places.pictures;
    if (name == "Videos") return &places.videos;
    return nullptr;
}

}  // namespace

Places Places::fromEnvironment() {
    Places places;
    places.home = resolveHome();
    places.dataHome = xdgFolder("XDG_DATA_HOME", places.home, ".local/share");
    places.configHome = xdgFolder("XDG_CONFIG_HOME", places.home, ".config");
    places.cacheHome = xdgFolder("XDG_CACHE_HOME", places.home, ".cache");
    places.stateHome = xdgFolder("XDG_STATE_HOME", places.home, ".local/state");
    auto folders = readUserDirs(places.configHome, places.home);
    places.desktop = folders["DESKTOP"];
    places.documents = folders["DOCUMENTS"];
    places.downloads = folders["DOWNLOAD"];
    places.music = folders["MUSIC"];
    places.pictures = folders["PICTURES"];
    places.videos = folders["VIDEOS"];
    places.flatpakApps = places.home / ".var/app";
    places.snaps = places.home / "snap";
    if (const char* root = std::getenv("SORBETA_SYSTEM_ROOT"); root && *root == '/') places.systemRoot = root;
    return places;
}

Path Places::expandTilde(const std::string& pattern) const {
    if (pattern == "~") return home;
    if (pattern.rfind("~/", 0) == 0) return Path(home.native() + pattern.substr(1));
    return Path(pattern);
}

std::optional<Path> Places::expandPlace(const std::string& pattern) const {
    if (pattern.empty() || pattern.front() != '{') return expandTilde(pattern);
    const std::size_t close = pattern.find('}');
    if (close == std::string::npos) return std::nullopt;
    const Path* place = namedPlace(*this, std::string_view(pattern).substr(1, close - 1));
    if (!place || place->empty()) return std::nullopt;
    const std::string rest = pattern.substr(close + 1);
    if (!rest.empty() && rest.front() != '/') return std::nullopt;
    const std::string base = withoutTrailingSlashes(place->native());
    return Path(base == "/" && !rest.empty() ? rest : base + rest);
}

bool Places::holdsHome(const Path& folder) const { return holdsHomeFolder(folder, home); }

Path Places::appDataFolder() const { return dataHome / "Sorbeta"; }
Path Places::holdingFolder() const { return appDataFolder() / "Holding"; }

}  // namespace sorbeta::platform
