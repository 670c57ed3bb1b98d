#pragma once
// The applications the desktop shows to its user, from the .desktop files of
// the applications folders: what each is called, its icon and the program it
// runs. The memory users list names running processes through it and keeps
// only what a user would call an application.
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sorbeta {

using Path = std::filesystem::path;

struct DesktopApp {
    std::string id;        // "org.gnome.Terminal"; a file in a subfolder "kde4/x.desktop" is "kde4-x"
    QString name;          // in the interface language where the file has it
    QString icon;          // a theme icon name or an absolute file
    bool visible = false;  // an application shown in menus: Type=Application, neither NoDisplay nor Hidden
    Path program;          // what Exec runs, found on the search path, links resolved; empty when not found
};

class DesktopApps {
public:
    DesktopApps() = default;
    // Reads the folders in order of precedence: an id found in an earlier
    // folder hides the same id further down. `searchPath` is a PATH value.
    static DesktopApps read(const std::vector<Path>& folders, const QString& locale, const std::string& searchPath);

    // The entry an application unit's id names: the id itself, else the id
    // with a launcher's leading "<word>-" parts taken off ("gnome-org.x.Y").
    const DesktopApp* byUnit(const std::string& unitId) const;
    // The shown application whose program is this executable. Interpreters and
    // launchers (sh, python3, flatpak…) are never matched: they run anything.
    const DesktopApp* byProgram(const Path& executable) const;
    std::size_t size() const { return apps_.size(); }

private:
    std::vector<DesktopApp> apps_;
    std::map<std::string, std::size_t> byId_;
    std::map<Path, std::size_t> byProgram_;
};

// The folders the desktop reads entries from, user's first.
std::vector<Path> applicationFolders();

// The index for this desktop, shared; read again only when one of the
// folders (or one of their subfolders) changed, or the language did.
// Safe to call from any thread.
std::shared_ptr<const DesktopApps> systemDesktopApps();

}  // namespace sorbeta
