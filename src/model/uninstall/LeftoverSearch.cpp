#include "model/uninstall/LeftoverSearch.h"

#include <QStringList>

#include "model/uninstall/LinuxLaunchers.h"
#include "model/uninstall/LinuxLeftovers.h"
#include "model/uninstall/TemplateSearch.h"
#include "platform/EntryInfo.h"
#include "platform/PathText.h"

namespace sorbeta::Uninstaller {
namespace {

using Kind = Leftover::Kind;

std::vector<std::string> componentsOf(const Path& path) {
    std::vector<std::string> parts;
    for (const Path& part : path) {
        if (!part.empty() && part != "/") parts.push_back(part.native());
    }
    return parts;
}

bool hasOnly(const QString& text, QStringView allowed) {
    for (const QChar c : text) {
        if (!allowed.contains(c)) return false;
    }
    return true;
}

bool isTopLevelWord(const QString& part) {
    static const QStringList words{"com", "org", "net", "io", "co", "me", "app", "dev",
                                   "cn",  "de",  "jp",  "uk", "us", "ai", "edu", "gov"};
    return words.contains(part.toLower());
}

// The shape the leftover search asks of a dotted identifier.
bool isPlainDotted(const QString& id) {
    const QStringList parts = id.split(u'.', Qt::KeepEmptyParts);
    if (parts.size() < 2) return false;
    for (const QString& part : parts) {
        if (part.isEmpty()) return false;
    }
    return parts.size() != 2 || !isTopLevelWord(parts.front());
}

bool isNewline(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool nameUsable(const QString& name, bool nameIsShared, const std::set<std::string>& generic) {
    return !nameIsShared && isPlainName(name) && name.size() >= 3 && !generic.count(name.toLower().toStdString());
}

}  // namespace

const std::vector<LeftoverPattern>& leftoverPatterns() {
    static const std::vector<LeftoverPattern> patterns{
        {"~/Library/Application Support/{id}", Kind::support},
        {"~/Library/Application Support/{name}", Kind::support},
        {"~/Library/Caches/{id}", Kind::cache},
        {"~/Library/Caches/{name}", Kind::cache},
        {"~/Library/HTTPStorages/{id}", Kind::web},
        {"~/Library/HTTPStorages/{id}.binarycookies", Kind::web},
        {"~/Library/WebKit/{id}", Kind::web},
        {"~/Library/Cookies/{id}.binarycookies", Kind::web},
        {"~/Library/Preferences/{id}.plist", Kind::prefs},
        {"~/Library/Preferences/ByHost/{id}.*.plist", Kind::prefs},
        {"~/Library/Saved Application State/{id}.savedState", Kind::state},
        {"~/Library/Logs/{name}", Kind::logs},
        {"~/Library/Logs/{id}", Kind::logs},
        {"~/Library/LaunchAgents/{id}*.plist", Kind::agent},
        {"~/Library/Containers/{id}", Kind::container},
        {"~/Library/Group Containers/*.{id}", Kind::container},
        {"~/Library/Application Scripts/{id}", Kind::container},
    };
    return patterns;
}

const std::set<std::string>& genericNames() {
    static const std::set<std::string> names{"code", "app",     "data",   "helper",    "update", "updater", "cache",
                                             "logs", "support", "google", "microsoft", "adobe",  "apple",   "electron"};
    return names;
}

const std::set<std::string>& sharedDesktopNames() {
    static const std::set<std::string> names{"applications",
                                             "autostart",
                                             "systemd",
                                             "icons",
                                             "fonts",
                                             "mime",
                                             "Trash",
                                             "keyrings",
                                             "flatpak",
                                             "dbus-1",
                                             "themes",
                                             "sounds",
                                             "fontconfig",
                                             "dconf",
                                             "pulse",
                                             "gtk-3.0",
                                             "gtk-4.0",
                                             "menus",
                                             "desktop-directories"};
    return names;
}

bool isPlainBundleID(const QString& id) {
    static const QString allowed = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-");
    if (id.size() < 3 || id.size() > 255 || !id.front().isLetterOrNumber()) return false;
    return hasOnly(id, allowed) && isPlainDotted(id);
}

bool isPlainLinuxID(const QString& id) {
    static const QString allowed = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-_");
    if (id.size() < 3 || id.size() > 255 || !id.front().isLetterOrNumber() || !hasOnly(id, allowed)) return false;
    if (!id.contains(u'.')) {
        const std::string lower = id.toLower().toStdString();
        return !genericNames().count(lower) && !sharedDesktopNames().count(lower) &&
               !sharedDesktopNames().count(id.toStdString());
    }
    return isPlainDotted(id);
}

bool isPlainName(const QString& name) {
    static const QString forbidden = QStringLiteral("/\\*?[]{}:~");
    if (name.isEmpty() || name.startsWith(u'.') || name.contains(QStringLiteral(".."))) return false;
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.category() == QChar::Other_Control || isNewline(c)) return false;
    }
    return true;
}

bool isSafeLibraryLeftover(const Path& url, const platform::Places& places) {
    const auto home = platform::resolvedPath(places.home);
    // A folder that cannot be resolved cannot be judged: unsafe.
    const auto parent = platform::resolvedPath(platform::parentOf(url));
    if (!home || !parent) return false;
    const std::vector<std::string> h = componentsOf(*home);
    const std::vector<std::string> t = componentsOf((*parent / platform::lastComponent(url)).lexically_normal());
    if (t.size() < h.size() + 3 || !std::equal(h.begin(), h.end(), t.begin()) || t[h.size()] != "Library") return false;
    static const std::set<std::string> unsafe{"Keychains", "Mail",      "Mobile Documents",
                                              "Accounts",  "Calendars", "Contacts"};
    for (const std::string& part : t) {
        if (part == ".." || unsafe.count(part)) return false;
    }
    for (const Path& part : url) {
        if (part == "..") return false;
    }
    return true;
}

bool isSafeLeftover(const Path& url, const UninstallPlaces& where) {
    return isSafeLibraryLeftover(url, where.places) || isSafeLinuxLeftover(url, where);
}

std::vector<Leftover> findLeftovers(const InstalledApp& app, bool limited, bool nameIsShared,
                                    const UninstallPlaces& where) {
    if (app.kind != AppKind::bundle)
        return findLinuxLeftovers(app, limited, nameIsShared, where, LinuxLaunchers::read(where));
    return findLeftovers(app, limited, nameIsShared, where, LinuxLaunchers{});
}

std::vector<Leftover> findLeftovers(const InstalledApp& app, bool limited, bool nameIsShared,
                                    const UninstallPlaces& where, const LinuxLaunchers& launchers) {
    if (app.kind != AppKind::bundle) return findLinuxLeftovers(app, limited, nameIsShared, where, launchers);
    if (!isPlainBundleID(app.bundleID)) return {};
    std::vector<QString> names;
    if (nameUsable(app.name, nameIsShared, genericNames())) names.push_back(app.name);
    TemplateSearch search(app.bundleID, names, limited, where.places,
                          [&where](const Path& item) { return isSafeLibraryLeftover(item, where.places); });
    for (const LeftoverPattern& pattern : leftoverPatterns()) search.run(pattern.path, pattern.kind);
    return search.take();
}

}  // namespace sorbeta::Uninstaller
