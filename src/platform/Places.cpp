#include "platform/Places.h"

#include <cstdlib>

#include "platform/EntryInfo.h"
#include "platform/PathText.h"

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
    if (env && *env == '/') return Path(env);
    return home / fallback;
}

}  // namespace

Places Places::fromEnvironment() {
    Places places;
    places.home = resolveHome();
    places.dataHome = xdgFolder("XDG_DATA_HOME", places.home, ".local/share");
    places.configHome = xdgFolder("XDG_CONFIG_HOME", places.home, ".config");
    places.cacheHome = xdgFolder("XDG_CACHE_HOME", places.home, ".cache");
    places.stateHome = xdgFolder("XDG_STATE_HOME", places.home, ".local/state");
    return places;
}

Path Places::expandTilde(const std::string& pattern) const {
    if (pattern == "~") return home;
    if (pattern.rfind("~/", 0) == 0) return Path(home.native() + pattern.substr(1));
    return Path(pattern);
}

Path Places::appDataFolder() const { return dataHome / "Sorbeta"; }
Path Places::holdingFolder() const { return appDataFolder() / "Holding"; }

}  // namespace sorbeta::platform
