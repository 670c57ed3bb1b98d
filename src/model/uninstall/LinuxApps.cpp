#include "model/uninstall/LinuxApps.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>

#include "model/uninstall/UserEntries.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/MountInfo.h"

namespace sorbeta::Uninstaller {
namespace {

using platform::EntryKind;

QString fromBytes(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

bool isExecutableFile(const Path& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || status.type() != std::filesystem::file_type::regular) return false;
    using std::filesystem::perms;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) != perms::none;
}

std::optional<QDateTime> accessedAt(const Path& path) {
    const auto seconds = platform::recordedAccessTime(path);
    if (!seconds) return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC);
}

class Finder {
public:
    explicit Finder(const UninstallPlaces& where) : where_(where), entries_(userEntries(where.places)) {}

    std::vector<InstalledApp> run() {
        applicationsFolder();
        if (const auto names = platform::listNames(where_.userBin())) {
            for (const std::string& name : *names)
                if (name.front() != '.' && isAppImageName(name)) appImage(where_.userBin() / name);
        }
        return std::move(found_);
    }

private:
    void applicationsFolder() {
        const Path root = where_.userApplications();
        const auto names = platform::listNames(root);
        if (!names) return;
        for (const std::string& name : *names) {
            if (name.front() == '.') continue;
            const Path child = root / name;
            const auto info = platform::entryInfo(child);
            if (!info) continue;
            if (info->kind == EntryKind::file && isAppImageName(name)) {
                appImage(child);
            } else if (info->kind == EntryKind::folder && !isBundleName(name)) {
                // A folder that holds AppImages, or unpacked applications
                // of their own, only groups them.
                if (!groupedAppImages(child) && !groupedFolderApps(child)) folderApp(child);
            }
        }
    }

    static bool isBundleName(const std::string& name) {
        return name.size() > 4 && name.compare(name.size() - 4, 4, ".app") == 0;
    }

    bool groupedAppImages(const Path& folder) {
        const auto names = platform::listNames(folder);
        if (!names) return false;
        bool grouping = false;
        for (const std::string& name : *names) {
            if (name.front() == '.' || !isAppImageName(name) || !isExecutableFile(folder / name)) continue;
            grouping = true;
            appImage(folder / name);
        }
        return grouping;
    }

    // A folder whose launchers run programs from two or more folders inside
    // it (~/Applications/JetBrains/idea/bin/idea.sh and .../pycharm/bin/
    // pycharm.sh) groups that many applications: each is listed, and goes,
    // on its own. A launcher that runs a program lying directly in the
    // folder makes it one application.
    bool groupedFolderApps(const Path& folder) {
        const auto resolved = platform::resolvedPath(folder);
        if (!resolved) return false;
        std::set<std::string> inside;
        for (const UserEntry& user : entries_) {
            for (const Path& program : {user.program, user.tryExec}) {
                if (!liesIn(program, *resolved) || program == *resolved) continue;
                const Path relative = program.lexically_relative(*resolved);
                if (std::distance(relative.begin(), relative.end()) < 2) return false;
                inside.insert(relative.begin()->native());
            }
        }
        if (inside.size() < 2) return false;
        for (const std::string& name : inside)
            if (platform::isRealFolder(folder / name)) folderApp(folder / name);
        return true;
    }

    const UserEntry* entryRunning(const Path& bundle, bool strictlyInside) const {
        for (const UserEntry& user : entries_) {
            for (const Path& program : {user.program, user.tryExec}) {
                if (liesIn(program, bundle) && (!strictlyInside || program != bundle)) return &user;
            }
        }
        return nullptr;
    }

    bool isOurselves(const Path& bundle, const UserEntry* user) const {
        if (user && user->id == where_.ownDesktopId) return true;
        return liesIn(where_.ownAppImage, bundle) || liesIn(where_.ownExecutable, bundle);
    }

    void fillFromEntry(InstalledApp& app, const UserEntry& user) const {
        app.bundleID = user.id;
        const QString localized = user.entry.localizedName(where_.locale);
        if (!localized.trimmed().isEmpty()) app.name = localized.trimmed();
        app.desktop.entry = user.file;
        for (const char* key : {"Name", "StartupWMClass"}) {
            const QString alias = fromBytes(user.entry.value(key)).trimmed();
            if (!alias.isEmpty() && alias != app.name &&
                std::find(app.desktop.aliases.begin(), app.desktop.aliases.end(), alias) == app.desktop.aliases.end())
                app.desktop.aliases.push_back(alias);
        }
        app.desktop.icon = fromBytes(user.entry.value("Icon"));
    }

    void appImage(const Path& file) {
        if (!isExecutableFile(file)) return;  // a link by that name is not a second application
        const auto resolved = platform::resolvedPath(file);
        if (!resolved) return;
        const UserEntry* user = entryRunning(*resolved, false);
        if (isOurselves(*resolved, user)) return;
        const NameAndVersion fromFile = nameFromFile(file.filename().native());
        InstalledApp app;
        app.url = file;
        app.kind = AppKind::appImage;
        app.name = fromFile.name;
        app.bundleID = fromFile.name;
        app.version = fromFile.version;
        if (user) {
            fillFromEntry(app, *user);
            const QString stamped = fromBytes(user->entry.value("X-AppImage-Version")).trimmed();
            if (!stamped.isEmpty()) app.version = stamped;
        }
        app.desktop.program = *resolved;
        app.lastUsed = accessedAt(file);
        found_.push_back(std::move(app));
    }

    void folderApp(const Path& folder) {
        const auto resolved = platform::resolvedPath(folder);
        if (!resolved) return;
        const UserEntry* user = entryRunning(*resolved, true);
        if (!user || isOurselves(*resolved, user)) return;
        const Path program = liesIn(user->program, *resolved) ? user->program : user->tryExec;
        if (!isExecutableFile(program)) return;
        InstalledApp app;
        app.url = folder;
        app.kind = AppKind::folder;
        app.name = QFile::decodeName(folder.filename().c_str());
        fillFromEntry(app, *user);
        app.desktop.program = program;
        app.lastUsed = accessedAt(program);
        found_.push_back(std::move(app));
    }

    const UninstallPlaces& where_;
    std::vector<UserEntry> entries_;
    std::vector<InstalledApp> found_;
};

}  // namespace

std::vector<InstalledApp> linuxApps(const UninstallPlaces& where) { return Finder(where).run(); }

bool isAppImageName(const std::string& fileName) {
    static const std::string suffix = ".appimage";
    if (fileName.size() <= suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = fileName[fileName.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

NameAndVersion nameFromFile(const std::string& fileName) {
    QString name = QFile::decodeName(fileName.c_str());
    if (isAppImageName(fileName)) name.chop(9);
    static const QRegularExpression architecture(
        QStringLiteral("[-_.](x86[-_]64|amd64|x64|aarch64|arm64|armhf|armv7l|i386|i686)$"),
        QRegularExpression::CaseInsensitiveOption);
    name.remove(architecture);
    static const QRegularExpression version(QStringLiteral("-[vV]?(\\d[^-]*)$"));
    const auto match = version.match(name);
    if (!match.hasMatch() || match.capturedStart() == 0) return {name, {}};
    return {name.left(match.capturedStart()), match.captured(1)};
}

}  // namespace sorbeta::Uninstaller
