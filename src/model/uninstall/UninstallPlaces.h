#pragma once
// Where the uninstaller looks and what it must never list: the application
// folders, the user's places, and this program itself. The service container
// builds one from the system; tests point every folder at a temporary home.
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Places.h"

namespace sorbeta {

struct UninstallPlaces {
    platform::Places places;
    // The system-wide application folder of bundles.
    std::filesystem::path systemApplications = "/Applications";
    // This program's identifier and desktop-file id: never listed.
    QString ownBundleId = QStringLiteral("com.rovek.sorbeta");
    QString ownDesktopId = QStringLiteral("com.rovek.sorbeta");
    // This program's executable and, when it runs as an AppImage, that file
    // (links resolved): the bundle that holds either is never listed.
    std::filesystem::path ownExecutable;
    std::filesystem::path ownAppImage;
    // The interface locale ("zh_CN") whose Name a desktop entry shows.
    QString locale;
    // The folders of the programs installed for everyone and on the command
    // line ($PATH): an AppImage named like one of those shares its settings
    // folders with it, so they are none of its leftovers.
    std::vector<std::filesystem::path> programFolders;
    // The X display the polite quit asks windows on; absent: $DISPLAY.
    std::optional<std::string> display;

    // The two roots bundles are found in, in order: the system's, then the user's.
    std::vector<std::filesystem::path> appRoots() const;
    std::filesystem::path userApplications() const { return places.home / "Applications"; }
    std::filesystem::path userBin() const { return places.home / ".local/bin"; }

    static UninstallPlaces system(const platform::Places& places);
};

}  // namespace sorbeta
