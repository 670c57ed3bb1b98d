#include "model/uninstall/LinuxLeftovers.h"

#include <QFile>
#include <algorithm>
#include <set>

#include "model/disk/Removal.h"
#include "model/uninstall/LeftoverSearch.h"
#include "model/uninstall/LinuxApps.h"
#include "model/uninstall/LinuxLaunchers.h"
#include "model/uninstall/TemplateSearch.h"
#include "model/uninstall/UserEntries.h"
#include "platform/EntryInfo.h"
#include "platform/FileFacts.h"
#include "platform/Listing.h"
#include "platform/PathText.h"
#include "platform/SystemdUnit.h"

namespace sorbeta::Uninstaller {
namespace {

using Kind = Leftover::Kind;

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The name, then the entry's untranslated Name and window class, each when
// distinctive enough to search by.
std::vector<QString> usableNames(const InstalledApp& app, bool nameIsShared) {
    static const std::set<std::string> generic = [] {
        std::set<std::string> names = genericNames();
        for (const std::string& shared : sharedDesktopNames()) names.insert(platform::lowercased(shared));
        return names;
    }();
    std::vector<QString> names;
    if (nameIsShared) return names;
    std::vector<QString> candidates{app.name};
    candidates.insert(candidates.end(), app.desktop.aliases.begin(), app.desktop.aliases.end());
    for (const QString& name : candidates) {
        const bool usable = isPlainName(name) && name.size() >= 3 && !generic.count(name.toLower().toStdString());
        if (usable && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

// Whether a program installed apart from the AppImage or unpacked folder (a
// distribution's package, a script in ~/.local/bin) goes by one of the names
// its leftovers are searched by: ~/.config/nvim then belongs to that nvim as
// much. Letter case is ignored, as Debian's gimp keeps ~/.config/GIMP; a
// program that leads back into the application is the application itself.
bool hasInstalledTwin(const InstalledApp& app, const UninstallPlaces& where) {
    if (app.kind != AppKind::appImage && app.kind != AppKind::folder) return false;
    const Path own = comparablePath(app.url.native());
    std::vector<QString> candidates{app.bundleID, app.name};
    candidates.insert(candidates.end(), app.desktop.aliases.begin(), app.desktop.aliases.end());
    std::set<std::string> names;
    for (const QString& name : candidates)
        if (isPlainName(name)) names.insert(platform::lowercased(QFile::encodeName(name).toStdString()));
    if (names.empty()) return false;
    for (const Path& folder : where.programFolders) {
        for (const std::string& entry : platform::listNames(folder).value_or(std::vector<std::string>())) {
            if (!names.count(platform::lowercased(entry))) continue;
            const Path program = folder / entry;
            if (!platform::isExecutableFile(program)) continue;
            const auto resolved = platform::resolvedPath(program);
            if (!resolved || !liesIn(*resolved, own)) return true;
        }
    }
    return false;
}

// Whether another copy of the application stays, one whose file name gives
// one of the names its leftovers are searched by: an AppImage where users
// keep them (home, ~/Applications and its grouping folders, ~/.local/bin,
// the download and desktop folders), found or not by the listing, or one a
// launcher runs from anywhere. Foo-1.2 and Foo-1.3 keep their settings in
// the same folders, so uninstalling one must leave those to the other.
bool hasSecondCopy(const InstalledApp& app, const UninstallPlaces& where, const LinuxLaunchers& launchers) {
    std::vector<QString> candidates{app.bundleID, app.name};
    candidates.insert(candidates.end(), app.desktop.aliases.begin(), app.desktop.aliases.end());
    if (app.kind == AppKind::appImage) candidates.push_back(nameFromFile(platform::lastComponent(app.url)).name);
    std::set<QString> names;
    for (const QString& name : candidates)
        if (!name.isEmpty()) names.insert(name.toLower());
    const Path own = comparablePath(app.url.native());
    const auto isCopy = [&](const Path& file) {
        const Path resolved = comparablePath(file.native());
        const std::string name = platform::lastComponent(resolved);
        if (resolved.empty() || liesIn(resolved, own) || !isAppImageName(name)) return false;
        if (!names.count(nameFromFile(name).name.toLower())) return false;
        const auto info = platform::entryInfo(resolved);
        return info && info->kind == platform::EntryKind::file;
    };
    const auto holdsCopy = [&](const Path& folder) {
        const auto entries = platform::listNames(folder).value_or(std::vector<std::string>());
        return std::any_of(entries.begin(), entries.end(),
                           [&](const std::string& entry) { return isAppImageName(entry) && isCopy(folder / entry); });
    };
    const platform::Places& places = where.places;
    for (const Path& folder :
         {places.home, where.userBin(), places.downloads, places.desktop, where.userApplications()})
        if (!folder.empty() && holdsCopy(folder)) return true;
    for (const std::string& entry :
         platform::listNames(where.userApplications()).value_or(std::vector<std::string>())) {
        const Path group = where.userApplications() / entry;
        if (entry.front() != '.' && platform::isRealFolder(group) && holdsCopy(group)) return true;
    }
    for (const UserEntry& user : launchers.entries)
        if (isCopy(user.program) || isCopy(user.tryExec)) return true;
    for (const LaunchFile& entry : launchers.autostart)
        if (std::any_of(entry.programs.begin(), entry.programs.end(), isCopy)) return true;
    return false;
}

bool flatpakInstalled(const QString& id, const platform::Places& places) {
    const std::string name = id.toStdString();
    return platform::entryExists(places.dataHome / "flatpak/app" / name) ||
           platform::entryExists(Path("/var/lib/flatpak/app") / name);
}

bool runsInside(const std::vector<Path>& programs, const Path& bundle) {
    return std::any_of(programs.begin(), programs.end(), [&](const Path& program) { return liesIn(program, bundle); });
}

std::vector<Path> entryPrograms(const platform::DesktopEntry& entry) {
    return {comparablePath(entry.execProgram()), comparablePath(entry.value("TryExec"))};
}

std::vector<Path> unitPrograms(const Path& unitFile, const platform::Places& places) {
    std::vector<Path> programs;
    if (const auto unit = platform::readSystemdUnit(unitFile)) {
        for (const std::string& program : unit->execPrograms(places.home)) programs.push_back(comparablePath(program));
    }
    return programs;
}

void searchAgents(TemplateSearch& search, const Path& bundle, const LinuxLaunchers& launchers) {
    for (const LaunchFile& entry : launchers.autostart)
        if (runsInside(entry.programs, bundle)) search.add(entry.file, Kind::agent);
    std::set<std::string> matched;
    for (const LaunchFile& service : launchers.services) {
        if (!runsInside(service.programs, bundle)) continue;
        matched.insert(platform::lastComponent(service.file));
        search.add(service.file, Kind::agent);
    }
    if (matched.empty()) return;
    for (const UnitTimer& timer : launchers.timers) {
        if (!matched.count(timer.unit)) continue;
        matched.insert(platform::lastComponent(timer.file));
        search.add(timer.file, Kind::agent);
    }
    // The links that switch those units on.
    for (const UnitLink& link : launchers.unitLinks)
        if (matched.count(link.name)) search.add(link.link, Kind::agent);
}

bool runsFrom(const UserEntry& user, const Path& bundle) {
    return liesIn(user.program, bundle) || liesIn(user.tryExec, bundle);
}

// The icon files (comparable paths) the launchers that stay show, by path
// or by a theme name: those stay too.
std::set<Path> iconsShownElsewhere(const Path& bundle, const LinuxLaunchers& launchers) {
    std::set<Path> shown;
    for (const UserEntry& user : launchers.entries) {
        if (runsFrom(user, bundle)) continue;
        const std::string icon = user.entry.value("Icon");
        if (icon.empty()) continue;
        if (icon.front() == '/') {
            shown.insert(comparablePath(icon));
        } else if (const auto files = launchers.icons.find(icon); files != launchers.icons.end()) {
            for (const Path& file : files->second) shown.insert(comparablePath(file.native()));
        }
    }
    return shown;
}

void searchLaunchers(TemplateSearch& search, const Path& bundle, const platform::Places& places,
                     const LinuxLaunchers& launchers) {
    const Path iconsResolved = comparablePath((places.dataHome / "icons").native());
    const std::set<Path> shownElsewhere = iconsShownElsewhere(bundle, launchers);
    const auto addIcon = [&](const Path& file) {
        if (!shownElsewhere.count(comparablePath(file.native()))) search.add(file, Kind::other);
    };
    for (const UserEntry& user : launchers.entries) {
        if (!runsFrom(user, bundle)) continue;
        search.add(user.file, Kind::other);
        const std::string icon = user.entry.value("Icon");
        if (icon.empty()) continue;
        if (icon.front() == '/') {
            const Path file = comparablePath(icon);
            if (liesIn(file, iconsResolved) && file != iconsResolved) addIcon(file);
        } else if (icon.find('/') == std::string::npos && isPlainName(QFile::decodeName(icon.c_str()))) {
            if (const auto files = launchers.icons.find(icon); files != launchers.icons.end())
                for (const Path& file : files->second) addIcon(file);
        }
    }
}

bool isSafeBelowRoots(const Path& url, const UninstallPlaces& where, const std::vector<Path>& roots) {
    const std::string leaf = platform::lastComponent(url);
    if (leaf.empty() || leaf == "." || leaf == "..") return false;
    for (const Path& part : url) {
        if (part == "..") return false;
    }
    const auto parent = platform::resolvedPath(platform::parentOf(url));
    if (!parent) return false;  // a folder that cannot be resolved cannot be judged
    const Path target = *parent / leaf;
    for (const Path& root : roots) {
        if (!liesIn(target, root) || target == root) continue;
        const std::string below = target.native().substr(root.native().size() + 1);
        const std::string first = below.substr(0, below.find('/'));
        if (sharedDesktopNames().count(first)) {
            static const std::set<std::string> singleEntries{"applications", "autostart", "systemd", "icons"};
            const auto info = platform::entryInfo(target);
            if (!singleEntries.count(first) || first == below || !info || info->kind == platform::EntryKind::folder)
                return false;
        }
        return DiskScanner::isSafeToTouch(target, false, true, where.places);
    }
    return false;
}

}  // namespace

bool isSafeLinuxLeftover(const Path& url, const UninstallPlaces& where) {
    return isSafeBelowRoots(url, where, leftoverRoots(where));
}

std::vector<Leftover> findLinuxLeftovers(const InstalledApp& app, bool limited, bool nameIsShared,
                                         const UninstallPlaces& where, const LinuxLaunchers& launchers) {
    const platform::Places& places = where.places;
    const bool twin = hasInstalledTwin(app, where) || hasSecondCopy(app, where, launchers);
    const bool plainID = isPlainLinuxID(app.bundleID) && !twin;
    TemplateSearch search(
        app.bundleID, usableNames(app, nameIsShared || twin), limited, places,
        [&where, &launchers](const Path& item) { return isSafeBelowRoots(item, where, launchers.leftoverRoots); });
    // An identifier too vague to search by still lets the path-matched agents
    // and launchers be found: those cannot claim another application's files.
    if (plainID) {
        const std::string config = places.configHome.native(), data = places.dataHome.native(),
                          cache = places.cacheHome.native(), state = places.stateHome.native();
        search.run(config + "/{id}", Kind::prefs);
        search.run(config + "/{name}", Kind::prefs);
        search.run(data + "/{id}", Kind::support);
        search.run(data + "/{name}", Kind::support);
        search.run(cache + "/{id}", Kind::cache);
        search.run(cache + "/{name}", Kind::cache);
        search.run(state + "/{name}", Kind::state);
        if (!flatpakInstalled(app.bundleID, places)) search.run("~/.var/app/{id}", Kind::container);
    }
    const Path bundle = comparablePath(app.url.native());
    searchAgents(search, bundle, launchers);
    searchLaunchers(search, bundle, places, launchers);
    return search.take();
}

std::vector<Path> agentPrograms(const Path& agent, const UninstallPlaces& where) {
    const std::string name = platform::lastComponent(agent);
    if (endsWith(name, ".desktop")) {
        const auto entry = platform::readDesktopEntry(agent);
        return entry ? entryPrograms(*entry) : std::vector<Path>();
    }
    if (endsWith(name, ".service")) return unitPrograms(agent, where.places);
    if (endsWith(name, ".timer")) {
        const auto timer = platform::readSystemdUnit(agent);
        if (timer && platform::isPlainUnitName(timer->timerUnit(name)))
            return unitPrograms(platform::parentOf(agent) / timer->timerUnit(name), where.places);
    }
    return {};
}

bool isStoppableUnit(const Path& agent, const UninstallPlaces& where) {
    const std::string name = platform::lastComponent(agent);
    const auto folder = platform::resolvedPath(platform::parentOf(agent));
    const auto units = platform::resolvedPath(where.places.configHome / "systemd/user");
    return folder && units && *folder == *units && (endsWith(name, ".service") || endsWith(name, ".timer")) &&
           platform::isPlainUnitName(name);
}

}  // namespace sorbeta::Uninstaller
