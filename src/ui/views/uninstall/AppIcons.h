#pragma once
// The icon an installed application is shown with: its desktop entry's Icon
// (a file, or a name in the icon theme or the user's icon folder), a
// bundle's own icon file, else a generic application icon of our own. Found
// once per application and remembered in the process's icon cache under the
// application's path, so the map's jellies draw the same icon.
#include <QIcon>
#include <filesystem>

#include "model/uninstall/InstalledApp.h"

namespace sorbeta::AppIcons {

// The application's icon, resolved the first time it is asked for. Main thread only.
QIcon icon(const InstalledApp& app, const std::filesystem::path& dataHome);
// The icon file a desktop entry's Icon names, when it names a readable
// image file: itself when absolute, else one in the user's icon folder.
std::filesystem::path iconFile(const QString& iconKey, const std::filesystem::path& dataHome);
// The generic application icon: a grape tile with a window on it.
QIcon genericIcon();

}  // namespace sorbeta::AppIcons
