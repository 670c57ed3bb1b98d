#pragma once
// The applications a Linux user installs and removes without root: AppImages
// in ~/Applications (directly or one grouping folder below) and ~/.local/bin,
// and unpacked application folders directly in ~/Applications whose program a
// user desktop entry runs. An application is known by the user desktop entry
// that runs it; without one, by its file name. An AppImage is never run or
// read to learn about it, so its last-used time stays true.
#include <QString>
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "model/uninstall/UninstallPlaces.h"

namespace sorbeta::Uninstaller {

// In the order found: ~/Applications (AppImages and folders in listing
// order, a grouping folder's AppImages where it stands), then ~/.local/bin.
std::vector<InstalledApp> linuxApps(const UninstallPlaces& where);

// A name ending in ".AppImage" in any letter case.
bool isAppImageName(const std::string& fileName);

// The name and version an AppImage's file name carries:
// "Tool-1.2.3-x86_64.AppImage" gives "Tool" and "1.2.3".
struct NameAndVersion {
    QString name;
    QString version;
};
NameAndVersion nameFromFile(const std::string& fileName);

}  // namespace sorbeta::Uninstaller
