#include "platform/Paths.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <mutex>
#include <system_error>

namespace sorbeta::platform {
namespace {

std::mutex homeMutex;
Path cachedHome;

Path resolveHome() {
    const char* env = std::getenv("HOME");
    std::string raw = (env && *env) ? env : "/";
    char buffer[PATH_MAX];
    if (::realpath(raw.c_str(), buffer)) raw = buffer;
    while (raw.size() > 1 && raw.back() == '/') raw.pop_back();
    return Path(raw);
}

Path xdgFolder(const char* variable, const char* fallback) {
    const char* env = std::getenv(variable);
    if (env && *env == '/') return Path(env);
    return home() / fallback;
}

}  // namespace

const Path& home() {
    std::lock_guard lock(homeMutex);
    if (cachedHome.empty()) cachedHome = resolveHome();
    return cachedHome;
}

void resetForTesting() {
    std::lock_guard lock(homeMutex);
    cachedHome.clear();
}

Path expandTilde(const std::string& pattern) {
    if (pattern == "~") return home();
    if (pattern.rfind("~/", 0) == 0) return Path(home().native() + pattern.substr(1));
    return Path(pattern);
}

Path dataHome() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }
Path configHome() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }
Path appDataFolder() { return dataHome() / "Sorbeta"; }
Path holdingFolder() { return appDataFolder() / "Holding"; }

bool makeAppFolder(const Path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return true;
    if (!folder.has_parent_path() || folder.parent_path() == folder) return false;
    if (!makeAppFolder(folder.parent_path())) return false;
    if (::mkdir(folder.c_str(), 0700) == 0) return true;
    return errno == EEXIST && std::filesystem::is_directory(folder, error);
}

}  // namespace sorbeta::platform
