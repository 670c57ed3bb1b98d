#include "model/uninstall/LinuxLaunchers.h"

#include <algorithm>

#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"
#include "platform/SystemdUnit.h"

namespace sorbeta::Uninstaller {
namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::vector<std::string> sortedNames(const Path& folder) {
    auto names = platform::listNames(folder).value_or(std::vector<std::string>());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<Path> unitPrograms(const platform::SystemdUnit& unit, const platform::Places& places) {
    std::vector<Path> programs;
    for (const std::string& program : unit.execPrograms(places.home)) programs.push_back(comparablePath(program));
    return programs;
}

void readAutostart(LinuxLaunchers& launchers, const platform::Places& places) {
    const Path autostart = places.configHome / "autostart";
    for (const std::string& name : sortedNames(autostart)) {
        if (!endsWith(name, ".desktop")) continue;
        if (const auto entry = platform::readDesktopEntry(autostart / name))
            launchers.autostart.push_back(
                {autostart / name, {comparablePath(entry->execProgram()), comparablePath(entry->value("TryExec"))}});
    }
}

void readUnits(LinuxLaunchers& launchers, const platform::Places& places) {
    const Path units = places.configHome / "systemd/user";
    for (const std::string& name : sortedNames(units)) {
        if (endsWith(name, ".service")) {
            if (const auto unit = platform::readSystemdUnit(units / name))
                launchers.services.push_back({units / name, unitPrograms(*unit, places)});
        } else if (endsWith(name, ".timer")) {
            if (const auto timer = platform::readSystemdUnit(units / name))
                launchers.timers.push_back({units / name, timer->timerUnit(name)});
        } else if (endsWith(name, ".wants") || endsWith(name, ".requires")) {
            const auto info = platform::entryInfo(units / name);
            if (!info || info->kind != platform::EntryKind::folder) continue;
            for (const std::string& link : sortedNames(units / name))
                launchers.unitLinks.push_back({units / name / link, link});
        }
    }
}

void readIconFiles(LinuxLaunchers& launchers, const Path& folder) {
    static const std::vector<std::string> extensions{".png", ".svg", ".svgz", ".xpm"};
    auto children = platform::listChildren(folder).value_or(std::vector<platform::ListedChild>());
    std::sort(children.begin(), children.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const platform::ListedChild& child : children) {
        if (child.isFolder) continue;
        for (const std::string& extension : extensions) {
            if (endsWith(child.name, extension)) {
                launchers.icons[child.name.substr(0, child.name.size() - extension.size())].push_back(folder /
                                                                                                      child.name);
                break;
            }
        }
    }
}

// Only where an application puts its own icons: loose in the icon folder and
// in hicolor's apps folders. A theme the user installed there draws icons of
// the same names, and those are the theme's.
void readIcons(LinuxLaunchers& launchers, const platform::Places& places) {
    const Path icons = places.dataHome / "icons";
    if (!platform::isRealFolder(icons)) return;
    readIconFiles(launchers, icons);
    const Path hicolor = icons / "hicolor";
    if (!platform::isRealFolder(hicolor)) return;
    for (const std::string& size : sortedNames(hicolor)) {
        const Path apps = hicolor / size / "apps";
        if (platform::isRealFolder(hicolor / size) && platform::isRealFolder(apps)) readIconFiles(launchers, apps);
    }
}

std::vector<Path> rootsOf(const UninstallPlaces& where) {
    std::vector<Path> roots;
    const auto home = platform::resolvedPath(where.places.home);
    if (!home) return roots;
    const Path& p = where.places.home;
    for (const Path& folder :
         {p / ".config", p / ".cache", p / ".local/share", p / ".local/state", p / ".var/app", where.places.configHome,
          where.places.cacheHome, where.places.dataHome, where.places.stateHome}) {
        const auto resolved = platform::resolvedPath(folder);
        if (resolved && liesIn(*resolved, *home) && *resolved != *home &&
            std::find(roots.begin(), roots.end(), *resolved) == roots.end())
            roots.push_back(*resolved);
    }
    return roots;
}

}  // namespace

std::vector<Path> leftoverRoots(const UninstallPlaces& where) { return rootsOf(where); }

LinuxLaunchers LinuxLaunchers::read(const UninstallPlaces& where) {
    LinuxLaunchers launchers;
    launchers.entries = userEntries(where.places);
    readAutostart(launchers, where.places);
    readUnits(launchers, where.places);
    readIcons(launchers, where.places);
    launchers.leftoverRoots = rootsOf(where);
    return launchers;
}

}  // namespace sorbeta::Uninstaller
