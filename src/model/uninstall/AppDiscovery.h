#pragma once
// Finding the applications a user may remove: bundles (folders named *.app
// with an Info.plist) directly in an application folder or one folder below,
// and the Linux applications a user installs without the package manager.
// Synchronous file-system work for a worker thread; nothing is measured here.
#include <QDateTime>
#include <QVariantMap>
#include <optional>
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "model/uninstall/UninstallPlaces.h"

namespace sorbeta::Uninstaller {

// Every removable application, bundles first found wins per identifier,
// sorted by name the way the file browser sorts (case-insensitive, digits by
// value); equal names keep discovery order.
std::vector<InstalledApp> listApps(const UninstallPlaces& where);

// One bundle as a record (appBytes 0, no leftovers); absent when it has no
// Info.plist with an identifier or is protected.
std::optional<InstalledApp> describe(const Path& url, const UninstallPlaces& where);
// Apple's own applications, anything under /System/ and this program.
bool isProtected(const QString& id, const Path& url, const UninstallPlaces& where);
// The bundle's display name: its file name, CFBundleDisplayName or
// CFBundleName (trimmed, a trailing ".app" dropped, the first not empty),
// else the file name without its extension.
QString displayName(const Path& url, const QVariantMap& info);
// When the bundle's program was last started, as far as the file system
// recorded it.
std::optional<QDateTime> lastUsed(const Path& url, const QVariantMap& info);

// Sorts by name as listApps() does.
void sortByName(std::vector<InstalledApp>& apps);

}  // namespace sorbeta::Uninstaller
