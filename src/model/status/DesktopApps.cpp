#include "model/status/DesktopApps.h"

#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <algorithm>
#include <mutex>
#include <set>

#include "platform/DesktopEntry.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/Listing.h"

namespace sorbeta {
namespace {

constexpr std::size_t kEntryLimit = 256 * 1024;

// Programs that run whatever they are handed: an entry starting one of these
// says nothing about which process is its application.
bool isLauncher(const std::string& name) {
    static const std::set<std::string> launchers = {
        "sh",         "bash",      "dash",  "zsh",    "fish",       "env",      "flatpak",   "snap",
        "python",     "python2",   "perl",  "ruby",   "node",       "java",     "gjs",       "mono",
        "wine",       "xdg-open",  "gio",   "pkexec", "sudo",       "exo-open", "kioclient", "kioclient5",
        "gtk-launch", "dbus-send", "gdbus", "busctl", "systemd-run"};
    if (launchers.count(name)) return true;
    // python3, python3.11, perl5.36…
    for (const char* family : {"python", "perl", "ruby", "lua", "php"})
        if (name.rfind(family, 0) == 0) return true;
    return false;
}

Path resolvedProgram(const std::string& program, const std::string& searchPath) {
    if (program.empty()) return {};
    if (program.find('/') != std::string::npos) {
        if (program.front() != '/') return {};
        const auto resolved = platform::resolvedPath(program);
        return resolved && platform::exists(*resolved) ? *resolved : Path();
    }
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
        const std::string folder = searchPath.substr(start, end - start);
        start = end + 1;
        if (folder.empty() || folder.front() != '/') continue;
        const Path candidate = Path(folder) / program;
        const auto info = platform::targetInfo(candidate);
        if (!info || info->kind != platform::EntryKind::file) continue;
        if (const auto resolved = platform::resolvedPath(candidate)) return *resolved;
    }
    return {};
}

std::optional<DesktopApp> appOf(const Path& file, std::string id, const QString& locale, const std::string& path) {
    std::string text;
    // Packages and Flatpak's exports put links here: follow the final one.
    if (platform::readRegularFile(file, kEntryLimit, text, platform::FinalLink::follow) != platform::ReadOutcome::ok)
        return std::nullopt;
    const auto entry = platform::parseDesktopEntry(text);
    if (!entry) return std::nullopt;
    DesktopApp app;
    app.id = std::move(id);
    app.name = entry->localizedName(locale);
    const std::string icon = entry->value("Icon");
    app.icon = QString::fromUtf8(icon.data(), qsizetype(icon.size()));
    app.visible = entry->value("Type") == "Application" && !entry->isTrue("NoDisplay") && !entry->isTrue("Hidden");
    const std::string program = entry->execProgram();
    if (!isLauncher(Path(program).filename().string()) && entry->value("X-Flatpak").empty())
        app.program = resolvedProgram(program, path);
    return app;
}

bool isDesktopFile(const std::string& name) {
    return name.size() > 8 && name.front() != '.' && name.compare(name.size() - 8, 8, ".desktop") == 0;
}

// The folders whose modification times tell whether the index is current:
// each applications folder and its direct subfolders. A new, changed or
// removed entry changes one of them, and a new or removed subfolder changes
// its parent, so the subfolders need listing only when the index is read.
std::vector<Path> watchedFolders(const std::vector<Path>& folders) {
    std::vector<Path> watched;
    for (const Path& folder : folders) {
        watched.push_back(folder);
        const auto children = platform::listChildren(folder);
        if (!children) continue;
        for (const auto& child : *children)
            if (child.isFolder) watched.push_back(folder / child.name);
    }
    return watched;
}

std::vector<int64_t> folderStamps(const std::vector<Path>& watched) {
    std::vector<int64_t> stamps;
    stamps.reserve(watched.size());
    for (const Path& folder : watched) {
        const auto info = platform::targetInfo(folder);
        stamps.push_back(info ? info->modifiedSeconds * 1000000000 + info->modifiedNanoseconds : -1);
    }
    return stamps;
}

}  // namespace

DesktopApps DesktopApps::read(const std::vector<Path>& folders, const QString& locale, const std::string& searchPath) {
    DesktopApps index;
    auto add = [&](const Path& file, std::string id) {
        if (index.byId_.count(id)) return;  // hidden by an earlier folder
        auto app = appOf(file, id, locale, searchPath);
        if (!app) return;
        const std::size_t at = index.apps_.size();
        index.byId_.emplace(app->id, at);
        if (app->visible && !app->program.empty()) index.byProgram_.emplace(app->program, at);
        index.apps_.push_back(std::move(*app));
    };
    for (const Path& folder : folders) {
        auto children = platform::listChildren(folder);
        if (!children) continue;
        std::sort(children->begin(), children->end(), [](const auto& a, const auto& b) { return a.name < b.name; });
        for (const auto& child : *children) {
            if (child.isFolder) {
                auto inner = platform::listNames(folder / child.name);
                if (!inner) continue;
                std::sort(inner->begin(), inner->end());
                for (const std::string& name : *inner)
                    if (isDesktopFile(name))
                        add(folder / child.name / name, child.name + "-" + name.substr(0, name.size() - 8));
            } else if (isDesktopFile(child.name)) {
                add(folder / child.name, child.name.substr(0, child.name.size() - 8));
            }
        }
    }
    return index;
}

const DesktopApp* DesktopApps::byUnit(const std::string& unitId) const {
    std::size_t from = 0;
    while (from < unitId.size()) {
        if (const auto it = byId_.find(unitId.substr(from)); it != byId_.end()) return &apps_[it->second];
        const std::size_t dash = unitId.find('-', from);
        if (dash == std::string::npos) break;
        from = dash + 1;
    }
    return nullptr;
}

const DesktopApp* DesktopApps::byProgram(const Path& executable) const {
    if (executable.empty()) return nullptr;
    const auto it = byProgram_.find(executable);
    return it == byProgram_.end() ? nullptr : &apps_[it->second];
}

std::vector<Path> applicationFolders() {
    std::vector<Path> folders;
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        folders.emplace_back(QFile::encodeName(folder).toStdString());
    return folders;
}

std::shared_ptr<const DesktopApps> systemDesktopApps() {
    static std::mutex lock;
    static std::shared_ptr<const DesktopApps> index;
    static std::vector<Path> watched;
    static std::vector<int64_t> stamps;
    static std::vector<Path> readFolders;
    static QString readLocale;
    const std::vector<Path> folders = applicationFolders();
    const QString locale = QLocale().name();
    const std::lock_guard guard(lock);
    if (index && folders == readFolders && locale == readLocale && folderStamps(watched) == stamps) return index;
    // Taken before reading, so a change made meanwhile is seen next time.
    watched = watchedFolders(folders);
    stamps = folderStamps(watched);
    QByteArray path = qgetenv("PATH");
    if (path.isEmpty()) path = "/usr/local/bin:/usr/bin:/bin";
    index = std::make_shared<const DesktopApps>(DesktopApps::read(folders, locale, path.toStdString()));
    readFolders = folders;
    readLocale = locale;
    return index;
}

}  // namespace sorbeta
